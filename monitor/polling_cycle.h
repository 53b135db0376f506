#pragma once

#include "poll_worker.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

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

private:
    bool StartPolling();
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
    std::function<QDateTime()> clock_ = &QDateTime::currentDateTime;
};
