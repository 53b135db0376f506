#pragma once

#include "monitor_log_reader.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QThread;

// Reads a monitoring log on a thread of its own, so that the window stays responsive while a
// day's log of a large battery goes by: the work gets the progress to update and to look at for
// the operator's cancel; the owner gets the share read ten times a second, then the end.
class MonitorLogTask final : public QObject {
    Q_OBJECT
public:
    using Work = std::function<void(const QString& path, MonitorLogProgress* progress)>;

    explicit MonitorLogTask(QObject* parent = nullptr);
    // A work still running is cancelled and waited for.
    ~MonitorLogTask() override;

    // Runs the work on the log at path; false when one still runs.
    bool Start(const QString& path, Work work);
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
    qint64 bytes_ = 1;
    std::shared_ptr<MonitorLogProgress> progress_;
};
