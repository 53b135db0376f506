// The bootloader's reply judging and decoders for any reply: the verdict per request, the
// register and program data lines, the frame fields. Replies are mostly built from the input with
// the CRC where the bootloader puts it, so that the judging goes past it, each in a buffer of
// exactly its size; the traffic monitor must give the verdict the bootloader gives.
#include "boot_frames.h"
#include "boot_registers.h"
#include "fuzz_input.h"
#include "modbus_frames.h"
#include "traffic_verdict.h"

namespace {

const quint8 Commands[] = {BootInitCode, BootReadCode, BootEraseCode, BootWriteCode,
                           BootFinishCode};

QByteArray Request(FuzzInput& in, quint8 address) {
    switch (in.Byte() % 6) {
    case 0:
        return BootInitRequest(address);
    case 1:
        return BootReadRequest(address, in.Word(), in.Word());
    case 2:
        return BootEraseRequest(address, in.Byte());
    case 3:
        return BootWriteRequest(address, quint32(in.Word()) << 16 | in.Word(), in.Part(238));
    case 4:
        return BootFinishRequest(address);
    default:
        return in.Part(16).toByteArray();
    }
}

// A packet's reply carries its CRC in bytes 3 and 4, after the address, the code and the length;
// every other reply ends with it.
QByteArray Reply(FuzzInput& in, const QByteArray& request) {
    const quint8 shape = in.Byte();
    if (shape % 4 == 0)
        return in.Rest().toByteArray();
    QByteArray reply;
    reply.append(in.Flag() ? request.left(1) : in.Take(1));
    const quint8 code = shape % 4 == 1   ? quint8(request.size() > 1 ? request[1] : 0)
                        : shape % 4 == 2 ? quint8(Commands[in.Byte() % 5] | 0x80)
                                         : in.Byte();
    reply.append(char(code));
    if (code == BootWriteCode) {
        reply.append(in.Flag() && request.size() > 6 ? request.mid(6, 1) : in.Take(1));
        AppendCrc(reply);
        reply.append(in.Rest());
        return reply;
    }
    reply.append(in.Part(255));
    AppendCrc(reply);
    if (in.Flag())
        reply.chop(in.Byte() % (reply.size() + 1));
    return reply;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const quint8 address = in.Byte();
    const ExactBytes requestCopy(Request(in, address));
    const QByteArrayView request = requestCopy.View();
    const ExactBytes replyCopy(Reply(in, request.toByteArray()));
    const QByteArrayView reply = replyCopy.View();

    for (const quint8 command : Commands) {
        const BootReply judged = JudgeBootReply(reply, command);
        // A reply is expected only when it carries the command's code (0x30 with its mark).
        if (judged.verdict == BootVerdict::Expected)
            FUZZ_CHECK(ReplyByte(reply, 1) == command &&
                       (command != BootInitCode || ReplyByte(reply, 2) == BootInitMark));
        if (judged.verdict == BootVerdict::Exception)
            FUZZ_CHECK(ReplyByte(reply, 1) & 0x80);
    }
    const BootReply judged = JudgeBootReplyTo(request, reply);
    const BootVerdict alone = JudgeBootReply(reply, ReplyByte(request, 1)).verdict;
    // The request can only refuse what its command's judging accepts.
    FUZZ_CHECK(judged.verdict == alone ||
               (judged.verdict == BootVerdict::Stray && ReplyByte(request, 1) == BootWriteCode));
    if (request.size() >= 2) {
        const TrafficVerdict shown = JudgeTraffic(TrafficSource::Bootloader, request, reply);
        FUZZ_CHECK((shown == TrafficVerdict::Correct) == (judged.verdict == BootVerdict::Expected));
        FUZZ_CHECK((shown == TrafficVerdict::Stray) == (judged.verdict == BootVerdict::Stray));
    }
    (void)BootRegisterLines(DecodeBootRegisters(reply));
    (void)ProgramDataLines(reply);
    (void)FrameHexText(reply);
    (void)FrameDollarText(reply);
    (void)ReceiveBufferText(reply);
    return 0;
}
