#pragma once

#include "poll_worker.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTimer>
#include <QObject>
#include <QString>

#include <functional>

class CyclePanel;
class QAbstractButton;
class TForm1;
struct RegisterImage;

// Polling as the operator drives it: the connect button starts and stops it, each tick of
// Timer_POLLING_ shows the cycle that has just ended and starts the next, and the worker's reports
// reach the status bar, the diagnostic memo, the link counters and the monitoring log.
class PollingCycle final : public QObject {
    Q_OBJECT
public:
    PollingCycle(TForm1& form, RegisterImage& image);

    void SpeedButton_CONNECT_Click();
    void Timer_POLLING_Timer();
    // Locks (false) or unlocks (true) every control that would start an exchange of its own or
    // change the connection; controls not built are skipped.
    void SetPollingControlsEnabled(bool enabled);
    // Stops polling wherever it is and releases the port; harmless when polling is stopped.
    void ClosePollPort();

    PollController& Controller() { return controller_; }
    // The clock of the proposed log file name and of the log's lines.
    void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    // After this many cycles in a row without an answer the main page's values are stale: its
    // lamps and values are greyed until a cycle is shown again.
    static constexpr int StaleAfterCycles = 3;
    // How often a port that went away is looked for while waiting for it to come back.
    static constexpr int ReconnectCheckMs = 1000;
    // A network link is tried again after a pause that doubles up to this.
    static constexpr int MaxReconnectPauseMs = 30000;
    // True while polling waits for its port to come back.
    bool WaitingForPort() const;
    // The status-bar panel of the cycle time and the values' age.
    CyclePanel* Panel() const { return cyclePanel_; }

private:
    bool StartPolling();
    // Opens the port with the settings and runs the ticks; false when the port did not open.
    bool RunPolling();
    void OnCycleFinished(const QList<PolledBlock>& blocks, bool answered);
    void ShowStale();
    void OnPortLost();
    void TryReconnect();
    // A line of the monitoring log about the port, when logging.
    void LogPortEvent(const QString& event);
    // Back to the stopped state: port closed, button up, timers off, controls unlocked.
    void StopPolling();
    // Asks for the monitoring log file and creates it; false when polling must not start.
    bool ChooseLogFile();
    void RefreshDisplay();
    void WriteLogLine();
    void ShowReport(const PollReport& report);
    bool Checked(const char* name) const;
    void UpdateReadOptions();

    TForm1& form_;
    RegisterImage& image_;
    QAbstractButton* connect_;
    PollController controller_;
    // A cycle of the current start has ended, so the image holds what it read.
    bool cycleEnded_ = false;
    ConnectionSettings settings_; // of the running start
    int unanswered_ = 0;          // cycles in a row without an answer
    QDateTime silentSince_;
    bool stale_ = false;
    QTimer* reconnectTimer_;
    CyclePanel* cyclePanel_;
    QElapsedTimer cycleClock_; // since the running cycle's first request
    std::function<QDateTime()> clock_ = &QDateTime::currentDateTime;
};
