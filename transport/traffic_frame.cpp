#include "traffic_frame.h"

#include "mbap_frames.h"
#include "modbus_frames.h"

#include <QCoreApplication>
#include <QDateTime>

quint16 FrameWord(QByteArrayView bytes, qsizetype at) {
    return at + 1 < bytes.size() ? quint16(quint8(bytes[at]) << 8 | quint8(bytes[at + 1])) : 0;
}

namespace {

struct BootCommand {
    quint8 function;
    const char* name;
};
constexpr BootCommand BootCommands[] = {
    {0x30, QT_TRANSLATE_NOOP("TrafficFrame", "инициализация загрузчика")},
    {0x20, QT_TRANSLATE_NOOP("TrafficFrame", "стирание памяти")},
    {0x21, QT_TRANSLATE_NOOP("TrafficFrame", "пакет прошивки")},
    {0x31, QT_TRANSLATE_NOOP("TrafficFrame", "завершение и перезапуск")}};

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
        const QString name = ExceptionName(code).trimmed();
        return QCoreApplication::translate("TrafficFrame", "исключение %1%2")
            .arg(code)
            .arg(name.isEmpty() ? QString() : ": " + name);
    }
    if (const char* boot = BootName(function))
        return QCoreApplication::translate("TrafficFrame", "загрузчик: ") +
               QCoreApplication::translate("TrafficFrame", boot);
    const QByteArrayView asked = request.isEmpty() ? frame : request;
    switch (function) {
    case FunctionReadHolding:
        if (asked.size() >= 6)
            return QCoreApplication::translate("TrafficFrame", "чтение ") +
                   RegisterRange(FrameWord(asked, 2), FrameWord(asked, 4));
        return QCoreApplication::translate("TrafficFrame", "чтение");
    case FunctionWriteMultiple:
        if (asked.size() >= 6)
            return QCoreApplication::translate("TrafficFrame", "запись ") +
                   RegisterRange(FrameWord(asked, 2), FrameWord(asked, 4));
        return QCoreApplication::translate("TrafficFrame", "запись");
    default:
        return QCoreApplication::translate("TrafficFrame", "функция 0x%1")
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
            TrafficVerdict::None,
            {}};
}

TrafficFrame ReceivedFrame(TrafficSource source, QByteArrayView request, QByteArrayView reply) {
    return {QDateTime::currentMSecsSinceEpoch(),
            TrafficDirection::Received,
            source,
            reply.toByteArray(),
            request.toByteArray(),
            TrafficVerdict::None,
            {}};
}

TrafficFrame StrayTrafficFrame(TrafficSource source, QByteArrayView mbapFrame) {
    const int length = MbapFrameLength(mbapFrame);
    const bool whole = length > 0 && length == mbapFrame.size();
    TrafficFrame frame = ReceivedFrame(source, {}, whole ? MbapToRtu(mbapFrame) : mbapFrame);
    frame.verdict = TrafficVerdict::Stray;
    if (whole)
        frame.header = mbapFrame.first(MbapHeaderBytes).toByteArray();
    return frame;
}

QString DecodeFrame(const TrafficFrame& frame) {
    if (frame.bytes.isEmpty())
        return QString();
    QString text =
        QCoreApplication::translate("TrafficFrame", "адрес %1").arg(quint8(frame.bytes[0]));
    if (frame.bytes.size() > 1)
        text += QStringLiteral(", ") + FunctionText(frame.bytes, frame.request);
    return text;
}

QString VerdictText(TrafficVerdict verdict) {
    switch (verdict) {
    case TrafficVerdict::None:
        return QString();
    case TrafficVerdict::Correct:
        return QCoreApplication::translate("TrafficFrame", "корректный");
    case TrafficVerdict::CrcError:
        return QCoreApplication::translate("TrafficFrame", "ошибка CRC");
    case TrafficVerdict::NoAnswer:
        return QCoreApplication::translate("TrafficFrame", "нет ответа");
    case TrafficVerdict::TooLong:
        return QCoreApplication::translate("TrafficFrame", "слишком длинный");
    case TrafficVerdict::WrongLength:
        return QCoreApplication::translate("TrafficFrame", "неверная длина");
    case TrafficVerdict::Exception:
        return QCoreApplication::translate("TrafficFrame", "исключение");
    case TrafficVerdict::UnexpectedFunction:
        return QCoreApplication::translate("TrafficFrame", "неверный ответ");
    case TrafficVerdict::Stray:
        return QCoreApplication::translate("TrafficFrame", "чужой ответ");
    }
    return QString();
}

QString SourceText(TrafficSource source) {
    switch (source) {
    case TrafficSource::Polling:
        return QCoreApplication::translate("TrafficFrame", "опрос");
    case TrafficSource::Command:
        return QCoreApplication::translate("TrafficFrame", "команда");
    case TrafficSource::Bootloader:
        return QCoreApplication::translate("TrafficFrame", "загрузчик");
    }
    return QString();
}

QString DirectionText(TrafficDirection direction) {
    return direction == TrafficDirection::Sent ? QStringLiteral("→") : QStringLiteral("←");
}

QString HexText(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.toByteArray().toHex(' ')).toUpper();
}

QString WireHexText(const TrafficFrame& frame) {
    constexpr qsizetype AddressAndCrc = 3;
    if (frame.header.isEmpty() || frame.bytes.size() <= AddressAndCrc)
        return HexText(frame.bytes);
    // The header ends with the unit id, which stands for the RTU frame's address.
    return HexText(frame.header) + QStringLiteral(" | ") +
           HexText(QByteArrayView(frame.bytes).sliced(1, frame.bytes.size() - AddressAndCrc));
}
