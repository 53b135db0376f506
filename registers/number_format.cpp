#include "number_format.h"

#include <QLocale>

namespace {

// 18 digits always fit a qint64; every register needs far fewer, so longer is out of range.
constexpr int MaxIntegerDigits = 18;

QString DecimalSeparator() {
    return QLocale().decimalPoint();
}

QString NotFloat(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString OutOfRange(const QString& text) {
    return QStringLiteral("Число '%1' слишком велико").arg(text);
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

ParsedNumber ParseScaled(const QString& text, qint64 factor) {
    Q_ASSERT(factor > 0);
    const QString trimmed = text.trimmed();
    const QString separator = DecimalSeparator();
    qsizetype i = 0;
    const auto isDigit = [&](qsizetype at) {
        return at < trimmed.size() && trimmed[at] >= QLatin1Char('0') &&
               trimmed[at] <= QLatin1Char('9');
    };
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == QLatin1Char('-') || trimmed[i] == QLatin1Char('+')))
        negative = trimmed[i++] == QLatin1Char('-');

    // All mantissa digits, and the power of ten that places them.
    QByteArray mantissa;
    int exponent = 0;
    for (; isDigit(i); ++i)
        mantissa.append(char(trimmed[i].unicode()));
    if (trimmed.mid(i, separator.size()) == separator) {
        for (i += separator.size(); isDigit(i); ++i, --exponent)
            mantissa.append(char(trimmed[i].unicode()));
    }
    if (mantissa.isEmpty())
        return {std::nullopt, NotFloat(text)};
    if (i < trimmed.size() && (trimmed[i] == QLatin1Char('e') || trimmed[i] == QLatin1Char('E'))) {
        ++i;
        bool negativeExponent = false;
        if (i < trimmed.size() &&
            (trimmed[i] == QLatin1Char('-') || trimmed[i] == QLatin1Char('+')))
            negativeExponent = trimmed[i++] == QLatin1Char('-');
        // Four exponent digits reach far beyond any register; the digits after them are not
        // added up, so a long exponent cannot overflow the sum.
        constexpr int MaxExponentDigits = 4;
        int written = 0;
        int digitCount = 0;
        for (; isDigit(i); ++i, ++digitCount)
            if (digitCount < MaxExponentDigits)
                written = written * 10 + (trimmed[i].unicode() - '0');
        if (digitCount == 0 || digitCount > MaxExponentDigits)
            return {std::nullopt, NotFloat(text)};
        exponent += negativeExponent ? -written : written;
    }
    if (i != trimmed.size())
        return {std::nullopt, NotFloat(text)};

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
