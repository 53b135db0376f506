#include "trend_csv.h"

#include "axis_labels.h"
#include "text_file.h"

#include <charconv>
#include <vector>

QString TrendNumberText(float value, const QLocale& locale) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
    QString result = QString::fromLatin1(text, end - text);
    result.replace(QLatin1Char('.'), locale.decimalPoint());
    return result;
}

QByteArray TrendCsvBytes(const TrendStore& store, const QStringList& titles) {
    const QLocale locale;
    std::vector<int> columns;
    QStringList header{QStringLiteral("Дата-Время")};
    for (int i = 0; i < TrendSeriesCount; ++i)
        if (store.PointCount(i) > 0) {
            columns.push_back(i);
            header.append(titles.value(i));
        }
    QByteArray bytes = EncodeLines({header.join(QLatin1Char(';'))});
    // Encoded a batch at a time: a run of days never holds all its lines as text at once.
    constexpr qint64 Batch = 4096;
    QStringList lines;
    for (qint64 poll = 0; poll < store.PollCount(); ++poll) {
        QString line = TrendLabelText(store.PollStamp(poll));
        for (const int i : columns) {
            line += QLatin1Char(';');
            if (const qint64 k = store.PointOfPoll(i, poll); k >= 0)
                line += TrendNumberText(store.Values(i)[k], locale);
        }
        lines.append(line);
        if (lines.size() == Batch || poll + 1 == store.PollCount()) {
            bytes += EncodeLines(lines);
            lines.clear();
        }
    }
    return bytes;
}
