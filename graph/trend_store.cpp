#include "trend_store.h"

#include <algorithm>

void TrendStore::AddPoll(qint64 stamp, std::span<const int> series, std::span<const float> values) {
    if (series.empty())
        return;
    const qint64 poll = stamps_.Size();
    stamps_.Append(stamp);
    for (std::size_t k = 0; k < series.size(); ++k) {
        Series& s = series_[std::size_t(series[k])];
        const qint64 count = s.values.Size();
        // A series that missed the previous poll starts a new run.
        if (s.runs.empty() || s.runs.back().firstPoll + (count - s.runs.back().firstPoint) != poll)
            s.runs.push_back({count, poll});
        s.values.Append(values[k]);
    }
}

qint64 TrendStore::PollOfPoint(int index, qint64 k) const {
    const std::vector<Run>& runs = series_[std::size_t(index)].runs;
    const auto after =
        std::upper_bound(runs.begin(), runs.end(), k,
                         [](qint64 point, const Run& r) { return point < r.firstPoint; });
    const Run& run = *(after - 1);
    return run.firstPoll + (k - run.firstPoint);
}

qint64 TrendStore::PointOfPoll(int index, qint64 poll) const {
    const Series& s = series_[std::size_t(index)];
    const auto after = std::upper_bound(s.runs.begin(), s.runs.end(), poll,
                                        [](qint64 p, const Run& r) { return p < r.firstPoll; });
    if (after == s.runs.begin())
        return -1;
    const Run& run = *(after - 1);
    const qint64 end = after == s.runs.end() ? s.values.Size() : after->firstPoint;
    const qint64 k = run.firstPoint + (poll - run.firstPoll);
    return k < end ? k : -1;
}

void TrendStore::Clear() {
    stamps_.Clear();
    for (Series& s : series_) {
        s.values.Clear();
        s.runs = {};
    }
}

qint64 TrendStore::MemoryBytes() const {
    qint64 bytes = qint64(sizeof(*this)) + stamps_.MemoryBytes();
    for (const Series& s : series_)
        bytes += s.values.MemoryBytes() + qint64(s.runs.capacity() * sizeof(Run));
    return bytes;
}

qint64 TrendStamp(const QDateTime& local) {
    return QDateTime(local.date(), local.time(), Qt::UTC).toMSecsSinceEpoch();
}

QDateTime StampDateTime(qint64 stamp) {
    return QDateTime::fromMSecsSinceEpoch(stamp, Qt::UTC);
}

void AddTrendPoints(TrendStore& store, const TrendSelection& active,
                    std::span<const quint16> statusBlock, const QDateTime& now) {
    std::vector<int> series;
    std::vector<float> values;
    for (int i = 0; i < TrendSeriesCount; ++i)
        if (active[std::size_t(i)])
            if (const std::optional<double> value = TrendSeriesValue(i, statusBlock)) {
                series.push_back(i);
                values.push_back(float(*value));
            }
    store.AddPoll(TrendStamp(now), series, values);
}
