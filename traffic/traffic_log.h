#pragma once

#include "traffic_frame.h"

#include <QList>
#include <QStringList>

#include <deque>

// The last frames of the line, oldest first: at most Capacity, older ones dropped and counted.
// Each reply is judged as it is kept.
class TrafficLog {
public:
    static constexpr qsizetype Capacity = 10000;

    void Append(const QList<TrafficFrame>& frames);
    void Clear();

    qsizetype Size() const { return qsizetype(frames_.size()); }
    const TrafficFrame& At(qsizetype i) const { return frames_[size_t(i)]; }
    // Frames dropped to make room since the last Clear().
    quint64 Dropped() const { return dropped_; }

private:
    std::deque<TrafficFrame> frames_;
    quint64 dropped_ = 0;
};

// What the monitor shows: everything, only replies that are not correct (and missing ones), or
// the frames of one function.
enum class TrafficFilter { All, ErrorsOnly, Read, Write, Bootloader };
bool Matches(const TrafficFrame& frame, TrafficFilter filter);

// The columns of a frame: time (hh:mm:ss.zzz), source, direction, bytes, decode, verdict. The
// exported file's header keeps the same titles in every language; the window shows them translated.
QStringList TrafficColumnTitles();
QStringList ShownTrafficColumnTitles();
QStringList TrafficRowTexts(const TrafficFrame& frame);
