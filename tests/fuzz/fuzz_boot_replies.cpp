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
    (void)BootRegisterLines(DecodeBootRegisters(reply));
    (void)ProgramDataLines(reply);
    (void)FrameHexText(reply);
    (void)FrameDollarText(reply);
    (void)ReceiveBufferText(reply);
    return 0;
}
