#pragma once

#include "text_file.h"
#include "trend_store.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>
#include <span>
#include <string_view>

// Shared with the thread that reads: how far it has got, and the operator's cancel.
struct MonitorLogProgress {
    std::atomic<qint64> bytesRead{0};
    std::atomic<bool> cancel{false};
};

// How the lines of a log were taken.
struct MonitorLogCounts {
    qint64 dataLines = 0;  // lines taken
    qint64 errorLines = 0; // link error lines, skipped
    qint64 badLines = 0;   // lines that do not parse, skipped
    bool cancelled = false;
    FileError error; // the file could not be read or holds no log header
};

// A data line as the reader hands it on: its date and time, and its text in code page 1251
// without the line break, field 0 being the date and time, every field followed by ";".
struct MonitorLogLine {
    qint64 stamp = 0; // TrendStamp of the date and time
    std::string_view text;
    char decimalPoint = ',';

    // Splits the text into its first fields (up to fields.size()); how many were there.
    std::size_t Fields(std::span<std::string_view> fields) const;
    // A field as a number, with the locale's decimal separator or a point; nothing when it is
    // none or not finite.
    std::optional<double> Number(std::string_view field) const;
};

// What the lines of a log are given to.
class MonitorLogSink {
public:
    virtual ~MonitorLogSink() = default;
    // A header line's field names, "Дата-Время" first. False when the header lacks what this
    // reader needs; the line then counts as one that does not parse.
    virtual bool Header(const QStringList& names) = 0;
    // A data line after a header the sink took; false when it does not parse.
    virtual bool DataLine(const MonitorLogLine& line) = 0;
};

// Reads a monitoring log a chunk at a time, so that a log of any size takes little memory, and
// gives its header and data lines to the sink in file order. Headers may repeat and the cell
// count may change from line to line. A file without a header the sink took is refused.
MonitorLogCounts ReadMonitorLogLines(const QString& path, MonitorLogSink& sink,
                                     MonitorLogProgress* progress = nullptr);

struct MonitorLogRead : MonitorLogCounts {
    TrendStore store; // empty when the log is refused
};

// The open dialog's filter for monitoring logs.
QString MonitorLogFilter();

// Reads a monitoring log for the graph: every data line becomes one poll that gives each of the
// 17 trend rows the value written in its mnemonic's column, its label the line's date and time;
// only the header's status columns count.
MonitorLogRead ReadMonitorLog(const QString& path, MonitorLogProgress* progress = nullptr);
