#include "link_stats.h"

#include "number_format.h"

QString LinkErrorPercentText(const LinkStats& stats) {
    if (stats.successes == 0)
        return QStringLiteral("100");
    const qint64 errors = qint64(stats.crcErrors) + stats.noAnswers;
    return FormatG4(errors * 100, stats.successes);
}
