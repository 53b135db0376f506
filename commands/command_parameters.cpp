#include "command_parameters.h"

#include "device_time.h"
#include "number_format.h"
#include "prompts.h"

#include <QCoreApplication>

#include <array>
#include <limits>

RegisterConversion ParameterFromText(const QString& text) {
    // The conversion to a signed 32-bit integer refuses a number that does not fit, as it refuses
    // letters.
    const ParsedNumber parsed = ParseInteger(text);
    if (!parsed.value || *parsed.value < std::numeric_limits<qint32>::min() ||
        *parsed.value > std::numeric_limits<qint32>::max())
        return {std::nullopt, NotInteger(text)};
    return {quint32(qint32(*parsed.value)), {}};
}

std::optional<quint32> EntryParameter(const QString& text) {
    const RegisterConversion c = ParameterFromText(text);
    if (!c.value)
        CurrentPrompts().Message(EntryMessage(), EntryCaption(), Prompts::Buttons::Ok,
                                 Prompts::Icon::Error);
    return c.value;
}

QString EntryMessage() {
    return QCoreApplication::translate("CommandParameters",
                                       "Введите десятичное число от 1 до 10000000!");
}

QString EntryCaption() {
    return QCoreApplication::translate("CommandParameters", "Ошибка!");
}

std::optional<quint32> CalibrationParameter(const QString& text) {
    const RegisterConversion c = ParameterFromText(text);
    if (!c.value)
        ReportError(c.error);
    return c.value;
}

std::optional<quint32> ClockParameter(const ClockTexts& texts) {
    // Converted in the order the fields are read: the first bad text is the one reported.
    const std::array<const QString*, 6> order = {&texts.hour, &texts.minute, &texts.second,
                                                 &texts.day,  &texts.month,  &texts.year};
    std::array<quint32, 6> values{};
    for (size_t i = 0; i < order.size(); ++i) {
        const RegisterConversion c = ParameterFromText(*order[i]);
        if (!c.value) {
            ReportError(c.error);
            return std::nullopt;
        }
        values[i] = *c.value;
    }
    const auto [hour, minute, second, day, month, year] = values;
    DeviceDateTime time;
    time.hour = quint8(hour);
    time.minute = quint8(minute);
    time.second = quint8(second);
    time.day = quint8(day);
    // A typed month outside 1..12 stays invalid, so its low byte never passes for a month.
    time.month = month >= 1 && month <= 12 ? quint8(month) : 0;
    // A year below 100 (as an unsigned number) counts from 2000 already. The year is checked
    // before its low byte is taken, so 2256 is refused, not sent as 2000.
    const qint64 years = year < 100 ? qint64(year) : qint64(qint32(year)) - FirstClockYear;
    const auto refuse = [](const QString& message) {
        CurrentPrompts().Message(message, EntryCaption(), Prompts::Buttons::Ok,
                                 Prompts::Icon::Error);
        return std::nullopt;
    };
    if (time.month != 0 && (years < 0 || years > LastClockYear - FirstClockYear))
        return refuse(ClockRangeText());
    time.year = quint8(years);
    const std::optional<quint32> seconds = DateTimeToSeconds(time);
    if (!seconds)
        return refuse(DateTimeRefusalText(time));
    // Hours or days past their range can carry 31 December 2099 into 2100, which would read
    // back as 2000.
    if (*seconds > LastClockSecond)
        return refuse(ClockRangeText());
    return seconds;
}

ClockFields ClockFieldsFromSeconds(quint32 deviceSeconds) {
    const DeviceDateTime t = SecondsToDateTime(deviceSeconds);
    return {t.hour, t.minute, t.second, t.day, t.month, 2000 + t.year};
}

ClockFields ClockFieldsFromDateTime(const QDateTime& local) {
    const QDate d = local.date();
    const QTime t = local.time();
    return {t.hour(), t.minute(), t.second(), d.day(), d.month(), d.year()};
}
