#include "number_format.h"

#include <QCoreApplication>
#include <QLocale>

#include <charconv>

namespace {

// 18 digits always fit a qint64; every register needs far fewer, so longer is out of range.
constexpr int MaxIntegerDigits = 18;

QString NotFloat(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString OutOfRange(const QString& text) {
    return QCoreApplication::translate("NumberFormat", "Число '%1' слишком велико").arg(text);
}

// Adds one to a string of decimal digits; true when the carry runs out of the top digit.
bool IncrementDigits(QByteArray& digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.prepend('1');
    return true;
}

// Multiplies a string of decimal digits by a small positive factor.
QByteArray MultiplyDigits(const QByteArray& digits, qint64 factor) {
    QByteArray result;
    qint64 carry = 0;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const qint64 product = (digits[i] - '0') * factor + carry;
        result.prepend(char('0' + product % 10));
        carry = product / 10;
    }
    for (; carry > 0; carry /= 10)
        result.prepend(char('0' + carry % 10));
    return result;
}

} // namespace

QString DecimalSeparator(const QLocale& locale) {
    const QString point = locale.decimalPoint();
    return point == QLatin1String(",") ? point : QStringLiteral(".");
}

QString FormatG(qint64 numerator, qint64 denominator, int digits) {
    // The long division multiplies the remainder by ten, so the denominator stays below 10^17.
    Q_ASSERT(denominator > 0 && denominator < 100000000000000000LL && digits > 0);
    if (numerator == 0)
        return QStringLiteral("0");
    const bool negative = numerator < 0;
    // Unsigned magnitude so that the most negative numerator does not overflow.
    const quint64 magnitude = negative ? 0 - quint64(numerator) : quint64(numerator);
    const quint64 den = quint64(denominator);

    // Significant digits of magnitude / den, one more than kept, by long division; pointPos is the
    // number of digits before the decimal point (negative for leading zeros after it).
    QByteArray sig = magnitude / den ? QByteArray::number(magnitude / den) : QByteArray();
    int pointPos = int(sig.size());
    quint64 remainder = magnitude % den;
    while (sig.size() <= digits && remainder != 0) {
        remainder *= 10;
        const char digit = char('0' + remainder / den);
        remainder %= den;
        if (sig.isEmpty() && digit == '0')
            --pointPos;
        else
            sig.append(digit);
    }
    if (sig.size() > digits) {
        const bool roundUp = sig[digits] >= '5';
        sig.truncate(digits);
        if (roundUp && IncrementDigits(sig)) {
            ++pointPos;
            sig.truncate(digits);
        }
    }
    while (sig.size() > 1 && sig.endsWith('0'))
        sig.chop(1);

    const int exponent = pointPos - 1;
    const QString separator = DecimalSeparator();
    QString text = negative ? QStringLiteral("-") : QString();
    if (exponent < digits && exponent >= -5) {
        if (exponent >= 0) {
            const QByteArray integer = sig.left(pointPos).leftJustified(pointPos, '0');
            text += QString::fromLatin1(integer);
            if (sig.size() > pointPos)
                text += separator + QString::fromLatin1(sig.mid(pointPos));
        } else {
            text += QStringLiteral("0") + separator + QString(-exponent - 1, QLatin1Char('0')) +
                    QString::fromLatin1(sig);
        }
    } else {
        text += QLatin1Char(sig[0]);
        if (sig.size() > 1)
            text += separator + QString::fromLatin1(sig.mid(1));
        text += QStringLiteral("e%1%2")
                    .arg(exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                    .arg(qAbs(exponent), 2, 10, QLatin1Char('0'));
    }
    return text;
}

ParsedNumber ParseInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok, 10);
    if (!ok)
        return {std::nullopt, NotInteger(text)};
    return {value, {}};
}

RangeCheck CheckIntegerText(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return RangeCheck::NotNumber;
    return value < low || value > high ? RangeCheck::OutOfRange : RangeCheck::Valid;
}

namespace {

char16_t CodeAt(QStringView text, qsizetype i) {
    return text[i].unicode();
}
char16_t CodeAt(std::string_view text, qsizetype i) {
    return char16_t(uchar(text[std::size_t(i)]));
}

template <class Text> std::optional<NumberText> Scan(Text text) {
    const auto size = qsizetype(text.size());
    NumberText parts;
    qsizetype i = 0;
    const auto is = [&](char16_t a, char16_t b = 0) {
        return i < size && (CodeAt(text, i) == a || (b != 0 && CodeAt(text, i) == b));
    };
    const auto digits = [&] {
        while (i < size && CodeAt(text, i) >= '0' && CodeAt(text, i) <= '9')
            ++i;
    };
    if (is('-', '+'))
        parts.negative = CodeAt(text, i++) == '-';
    parts.integerBegin = i;
    digits();
    parts.integerEnd = parts.fractionBegin = parts.fractionEnd = i;
    if (is(',', '.')) {
        parts.fractionBegin = ++i;
        digits();
        parts.fractionEnd = i;
    }
    if (parts.integerEnd == parts.integerBegin && parts.fractionEnd == parts.fractionBegin)
        return std::nullopt;
    if (is('e', 'E')) {
        ++i;
        bool negativeExponent = false;
        if (is('-', '+'))
            negativeExponent = CodeAt(text, i++) == '-';
        // Four exponent digits reach far beyond any register; a longer exponent is refused
        // before its digits are added up, so it cannot overflow the sum.
        constexpr qsizetype MaxExponentDigits = 4;
        const qsizetype first = i;
        digits();
        if (i == first || i - first > MaxExponentDigits)
            return std::nullopt;
        for (qsizetype k = first; k < i; ++k)
            parts.exponent = parts.exponent * 10 + (CodeAt(text, k) - '0');
        if (negativeExponent)
            parts.exponent = -parts.exponent;
    }
    if (i != size)
        return std::nullopt;
    return parts;
}

} // namespace

std::optional<NumberText> ScanNumberText(QStringView text) {
    return Scan(text);
}

std::optional<NumberText> ScanNumberText(std::string_view text) {
    return Scan(text);
}

std::optional<double> ParseNumberText(std::string_view text, NumberText* scanned) {
    const std::optional<NumberText> parts = ScanNumberText(text);
    if (!parts)
        return std::nullopt;
    if (scanned)
        *scanned = *parts;
    // Up to 15 digits and a power of ten up to 22 are exact as doubles, so one multiplication or
    // division rounds the value correctly: the numbers of cells and logs, fast.
    constexpr qsizetype ExactDigits = 15;
    constexpr double Powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const qsizetype fraction = parts->fractionEnd - parts->fractionBegin;
    const int exponent = parts->exponent - int(fraction);
    if (parts->integerEnd - parts->integerBegin + fraction <= ExactDigits && exponent >= -22 &&
        exponent <= 22) {
        qint64 mantissa = 0;
        for (qsizetype k = parts->integerBegin; k < parts->integerEnd; ++k)
            mantissa = mantissa * 10 + (text[std::size_t(k)] - '0');
        for (qsizetype k = parts->fractionBegin; k < parts->fractionEnd; ++k)
            mantissa = mantissa * 10 + (text[std::size_t(k)] - '0');
        const double magnitude = exponent < 0 ? double(mantissa) / Powers[-exponent]
                                              : double(mantissa) * Powers[exponent];
        return parts->negative ? -magnitude : magnitude;
    }
    // Anything else as from_chars reads it: the digits around a point, then the exponent; a
    // longer text is no number of a cell or a log.
    char normal[80];
    if (text.size() + 8 > sizeof normal)
        return std::nullopt;
    char* out = normal;
    const auto copy = [&](qsizetype begin, qsizetype end) {
        for (qsizetype k = begin; k < end; ++k)
            *out++ = text[std::size_t(k)];
    };
    if (parts->negative)
        *out++ = '-';
    copy(parts->integerBegin, parts->integerEnd);
    *out++ = '.';
    copy(parts->fractionBegin, parts->fractionEnd);
    *out++ = 'e';
    out = std::to_chars(out, normal + sizeof normal, parts->exponent).ptr;
    double value = 0;
    const auto [end, error] = std::from_chars(normal, out, value);
    if (error != std::errc() || end != out)
        return std::nullopt;
    return value;
}

ParsedNumber ParseScaled(const QString& text, qint64 factor) {
    Q_ASSERT(factor > 0);
    const QString trimmed = text.trimmed();
    const std::optional<NumberText> parts = ScanNumberText(QStringView(trimmed));
    if (!parts)
        return {std::nullopt, NotFloat(text)};
    const bool negative = parts->negative;
    // All mantissa digits, and the power of ten that places them.
    const QByteArray mantissa =
        (trimmed.mid(parts->integerBegin, parts->integerEnd - parts->integerBegin) +
         trimmed.mid(parts->fractionBegin, parts->fractionEnd - parts->fractionBegin))
            .toLatin1();
    const int exponent = parts->exponent - int(parts->fractionEnd - parts->fractionBegin);

    // value x factor = (mantissa x factor) x 10^exponent; dropping the fractional digits
    // truncates toward zero because the sign is applied afterwards.
    QByteArray product = MultiplyDigits(mantissa, factor);
    if (exponent < 0)
        product.chop(-exponent);
    while (product.startsWith('0'))
        product.remove(0, 1);
    if (product.isEmpty())
        return {0, {}};
    if (product.size() + qMax(exponent, 0) > MaxIntegerDigits)
        return {std::nullopt, OutOfRange(text)};
    product.append(QByteArray(qMax(exponent, 0), '0'));
    const qint64 magnitude = product.toLongLong();
    return {negative ? -magnitude : magnitude, {}};
}

QString NotInteger(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}
