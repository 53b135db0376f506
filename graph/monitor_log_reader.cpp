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
#include <optional>
#include <string_view>

namespace {

const QString HeaderStart = QStringLiteral("Дата-Время;");
// What follows the date and time on a link error line.
const QString ErrorEvents[] = {QStringLiteral(" Нет ответа"), QStringLiteral(" Ошибка CRC ответа")};

// The status columns of a log header lie within its first 36.
constexpr int MaxColumns = 64;
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

class LogLineReader {
public:
    explicit LogLineReader(MonitorLogRead& result)
        : result_(result), headerStart_(QStringEncoder("windows-1251").encode(HeaderStart)) {
        const QString point = QLocale().decimalPoint();
        decimalPoint_ =
            point.size() == 1 && point[0].unicode() < 0x80 ? char(point[0].unicode()) : '.';
    }

    bool SawHeader() const { return maxColumn_ >= 0; }

    void Line(std::string_view line) {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            return;
        if (line.find(';') == std::string_view::npos) {
            ++(ErrorLine(Decode(line)) ? result_.errorLines : result_.badLines);
            return;
        }
        if (line.starts_with(
                std::string_view(headerStart_.constData(), std::size_t(headerStart_.size())))) {
            if (!Header(Decode(line)))
                ++result_.badLines;
            return;
        }
        if (!DataLine(line))
            ++result_.badLines;
    }

private:
    bool ErrorLine(const QString& text) const {
        for (const QString& event : ErrorEvents)
            if (text.endsWith(event))
                return parser_.Parse(QStringView(text).chopped(event.size())).has_value();
        return false;
    }

    bool Header(const QString& text) {
        const QStringList names = text.split(QLatin1Char(';'));
        std::array<int, TrendRowCount> columns{};
        int maxColumn = 0;
        for (int i = 0; i < TrendRowCount; ++i) {
            columns[std::size_t(i)] =
                int(names.indexOf(TrendParameters[std::size_t(i)].mnemonic.toString()));
            if (columns[std::size_t(i)] < 1 || columns[std::size_t(i)] >= MaxColumns)
                return false;
            maxColumn = std::max(maxColumn, columns[std::size_t(i)]);
        }
        columns_ = columns;
        maxColumn_ = maxColumn;
        return true;
    }

    std::optional<float> Number(std::string_view field) const {
        char text[64];
        if (field.empty() || field.size() >= sizeof text)
            return std::nullopt;
        for (std::size_t i = 0; i < field.size(); ++i)
            text[i] = field[i] == decimalPoint_ ? '.' : field[i];
        double value = 0;
        const auto [end, error] = std::from_chars(text, text + field.size(), value);
        if (error != std::errc() || end != text + field.size() || !std::isfinite(value))
            return std::nullopt;
        return float(value);
    }

    bool DataLine(std::string_view line) {
        if (!SawHeader())
            return false;
        // The fields up to the last column needed; every field is followed by ";".
        std::array<std::string_view, MaxColumns> fields;
        std::size_t start = 0;
        for (int f = 0; f <= maxColumn_; ++f) {
            const std::size_t end = line.find(';', start);
            if (end == std::string_view::npos)
                return false;
            fields[std::size_t(f)] = line.substr(start, end - start);
            start = end + 1;
        }
        const std::optional<QDateTime> when = parser_.Parse(Decode(fields[0]));
        if (!when)
            return false;
        std::array<float, TrendRowCount> values{};
        for (int i = 0; i < TrendRowCount; ++i) {
            const std::optional<float> v = Number(fields[std::size_t(columns_[std::size_t(i)])]);
            if (!v)
                return false;
            values[std::size_t(i)] = *v;
        }
        result_.store.AddPoll(TrendStamp(*when), values, TrendRows().set());
        ++result_.dataLines;
        return true;
    }

    MonitorLogRead& result_;
    const QByteArray headerStart_;
    DateTimeTextParser parser_;
    char decimalPoint_ = ',';
    std::array<int, TrendRowCount> columns_{};
    int maxColumn_ = -1;
};

QString CannotRead(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось прочитать файл %1: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

MonitorLogRead ReadMonitorLog(const QString& path, MonitorLogProgress* progress) {
    MonitorLogRead result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = CannotRead(path, file.errorString());
        return result;
    }
    LogLineReader reader(result);
    QByteArray buffer(ReadChunk + MaxLineBytes, Qt::Uninitialized);
    qint64 kept = 0;       // the start of a line carried over from the last chunk
    bool skipping = false; // inside an overlong line, dropped up to its end
    qint64 total = 0;
    for (;;) {
        if (progress && progress->cancel.load()) {
            result.cancelled = true;
            break;
        }
        const qint64 got = file.read(buffer.data() + kept, ReadChunk);
        if (got < 0) {
            result.error = CannotRead(path, file.errorString());
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
                ++result.badLines;
            skipping = true;
            kept = 0;
        } else {
            std::memmove(buffer.data(), rest.data(), rest.size());
            kept = qint64(rest.size());
        }
    }
    if (result.error.isEmpty() && !result.cancelled && !reader.SawHeader())
        result.error = QStringLiteral("Файл %1 не является логом опроса: в нём нет строки "
                                      "заголовка")
                           .arg(QDir::toNativeSeparators(path));
    if (!result.error.isEmpty())
        result.store.Clear();
    return result;
}
