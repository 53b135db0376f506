#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Device time: an unsigned 32-bit count of seconds since 2000-01-01 00:00:00, with every year
// divisible by four a leap year.
struct DeviceDateTime {
    quint8 second = 0; // 0-59
    quint8 minute = 0; // 0-59
    quint8 hour = 0;   // 0-23
    quint8 day = 1;    // 1-31
    quint8 month = 1;  // 1-12
    quint8 year = 0;   // counted from 2000, 0-99
    friend bool operator==(const DeviceDateTime&, const DeviceDateTime&) = default;
};

// A year past 2099 wraps to year 0.
DeviceDateTime SecondsToDateTime(quint32 seconds);

// Refuses a month outside 1..12 and a time outside the 32-bit count (before 2000 or too late).
// Days, hours, minutes and seconds out of their usual ranges are converted by the arithmetic.
std::optional<quint32> DateTimeToSeconds(const DeviceDateTime& time);

// The message for a time DateTimeToSeconds refuses.
QString DateTimeRefusalText(const DeviceDateTime& time);

// The times the clock is set to: what the 32-bit count holds and the clock texts show as it is.
// The count runs on to February 2136, but SecondsToDateTime reads everything past 2099 as 2000.
inline constexpr int FirstClockYear = 2000;
inline constexpr int LastClockYear = 2099;
inline constexpr quint32 LastClockSecond = 3155759999u; // 2099-12-31 23:59:59
// The message for a time outside them.
QString ClockRangeText();

// "9:5:0 3-12-2024": hour:minute:second day-month-year, no leading zeros.
QString ClockText(const DeviceDateTime& time);
