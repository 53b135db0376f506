#include "device_time.h"

#include <QCoreApplication>

#include <array>

namespace {

// Days before month m + 1 of a common year, entries 0 to 12.
constexpr std::array<quint32, 13> DaysBeforeMonth = {0,   31,  59,  90,  120, 151, 181,
                                                     212, 243, 273, 304, 334, 365};
constexpr quint32 SecondsPerDay = 86400;
constexpr quint32 DaysPerCycle = 1461; // four years, the first a leap year
constexpr quint32 SecondsPerCycle = DaysPerCycle * SecondsPerDay;

bool MonthValid(const DeviceDateTime& time) {
    return time.month >= 1 && time.month <= 12;
}

// The count of seconds in 64 bits, for a time whose month is valid.
quint64 WideSeconds(const DeviceDateTime& time) {
    const quint64 year = time.year;
    quint64 days = year * 365 + DaysBeforeMonth[time.month - 1] + time.day + year / 4;
    // January and February of a leap year come before its extra day.
    if (time.month <= 2 && year % 4 == 0)
        days -= 1;
    return days * SecondsPerDay + quint64(time.hour) * 3600 + quint64(time.minute) * 60 +
           time.second;
}

} // namespace

DeviceDateTime SecondsToDateTime(quint32 seconds) {
    DeviceDateTime time;
    time.second = quint8(seconds % 60);
    time.minute = quint8(seconds / 60 % 60);
    time.hour = quint8(seconds / 3600 % 24);
    const quint32 d = seconds / SecondsPerDay % DaysPerCycle;
    // Dropping 29 February of the cycle's leap year leaves four common years.
    const quint32 e = d > 58 ? d - 1 : d;
    const quint32 c = e % 365;
    const quint32 year = e / 365 + 4 * (seconds / SecondsPerCycle);
    time.year = quint8(year > 99 ? 0 : year);
    int month = 1;
    while (c >= DaysBeforeMonth[month])
        ++month;
    time.month = quint8(month);
    time.day = quint8(c - DaysBeforeMonth[month - 1] + 1 + (d == 59 ? 1 : 0));
    return time;
}

std::optional<quint32> DateTimeToSeconds(const DeviceDateTime& time) {
    if (!MonthValid(time))
        return std::nullopt;
    const quint64 seconds = WideSeconds(time);
    if (seconds > 0xFFFFFFFFu)
        return std::nullopt;
    return quint32(seconds);
}

QString DateTimeRefusalText(const DeviceDateTime& time) {
    if (!MonthValid(time))
        return QCoreApplication::translate("DeviceTime", "Месяц должен быть от 1 до 12!");
    return QCoreApplication::translate("DeviceTime",
                                       "Дата за пределами счетчика времени контроллера!");
}

QString ClockRangeText() {
    return QCoreApplication::translate("DeviceTime", "Дата должна быть от 01.01.%1 до 31.12.%2!")
        .arg(FirstClockYear)
        .arg(LastClockYear);
}

QString ClockText(const DeviceDateTime& time) {
    return QStringLiteral("%1:%2:%3 %4-%5-%6")
        .arg(time.hour)
        .arg(time.minute)
        .arg(time.second)
        .arg(time.day)
        .arg(time.month)
        .arg(2000 + time.year);
}
