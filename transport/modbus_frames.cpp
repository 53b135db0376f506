#include "modbus_frames.h"

#include <QCoreApplication>

namespace {

// The two tables of the table-driven Modbus CRC, indexed by the byte XOR the running hi byte.
struct CrcTables {
    std::array<quint8, 256> hi{};
    std::array<quint8, 256> lo{};
};

constexpr CrcTables Tables = [] {
    CrcTables tables;
    for (int i = 0; i < 256; ++i) {
        quint16 crc = quint16(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
        tables.hi[i] = quint8(crc & 0xFF);
        tables.lo[i] = quint8(crc >> 8);
    }
    return tables;
}();

quint8 At(QByteArrayView bytes, qsizetype i) {
    return quint8(bytes[i]);
}

void AppendWord(QByteArray& frame, quint16 word) {
    frame.append(char(word >> 8));
    frame.append(char(word & 0xFF));
}

bool CrcMatches(QByteArrayView reply, qsizetype covered) {
    const quint16 received = quint16(At(reply, covered) << 8 | At(reply, covered + 1));
    return received == ModbusCrc16(reply.first(covered));
}

// The names of exception codes 0..11, translated where they are shown.
constexpr std::array<const char*, 12> ExceptionNames = {
    " ",
    QT_TRANSLATE_NOOP("ModbusFrames", "Код функции не поддерживается"),
    QT_TRANSLATE_NOOP("ModbusFrames", "Недоступный адрес регистра"),
    QT_TRANSLATE_NOOP("ModbusFrames", "Недопустимое значение регистра"),
    QT_TRANSLATE_NOOP("ModbusFrames", "Невосстанавливаемая ошибка"),
    QT_TRANSLATE_NOOP("ModbusFrames", "Запрос принят, идет обработка"),
    QT_TRANSLATE_NOOP("ModbusFrames", "Канал занят, повторите запрос позже"),
    " ",
    QT_TRANSLATE_NOOP("ModbusFrames", "Ошибка паритета"),
    " ",
    " ",
    " ",
};

} // namespace

quint16 ModbusCrc16(QByteArrayView bytes) {
    quint8 hi = 0xFF;
    quint8 lo = 0xFF;
    for (qsizetype k = 0; k < bytes.size(); ++k) {
        const quint8 i = At(bytes, k) ^ hi;
        hi = lo ^ Tables.hi[i];
        lo = Tables.lo[i];
    }
    return quint16(hi << 8 | lo);
}

void AppendCrc(QByteArray& frame) {
    const quint16 crc = ModbusCrc16(frame);
    frame.append(char(crc >> 8));
    frame.append(char(crc & 0xFF));
}

bool HasValidCrc(QByteArrayView frame) {
    return frame.size() >= 3 && CrcMatches(frame, frame.size() - 2);
}

QString ExceptionName(int code) {
    return code >= 0 && code < int(ExceptionNames.size())
               ? QCoreApplication::translate("ModbusFrames", ExceptionNames[size_t(code)])
               : QString();
}

QString ExceptionText(int code) {
    return ExceptionName(code) +
           QStringLiteral(" (0x%1)").arg(
               QString::number(code & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0')));
}

QByteArray BuildReadRequest(quint8 address, quint16 firstRegister, quint16 count) {
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(FunctionReadHolding));
    AppendWord(frame, firstRegister);
    AppendWord(frame, count);
    AppendCrc(frame);
    return frame;
}

QByteArray BuildWriteRequest(quint8 address, quint16 firstRegister,
                             std::span<const quint16> values) {
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(FunctionWriteMultiple));
    AppendWord(frame, firstRegister);
    AppendWord(frame, quint16(values.size()));
    frame.append(char((values.size() * 2) & 0xFF));
    for (quint16 value : values)
        AppendWord(frame, value);
    AppendCrc(frame);
    return frame;
}

ReadReply JudgeReadReply(QByteArrayView reply, int requestedCount) {
    ReadReply result;
    if (reply.isEmpty())
        return result;
    result.verdict.status = ReplyStatus::CrcError;
    if (reply.size() < 3)
        return result;
    const bool exception = At(reply, 1) & 0x80;
    const qsizetype covered = exception ? 3 : At(reply, 2) + 3;
    if (reply.size() < covered + 2 || !CrcMatches(reply, covered))
        return result;
    if (exception) {
        result.verdict = {ReplyStatus::Exception, At(reply, 2)};
        return result;
    }
    const int byteCount = At(reply, 2);
    if (byteCount > 2 * requestedCount) {
        result.verdict.status = ReplyStatus::TooLong;
        return result;
    }
    result.verdict.status = ReplyStatus::Correct;
    for (int k = 0; k < byteCount / 2; ++k)
        result.words.append(quint16(At(reply, 3 + 2 * k) << 8 | At(reply, 4 + 2 * k)));
    return result;
}

ReplyVerdict JudgeWriteReply(QByteArrayView reply) {
    if (reply.isEmpty())
        return {ReplyStatus::NoAnswer};
    if (!HasValidCrc(reply))
        return {ReplyStatus::CrcError};
    if (At(reply, 1) & 0x80)
        return {ReplyStatus::Exception, At(reply, 2)};
    return {At(reply, 1) == FunctionWriteMultiple ? ReplyStatus::Correct
                                                  : ReplyStatus::UnexpectedFunction};
}
