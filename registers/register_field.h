#pragma once

#include "view_options.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <span>

// Where a quantity lies in its block and how its words read.
enum class RegisterWidth { Bits16, Bits32 };

struct RegisterField {
    int offset = 0;
    RegisterWidth width = RegisterWidth::Bits16;
    bool isSigned = false;
};

// Conversion of the scaled view. The shown value is the register value divided by the
// denominator; a value typed back is multiplied by the same number.
enum class Scaling {
    None,          // shown as in the raw view
    Milli,         // x 0.001
    Centi,         // x 0.01
    Deci,          // x 0.1
    MinutesToHours // / 60
};

qint64 ScalingDenominator(Scaling scaling);
// A register value in the units of the scaled view, as a double.
double ScaledValue(qint64 value, Scaling scaling);

// The values the field's own reading takes: 0 to 65535 unsigned, -32768 to 32767 signed, and the
// same for 32 bits.
struct ValueRange {
    qint64 lowest;
    qint64 highest;
};
ValueRange FieldRange(const RegisterField& field);
// The values an integer text of the field takes: its own range, and for an unsigned 32-bit
// register also the signed reading the raw view shows (-1 stands for 0xFFFFFFFF).
ValueRange IntegerRange(const RegisterField& field);

// The register's value as a number: unsigned or signed by the field's type.
qint64 FieldValue(std::span<const quint16> block, const RegisterField& field);

// Raw view: the decimal integer; a 32-bit register prints its signed 32-bit reading.
QString RawText(std::span<const quint16> block, const RegisterField& field);

// Scaled view: the value converted and written with `digits` significant digits; with no scaling
// it is the raw text.
QString ScaledText(std::span<const quint16> block, const RegisterField& field, Scaling scaling,
                   int digits);

// Converting a typed value cell back into the register value.
struct RegisterConversion {
    std::optional<quint32> value; // the word (16-bit field) or the pair (32-bit field)
    QString error;                // set when value is empty
};

// With the scaled view the text is read in the locale's format, multiplied by the scaling's
// denominator and truncated toward zero; otherwise (or with no scaling) it is a decimal integer.
// Only the register's own range is taken (0 to 65535 unsigned, -32768 to 32767 signed, and the
// same for 32 bits); anything else is refused, never wrapped. Two allowances keep every shown
// text writable: an integer cell of an unsigned 32-bit register, which shows the signed reading,
// also takes -2147483648 to -1; and a scaled value past an end of the range, but no further than
// that end as shown with four significant digits, is that end (65535 mV shows as 65,54 V, so
// 65,536 to 65,54 give 65535).
RegisterConversion CellTextToRegister(const QString& text, const RegisterField& field,
                                      Scaling scaling, bool scaledView = UseScaledUnits);

// Stores a converted value: the low word for a 16-bit field, both words for a 32-bit one.
bool StoreField(std::span<quint16> block, const RegisterField& field, quint32 value);

// A view's texts for one table row.
struct RowTexts {
    QString name;
    QString value;
    QString unit;
};
