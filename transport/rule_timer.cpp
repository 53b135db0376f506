#include "rule_timer.h"

#include <QTimer>

RuleTimer::RuleTimer(QObject* parent) : QObject(parent), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &RuleTimer::Fired);
}

void RuleTimer::start() {
    deadline_ = QDeadlineTimer(intervalMs_, Qt::PreciseTimer);
    timer_->start(intervalMs_);
}

void RuleTimer::stop() {
    timer_->stop();
}

bool RuleTimer::isActive() const {
    return timer_->isActive();
}

void RuleTimer::Fired() {
    const qint64 leftNs = deadline_.remainingTimeNSecs();
    if (leftNs > 0) {
        // Rounded up: the next wake-up is never before the deadline either.
        timer_->start(int((leftNs + 999999) / 1000000));
        return;
    }
    Q_EMIT timeout();
}
