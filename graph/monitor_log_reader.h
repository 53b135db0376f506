#pragma once

#include "status_map.h"
#include "text_file.h"
#include "trend_store.h"

#include <QString>

#include <array>
#include <atomic>
#include <optional>
#include <string_view>
#include <vector>

// Reading monitoring logs, those of the window and of velmora-cli poll, whatever the view and
// the locale they were written in (the date-time texts of DateTimeTextParser, either decimal
// separator).
//
// The view of a data line is told by its own fields, since the option can change in the middle
// of a log: the first of the values the two views write differently (the scaled status values,
// then the cell voltages) that fits one view only decides. A decimal fraction or an exponent is
// never raw; more than four significant digits, or a value beyond what the scaled view can write
// for its register (a cell voltage of 3312 cannot be 3312 V), is never scaled. A line whose
// fields fit both views (all of them small integers, such as a line of zeros) is taken in the
// view of the line before it, the scaled view at the start of a file; its values are then off
// by the scaling when the view changed just there. A field met while deciding that fits neither
// view makes the line unread; any other field that does not fit the line's view has no value.

// Shared with the thread that reads: how far it has got, and the operator's cancel.
struct MonitorLogProgress {
    std::atomic<qint64> bytesRead{0};
    std::atomic<bool> cancel{false};
};

// Why a line was not read.
enum class LogLineFault {
    None,
    NotALine,     // neither a header, nor a data line, nor an event line
    BeforeHeader, // a data line before any header
    BadHeader,    // a header without all 35 status mnemonics
    TooFewFields, // fewer fields than the header's status columns
    DateTime,     // the first field is no date and time
    View,         // the values fit neither view
    Value,        // a value the reader needs is missing or no number
    TooLong,      // longer than any log line (MaxLogLineBytes)
};
QString LogLineFaultText(LogLineFault fault);

// Far above the longest line of a 200-cell battery (about 4 KB): a line of more bytes, before its
// line feed, is not read, wherever it lies in the file.
inline constexpr qint64 MaxLogLineBytes = 64 * 1024;

class MonitorLogReader;

// One data line: its time, the view it was written in and its values in engineering units,
// whichever view that was. Valid only during the MonitorLogSink call it is given to.
class MonitorLogLine {
public:
    // The TrendStamp of the line's date and time.
    qint64 Stamp() const { return stamp_; }
    // Written in the scaled view.
    bool Scaled() const { return scaled_; }

    // The value of status row index (0 to 34, the order of StatusRegisters) in the units of the
    // status table's scaled view: V, A, A·h, h, °C (the ambient sensor's -1000 absent mark as
    // -100 °C); the values that view leaves as they are (counts, bit fields, the version, the
    // clock's seconds) as those numbers, and a 32-bit unsigned register as unsigned. Nothing when
    // the field is missing or is no number of the line's view.
    std::optional<double> Status(int index) const;
    // The cells the line holds: its Design_Cell_Number, at most 200.
    int Cells() const;
    // Of cell 1 to Cells(): the voltage in volts, the temperature in °C, the status bits.
    std::optional<double> CellVoltage(int cell) const;
    std::optional<double> CellTemperature(int cell) const;
    std::optional<double> CellStatus(int cell) const;

private:
    friend class MonitorLogReader;
    struct Layout {
        std::array<int, StatusRowCount> status{}; // the column of each status row
        int cells = 0;                            // the column of cell 1's voltage
    };
    // fields: room for the split fields, reused from line to line.
    MonitorLogLine(std::string_view text, const Layout& layout,
                   std::vector<std::string_view>& fields)
        : text_(text), layout_(&layout), fields_(&fields) {
        fields.clear();
    }
    // Field `column` (0 is the date and time), or nothing when the line ends before it.
    std::optional<std::string_view> Field(int column) const;
    std::optional<double> CellValue(int column, const RegisterField& field, Scaling scaling,
                                    bool written) const;

    std::string_view text_;
    const Layout* layout_;
    std::vector<std::string_view>* fields_; // split as far as asked
    mutable std::size_t next_ = 0;          // where the splitting goes on
    mutable std::optional<int> cells_;      // Cells(), once asked
    qint64 stamp_ = 0;
    bool scaled_ = true;
};

// What a reader of a log is given, line by line in file order.
class MonitorLogSink {
public:
    virtual ~MonitorLogSink() = default;
    // A data line; false when it lacks a value the sink needs (counted as LogLineFault::Value).
    virtual bool DataLine(const MonitorLogLine& line) = 0;
    // A link error or port event line: its stamp and the event (one of LinkEvents).
    virtual void EventLine(qint64 stamp, const QString& event);
};

// How a log was read.
struct MonitorLogScan {
    qint64 dataLines = 0;  // data lines taken
    qint64 errorLines = 0; // link error and port event lines
    qint64 badLines = 0;   // lines not read, skipped
    qint64 firstBadLine = 0; // the number (from 1) of the first of those, 0 when none
    LogLineFault firstBadFault = LogLineFault::None;
    bool cancelled = false;
    FileError error; // the file could not be read or holds no log header
};

// Reads the log at path in chunks, giving every line to the sink. Headers may repeat and the
// cell count may change from line to line; the status columns are those the last header names.
MonitorLogScan ScanMonitorLog(const QString& path, MonitorLogSink& sink,
                              MonitorLogProgress* progress = nullptr);

// The file dialog's filter for a monitoring log.
QString MonitorLogFilter();

// What the operator is told of a log read without error: the lines taken and those skipped, or,
// when no data line was taken, that nothing changes and why.
QString LogReadText(const MonitorLogScan& scan, const QString& path);

struct MonitorLogRead : MonitorLogScan {
    TrendStore store; // empty when the file was refused
};

// A log as trend points: every data line becomes one poll that gives each of the 17 trend rows
// the value the live graph would have plotted for that line's registers, and each of the cells'
// series in `cells` its value where the line has that cell.
MonitorLogRead ReadMonitorLog(const QString& path, MonitorLogProgress* progress = nullptr,
                              const TrendSelection& cells = {});
