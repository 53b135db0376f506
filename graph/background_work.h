#pragma once

#include "monitor_log_reader.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QThread;

// Runs one work at a time on a thread of its own, so that the window stays responsive while a
// day's log of a large battery is read or a store of points is written: the owner gets the share
// done ten times a second from the start on, then the end.
class BackgroundWork final : public QObject {
    Q_OBJECT
public:
    explicit BackgroundWork(QObject* parent = nullptr);
    // A work still running is cancelled and waited for.
    ~BackgroundWork() override;

    // Runs work; permille tells the share done (asked on the owner's thread) and cancel asks the
    // work to stop. False when one still runs.
    bool Start(std::function<void()> work, std::function<int()> permille,
               std::function<void()> cancel);
    // A read of the log at path: the work gets the progress to update and to look at for the
    // operator's cancel, and the share done is that of the file's bytes.
    using LogWork = std::function<void(const QString& path, MonitorLogProgress* progress)>;
    bool StartLogRead(const QString& path, LogWork work);
    bool Running() const { return thread_ != nullptr; }
    void Cancel();

    static constexpr int ProgressSteps = 1000;

Q_SIGNALS:
    void Progress(int steps); // of ProgressSteps
    // The work has returned; emitted on the owner's thread.
    void Finished();

private:
    QThread* thread_ = nullptr;
    QTimer timer_;
    std::function<int()> permille_;
    std::function<void()> cancel_;
};
