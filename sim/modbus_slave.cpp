#include "modbus_slave.h"

#include "controller_model.h"
#include "modbus_frames.h"

#include <vector>

namespace {

constexpr quint8 IllegalFunction = 1;
constexpr quint8 IllegalDataValue = 3;
constexpr int ReadRequestLength = 8;
constexpr int WriteHeaderLength = 7; // address, function, first, count, byte count
constexpr int CrcLength = 2;

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

QByteArray AnswerRead(QByteArrayView request, ControllerModel& model) {
    const quint8 address = Byte(request, 0);
    const quint16 first = Word(request, 2);
    const quint16 count = Word(request, 4);
    if (request.size() != ReadRequestLength || count == 0 || count > MaxReadRegisters)
        return ModbusSlave::ExceptionReply(address, FunctionReadHolding, IllegalDataValue);
    QList<quint16> values;
    if (const quint8 code = model.readRegisters(first, count, &values))
        return ModbusSlave::ExceptionReply(address, FunctionReadHolding, code);
    QByteArray reply;
    reply.append(char(address));
    reply.append(char(FunctionReadHolding));
    reply.append(char(2 * count));
    for (quint16 value : values)
        AppendWord(reply, value);
    return Finished(reply);
}

QByteArray AnswerWrite(QByteArrayView request, ControllerModel& model) {
    const quint8 address = Byte(request, 0);
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
    default:
        return LengthUnknown;
    }
}

QByteArray ExceptionReply(quint8 address, quint8 function, quint8 code) {
    QByteArray reply;
    reply.append(char(address));
    reply.append(char(function | 0x80));
    reply.append(char(code));
    return Finished(reply);
}

QByteArray Answer(QByteArrayView request, ControllerModel& model) {
    const quint8 function = Byte(request, 1);
    // The shortest request of a known function is the read: anything shorter is malformed.
    if (function == FunctionReadHolding || function == FunctionWriteMultiple) {
        if (request.size() < ReadRequestLength + (function == FunctionWriteMultiple ? 1 : 0))
            return ExceptionReply(Byte(request, 0), function, IllegalDataValue);
        return function == FunctionReadHolding ? AnswerRead(request, model)
                                               : AnswerWrite(request, model);
    }
    return ExceptionReply(Byte(request, 0), function, IllegalFunction);
}

} // namespace ModbusSlave
