#include "trend_csv.h"

#include "axis_labels.h"
#include "number_format.h"
#include "text_file.h"

#include <QVarLengthArray>

#include <charconv>
#include <vector>

namespace {

void AppendNumber(QString& line, float value, const QString& point) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
    QVarLengthArray<char16_t, 80> out;
    for (const char* c = text; c != end; ++c) {
        if (*c == '.')
            out.append(reinterpret_cast<const char16_t*>(point.utf16()), point.size());
        else
            out.append(char16_t(*c));
    }
    line.append(QStringView(out.constData(), out.size()));
}

} // namespace

QString TrendNumberText(float value, const QLocale& locale) {
    QString text;
    AppendNumber(text, value, DecimalSeparator(locale));
    return text;
}

QByteArray TrendCsvBytes(const TrendStore& store, const QStringList& titles,
                         CsvExportProgress* progress) {
    const QString point = DecimalSeparator();
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
        line.reserve(line.size() + 12 * qsizetype(columns.size()));
        for (const int i : columns) {
            line += QLatin1Char(';');
            if (const qint64 k = store.PointOfPoll(i, poll); k >= 0)
                AppendNumber(line, store.Values(i)[k], point);
        }
        lines.append(line);
        if (lines.size() == Batch || poll + 1 == store.PollCount()) {
            bytes += EncodeLines(lines);
            lines.clear();
            if (progress) {
                progress->polls.store(poll + 1);
                if (progress->cancel.load())
                    return {};
            }
        }
    }
    return bytes;
}
