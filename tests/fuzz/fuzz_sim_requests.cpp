// The simulated controller's request handling: frames built from the input with a good CRC (reads,
// writes, and the bootloader's start, erase, packets of a sealed image, finish), each in a buffer
// of exactly its size, and any bytes off the line through the framing, with a clock of its own so
// that the same input gives the same run. Every reply must be one the program accepts as an answer
// or an exception, and what the bootloader acknowledges must be in its flash.
#include "boot_frames.h"
#include "bootloader_model.h"
#include "controller_model.h"
#include "fault_plan.h"
#include "fuzz_input.h"
#include "modbus_frames.h"
#include "modbus_slave.h"
#include "register_map.h"
#include "traffic_frame.h"

namespace {

constexpr quint8 Address = 238;

QByteArray Frame(FuzzInput& in) {
    const quint8 kind = in.Byte();
    const quint8 address = kind & 0x80 ? in.Byte() : Address;
    switch (kind % 8) {
    case 0: // registers of the application or of the bootloader
        return BuildReadRequest(address,
                                in.Flag() ? in.Word() : in.Byte() % 16 + (in.Flag() ? 4248 : 0),
                                in.Flag() ? in.Word() : in.Byte() % 20);
    case 1: {
        QList<quint16> values;
        for (int n = in.Byte() % 8; n > 0; --n)
            values.append(in.Word());
        return BuildWriteRequest(address, in.Word() % 400, values);
    }
    case 2:
        return BootInitRequest(address);
    case 3:
        return BootEraseRequest(address, in.Byte() % 3);
    case 4: { // a packet of a sealed image, or of plain bytes, at the start of flash or beyond
        const QByteArrayView content = in.Part(236);
        const QByteArray bytes =
            in.Flag() ? SealedImage(content.toByteArray()) : content.toByteArray();
        return BootWriteRequest(address, SimMap::Boot::FlashBase + (in.Flag() ? 0 : in.Word() * 4),
                                bytes);
    }
    case 5:
        return BootFinishRequest(address);
    default: {
        QByteArray frame(1, char(address));
        frame.append(in.Part(24));
        AppendCrc(frame);
        return frame;
    }
    }
}

// The program's verdict on the reply: an answer or an exception, by the judging of the part that
// would have sent the request.
bool Accepted(QByteArrayView request, QByteArrayView reply, bool bootloader) {
    const quint8 function = quint8(request[1]);
    if (bootloader || function == BootInitCode) {
        const BootVerdict verdict = JudgeBootReplyTo(request, reply).verdict;
        return verdict == BootVerdict::Expected || verdict == BootVerdict::Exception;
    }
    ReplyStatus status = ReplyStatus::NoAnswer;
    if (function == FunctionReadHolding) {
        const ReadReply read = JudgeReadReply(reply, FrameWord(request, 4));
        status = read.verdict.status;
        if (status == ReplyStatus::Correct && read.words.size() != FrameWord(request, 4))
            return false;
    } else if (function == FunctionWriteMultiple) {
        status = JudgeWriteReply(reply).status;
    } else {
        return HasValidCrc(reply) && quint8(reply[1]) == (function | 0x80);
    }
    return status == ReplyStatus::Correct || status == ReplyStatus::Exception;
}

void Check(QByteArrayView frame, ControllerModel& model, FaultPlan& faults, qint64 nowMs) {
    const bool bootloader = model.inBootloader(nowMs);
    const SimReply reply = ModbusSlave::Respond(frame, Address, model, faults, nowMs);
    FUZZ_CHECK(reply.bytes.size() <= 256);
    if (reply.bytes.isEmpty())
        return;
    FUZZ_CHECK(quint8(frame[0]) == Address && quint8(reply.bytes[0]) == Address);
    FUZZ_CHECK(Accepted(frame, reply.bytes, bootloader));
    // A packet acknowledged is in flash, and a finish acknowledged found a sealed image there.
    BootloaderModel& boot = model.bootloader();
    if (bootloader && JudgeBootReplyTo(frame, reply.bytes).verdict == BootVerdict::Expected) {
        if (quint8(frame[1]) == BootWriteCode) {
            const qint64 offset = qint64(FrameWord(frame, 2)) << 16 | FrameWord(frame, 4);
            const qsizetype length = quint8(frame[6]);
            FUZZ_CHECK(boot.programmed().mid(offset - SimMap::Boot::FlashBase, length) ==
                       frame.sliced(7, length));
        }
        if (quint8(frame[1]) == BootFinishCode)
            FUZZ_CHECK(FlashCrc32(boot.programmed()) == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    qint64 nowMs = 0;
    const ModelClock clock{[] { return quint32(788918400); }, [&nowMs] { return nowMs; }};
    ControllerModel model(Address, 1 + in.Byte() % 200, in.Flag(), {0, 0}, clock);
    FaultPlan faults;
    const bool framing = in.Flag();
    QByteArray pending;
    while (!in.Empty()) {
        if (framing) {
            pending += in.Part(64);
            for (const QByteArray& frame : ModbusSlave::TakeRequestFrames(pending, in.Flag()))
                Check(ExactBytes(frame).View(), model, faults, nowMs);
        } else {
            const ExactBytes frame(Frame(in));
            Check(frame.View(), model, faults, nowMs);
        }
        nowMs += 100 * (in.Byte() % 8);
    }
    return 0;
}
