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
    // From now on SIGHUP, which otherwise ends the program, becomes HangUp: a long run rereads
    // its configuration.
    void CatchHangUp();

Q_SIGNALS:
    void Stopped();
    void HangUp();

private:
    QSocketNotifier* notifier_ = nullptr;
    bool hangUpCaught_ = false;
};
