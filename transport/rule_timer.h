#pragma once

#include <QDeadlineTimer>
#include <QObject>

class QTimer;

// A single-shot wait that never ends before its time. Qt's default timers may fire up to 5 %
// early; the waits of the exchange rules (the reply time-out, the settle wait) must not, so this
// one is precise and, should the event loop still wake it early, waits out the rest.
class RuleTimer final : public QObject {
    Q_OBJECT
public:
    explicit RuleTimer(QObject* parent = nullptr);

    void setInterval(int ms) { intervalMs_ = ms; }
    int interval() const { return intervalMs_; }
    // Starts (or restarts) the wait of the set interval from now.
    void start();
    void stop();
    bool isActive() const;

Q_SIGNALS:
    // The whole interval has passed since the last start().
    void timeout();

private:
    void Fired();

    QTimer* timer_;
    QDeadlineTimer deadline_;
    int intervalMs_ = 0;
};
