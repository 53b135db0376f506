#include "axis_labels.h"

#include "date_time_text.h"
#include "monitor_log.h"
#include "trend_store.h"

#include <algorithm>
#include <cmath>

QString TrendLabelText(qint64 stamp) {
    return StandardDateTimeText(StampDateTime(stamp));
}

QString Chart_GRAPH_GetAxisLabel(const QString& label, const DateTimeTextParser& parser) {
    const std::optional<QDateTime> when = parser.Parse(label);
    if (!when)
        return label;
    if (when->time() != QTime(0, 0))
        return when->time().toString(QStringLiteral("HH:mm:ss"));
    return QLocale().toString(when->date(), QStringLiteral("dd-MMM"));
}

std::vector<qint64> LabelPositions(double xMin, double xMax, int most) {
    std::vector<qint64> positions;
    if (most < 1 || !(xMax >= xMin))
        return positions;
    const qint64 first = std::max<qint64>(0, qint64(std::ceil(xMin)));
    const qint64 last = qint64(std::floor(xMax));
    if (last < first)
        return positions;
    const auto count = [&](qint64 step) { return last / step - (first + step - 1) / step + 1; };
    qint64 step = 1;
    for (int i = 0; count(step) > most; ++i)
        step = i % 3 == 1 ? step / 2 * 5 : step * 2; // 1, 2, 5, 10, 20, 50, ...
    for (qint64 x = (first + step - 1) / step * step; x <= last; x += step)
        positions.push_back(x);
    return positions;
}

int ScaleStep(int magnitude) {
    if (magnitude > 500)
        return 100;
    if (magnitude > 250)
        return 50;
    if (magnitude > 100)
        return 20;
    if (magnitude > 10)
        return 5;
    return 1;
}
