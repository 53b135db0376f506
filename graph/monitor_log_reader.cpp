#include "monitor_log_reader.h"

#include "date_time_text.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

const QString HeaderStart = QStringLiteral("Дата-Время;");
// What follows the date and time on a link error line.
const QString ErrorEvents[] = {QStringLiteral(" Нет ответа"), QStringLiteral(" Ошибка CRC ответа")};

constexpr qint64 ReadChunk = 4 * 1024 * 1024;
// Far above the longest line of a 200-cell battery (about 4 KB); anything longer is no log line.
constexpr qint64 MaxLineBytes = 64 * 1024;

QString Decode(std::string_view bytes) {
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    if (ascii)
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    QStringDecoder decoder("windows-1251");
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// Sorts the lines of a log into headers, data lines, link error lines and the rest.
class LogLineReader {
public:
    LogLineReader(MonitorLogSink& sink, MonitorLogCounts& counts)
        : sink_(sink), counts_(counts),
          headerStart_(QStringEncoder("windows-1251").encode(HeaderStart)) {
        const QString point = QLocale().decimalPoint();
        decimalPoint_ =
            point.size() == 1 && point[0].unicode() < 0x80 ? char(point[0].unicode()) : '.';
    }

    bool SawHeader() const { return sawHeader_; }

    void Line(std::string_view line) {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            return;
        const std::size_t firstSeparator = line.find(';');
        if (firstSeparator == std::string_view::npos) {
            ++(ErrorLine(Decode(line)) ? counts_.errorLines : counts_.badLines);
            return;
        }
        if (line.starts_with(
                std::string_view(headerStart_.constData(), std::size_t(headerStart_.size())))) {
            if (sink_.Header(Decode(line).split(QLatin1Char(';'))))
                sawHeader_ = true;
            else
                ++counts_.badLines;
            return;
        }
        const std::optional<QDateTime> when =
            sawHeader_ ? parser_.Parse(Decode(line.substr(0, firstSeparator))) : std::nullopt;
        if (when && sink_.DataLine({TrendStamp(*when), line, decimalPoint_}))
            ++counts_.dataLines;
        else
            ++counts_.badLines;
    }

private:
    bool ErrorLine(const QString& text) const {
        for (const QString& event : ErrorEvents)
            if (text.endsWith(event))
                return parser_.Parse(QStringView(text).chopped(event.size())).has_value();
        return false;
    }

    MonitorLogSink& sink_;
    MonitorLogCounts& counts_;
    const QByteArray headerStart_;
    DateTimeTextParser parser_;
    char decimalPoint_ = ',';
    bool sawHeader_ = false;
};

QString CannotRead(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось прочитать файл %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// The status columns of a log header lie within its first 36.
constexpr int MaxTrendColumns = 64;

// The graph's reader: the 17 trend rows of every data line, and the cells' series asked for.
class TrendSink final : public MonitorLogSink {
public:
    TrendSink(TrendStore& store, const TrendSelection& cells) : store_(store) {
        for (int i = CellVoltageSeries; i < TrendSeriesCount; ++i)
            if (cells[std::size_t(i)])
                cellSeries_.push_back(i);
    }

    bool Header(const QStringList& names) override {
        if (!cellSeries_.empty() && !cellColumns_.Locate(names))
            cellColumns_ = {};
        std::array<int, TrendRowCount> columns{};
        int maxColumn = 0;
        for (int i = 0; i < TrendRowCount; ++i) {
            columns[std::size_t(i)] =
                int(names.indexOf(TrendParameters[std::size_t(i)].mnemonic.toString()));
            if (columns[std::size_t(i)] < 1 || columns[std::size_t(i)] >= MaxTrendColumns)
                return false;
            maxColumn = std::max(maxColumn, columns[std::size_t(i)]);
        }
        columns_ = columns;
        maxColumn_ = maxColumn;
        return true;
    }

    bool DataLine(const MonitorLogLine& line) override {
        // Only the status fields, unless cells are wanted.
        const bool cells = !cellSeries_.empty() && cellColumns_.firstColumn > 0;
        const std::size_t count = line.Fields(
            std::span(fields_).first(cells ? fields_.size() : std::size_t(maxColumn_ + 1)));
        if (count <= std::size_t(maxColumn_))
            return false;
        series_.clear();
        values_.clear();
        for (int i = 0; i < TrendRowCount; ++i) {
            const std::optional<double> v =
                line.Number(fields_[std::size_t(columns_[std::size_t(i)])]);
            if (!v)
                return false;
            series_.push_back(i);
            values_.push_back(float(*v));
        }
        if (cells && !CellValues(line, std::span(fields_).first(count)))
            return false;
        store_.AddPoll(line.stamp, series_, values_);
        return true;
    }

private:
    // The wanted cells' series the line has; false when its cells are cut short or a value is
    // no number.
    bool CellValues(const MonitorLogLine& line, std::span<const std::string_view> fields) {
        const std::optional<int> cells = cellColumns_.Count(line, fields);
        if (!cells)
            return false;
        for (const int series : cellSeries_) {
            if (series == CellSpreadSeries) {
                if (*cells == 0)
                    continue;
                double lowest = 1e300, highest = -1e300;
                for (int cell = 1; cell <= *cells; ++cell) {
                    const std::optional<double> v = line.Number(cellColumns_.Voltage(fields, cell));
                    if (!v)
                        return false;
                    lowest = std::min(lowest, *v);
                    highest = std::max(highest, *v);
                }
                series_.push_back(series);
                values_.push_back(float(highest - lowest));
                continue;
            }
            const bool voltage = series < CellTemperatureSeries;
            const int cell = series - (voltage ? CellVoltageSeries : CellTemperatureSeries) + 1;
            if (cell > *cells)
                continue;
            const std::optional<double> v =
                line.Number(voltage ? cellColumns_.Voltage(fields, cell)
                                    : cellColumns_.Temperature(fields, *cells, cell));
            if (!v)
                return false;
            series_.push_back(series);
            values_.push_back(float(*v));
        }
        return true;
    }

    TrendStore& store_;
    std::array<int, TrendRowCount> columns_{};
    int maxColumn_ = 0;
    std::vector<int> cellSeries_;
    LogCellColumns cellColumns_;
    std::array<std::string_view, MaxLogFields> fields_;
    std::vector<int> series_;
    std::vector<float> values_;
};

} // namespace

bool LogCellColumns::Locate(const QStringList& names) {
    countColumn = int(names.indexOf(QStringLiteral("Design_Cell_Number")));
    const int clock = int(names.indexOf(QStringLiteral("RTC_Time_Value")));
    firstColumn = clock > 0 ? clock + 1 : -1;
    return countColumn > 0 && firstColumn > 0;
}

std::optional<int> LogCellColumns::Count(const MonitorLogLine& line,
                                         std::span<const std::string_view> fields) const {
    if (countColumn < 0 || std::size_t(countColumn) >= fields.size())
        return std::nullopt;
    const std::optional<double> count = line.Number(fields[std::size_t(countColumn)]);
    if (!count || *count < 0 || *count != std::floor(*count))
        return std::nullopt;
    const int cells = int(std::min<double>(*count, MaxCells));
    // Every field of the cells must be there, so that a line cut short is no line.
    if (fields.size() < std::size_t(firstColumn + 3 * cells))
        return std::nullopt;
    return cells;
}

std::size_t MonitorLogLine::Fields(std::span<std::string_view> fields) const {
    // The fields are a few characters each: a plain loop beats a search per field.
    std::size_t count = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size() && count < fields.size(); ++i)
        if (text[i] == ';') {
            fields[count++] = text.substr(start, i - start);
            start = i + 1;
        }
    return count;
}

std::optional<double> MonitorLogLine::Number(std::string_view field) const {
    // The plain decimals the writer makes are read at once, as an integer of up to 18 digits
    // divided by a power of ten, which rounds exactly as from_chars does; anything else (an
    // exponent, more digits) goes to from_chars.
    static constexpr double Powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                        1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
    const bool negative = !field.empty() && field.front() == '-';
    qint64 mantissa = 0;
    int digits = 0;
    int decimals = -1; // digits after the separator, once there is one
    bool plain = true;
    for (std::size_t i = negative ? 1 : 0; i < field.size() && plain; ++i) {
        const char c = field[i];
        if (c >= '0' && c <= '9' && digits < 18) {
            mantissa = mantissa * 10 + (c - '0');
            ++digits;
            decimals += decimals >= 0;
        } else if ((c == decimalPoint || c == '.') && decimals < 0) {
            decimals = 0;
        } else {
            plain = false;
        }
    }
    if (plain && digits > 0) {
        const double value = double(mantissa) / Powers[std::max(decimals, 0)];
        return negative ? -value : value;
    }
    char digitsText[64];
    if (field.empty() || field.size() >= sizeof digitsText)
        return std::nullopt;
    for (std::size_t i = 0; i < field.size(); ++i)
        digitsText[i] = field[i] == decimalPoint ? '.' : field[i];
    double value = 0;
    const auto [end, error] = std::from_chars(digitsText, digitsText + field.size(), value);
    if (error != std::errc() || end != digitsText + field.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

MonitorLogCounts ReadMonitorLogLines(const QString& path, MonitorLogSink& sink,
                                     MonitorLogProgress* progress) {
    MonitorLogCounts counts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        counts.error = CannotRead(path, file.errorString());
        return counts;
    }
    LogLineReader reader(sink, counts);
    QByteArray buffer(ReadChunk + MaxLineBytes, Qt::Uninitialized);
    qint64 kept = 0;       // the start of a line carried over from the last chunk
    bool skipping = false; // inside an overlong line, dropped up to its end
    qint64 total = 0;
    for (;;) {
        if (progress && progress->cancel.load()) {
            counts.cancelled = true;
            break;
        }
        const qint64 got = file.read(buffer.data() + kept, ReadChunk);
        if (got < 0) {
            counts.error = CannotRead(path, file.errorString());
            break;
        }
        total += got;
        if (progress)
            progress->bytesRead.store(total);
        const std::string_view data(buffer.constData(), std::size_t(kept + got));
        std::size_t start = 0;
        for (;;) {
            const void* nl = std::memchr(data.data() + start, '\n', data.size() - start);
            if (!nl)
                break;
            const std::size_t end = std::size_t(static_cast<const char*>(nl) - data.data());
            if (!skipping)
                reader.Line(data.substr(start, end - start));
            skipping = false;
            start = end + 1;
        }
        const std::string_view rest = data.substr(start);
        if (got == 0) {
            if (!skipping)
                reader.Line(rest);
            break;
        }
        if (skipping || qint64(rest.size()) > MaxLineBytes) {
            if (!skipping)
                ++counts.badLines;
            skipping = true;
            kept = 0;
        } else {
            std::memmove(buffer.data(), rest.data(), rest.size());
            kept = qint64(rest.size());
        }
    }
    if (counts.error.isEmpty() && !counts.cancelled && !reader.SawHeader())
        counts.error = QStringLiteral("Файл %1 не является логом опроса: в нём нет строки "
                                      "заголовка")
                           .arg(QDir::toNativeSeparators(path));
    return counts;
}

QString MonitorLogFilter() {
    return QStringLiteral(
        "Лог опроса|*_log.csv|Comma-Separated Values files (*.csv)|*.csv|Все файлы|*.*");
}

MonitorLogRead ReadMonitorLog(const QString& path, MonitorLogProgress* progress,
                              const TrendSelection& cells) {
    MonitorLogRead result;
    TrendSink sink(result.store, cells);
    static_cast<MonitorLogCounts&>(result) = ReadMonitorLogLines(path, sink, progress);
    if (!result.error.isEmpty())
        result.store.Clear();
    return result;
}
