#include "decimation.h"

#include <algorithm>
#include <cmath>

int ColumnGrid::ColumnOf(qint64 k) const {
    const double c = std::floor((double(k) - xMin) * columns / (xMax - xMin));
    return int(std::clamp(c, 0.0, double(columns - 1)));
}

qint64 ColumnGrid::FirstIndex() const {
    return std::max<qint64>(0, qint64(std::ceil(xMin)));
}

namespace {

// The first point of column c or a later one; the bisection keeps it exact where rounding of
// the column width would put a point into its neighbour.
qint64 ColumnStart(const ColumnGrid& grid, int c, qint64 from, qint64 to) {
    qint64 lo = from, hi = to + 1;
    while (lo < hi) {
        const qint64 mid = lo + (hi - lo) / 2;
        if (grid.ColumnOf(mid) < c)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

} // namespace

QList<QPointF> DecimateSeries(const SeriesValues& values, const ColumnGrid& grid) {
    QList<QPointF> points;
    const qint64 n = values.Size();
    const qint64 first = grid.FirstIndex();
    const qint64 last = std::min(n - 1, qint64(std::floor(grid.xMax)));
    const auto add = [&](qint64 k) { points.emplace_back(double(k), double(values[k])); };
    if (n == 0)
        return points;
    if (first > 0)
        add(std::min(first, n) - 1);
    qint64 start = first;
    while (start <= last) {
        const int c = grid.ColumnOf(start);
        const qint64 next = c + 1 < grid.columns ? ColumnStart(grid, c + 1, start, last) : last + 1;
        const qint64 end = next - 1;
        const SeriesValues::Extremes e = values.Find(start, end);
        qint64 picked[] = {start, e.minAt, e.maxAt, end};
        std::sort(std::begin(picked), std::end(picked));
        const qint64* unique = std::unique(std::begin(picked), std::end(picked));
        for (const qint64* k = picked; k != unique; ++k)
            add(*k);
        start = next;
    }
    if (const qint64 after = std::max(last + 1, first); after < n)
        add(after);
    return points;
}
