#pragma once

#include "text_file.h"
#include "view_options.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <span>

// The monitoring log: a header line, then one line per completed polling cycle, fields each
// followed by ";", with link-error lines between them in time order. Every line is built whole
// and appended with one write, in code page 1251 with CR LF.

// The log file named when polling was last started with logging on; empty until then.
extern QString MonitorLogPath;

// The locale's short date, a blank and its long time without the time zone; the time is left out
// at exactly midnight.
QString StandardDateTimeText(const QDateTime& when);
// The locale's long time format without its time zone.
QString TimeFormatWithoutZone(const QLocale& locale);

// Both line builders read the cell count from Design_Cell_Number at each line, capped at the 200
// cells of the arrays.
// "Дата-Время", the 35 status mnemonics, then "Uэл.№i", "Tэл.№i" and "Статус№i" for each cell.
QString LogHeaderLine(std::span<const quint16> statusBlock);
// The date and time, the 35 status values, then each cell's voltage, temperature and status.
QString LogRowLine(std::span<const quint16> statusBlock, const QDateTime& when,
                   bool scaledUnits = UseScaledUnits);

// A link error: the date and time, then the event (" Нет ответа", " Ошибка CRC ответа").
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
