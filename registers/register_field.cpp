#include "register_field.h"

#include "number_format.h"
#include "register_image.h"

#include <QCoreApplication>

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

double ScaledValue(qint64 value, Scaling scaling) {
    return double(value) / double(ScalingDenominator(scaling));
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

ValueRange FieldRange(const RegisterField& field) {
    if (field.width == RegisterWidth::Bits32)
        return field.isSigned ? ValueRange{std::numeric_limits<qint32>::min(),
                                           std::numeric_limits<qint32>::max()}
                              : ValueRange{0, std::numeric_limits<quint32>::max()};
    return field.isSigned ? ValueRange{-32768, 32767} : ValueRange{0, 65535};
}

ValueRange IntegerRange(const RegisterField& field) {
    const ValueRange own = FieldRange(field);
    if (field.width == RegisterWidth::Bits32 && !field.isSigned)
        return {std::numeric_limits<qint32>::min(), own.highest};
    return own;
}

namespace {

// An end of the range as the scaled view shows it (four significant digits) and reads it back:
// 65535 mV shows as 65,54 V, which reads back as 65540.
qint64 ShownEnd(qint64 end, Scaling scaling) {
    const qint64 factor = ScalingDenominator(scaling);
    return ParseScaled(FormatG4(end, factor), factor).value.value_or(end);
}

// A scaled value past an end of the range, but no further than that end as shown, means the end
// itself: the shown text of the largest value is written back as that value.
qint64 PullBackShownEnd(qint64 value, const ValueRange& own, Scaling scaling) {
    if (value > own.highest && value <= ShownEnd(own.highest, scaling))
        return own.highest;
    if (value < own.lowest && value >= ShownEnd(own.lowest, scaling))
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
    const ValueRange accepted = scaled ? FieldRange(field) : IntegerRange(field);
    const qint64 value =
        scaled ? PullBackShownEnd(*parsed.value, accepted, scaling) : *parsed.value;
    if (value < accepted.lowest || value > accepted.highest)
        return {std::nullopt, QCoreApplication::translate("RegisterField",
                                                          "'%1': значение вне диапазона регистра!")
                                  .arg(text)};
    return {quint32(value), {}};
}

bool StoreField(std::span<quint16> block, const RegisterField& field, quint32 value) {
    if (field.width == RegisterWidth::Bits32)
        return SetWord32(block, field.offset, value);
    return SetWord16(block, field.offset, quint16(value));
}
