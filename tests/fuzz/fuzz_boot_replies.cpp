// The bootloader's reply judging and decoders for any reply: the verdict per command, the
// register and program data lines, the frame fields.
#include "boot_frames.h"
#include "boot_registers.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const QByteArrayView reply = in.Rest();
    for (const quint8 command :
         {BootInitCode, BootReadCode, BootEraseCode, BootWriteCode, BootFinishCode})
        (void)JudgeBootReply(reply, command);
    // A packet's reply against the packet it must name; the request may be short too.
    (void)JudgeBootReplyTo(BootWriteRequest(238, 0x08002000, reply.first(qMin(reply.size(), 240))),
                           reply);
    (void)JudgeBootReplyTo(reply.first(qMin(reply.size(), 3)), reply);
    (void)BootRegisterLines(DecodeBootRegisters(reply));
    (void)ProgramDataLines(reply);
    (void)FrameHexText(reply);
    (void)FrameDollarText(reply);
    (void)ReceiveBufferText(reply);
    return 0;
}
