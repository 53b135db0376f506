#pragma once

#include <QtGlobal>

#include <functional>

// Where the simulated controller's time comes from: the computer's by default; tests and fuzz
// targets give fixed sources, so that the model does not read the wall clock.
struct ModelClock {
    std::function<quint32()> localSeconds; // the local time as device seconds
    std::function<qint64()> monotonicMs;   // a clock that only moves forward
    static ModelClock System();
};

// The controller's real-time clock: seconds since 2000-01-01 00:00:00 that advance with the
// model's monotonic clock.
class DeviceClock {
public:
    DeviceClock(quint32 seconds, std::function<qint64()> monotonicMs);

    quint32 now() const;
    void set(quint32 seconds);

    // The computer's local time as device seconds; the count treats every fourth year as a leap
    // year, which holds for 2000 to 2099.
    static quint32 FromLocalTime();

private:
    std::function<qint64()> monotonicMs_;
    quint32 base_ = 0;
    qint64 setAtMs_ = 0;
};
