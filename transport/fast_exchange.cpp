#include "fast_exchange.h"

#include "modbus_frames.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int ExceptionReplyBytes = 5;
constexpr int WriteReplyBytes = 8;
constexpr int ReadReplyOverhead = 5; // address, function, byte count, CRC
constexpr qint64 FastLineSilenceUs = 1750;
constexpr qint32 FixedSilenceAbove = 19200;

// The bootloader's private functions and the length of their replies: the initialisation and a
// packet echo five bytes, the erase and the finish carry a status in six.
struct FixedReply {
    quint8 function;
    int bytes;
};
constexpr FixedReply BootloaderReplies[] = {{0x30, 5}, {0x20, 6}, {0x21, 5}, {0x31, 6}};
constexpr quint8 FlashWritingFunctions[] = {0x21, 0x31};

std::optional<int> FixedReplyLength(quint8 function) {
    if (function == FunctionWriteMultiple)
        return WriteReplyBytes;
    for (const FixedReply& reply : BootloaderReplies)
        if (reply.function == function)
            return reply.bytes;
    return std::nullopt;
}

} // namespace

double CharacterTimeUs(const LineSettings& line) {
    const int bits = 1 + 8 + (line.parity == QSerialPort::NoParity ? 0 : 1) + 1;
    return bits * 1e6 / std::max(line.baudRate, 1);
}

qint64 FrameSilenceUs(const LineSettings& line) {
    const qint64 chars = qint64(std::ceil(3.5 * CharacterTimeUs(line)));
    return line.baudRate > FixedSilenceAbove ? std::max(chars, FastLineSilenceUs) : chars;
}

int FrameSilenceMs(const LineSettings& line) {
    return int((FrameSilenceUs(line) + 999) / 1000);
}

int ReplySilenceMs(const LineSettings& line) {
    return std::max(FrameSilenceMs(line), ReplySilenceFloorMs);
}

std::optional<int> ExpectedReplyLength(QByteArrayView received) {
    if (received.size() < 2)
        return std::nullopt;
    const quint8 function = quint8(received[1]);
    if (function & 0x80)
        return ExceptionReplyBytes;
    if (function != FunctionReadHolding)
        return FixedReplyLength(function);
    if (received.size() < 3)
        return std::nullopt;
    return ReadReplyOverhead + quint8(received[2]);
}

int ExpectedReplyLengthFor(QByteArrayView request) {
    if (request.size() >= 6 && quint8(request[1]) == FunctionReadHolding) {
        const int count = quint8(request[4]) << 8 | quint8(request[5]);
        return std::min(ReadReplyOverhead + 2 * count, MaxFrameBytes);
    }
    if (request.size() >= 2)
        return FixedReplyLength(quint8(request[1])).value_or(MaxFrameBytes);
    return MaxFrameBytes;
}

bool AnsweredAfterFlashWrite(QByteArrayView request) {
    return request.size() >= 2 &&
           std::ranges::find(FlashWritingFunctions, quint8(request[1])) !=
               std::end(FlashWritingFunctions);
}

int FastReplyTimeoutMs(const LineSettings& line, int requestBytes, int replyBytes, int limitMs) {
    const double wireUs = (requestBytes + replyBytes) * CharacterTimeUs(line);
    const int timeoutMs = int(std::ceil(2 * wireUs / 1000)) + TurnaroundMarginMs;
    return std::min(timeoutMs, limitMs);
}
