#include "monitor_log_task.h"

#include <QFileInfo>
#include <QThread>

#include <algorithm>

MonitorLogTask::MonitorLogTask(QObject* parent) : QObject(parent) {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this,
            [this] { Q_EMIT Progress(int(progress_->bytesRead.load() * ProgressSteps / bytes_)); });
}

MonitorLogTask::~MonitorLogTask() {
    if (thread_ == nullptr)
        return;
    progress_->cancel.store(true);
    thread_->wait();
    delete thread_;
}

bool MonitorLogTask::Start(const QString& path, Work work) {
    if (thread_ != nullptr)
        return false;
    bytes_ = std::max<qint64>(1, QFileInfo(path).size());
    progress_ = std::make_shared<MonitorLogProgress>();
    thread_ = QThread::create(
        [path, work = std::move(work), progress = progress_] { work(path, progress.get()); });
    connect(thread_, &QThread::finished, this, [this] {
        timer_.stop();
        thread_->deleteLater();
        thread_ = nullptr;
        progress_.reset();
        Q_EMIT Finished();
    });
    Q_EMIT Progress(0);
    timer_.start();
    thread_->start();
    return true;
}

void MonitorLogTask::Cancel() {
    if (progress_)
        progress_->cancel.store(true);
}
