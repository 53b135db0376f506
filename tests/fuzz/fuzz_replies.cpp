// Function-3 and function-16 reply judging, their exception texts, the reports of commands and
// the traffic monitor's verdict and decode, for any bytes and any request; the same bytes as a
// Modbus TCP reply, turned back into RTU and judged again.
#include "fuzz_input.h"
#include "mbap_frames.h"
#include "modbus_frames.h"
#include "reply_reports.h"
#include "traffic_frame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const quint16 start = in.Word();
    const quint16 count = in.Word();
    const QByteArrayView reply = in.Rest();
    const ReadReply read = JudgeReadReply(reply, count);
    Q_ASSERT(read.verdict.status != ReplyStatus::Correct || read.words.size() <= count);
    (void)ReadReplyReport(read.verdict, start);
    const ReplyVerdict write = JudgeWriteReply(reply);
    (void)WriteReplyReport(write, start);
    (void)ExceptionText(read.verdict.exceptionCode);
    (void)ExceptionText(write.exceptionCode);
    const QByteArray request = BuildReadRequest(quint8(start), start, count);
    (void)DecodeFrame(ReceivedFrame(TrafficSource::Command, request, reply));
    (void)DecodeFrame(ReceivedFrame(TrafficSource::Command, reply, reply));
    const int length = MbapFrameLength(reply);
    if (length > 0 && length <= reply.size()) {
        const QByteArray rtu = MbapToRtu(reply.first(length));
        Q_ASSERT(rtu.size() <= MaxFrameBytes && HasValidCrc(rtu));
        Q_ASSERT(MbapFrameLength(WrapMbap(rtu, MbapTransactionId(reply))) == length);
        (void)JudgeReadReply(rtu, count);
        (void)JudgeWriteReply(rtu);
    }
    (void)DecodeFrame(StrayTrafficFrame(TrafficSource::Polling, reply));
    return 0;
}
