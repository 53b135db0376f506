#include "boot_frames.h"

#include "modbus_frames.h"

namespace {

// The packet reply is address, 0x21, bytes written: its CRC covers those three.
constexpr qsizetype WriteReplyCovered = 3;
// A packet request is address, 0x21, the flash address in four bytes, then the data length.
constexpr qsizetype WriteRequestLengthAt = 6;
constexpr qsizetype ReceiveBufferShown = 9;

QByteArray Finished(std::initializer_list<quint8> bytes) {
    QByteArray frame;
    for (quint8 b : bytes)
        frame.append(char(b));
    AppendCrc(frame);
    return frame;
}

QString BytesText(QByteArrayView bytes, QLatin1StringView before, QLatin1StringView after) {
    QString text;
    for (char b : bytes)
        text += before + HexText(quint8(b), 2) + after;
    return text;
}

} // namespace

QByteArray BootInitRequest(quint8 address) {
    return Finished({address, BootInitCode, BootInitMark});
}

QByteArray BootReadRequest(quint8 address, quint16 start, quint16 count) {
    return BuildReadRequest(address, start, count);
}

QByteArray BootEraseRequest(quint8 address, quint8 area) {
    return Finished({address, BootEraseCode, area});
}

QByteArray BootWriteRequest(quint8 address, quint32 flashAddress, QByteArrayView data) {
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(BootWriteCode));
    for (int shift = 24; shift >= 0; shift -= 8)
        frame.append(char(flashAddress >> shift & 0xFF));
    frame.append(char(data.size()));
    frame.append(data);
    AppendCrc(frame);
    return frame;
}

QByteArray BootFinishRequest(quint8 address) {
    return Finished({address, BootFinishCode, BootFinishSpecialCode});
}

quint8 ReplyByte(QByteArrayView reply, qsizetype i) {
    return i < reply.size() ? quint8(reply[i]) : 0;
}

BootReply JudgeBootReply(QByteArrayView reply, quint8 command) {
    if (reply.isEmpty())
        return {BootVerdict::NoAnswer};
    const qsizetype covered = command == BootWriteCode ? WriteReplyCovered : reply.size() - 2;
    if (covered < 1 || reply.size() < covered + 2 ||
        ModbusCrc16(reply.first(covered)) !=
            quint16(ReplyByte(reply, covered) << 8 | ReplyByte(reply, covered + 1)))
        return {BootVerdict::CrcError};
    const quint8 function = ReplyByte(reply, 1);
    if (function == command && (command != BootInitCode || ReplyByte(reply, 2) == BootInitMark))
        return {BootVerdict::Expected};
    if (function & 0x80)
        return {BootVerdict::Exception, ReplyByte(reply, 2)};
    return {BootVerdict::Unexpected};
}

BootReply JudgeBootReplyTo(QByteArrayView request, QByteArrayView reply) {
    const quint8 command = ReplyByte(request, 1);
    const BootReply judged = JudgeBootReply(reply, command);
    if (command != BootWriteCode ||
        (judged.verdict != BootVerdict::Expected && judged.verdict != BootVerdict::Exception))
        return judged;
    const bool sameAddress = ReplyByte(reply, 0) == ReplyByte(request, 0);
    const bool sameLength = judged.verdict == BootVerdict::Exception ||
                            ReplyByte(reply, 2) == ReplyByte(request, WriteRequestLengthAt);
    return sameAddress && sameLength ? judged : BootReply{BootVerdict::Stray};
}

QString FrameHexText(QByteArrayView bytes) {
    return BytesText(bytes, {}, QLatin1StringView(" "));
}

QString FrameDollarText(QByteArrayView bytes) {
    return BytesText(bytes, QLatin1StringView(" $"), {});
}

QString ReceiveBufferText(QByteArrayView reply) {
    QByteArray buffer = reply.first(qMin(reply.size(), ReceiveBufferShown)).toByteArray();
    buffer.resize(ReceiveBufferShown, '\0');
    return BytesText(buffer, QLatin1StringView("$"), {});
}

QString HexText(quint32 value, int digits) {
    return QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}
