#include "monitor_log_reader.h"

#include "date_time_text.h"
#include "monitor_log.h"
#include "number_format.h"
#include "register_image.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

constexpr qint64 ReadChunk = 4 * 1024 * 1024;

// The cell fields as registers, for reading them in either view.
constexpr RegisterField CellVoltageField{CellVoltageOffset, RegisterWidth::Bits16, false};
constexpr RegisterField CellTemperatureField{CellTemperatureOffset, RegisterWidth::Bits16, true};
constexpr RegisterField CellStatusField{CellStatusOffset, RegisterWidth::Bits16, false};

// LogScalesEntry of every status row, by index.
const std::array<bool, StatusRowCount>& LogScaledRows() {
    static const std::array<bool, StatusRowCount> rows = [] {
        std::array<bool, StatusRowCount> r{};
        for (int i = 0; i < StatusRowCount; ++i)
            r[std::size_t(i)] = LogScalesEntry(StatusRegisters[std::size_t(i)]);
        return r;
    }();
    return rows;
}

QString Decode(std::string_view bytes) {
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    if (ascii)
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    QStringDecoder decoder("windows-1251");
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// A field as the raw view writes it: a decimal integer of the register's range, as the
// register's value (the signed reading of an unsigned 32-bit register as unsigned).
std::optional<qint64> RawValue(std::string_view text, const RegisterField& field) {
    const std::size_t digitsFrom = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == digitsFrom || text.size() > 12 ||
        !std::all_of(text.begin() + qsizetype(digitsFrom), text.end(),
                     [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    qint64 value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    const ValueRange range = IntegerRange(field);
    if (value < range.lowest || value > range.highest)
        return std::nullopt;
    if (value < 0 && !field.isSigned)
        value += qint64(1) << 32;
    return value;
}

// A number within the register's range once scaled: what the scaled view writes of it.
std::optional<double> ScaledNumber(std::string_view text, const RegisterField& field,
                                   Scaling scaling, NumberText* parts = nullptr) {
    const std::optional<double> value = ParseNumberText(text, parts);
    if (!value)
        return std::nullopt;
    // Four significant digits round the ends of the range by at most half a unit in the fourth.
    const ValueRange range = FieldRange(field);
    const double den = double(ScalingDenominator(scaling));
    constexpr double Rounding = 1.0005;
    if (*value < double(range.lowest) / den * Rounding ||
        *value > double(range.highest) / den * Rounding)
        return std::nullopt;
    return value;
}

// Whether a field can be what the scaled view writes: a number of the register's range once
// scaled, with at most four significant digits (G4).
bool FitsScaledView(std::string_view text, const RegisterField& field, Scaling scaling) {
    NumberText parts;
    if (!ScaledNumber(text, field, scaling, &parts))
        return false;
    // The significant digits: the mantissa's but its leading zeros and the fraction's trailing
    // ones.
    const qsizetype integers = parts.integerEnd - parts.integerBegin;
    const qsizetype all = integers + parts.fractionEnd - parts.fractionBegin;
    const auto digit = [&](qsizetype k) {
        return text[std::size_t(k < integers ? parts.integerBegin + k
                                             : parts.fractionBegin + k - integers)];
    };
    qsizetype first = 0, end = all;
    while (first < all && digit(first) == '0')
        ++first;
    while (end > first && end > integers && digit(end - 1) == '0')
        --end;
    constexpr qsizetype G4Digits = 4;
    return end - first <= G4Digits;
}

// A field's value in the units of the scaled view, read as the view given wrote it.
std::optional<double> FieldValueOf(std::string_view text, const RegisterField& field,
                                   Scaling scaling, bool writtenScaled) {
    if (writtenScaled && scaling != Scaling::None)
        return ScaledNumber(text, field, scaling);
    const std::optional<qint64> raw = RawValue(text, field);
    if (!raw)
        return std::nullopt;
    return ScaledValue(*raw, scaling);
}

} // namespace

QString LogLineFaultText(LogLineFault fault) {
    switch (fault) {
    case LogLineFault::None:
        break;
    case LogLineFault::NotALine:
        return QCoreApplication::translate("MonitorLogReader", "это не строка лога");
    case LogLineFault::BeforeHeader:
        return QCoreApplication::translate("MonitorLogReader", "строка данных до строки заголовка");
    case LogLineFault::BadHeader:
        return QCoreApplication::translate("MonitorLogReader",
                                           "в строке заголовка названы не все 35 регистров");
    case LogLineFault::TooFewFields:
        return QCoreApplication::translate("MonitorLogReader",
                                           "в строке меньше полей, чем регистров в заголовке");
    case LogLineFault::DateTime:
        return QCoreApplication::translate(
            "MonitorLogReader", "дата и время записаны не в формате этой или локали C и не по "
                                "ISO 8601");
    case LogLineFault::View:
        return QCoreApplication::translate(
            "MonitorLogReader", "значения не подходят ни к приведенным единицам, ни к значениям из "
                                "регистров");
    case LogLineFault::Value:
        return QCoreApplication::translate("MonitorLogReader",
                                           "значение графика не является числом");
    case LogLineFault::TooLong:
        return QCoreApplication::translate("MonitorLogReader", "строка длиннее %1 КБ")
            .arg(MaxLogLineBytes / 1024);
    }
    return {};
}

void MonitorLogSink::EventLine(qint64, const QString&) {}

std::optional<std::string_view> MonitorLogLine::Field(int column) const {
    while (fields_->size() <= std::size_t(column)) {
        const std::size_t end = text_.find(';', next_);
        if (end == std::string_view::npos)
            return std::nullopt;
        fields_->push_back(text_.substr(next_, end - next_));
        next_ = end + 1;
    }
    return (*fields_)[std::size_t(column)];
}

std::optional<double> MonitorLogLine::Status(int index) const {
    const int column = layout_->status[std::size_t(index)];
    const std::optional<std::string_view> text = Field(column);
    if (!text)
        return std::nullopt;
    const StatusRegister& row = StatusRegisters[std::size_t(index)];
    return FieldValueOf(*text, row.field, row.scaling,
                        scaled_ && LogScaledRows()[std::size_t(index)]);
}

int MonitorLogLine::Cells() const {
    // Asked for again by every cell's value.
    if (!cells_) {
        const std::optional<double> n = Status(1);
        cells_ = n ? int(std::min<double>(*n, MaxCells)) : 0;
    }
    return *cells_;
}

std::optional<double> MonitorLogLine::CellValue(int column, const RegisterField& field,
                                                Scaling scaling, bool written) const {
    const std::optional<std::string_view> text = Field(column);
    if (!text)
        return std::nullopt;
    return FieldValueOf(*text, field, scaling, written);
}

std::optional<double> MonitorLogLine::CellVoltage(int cell) const {
    if (cell < 1 || cell > Cells())
        return std::nullopt;
    return CellValue(layout_->cells + cell - 1, CellVoltageField, Scaling::Milli, scaled_);
}

std::optional<double> MonitorLogLine::CellTemperature(int cell) const {
    const int cells = Cells();
    if (cell < 1 || cell > cells)
        return std::nullopt;
    return CellValue(layout_->cells + cells + cell - 1, CellTemperatureField, Scaling::None, false);
}

std::optional<double> MonitorLogLine::CellStatus(int cell) const {
    const int cells = Cells();
    if (cell < 1 || cell > cells)
        return std::nullopt;
    return CellValue(layout_->cells + 2 * cells + cell - 1, CellStatusField, Scaling::None, false);
}

// Takes the lines of a log one by one and gives them to the sink.
class MonitorLogReader {
public:
    MonitorLogReader(MonitorLogScan& scan, MonitorLogSink& sink)
        : scan_(scan), sink_(sink),
          headerStart_(QStringEncoder("windows-1251").encode(QStringLiteral("Дата-Время;"))) {}

    bool SawHeader() const { return layout_.cells > 0; }

    // The next line of the file, without its line feed.
    void Line(std::string_view line) {
        ++number_;
        if (qint64(line.size()) > MaxLogLineBytes)
            return Bad(LogLineFault::TooLong);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            return;
        if (line.find(';') == std::string_view::npos)
            return EventLine(Decode(line));
        if (line.starts_with(
                std::string_view(headerStart_.constData(), std::size_t(headerStart_.size()))))
            return Header(Decode(line));
        DataLine(line);
    }

    // A line dropped unread, too long for any log line.
    void Overlong() {
        ++number_;
        Bad(LogLineFault::TooLong);
    }

private:
    void Bad(LogLineFault fault) {
        if (scan_.badLines++ == 0) {
            scan_.firstBadLine = number_;
            scan_.firstBadFault = fault;
        }
    }

    void EventLine(const QString& text) {
        for (const QString& event : LinkEvents) {
            if (!text.endsWith(event))
                continue;
            if (const std::optional<QDateTime> when =
                    parser_.Parse(QStringView(text).chopped(event.size()))) {
                ++scan_.errorLines;
                sink_.EventLine(TrendStamp(*when), event);
                return;
            }
        }
        Bad(LogLineFault::NotALine);
    }

    void Header(const QString& text) {
        const QStringList names = text.split(QLatin1Char(';'));
        MonitorLogLine::Layout layout;
        for (int i = 0; i < StatusRowCount; ++i) {
            const int column = int(names.indexOf(StatusRegisters[std::size_t(i)].mnemonic));
            if (column < 1)
                return Bad(LogLineFault::BadHeader);
            layout.status[std::size_t(i)] = column;
            layout.cells = std::max(layout.cells, column + 1);
        }
        layout_ = layout;
    }

    // The view the line was written in, told by the first of its fields that fits one view
    // only: the status values each view writes its own way, then the cell voltages. Nothing when
    // a field fits neither.
    std::optional<bool> View(const MonitorLogLine& line) const {
        std::optional<bool> view;
        const auto fit = [&](std::string_view text, const RegisterField& field, Scaling scaling) {
            const bool raw = RawValue(text, field).has_value();
            const bool scaled = FitsScaledView(text, field, scaling);
            if (raw != scaled)
                view = scaled;
            return raw || scaled;
        };
        for (int i = 0; i < StatusRowCount && !view; ++i) {
            const StatusRegister& row = StatusRegisters[std::size_t(i)];
            if (LogScaledRows()[std::size_t(i)] &&
                !fit(*line.Field(layout_.status[std::size_t(i)]), row.field, row.scaling))
                return std::nullopt;
        }
        const int cells = view ? 0 : line.Cells();
        for (int cell = 1; cell <= cells && !view; ++cell) {
            const std::optional<std::string_view> text = line.Field(layout_.cells + cell - 1);
            if (text && !fit(*text, CellVoltageField, Scaling::Milli))
                return std::nullopt;
        }
        return view.value_or(lastScaled_);
    }

    void DataLine(std::string_view text) {
        if (!SawHeader())
            return Bad(LogLineFault::BeforeHeader);
        MonitorLogLine line(text, layout_, fields_);
        if (!line.Field(layout_.cells - 1))
            return Bad(LogLineFault::TooFewFields);
        const std::optional<QDateTime> when = parser_.Parse(Decode(*line.Field(0)));
        if (!when)
            return Bad(LogLineFault::DateTime);
        const std::optional<bool> scaled = View(line);
        if (!scaled)
            return Bad(LogLineFault::View);
        line.stamp_ = TrendStamp(*when);
        line.scaled_ = *scaled;
        lastScaled_ = *scaled;
        if (!sink_.DataLine(line))
            return Bad(LogLineFault::Value);
        ++scan_.dataLines;
    }

    MonitorLogScan& scan_;
    MonitorLogSink& sink_;
    const QByteArray headerStart_;
    DateTimeTextParser parser_;
    MonitorLogLine::Layout layout_;
    std::vector<std::string_view> fields_;
    bool lastScaled_ = true;
    qint64 number_ = 0;
};

namespace {

QString CannotRead(const QString& path, const QString& reason) {
    return QCoreApplication::translate("MonitorLogReader", "Не удалось прочитать файл %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

// The trend points of every data line: the 17 rows and the cells' series asked for.
class TrendSink final : public MonitorLogSink {
public:
    TrendSink(TrendStore& store, const TrendSelection& cells) : store_(store) {
        for (int i = 0; i < TrendRowCount; ++i)
            statusIndex_[std::size_t(i)] = TrendParameters[std::size_t(i)].Status().row - 1;
        for (int i = CellVoltageSeries; i < TrendSeriesCount; ++i)
            if (cells[std::size_t(i)])
                cellSeries_.push_back(i);
    }

    bool DataLine(const MonitorLogLine& line) override {
        series_.clear();
        values_.clear();
        for (int i = 0; i < TrendRowCount; ++i) {
            const std::optional<double> value = line.Status(statusIndex_[std::size_t(i)]);
            if (!value)
                return false;
            series_.push_back(i);
            values_.push_back(float(TrendValueOf(TrendParameters[std::size_t(i)], *value)));
        }
        if (!cellSeries_.empty() && !CellValues(line))
            return false;
        store_.AddPoll(line.Stamp(), series_, values_);
        return true;
    }

private:
    // The wanted cells' series the line has; false when its cells are cut short or a value is
    // no number.
    bool CellValues(const MonitorLogLine& line) {
        const int cells = line.Cells();
        // Every field of the cells must be there, so that a line cut short is no line.
        if (cells > 0 && !line.CellStatus(cells))
            return false;
        for (const int series : cellSeries_) {
            if (series == CellSpreadSeries) {
                if (cells == 0)
                    continue;
                double lowest = 1e300, highest = -1e300;
                for (int cell = 1; cell <= cells; ++cell) {
                    const std::optional<double> v = line.CellVoltage(cell);
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
            if (cell > cells)
                continue;
            const std::optional<double> v =
                voltage ? line.CellVoltage(cell) : line.CellTemperature(cell);
            if (!v)
                return false;
            series_.push_back(series);
            values_.push_back(float(*v));
        }
        return true;
    }

    TrendStore& store_;
    std::array<int, TrendRowCount> statusIndex_{};
    std::vector<int> cellSeries_;
    std::vector<int> series_;
    std::vector<float> values_;
};

} // namespace

MonitorLogScan ScanMonitorLog(const QString& path, MonitorLogSink& sink,
                              MonitorLogProgress* progress) {
    MonitorLogScan scan;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        scan.error = CannotRead(path, file.errorString());
        return scan;
    }
    MonitorLogReader reader(scan, sink);
    QByteArray buffer(ReadChunk + MaxLogLineBytes, Qt::Uninitialized);
    qint64 kept = 0;       // the start of a line carried over from the last chunk
    bool skipping = false; // inside an overlong line, dropped up to its end
    qint64 total = 0;
    for (;;) {
        if (progress && progress->cancel.load()) {
            scan.cancelled = true;
            break;
        }
        const qint64 got = file.read(buffer.data() + kept, ReadChunk);
        if (got < 0) {
            scan.error = CannotRead(path, file.errorString());
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
            if (!skipping && !rest.empty())
                reader.Line(rest);
            break;
        }
        // A start of a line already longer than any line is dropped with the rest of it.
        if (!skipping && qint64(rest.size()) > MaxLogLineBytes) {
            reader.Overlong();
            skipping = true;
        }
        if (skipping) {
            kept = 0;
        } else {
            std::memmove(buffer.data(), rest.data(), rest.size());
            kept = qint64(rest.size());
        }
    }
    if (scan.error.isEmpty() && !scan.cancelled && !reader.SawHeader())
        scan.error = QCoreApplication::translate(
                         "MonitorLogReader", "Файл %1 не является логом опроса: в нём нет строки "
                                             "заголовка")
                         .arg(QDir::toNativeSeparators(path));
    return scan;
}

QString MonitorLogFilter() {
    return QCoreApplication::translate(
        "MonitorLogReader",
        "Лог опроса|*_log.csv|Comma-Separated Values files (*.csv)|*.csv|Все файлы|*.*");
}

QString LogReadText(const MonitorLogScan& scan, const QString& path) {
    if (scan.dataLines > 0)
        return QCoreApplication::translate(
                   "MonitorLogReader",
                   "Прочитано строк лога: %1. Пропущено строк об ошибках связи: %2, "
                   "строк, которые не удалось разобрать: %3.")
            .arg(scan.dataLines)
            .arg(scan.errorLines)
            .arg(scan.badLines);
    QString text =
        QCoreApplication::translate("MonitorLogReader",
                                    "Точки графика не изменены: в файле %1 нет ни одной строки "
                                    "данных, которую удалось прочитать.")
            .arg(QDir::toNativeSeparators(path));
    if (scan.badLines > 0)
        return text + QCoreApplication::translate(
                          "MonitorLogReader",
                          " Строк, которые не удалось разобрать: %1; первая из них — "
                          "строка %2: %3.")
                          .arg(scan.badLines)
                          .arg(scan.firstBadLine)
                          .arg(LogLineFaultText(scan.firstBadFault));
    if (scan.errorLines > 0)
        return text + QCoreApplication::translate("MonitorLogReader",
                                                  " В нём только строки об ошибках связи (%1).")
                          .arg(scan.errorLines);
    return text +
           QCoreApplication::translate("MonitorLogReader", " В нём только строка заголовка.");
}

MonitorLogRead ReadMonitorLog(const QString& path, MonitorLogProgress* progress,
                              const TrendSelection& cells) {
    MonitorLogRead read;
    TrendSink sink(read.store, cells);
    static_cast<MonitorLogScan&>(read) = ScanMonitorLog(path, sink, progress);
    if (!read.error.isEmpty())
        read.store.Clear();
    return read;
}
