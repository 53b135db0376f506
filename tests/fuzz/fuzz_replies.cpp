// Function-3 and function-16 reply judging, their exception texts, the reports of commands and
// the traffic monitor's verdict and decode, for any request and for replies built from the input
// (most with a good CRC, so that the judging goes past it), each in a buffer of exactly its size;
// the same bytes as a Modbus TCP reply, turned back into RTU and judged again.
#include "fuzz_reply.h"
#include "mbap_frames.h"
#include "modbus_frames.h"
#include "poll_sequencer.h"
#include "reply_reports.h"
#include "traffic_frame.h"
#include "traffic_verdict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const quint16 start = in.Word();
    const quint16 count = in.Flag() ? 1 + in.Byte() % MaxReadRegisters : in.Word();
    const ExactBytes replyCopy(ModbusReplyBytes(in, count));
    const QByteArrayView reply = replyCopy.View();

    const ReadReply read = JudgeReadReply(reply, count);
    if (read.verdict.status == ReplyStatus::Correct) {
        // What is accepted has the CRC of the bytes it announces, and its words are the reply's
        // own, no more than asked.
        FUZZ_CHECK(HasValidCrc(reply.first(3 + quint8(reply[2]) + 2)));
        FUZZ_CHECK(read.words.size() <= count);
        for (qsizetype i = 0; i < read.words.size(); ++i)
            FUZZ_CHECK(read.words[i] == FrameWord(reply, 3 + 2 * i));
    }
    if (read.verdict.status == ReplyStatus::Exception)
        FUZZ_CHECK(HasValidCrc(reply.first(5)) && quint8(reply[1]) & 0x80);
    (void)ReadReplyReport(read.verdict, start);
    const ReplyVerdict write = JudgeWriteReply(reply);
    if (write.status == ReplyStatus::Correct)
        FUZZ_CHECK(HasValidCrc(reply) && quint8(reply[1]) == FunctionWriteMultiple);
    (void)WriteReplyReport(write, start);
    (void)ExceptionText(read.verdict.exceptionCode);
    (void)ExceptionText(write.exceptionCode);

    // The monitor calls correct exactly what the part that sent the request accepts.
    const QByteArray readRequest = BuildReadRequest(quint8(start), start, count);
    const bool pollStored =
        ParsePollReply(reply, {start, count}, {}).report.verdict == PollVerdict::Stored;
    FUZZ_CHECK(pollStored == (JudgeTraffic(TrafficSource::Polling, readRequest, reply) ==
                              TrafficVerdict::Correct));
    FUZZ_CHECK(
        (read.verdict.status == ReplyStatus::Correct) ==
        (JudgeTraffic(TrafficSource::Command, readRequest, reply) == TrafficVerdict::Correct));
    // Polling stores only what a command's read would accept too.
    FUZZ_CHECK(!pollStored || read.verdict.status == ReplyStatus::Correct);
    const quint16 values[] = {start, count};
    const QByteArray writeRequest = BuildWriteRequest(quint8(start), start, values);
    FUZZ_CHECK(
        (write.status == ReplyStatus::Correct) ==
        (JudgeTraffic(TrafficSource::Command, writeRequest, reply) == TrafficVerdict::Correct));

    (void)DecodeFrame(ReceivedFrame(TrafficSource::Command, readRequest, reply));
    (void)DecodeFrame(ReceivedFrame(TrafficSource::Polling, readRequest, reply));
    (void)DecodeFrame(ReceivedFrame(TrafficSource::Command, writeRequest, reply));
    (void)DecodeFrame(ReceivedFrame(TrafficSource::Command, reply, reply));
    const int length = MbapFrameLength(reply);
    if (length > 0 && length <= reply.size()) {
        const QByteArray rtu = MbapToRtu(reply.first(length));
        FUZZ_CHECK(rtu.size() <= MaxFrameBytes && HasValidCrc(rtu));
        FUZZ_CHECK(MbapFrameLength(WrapMbap(rtu, MbapTransactionId(reply))) == length);
        (void)JudgeReadReply(rtu, count);
        (void)JudgeWriteReply(rtu);
    }
    (void)DecodeFrame(StrayTrafficFrame(TrafficSource::Polling, reply));
    (void)DecodeFrame(SentFrame(TrafficSource::Command, reply));
    return 0;
}
