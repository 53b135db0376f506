#include "traffic_log.h"

#include "modbus_frames.h"
#include "traffic_verdict.h"

#include <QCoreApplication>
#include <QDateTime>

void TrafficLog::Append(const QList<TrafficFrame>& frames) {
    for (const TrafficFrame& frame : frames) {
        if (Size() == Capacity) {
            frames_.pop_front();
            ++dropped_;
        }
        frames_.push_back(frame);
        // A stray frame has its verdict from the link that dropped it.
        if (frame.direction == TrafficDirection::Received && frame.verdict == TrafficVerdict::None)
            frames_.back().verdict = JudgeTraffic(frame.source, frame.request, frame.bytes);
    }
}

void TrafficLog::Clear() {
    frames_.clear();
    dropped_ = 0;
}

namespace {

// The function a frame is about: the reply's own, or for a missing reply its request's.
int FunctionOf(const TrafficFrame& frame) {
    const QByteArray& bytes = frame.bytes.size() > 1 ? frame.bytes : frame.request;
    return bytes.size() > 1 ? quint8(bytes[1]) & 0x7F : -1;
}

} // namespace

bool Matches(const TrafficFrame& frame, TrafficFilter filter) {
    switch (filter) {
    case TrafficFilter::All:
        return true;
    case TrafficFilter::ErrorsOnly:
        return frame.verdict != TrafficVerdict::None && frame.verdict != TrafficVerdict::Correct;
    case TrafficFilter::Read:
        return FunctionOf(frame) == FunctionReadHolding;
    case TrafficFilter::Write:
        return FunctionOf(frame) == FunctionWriteMultiple;
    case TrafficFilter::Bootloader:
        return frame.source == TrafficSource::Bootloader;
    }
    return true;
}

namespace {

constexpr const char* ColumnTitles[] = {
    QT_TRANSLATE_NOOP("TrafficLog", "Время"),       QT_TRANSLATE_NOOP("TrafficLog", "Источник"),
    QT_TRANSLATE_NOOP("TrafficLog", "Направление"), QT_TRANSLATE_NOOP("TrafficLog", "Байты"),
    QT_TRANSLATE_NOOP("TrafficLog", "Разбор"),      QT_TRANSLATE_NOOP("TrafficLog", "Результат")};

} // namespace

QStringList TrafficColumnTitles() {
    QStringList titles;
    for (const char* title : ColumnTitles)
        titles.append(QString::fromUtf8(title));
    return titles;
}

QStringList ShownTrafficColumnTitles() {
    QStringList titles;
    for (const char* title : ColumnTitles)
        titles.append(QCoreApplication::translate("TrafficLog", title));
    return titles;
}

QStringList TrafficRowTexts(const TrafficFrame& frame) {
    return {QDateTime::fromMSecsSinceEpoch(frame.timeMs).toString(QStringLiteral("HH:mm:ss.zzz")),
            SourceText(frame.source),
            DirectionText(frame.direction),
            WireHexText(frame),
            DecodeFrame(frame),
            VerdictText(frame.verdict)};
}
