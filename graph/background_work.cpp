#include "background_work.h"

#include <QFileInfo>
#include <QThread>

#include <algorithm>

BackgroundWork::BackgroundWork(QObject* parent) : QObject(parent) {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, [this] { Q_EMIT Progress(permille_()); });
}

BackgroundWork::~BackgroundWork() {
    if (thread_ == nullptr)
        return;
    cancel_();
    thread_->wait();
    delete thread_;
}

bool BackgroundWork::Start(std::function<void()> work, std::function<int()> permille,
                           std::function<void()> cancel) {
    if (thread_ != nullptr)
        return false;
    permille_ = std::move(permille);
    cancel_ = std::move(cancel);
    thread_ = QThread::create(std::move(work));
    connect(thread_, &QThread::finished, this, [this] {
        timer_.stop();
        thread_->deleteLater();
        thread_ = nullptr;
        permille_ = {};
        cancel_ = {};
        Q_EMIT Finished();
    });
    timer_.start();
    thread_->start();
    return true;
}

bool BackgroundWork::StartLogRead(const QString& path, LogWork work) {
    const qint64 bytes = std::max<qint64>(1, QFileInfo(path).size());
    const auto progress = std::make_shared<MonitorLogProgress>();
    return Start(
        [path, work = std::move(work), progress] { work(path, progress.get()); },
        [progress, bytes] { return int(progress->bytesRead.load() * ProgressSteps / bytes); },
        [progress] { progress->cancel.store(true); });
}

void BackgroundWork::Cancel() {
    if (cancel_)
        cancel_();
}
