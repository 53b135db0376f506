#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// The controller's real-time clock: seconds since 2000-01-01 00:00:00 that advance with real time.
class DeviceClock {
public:
    explicit DeviceClock(quint32 seconds);

    quint32 now() const;
    void set(quint32 seconds);

    // The computer's local time as device seconds; the count treats every fourth year as a leap
    // year, which holds for 2000 to 2099.
    static quint32 FromLocalTime();

private:
    quint32 base_;
    QElapsedTimer sinceSet_;
};
