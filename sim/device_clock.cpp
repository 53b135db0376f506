#include "device_clock.h"

#include <QDateTime>

#include <chrono>

ModelClock ModelClock::System() {
    return {&DeviceClock::FromLocalTime, [] {
                using namespace std::chrono;
                return qint64(
                    duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
            }};
}

DeviceClock::DeviceClock(quint32 seconds, std::function<qint64()> monotonicMs)
    : monotonicMs_(std::move(monotonicMs)) {
    set(seconds);
}

quint32 DeviceClock::now() const {
    return base_ + quint32((monotonicMs_() - setAtMs_) / 1000);
}

void DeviceClock::set(quint32 seconds) {
    base_ = seconds;
    setAtMs_ = monotonicMs_();
}

quint32 DeviceClock::FromLocalTime() {
    const QDateTime epoch(QDate(2000, 1, 1), QTime(0, 0));
    return quint32(qMax<qint64>(0, epoch.secsTo(QDateTime::currentDateTime())));
}
