#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <string_view>

// The decimal separator the program writes: the locale's when it is a comma or a point, a point
// otherwise (an Arabic locale's separator is no character of code page 1251 and no reader takes
// it).
QString DecimalSeparator(const QLocale& locale = QLocale());

// General number format: the value rounded to `digits` significant digits (half away from zero),
// trailing zeros and a trailing separator dropped; fixed notation while the integer part has no
// more digits than `digits` and the magnitude is at least 0.00001, scientific otherwise
// ("2,147e+06"). The decimal separator is that of QLocale(); digits and signs are ASCII.
// The value is numerator / denominator, computed exactly, so register values scaled by 0.001 or
// divided by 60 round on their true decimal value. denominator: 1 to 10^17 - 1.
QString FormatG(qint64 numerator, qint64 denominator, int digits);

inline QString FormatG4(qint64 numerator, qint64 denominator = 1) {
    return FormatG(numerator, denominator, 4);
}
inline QString FormatG6(qint64 numerator, qint64 denominator = 1) {
    return FormatG(numerator, denominator, 6);
}
inline QString FormatG15(qint64 numerator, qint64 denominator = 1) {
    return FormatG(numerator, denominator, 15);
}

// Reading typed numbers back. Leading and trailing blanks are ignored.
struct ParsedNumber {
    std::optional<qint64> value;
    QString error; // set when value is empty
};

// A decimal integer with an optional sign.
ParsedNumber ParseInteger(const QString& text);

// The message for a text that is not a decimal integer, as every integer entry reports it.
QString NotInteger(const QString& text);

// A typed whole number that must lie in a range, as the address fields check theirs: a decimal
// integer (blanks around it ignored) from low to high.
enum class RangeCheck { Valid, NotNumber, OutOfRange };
RangeCheck CheckIntegerText(const QString& text, int low, int high);

// A number as the program writes it into cells and files: an optional sign, decimal digits with
// at most one decimal separator, then an optional exponent ("e+06") of at most four digits. The
// separator is a comma or a point whatever the locale, so that the files of one locale read in
// another; no number the program writes holds a group separator. Blanks are not part of it.
struct NumberText {
    bool negative = false;
    // Where the digits before and after the separator lie in the text.
    qsizetype integerBegin = 0, integerEnd = 0;
    qsizetype fractionBegin = 0, fractionEnd = 0;
    int exponent = 0; // as written
};
std::optional<NumberText> ScanNumberText(QStringView text);
std::optional<NumberText> ScanNumberText(std::string_view text);

// A number text (ScanNumberText) as the nearest double, its parts into *parts when given;
// nothing when it is none.
std::optional<double> ParseNumberText(std::string_view text, NumberText* parts = nullptr);

// A number text (ScanNumberText, blanks around it ignored) multiplied by factor and truncated
// toward zero. The product is formed exactly on the decimal text, so "4,35" x 1000 gives 4350,
// never 4349. factor must be positive.
ParsedNumber ParseScaled(const QString& text, qint64 factor);
