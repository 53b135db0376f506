// The graph's decimation of any series over any visible range: at most four points a column and
// two beside it, in X order, each one of the series' own points.
#include "decimation.h"
#include "fuzz_input.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    ColumnGrid grid;
    grid.columns = 1 + in.Word() % 2000;
    grid.xMin = double(qint16(in.Word()));
    grid.xMax = grid.xMin + 1 + in.Word();
    SeriesValues values;
    while (!in.Empty()) {
        const QByteArrayView bits = in.Take(4);
        quint32 word = 0;
        for (qsizetype i = 0; i < bits.size(); ++i)
            word = word << 8 | quint8(bits[i]);
        float value = 0;
        std::memcpy(&value, &word, sizeof value);
        if (std::isfinite(value))
            values.Append(value);
    }
    const QList<QPointF> points = DecimateSeries(values, grid);
    FUZZ_CHECK(points.size() <= 4 * qsizetype(grid.columns) + 2);
    for (qsizetype i = 0; i < points.size(); ++i) {
        const qint64 k = qint64(points[i].x());
        FUZZ_CHECK(k >= 0 && k < values.Size() && float(points[i].y()) == values[k]);
        FUZZ_CHECK(i == 0 || points[i].x() > points[i - 1].x());
    }
    return 0;
}
