#pragma once

#include "fleet_snapshot.h"
#include "monitor_log.h"
#include "poll_worker.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <optional>

// One controller of the fleet: its own polling worker and thread, a cycle started at each tick of
// its period when the last one has ended, the counters and the link state of its snapshot. The
// port is opened without waiting on this thread, so a controller that does not answer or connect
// holds up no other; one whose port fails or goes away is tried again after a pause that doubles
// from 1 s up to 30 s.
class PolledController final : public QObject {
    Q_OBJECT
public:
    static constexpr int FirstRetryMs = 1000;
    static constexpr int LastRetryMs = 30000;

    explicit PolledController(const ControllerSpec& spec, QObject* parent = nullptr);

    // Opens the port, and polls from then on until the object goes.
    void Start();
    // The figures as they stand; the link state is brought up to date at every tick.
    const ControllerSnapshot& Snapshot() const { return snapshot_; }

Q_SIGNALS:
    // After every finished cycle, answered or not.
    void Cycled(const ControllerSnapshot& snapshot);
    // The link state or its text has changed.
    void LinkChanged(const ControllerSnapshot& snapshot);
    // The monitoring log has stopped or resumed taking lines.
    void LogNotice(const QString& text);

private:
    void Open();
    void Opened(bool opened);
    void Tick();
    void CycleEnded(const QList<PolledBlock>& blocks, bool answered);
    void Reported(const PollReport& report);
    void PortFailed();
    // An answered cycle older than SnapshotCurrent allows makes the figures stale.
    void CheckStale();
    void SetLink(LinkState state, const QString& text);
    void Tell(const std::optional<QString>& notice);

    ControllerSnapshot snapshot_;
    PollController polling_;
    QTimer tick_;
    QTimer retry_;
    QElapsedTimer cycleClock_;
    int retryMs_ = FirstRetryMs;
    QString portText_;
    std::optional<MonitorLogFile> log_;
};
