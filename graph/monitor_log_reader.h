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

// The most fields a line of the largest battery has, and one more.
inline constexpr std::size_t MaxLogFields = 64 + 3 * MaxCells + 1;

// Where a data line keeps its cells: its own Design_Cell_Number says how many (the header may
// name another count, and the writer caps it at 200); their voltages, temperatures and status
// words follow the last status field, RTC_Time_Value, in that order.
struct LogCellColumns {
    int countColumn = -1;
    int firstColumn = -1;

    // From a header's names; false when it lacks either field.
    bool Locate(const QStringList& names);
    // The cell count of a line split into `fields` when every field of its cells is there.
    std::optional<int> Count(const MonitorLogLine& line,
                             std::span<const std::string_view> fields) const;
    std::string_view Voltage(std::span<const std::string_view> fields, int cell) const {
        return fields[std::size_t(firstColumn + cell - 1)];
    }
    std::string_view Temperature(std::span<const std::string_view> fields, int cells,
                                 int cell) const {
        return fields[std::size_t(firstColumn + cells + cell - 1)];
    }
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
// only the header's status columns count. The cells' series in `cells` take their values from
// the line's cell fields, where the line has that cell.
MonitorLogRead ReadMonitorLog(const QString& path, MonitorLogProgress* progress = nullptr,
                              const TrendSelection& cells = {});
