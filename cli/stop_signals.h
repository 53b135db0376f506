#pragma once

#include <QObject>

class QSocketNotifier;

// SIGINT and SIGTERM, while an object lives, become its Stopped signal on the event loop's
// thread, so that a long run ends cleanly: the port closed and no log line cut short.
class StopSignals final : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // Whether a signal came since this object was made; true at once, without the event loop,
    // for work that blocks between its looks.
    bool Received() const;

Q_SIGNALS:
    void Stopped();

private:
    QSocketNotifier* notifier_ = nullptr;
};
