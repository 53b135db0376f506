#include "device_clock.h"

#include <QDateTime>

DeviceClock::DeviceClock(quint32 seconds) {
    set(seconds);
}

quint32 DeviceClock::now() const {
    return base_ + quint32(sinceSet_.elapsed() / 1000);
}

void DeviceClock::set(quint32 seconds) {
    base_ = seconds;
    sinceSet_.start();
}

quint32 DeviceClock::FromLocalTime() {
    const QDateTime epoch(QDate(2000, 1, 1), QTime(0, 0));
    return quint32(qMax<qint64>(0, epoch.secsTo(QDateTime::currentDateTime())));
}
