#include "modbus_slave.h"

#include "controller_model.h"
#include "modbus_frames.h"
#include "register_map.h"

#include <vector>

namespace {

constexpr quint8 IllegalFunction = 1;
constexpr quint8 IllegalDataValue = 3;
constexpr int ReadRequestLength = 8;
constexpr int WriteHeaderLength = 7; // address, function, first, count, byte count
constexpr int CrcLength = 2;
constexpr int MinimumFrameBytes = 4;     // address, function, CRC
constexpr quint8 ExceptionBit = 0x80;
constexpr int BootShortRequestBytes = 5; // address, function, one byte, CRC
constexpr int BootWriteHeaderLength = 7; // address, function, flash address, data length

quint8 Byte(QByteArrayView bytes, qsizetype i) {
    return quint8(bytes[i]);
}
quint16 Word(QByteArrayView bytes, qsizetype i) {
    return quint16(Byte(bytes, i) << 8 | Byte(bytes, i + 1));
}

void AppendWord(QByteArray& frame, quint16 word) {
    frame.append(char(word >> 8));
    frame.append(char(word & 0xFF));
}

QByteArray Finished(QByteArray frame) {
    AppendCrc(frame);
    return frame;
}

QByteArray AnswerWrite(QByteArrayView request, ControllerModel& model) {
    const quint8 address = Byte(request, 0);
    if (request.size() < WriteHeaderLength + CrcLength)
        return ModbusSlave::ExceptionReply(address, FunctionWriteMultiple, IllegalDataValue);
    const quint16 first = Word(request, 2);
    const quint16 count = Word(request, 4);
    const int byteCount = Byte(request, 6);
    if (count == 0 || count > ModbusSlave::MaxWriteRegisters || byteCount != 2 * count ||
        request.size() != WriteHeaderLength + byteCount + CrcLength)
        return ModbusSlave::ExceptionReply(address, FunctionWriteMultiple, IllegalDataValue);
    std::vector<quint16> values;
    for (int k = 0; k < count; ++k)
        values.push_back(Word(request, WriteHeaderLength + 2 * k));
    if (const quint8 code = model.writeRegisters(first, values))
        return ModbusSlave::ExceptionReply(address, FunctionWriteMultiple, code);
    return Finished(QByteArray(request.first(6).data(), 6));
}

} // namespace

namespace ModbusSlave {

QByteArray AnswerRead(QByteArrayView request, const RegisterReader& read) {
    const quint8 address = Byte(request, 0);
    if (request.size() != ReadRequestLength)
        return ExceptionReply(address, FunctionReadHolding, IllegalDataValue);
    const quint16 first = Word(request, 2);
    const quint16 count = Word(request, 4);
    if (count == 0 || count > MaxReadRegisters)
        return ExceptionReply(address, FunctionReadHolding, IllegalDataValue);
    QList<quint16> values;
    if (const quint8 code = read(first, count, &values))
        return ExceptionReply(address, FunctionReadHolding, code);
    QByteArray reply;
    reply.append(char(address));
    reply.append(char(FunctionReadHolding));
    reply.append(char(2 * count));
    for (quint16 value : values)
        AppendWord(reply, value);
    return Finished(reply);
}

int ExpectedRequestLength(QByteArrayView bytes) {
    if (bytes.size() < 2)
        return 0;
    switch (Byte(bytes, 1)) {
    case FunctionReadHolding:
        return ReadRequestLength;
    case FunctionWriteMultiple:
        return bytes.size() < WriteHeaderLength
                   ? 0
                   : WriteHeaderLength + Byte(bytes, WriteHeaderLength - 1) + CrcLength;
    case SimMap::Boot::Init:
    case SimMap::Boot::Erase:
    case SimMap::Boot::Finish:
        return BootShortRequestBytes;
    case SimMap::Boot::Write:
        return bytes.size() < BootWriteHeaderLength
                   ? 0
                   : BootWriteHeaderLength + Byte(bytes, BootWriteHeaderLength - 1) + CrcLength;
    default:
        return LengthUnknown;
    }
}

QList<QByteArray> TakeRequestFrames(QByteArray& pending, bool silence) {
    QList<QByteArray> frames;
    while (!pending.isEmpty()) {
        const int expected = ExpectedRequestLength(pending);
        if (expected > 0 && pending.size() >= expected &&
            HasValidCrc(QByteArrayView(pending).first(expected))) {
            frames.append(pending.left(expected));
            pending.remove(0, expected);
            continue;
        }
        if (silence) {
            frames.append(pending);
            pending.clear();
        }
        break;
    }
    return frames;
}

QByteArray ExceptionReply(quint8 address, quint8 function, quint8 code) {
    Q_ASSERT(!(function & ExceptionBit));
    QByteArray reply;
    reply.append(char(address));
    reply.append(char(function | ExceptionBit));
    reply.append(char(code));
    return Finished(reply);
}

QByteArray Answer(QByteArrayView request, ControllerModel& model) {
    const quint8 function = Byte(request, 1);
    if (function == FunctionWriteMultiple)
        return AnswerWrite(request, model);
    if (function == FunctionReadHolding)
        return AnswerRead(request, [&](quint16 first, int count, QList<quint16>* values) {
            return model.readRegisters(first, count, values);
        });
    return ExceptionReply(Byte(request, 0), function, IllegalFunction);
}

SimReply Respond(QByteArrayView frame, quint8 address, ControllerModel& model, FaultPlan& faults,
                 qint64 nowMs) {
    if (frame.size() < MinimumFrameBytes || !HasValidCrc(frame) || Byte(frame, 0) != address)
        return {};
    const quint8 function = Byte(frame, 1);
    // A function byte with bit 7 set is what an exception reply carries: such a frame is no
    // request, and an exception reply to it could not be told from the frame itself.
    if (function & ExceptionBit)
        return {};
    const Fault* fault = faults.next(function);
    if (fault && fault->kind == FaultKind::NoReply)
        return {};
    if (fault && fault->kind == FaultKind::Exception)
        return {ExceptionReply(address, function, fault->exceptionCode), fault->delayMs};
    SimReply reply = model.answer(frame, nowMs);
    if (fault) {
        reply.bytes = ApplyFault(*fault, reply.bytes);
        reply.delayMs += fault->delayMs;
    }
    return reply;
}

} // namespace ModbusSlave
