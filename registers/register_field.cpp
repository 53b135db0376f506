#include "register_field.h"

#include "number_format.h"
#include "register_image.h"

#include <limits>

qint64 ScalingDenominator(Scaling scaling) {
    switch (scaling) {
    case Scaling::None:
        return 1;
    case Scaling::Milli:
        return 1000;
    case Scaling::Centi:
        return 100;
    case Scaling::Deci:
        return 10;
    case Scaling::MinutesToHours:
        return 60;
    }
    return 1;
}

qint64 FieldValue(std::span<const quint16> block, const RegisterField& field) {
    if (field.width == RegisterWidth::Bits32)
        return field.isSigned ? qint64(SignedWord32(block, field.offset))
                              : qint64(Word32(block, field.offset));
    return field.isSigned ? qint64(SignedWord16(block, field.offset))
                          : qint64(Word16(block, field.offset));
}

QString RawText(std::span<const quint16> block, const RegisterField& field) {
    if (field.width == RegisterWidth::Bits32)
        return QString::number(SignedWord32(block, field.offset));
    return QString::number(FieldValue(block, field));
}

QString ScaledText(std::span<const quint16> block, const RegisterField& field, Scaling scaling,
                   int digits) {
    if (scaling == Scaling::None)
        return RawText(block, field);
    return FormatG(FieldValue(block, field), ScalingDenominator(scaling), digits);
}

namespace {

struct ValueRange {
    qint64 lowest;
    qint64 highest;
};

// The values the field's own reading takes.
ValueRange OwnRange(const RegisterField& field) {
    if (field.width == RegisterWidth::Bits32)
        return field.isSigned ? ValueRange{std::numeric_limits<qint32>::min(),
                                           std::numeric_limits<qint32>::max()}
                              : ValueRange{0, std::numeric_limits<quint32>::max()};
    return field.isSigned ? ValueRange{-32768, 32767} : ValueRange{0, 65535};
}

// Either reading of the register's bits: -10 and 65526 both give 0xFFF6.
ValueRange BitPatternRange(const RegisterField& field) {
    if (field.width == RegisterWidth::Bits32)
        return {std::numeric_limits<qint32>::min(), std::numeric_limits<quint32>::max()};
    return {-32768, 65535};
}

// A scaled text carries four significant digits, so the largest register value can come back
// just past the end of the range (65535 shows as 65,54): such a value means the end itself.
qint64 PullBackRoundedEnd(qint64 value, const ValueRange& own) {
    if (value > own.highest && value - own.highest <= own.highest / 2000 + 1)
        return own.highest;
    if (value < own.lowest && own.lowest - value <= -(own.lowest / 2000) + 1)
        return own.lowest;
    return value;
}

} // namespace

RegisterConversion CellTextToRegister(const QString& text, const RegisterField& field,
                                      Scaling scaling, bool scaledView) {
    const bool scaled = scaledView && scaling != Scaling::None;
    const ParsedNumber parsed =
        scaled ? ParseScaled(text, ScalingDenominator(scaling)) : ParseInteger(text);
    if (!parsed.value)
        return {std::nullopt, parsed.error};
    const qint64 value =
        scaled ? PullBackRoundedEnd(*parsed.value, OwnRange(field)) : *parsed.value;
    const ValueRange accepted = BitPatternRange(field);
    if (value < accepted.lowest || value > accepted.highest)
        return {std::nullopt, QStringLiteral("'%1': значение вне диапазона регистра!").arg(text)};
    return {quint32(value), {}};
}

bool StoreField(std::span<quint16> block, const RegisterField& field, quint32 value) {
    if (field.width == RegisterWidth::Bits32)
        return SetWord32(block, field.offset, value);
    return SetWord16(block, field.offset, quint16(value));
}
