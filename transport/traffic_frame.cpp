#include "traffic_frame.h"

#include "modbus_frames.h"

#include <QDateTime>

quint16 FrameWord(QByteArrayView bytes, qsizetype at) {
    return at + 1 < bytes.size() ? quint16(quint8(bytes[at]) << 8 | quint8(bytes[at + 1])) : 0;
}

namespace {

struct BootCommand {
    quint8 function;
    const char* name;
};
constexpr BootCommand BootCommands[] = {{0x30, "инициализация загрузчика"},
                                        {0x20, "стирание памяти"},
                                        {0x21, "пакет прошивки"},
                                        {0x31, "завершение и перезапуск"}};

const char* BootName(quint8 function) {
    for (const BootCommand& c : BootCommands)
        if (c.function == function)
            return c.name;
    return nullptr;
}

QString RegisterRange(quint16 first, quint16 count) {
    return QStringLiteral("%1..%2 (%3)").arg(first).arg(first + count - 1).arg(count);
}

QString FunctionText(QByteArrayView frame, QByteArrayView request) {
    const quint8 function = quint8(frame[1]);
    if (function & 0x80) {
        const int code = frame.size() > 2 ? quint8(frame[2]) : 0;
        const QString name = code < int(ExceptionNames.size())
                                 ? QString::fromUtf8(ExceptionNames[code]).trimmed()
                                 : QString();
        return QStringLiteral("исключение %1%2")
            .arg(code)
            .arg(name.isEmpty() ? QString() : ": " + name);
    }
    if (const char* boot = BootName(function))
        return QStringLiteral("загрузчик: ") + QString::fromUtf8(boot);
    const QByteArrayView asked = request.isEmpty() ? frame : request;
    switch (function) {
    case FunctionReadHolding:
        if (asked.size() >= 6)
            return QStringLiteral("чтение ") +
                   RegisterRange(FrameWord(asked, 2), FrameWord(asked, 4));
        return QStringLiteral("чтение");
    case FunctionWriteMultiple:
        if (asked.size() >= 6)
            return QStringLiteral("запись ") +
                   RegisterRange(FrameWord(asked, 2), FrameWord(asked, 4));
        return QStringLiteral("запись");
    default:
        return QStringLiteral("функция 0x%1")
            .arg(QString::number(function, 16).rightJustified(2, QLatin1Char('0')).toUpper());
    }
}

} // namespace

TrafficFrame SentFrame(TrafficSource source, QByteArrayView request) {
    return {QDateTime::currentMSecsSinceEpoch(),
            TrafficDirection::Sent,
            source,
            request.toByteArray(),
            {},
            TrafficVerdict::None};
}

TrafficFrame ReceivedFrame(TrafficSource source, QByteArrayView request, QByteArrayView reply) {
    return {QDateTime::currentMSecsSinceEpoch(),
            TrafficDirection::Received,
            source,
            reply.toByteArray(),
            request.toByteArray(),
            TrafficVerdict::None};
}

QString DecodeFrame(const TrafficFrame& frame) {
    if (frame.bytes.isEmpty())
        return QString();
    QString text = QStringLiteral("адрес %1").arg(quint8(frame.bytes[0]));
    if (frame.bytes.size() > 1)
        text += QStringLiteral(", ") + FunctionText(frame.bytes, frame.request);
    return text;
}

QString VerdictText(TrafficVerdict verdict) {
    switch (verdict) {
    case TrafficVerdict::None:
        return QString();
    case TrafficVerdict::Correct:
        return QStringLiteral("корректный");
    case TrafficVerdict::CrcError:
        return QStringLiteral("ошибка CRC");
    case TrafficVerdict::NoAnswer:
        return QStringLiteral("нет ответа");
    case TrafficVerdict::TooLong:
        return QStringLiteral("слишком длинный");
    case TrafficVerdict::WrongLength:
        return QStringLiteral("неверная длина");
    case TrafficVerdict::Exception:
        return QStringLiteral("исключение");
    case TrafficVerdict::UnexpectedFunction:
        return QStringLiteral("неверный ответ");
    case TrafficVerdict::Stray:
        return QStringLiteral("чужой ответ");
    }
    return QString();
}

QString SourceText(TrafficSource source) {
    switch (source) {
    case TrafficSource::Polling:
        return QStringLiteral("опрос");
    case TrafficSource::Command:
        return QStringLiteral("команда");
    case TrafficSource::Bootloader:
        return QStringLiteral("загрузчик");
    }
    return QString();
}

QString DirectionText(TrafficDirection direction) {
    return direction == TrafficDirection::Sent ? QStringLiteral("→") : QStringLiteral("←");
}

QString HexText(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.toByteArray().toHex(' ')).toUpper();
}
