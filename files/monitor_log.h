#pragma once

#include "date_time_text.h"
#include "status_map.h"
#include "text_file.h"
#include "view_options.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <span>
#include <utility>

// The monitoring log: a header line, then one line per completed polling cycle, fields each
// followed by ";", with link-error lines between them in time order. Every line is built whole
// and appended with one write, in code page 1251 with CR LF.

// The log file named when polling was last started with logging on; empty until then.
extern QString MonitorLogPath;

// Whether a status value is written scaled in the scaled view (entries 1 to 22 with a scaling,
// but for the leakage current, which stays in milliamperes); every other value is written as in
// the raw view, and every scaled one is G4.
bool LogScalesEntry(const StatusRegister& row);

// Both line builders read the cell count from Design_Cell_Number at each line, capped at the 200
// cells of the arrays.
// "Дата-Время", the 35 status mnemonics, then "Uэл.№i", "Tэл.№i" and "Статус№i" for each cell.
QString LogHeaderLine(std::span<const quint16> statusBlock);
// The date and time, the 35 status values, then each cell's voltage, temperature and status.
QString LogRowLine(std::span<const quint16> statusBlock, const QDateTime& when,
                   bool scaledUnits = UseScaledUnits);

// What follows the date and time on the lines of link errors and port events, each with its
// leading blank. All are written under the same option (LogLinkErrors).
inline const QString NoAnswerEvent = QStringLiteral(" Нет ответа");
inline const QString CrcErrorEvent = QStringLiteral(" Ошибка CRC ответа");
inline const QString PortLostEvent = QStringLiteral(" Порт отключен");
inline const QString PortBackEvent = QStringLiteral(" Порт снова подключен");
inline const QString LinkEvents[] = {NoAnswerEvent, CrcErrorEvent, PortLostEvent, PortBackEvent};

// A link error or port event: the date and time, then the event.
QString LinkErrorLogLine(const QDateTime& when, const QString& event);

// Appends one line to the file; the message when it could not be written.
FileError AppendLogLine(const QString& path, const QString& line);

// True when the file holds nothing yet (or cannot be opened), so the next line is the header.
bool LogFileEmpty(const QString& path);

// Tells the operator once that the log takes no more lines, and once that it takes them again:
// each write's outcome goes in, and a text comes out only when the state changes (an empty text
// when writing has resumed).
class LogWriteNotice {
public:
    std::optional<QString> Update(const FileError& error);

private:
    bool failing_ = false;
};

// A monitoring log file written cycle by cycle, as polling writes it: the header goes before the
// first row of an empty file. Each append gives the text to tell the operator, when there is one:
// that lines are being skipped, or that the log takes them again.
class MonitorLogFile {
public:
    explicit MonitorLogFile(QString path) : path_(std::move(path)) {}

    // The row of a cycle that got its replies, after the header when the file is empty.
    std::optional<QString> AppendCycle(std::span<const quint16> statusBlock, const QDateTime& when);
    // A link error or port event, written only under LogLinkErrors.
    std::optional<QString> AppendLinkEvent(const QDateTime& when, const QString& event);
    std::optional<QString> Append(const QString& line);
    // Whether any line could not be written.
    bool LinesLost() const { return linesLost_; }

private:
    QString path_;
    LogWriteNotice notice_;
    bool linesLost_ = false;
};
