#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

// The standard date-time text of the monitoring log, the graph's labels and the status bar: the
// locale's short date, a blank and its long time without its time zone, the date alone at exactly
// midnight. A locale whose text would not read back from a log file (its digits, names or
// day-half words are lost in code page 1251, or two of its texts would read the same) writes the
// locale-independent "yyyy-MM-ddTHH:mm:ss" of ISO 8601 instead.
QString StandardDateTimeText(const QDateTime& when);

// A Qt time format without its time zone ("t"), the brackets around the zone and the blank or
// comma that joined it to the rest: "H:mm:ss (t)" and "t HH:mm:ss" become "H:mm:ss" and
// "HH:mm:ss".
QString FormatWithoutZone(const QString& format);
// The locale's long time format without its time zone.
QString TimeFormatWithoutZone(const QLocale& locale);

// Whether a locale's standard text reads back from a log file, so that it is written rather than
// the ISO 8601 text.
bool DateTimeTextReadsBack(const QLocale& locale);

// Reads date-time texts back: the standard text of its locale, those of the C locale and of the
// Russian one and ISO 8601 ("yyyy-MM-dd", then "T" or a blank and "HH:mm:ss"), so that a log
// made under the C locale opens in the Russian window and one of the window under the C locale,
// whichever locale wrote it first. Two-digit years are years of the 2000s. Names of months and days and the day-half
// words are matched regardless of case, and every text of a format also as a file in code page
// 1251 holds it (each character the code page lacks as '?'). Digits are ASCII.
class DateTimeTextParser {
public:
    explicit DateTimeTextParser(const QLocale& locale = QLocale());

    // The date and time (held as UTC, like StampDateTime), or nothing when the text is none of
    // the three.
    std::optional<QDateTime> Parse(QStringView text) const;

    struct Format;

private:
    std::shared_ptr<const std::vector<Format>> formats_;
};
