#include "cell_conversion.h"

#include "prompts.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

std::optional<qint32> IntegerFromText(const QString& text) {
    bool ok = false;
    const qint32 value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

CellConversion ConvertIntegerCell(const QString& text) {
    if (const std::optional<qint32> value = IntegerFromText(text))
        return {static_cast<quint32>(*value), {}};
    return {std::nullopt, NotValidIntegerMessage(text)};
}

CellConversion ConvertScaledCell(const QString& text, int factor, const QLocale& locale) {
    // Group separators are refused so that a point typed where a comma is expected fails
    // instead of being read as thousands.
    QLocale strict = locale;
    strict.setNumberOptions(strict.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(value)) {
        double product = value * factor;
        const double nearest = std::round(product);
        if (std::abs(product - nearest) < 1e-6)
            product = nearest;
        product = std::trunc(product);
        if (product >= double(std::numeric_limits<qint32>::min()) &&
            product <= double(std::numeric_limits<quint32>::max()))
            return {static_cast<quint32>(static_cast<qint64>(product)), {}};
    }
    return {std::nullopt, NotValidFloatMessage(text)};
}

CellConversion ConvertCell(const QString& text, int factor, bool scaledView,
                           const QLocale& locale) {
    if (scaledView && factor != 1)
        return ConvertScaledCell(text, factor, locale);
    return ConvertIntegerCell(text);
}

QString NotValidIntegerMessage(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString NotValidFloatMessage(const QString& text) {
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

void ReportConversionError(const QString& message) {
    CurrentPrompts().Message(message, QCoreApplication::applicationName(), Prompts::Buttons::Ok,
                             Prompts::Icon::Error);
}
