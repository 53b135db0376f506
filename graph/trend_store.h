#pragma once

#include "chunked_array.h"
#include "series_values.h"
#include "trend_parameters.h"

#include <QDateTime>

#include <array>
#include <span>
#include <vector>

// Every point of the trend series (the 17 rows and the cells' series) for the whole run: a time
// stamp per poll and a float per series point. A series numbers its own points (X = 0, 1, 2,
// ...) and takes points only at the polls it is given, so two series may hold the same poll
// under different X.
class TrendStore {
public:
    // A poll at `stamp` (TrendStamp) giving each series listed its value, at the same place in
    // `values`. A poll with no series is not kept.
    void AddPoll(qint64 stamp, std::span<const int> series, std::span<const float> values);

    const SeriesValues& Values(int index) const { return series_[std::size_t(index)].values; }
    qint64 PointCount(int index) const { return Values(index).Size(); }
    qint64 PollCount() const { return stamps_.Size(); }
    qint64 PollStamp(qint64 poll) const { return stamps_[poll]; }
    // The poll that gave point k of series `index`.
    qint64 PollOfPoint(int index, qint64 k) const;
    // The series' point of that poll, or -1 when the series took none there.
    qint64 PointOfPoll(int index, qint64 poll) const;

    // Removes every point and poll.
    void Clear();
    qint64 MemoryBytes() const;

private:
    // Points firstPoint, firstPoint + 1, ... came from consecutive polls from firstPoll on.
    struct Run {
        qint64 firstPoint;
        qint64 firstPoll;
    };
    struct Series {
        SeriesValues values;
        std::vector<Run> runs;
    };

    ChunkedArray<qint64> stamps_;
    std::vector<Series> series_ = std::vector<Series>(TrendSeriesCount);
};

// The local date and time as milliseconds on a calendar without time zones, so that every local
// date and time, those of a clock change included, has one stamp and reads back unchanged.
qint64 TrendStamp(const QDateTime& local);
// The stamp's date() and time() are the local ones it was made from (held as UTC).
QDateTime StampDateTime(qint64 stamp);

// AddTrendPoints: one poll at `now` of the status block, giving each active series its value.
void AddTrendPoints(TrendStore& store, const TrendSelection& active,
                    std::span<const quint16> statusBlock, const QDateTime& now);
