#include "traffic_verdict.h"

#include "boot_frames.h"
#include "modbus_frames.h"
#include "poll_sequencer.h"

namespace {

TrafficVerdict OfReplyStatus(ReplyStatus status) {
    switch (status) {
    case ReplyStatus::Correct:
        return TrafficVerdict::Correct;
    case ReplyStatus::Exception:
        return TrafficVerdict::Exception;
    case ReplyStatus::TooLong:
        return TrafficVerdict::TooLong;
    case ReplyStatus::CrcError:
        return TrafficVerdict::CrcError;
    case ReplyStatus::NoAnswer:
        return TrafficVerdict::NoAnswer;
    case ReplyStatus::UnexpectedFunction:
        return TrafficVerdict::UnexpectedFunction;
    }
    return TrafficVerdict::CrcError;
}

TrafficVerdict OfPollVerdict(PollVerdict verdict) {
    switch (verdict) {
    case PollVerdict::Stored:
        return TrafficVerdict::Correct;
    case PollVerdict::Exception:
        return TrafficVerdict::Exception;
    case PollVerdict::TooLong:
        return TrafficVerdict::TooLong;
    case PollVerdict::WrongLength:
        return TrafficVerdict::WrongLength;
    case PollVerdict::CrcError:
        return TrafficVerdict::CrcError;
    case PollVerdict::NoAnswer:
        return TrafficVerdict::NoAnswer;
    }
    return TrafficVerdict::CrcError;
}

// The bootloader judges the reply by the command code of its request.
TrafficVerdict BootloaderVerdict(QByteArrayView request, QByteArrayView reply) {
    switch (JudgeBootReplyTo(request, reply).verdict) {
    case BootVerdict::Expected:
        return TrafficVerdict::Correct;
    case BootVerdict::NoAnswer:
        return TrafficVerdict::NoAnswer;
    case BootVerdict::CrcError:
        return TrafficVerdict::CrcError;
    case BootVerdict::Exception:
        return TrafficVerdict::Exception;
    case BootVerdict::Unexpected:
        return TrafficVerdict::UnexpectedFunction;
    case BootVerdict::Stray:
        return TrafficVerdict::Stray;
    }
    return TrafficVerdict::CrcError;
}

// Bytes no request of the program's functions asked for can only be told by their CRC.
TrafficVerdict ByCrcOnly(QByteArrayView reply) {
    if (!HasValidCrc(reply))
        return TrafficVerdict::CrcError;
    return quint8(reply[1]) & 0x80 ? TrafficVerdict::Exception : TrafficVerdict::Correct;
}

} // namespace

TrafficVerdict JudgeTraffic(TrafficSource source, QByteArrayView request, QByteArrayView reply) {
    // Every part of the program tells a missing reply apart before it judges any bytes.
    if (reply.isEmpty())
        return TrafficVerdict::NoAnswer;
    if (request.size() < 2)
        return ByCrcOnly(reply);
    if (source == TrafficSource::Bootloader)
        return BootloaderVerdict(request, reply);
    const quint16 count = FrameWord(request, 4);
    switch (quint8(request[1])) {
    case FunctionReadHolding:
        if (source == TrafficSource::Polling)
            return OfPollVerdict(
                ParsePollReply(reply, {FrameWord(request, 2), count}, {}).report.verdict);
        return OfReplyStatus(JudgeReadReply(reply, count).verdict.status);
    case FunctionWriteMultiple:
        return OfReplyStatus(JudgeWriteReply(reply).status);
    default:
        return ByCrcOnly(reply);
    }
}
