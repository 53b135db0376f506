#include "command_parameters.h"

#include "conversion_report.h"
#include "device_time.h"
#include "prompts.h"

#include <array>

RegisterConversion ParameterFromText(const QString& text) {
    return CellTextToRegister(text, {0, RegisterWidth::Bits32, true}, Scaling::None, false);
}

std::optional<quint32> EntryParameter(const QString& text) {
    const RegisterConversion c = ParameterFromText(text);
    if (!c.value)
        CurrentPrompts().Message(EntryMessage(), EntryCaption(), Prompts::Buttons::Ok,
                                 Prompts::Icon::Error);
    return c.value;
}

QString EntryMessage() {
    return QStringLiteral("Введите десятичное число от 1 до 10000000!");
}

QString EntryCaption() {
    return QStringLiteral("Ошибка!");
}

std::optional<quint32> CalibrationParameter(const QString& text) {
    const RegisterConversion c = ParameterFromText(text);
    if (!c.value)
        ReportConversionError(c.error);
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
            ReportConversionError(c.error);
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
    time.year = quint8(year < 100 ? year : year - 2000);
    const std::optional<quint32> seconds = DateTimeToSeconds(time);
    if (!seconds)
        CurrentPrompts().Message(DateTimeRefusalText(time), EntryCaption(), Prompts::Buttons::Ok,
                                 Prompts::Icon::Error);
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
