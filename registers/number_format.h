#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

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

// A number in the form FormatG writes (locale decimal separator, optional exponent), multiplied
// by factor and truncated toward zero. The product is formed exactly on the decimal text, so
// "4,35" x 1000 gives 4350, never 4349. factor must be positive.
ParsedNumber ParseScaled(const QString& text, qint64 factor);
