// poll: the polling cycle of the window without its window, writing the monitoring log.

#include "console.h"
#include "handlers.h"
#include "monitor_log.h"
#include "poll_worker.h"
#include "register_image.h"
#include "stop_signals.h"
#include "table_output.h"

#include <QCoreApplication>
#include <QTimer>

#include <cmath>
#include <limits>

namespace {

struct PollPlan {
    int periodMs = 1000;
    qint64 lines = 0;      // data lines to write; 0 polls until stopped
    QString logPath;       // empty: the lines go to standard output
    qint64 maxMisses = 10; // cycles in a row without an answer that end the run
};

// One run of polling. Each tick starts a cycle unless one still runs; each cycle that got its
// replies gives a data line at once (the header before the first one into an empty file), each
// link error an error line. Stopped by the line count, SIGINT or SIGTERM, a vanished port, or a
// line that stays silent for maxMisses cycles. A run in which no cycle was answered ends with
// exit code 1 however it is stopped.
class PollRun {
public:
    explicit PollRun(const PollPlan& plan) : plan_(plan) {
        if (!plan.logPath.isEmpty())
            log_.emplace(plan.logPath);
    }

    int Run(const ConnectionSettings& connection) {
        QObject::connect(&controller_, &PollController::PortStateText, &context_,
                         [this](const QString& text) { portText_ = text; });
        QObject::connect(&controller_, &PollController::CycleFinished, &context_,
                         [this](const QList<PolledBlock>& blocks, bool answered) {
                             CycleEnded(blocks, answered);
                         });
        QObject::connect(&controller_, &PollController::PollReported, &context_,
                         [this](const PollReport& report) { Reported(report); });
        QObject::connect(&controller_, &PollController::PortLost, &context_, [this] {
            PrintError(portText_);
            Finish(ExitNoAnswer);
        });
        QObject::connect(&stop_, &StopSignals::Stopped, &context_, [this] {
            if (answered_ == 0)
                PrintError(QCoreApplication::translate(
                    "Cli", "Опрос остановлен: ни один цикл не получил ответа"));
            Finish(answered_ > 0 ? ExitDone : ExitNoAnswer);
        });
        QObject::connect(&timer_, &QTimer::timeout, &context_, [this] {
            if (controller_.PollIdle())
                controller_.StartPollCycle();
        });
        if (!controller_.OpenPollPort(connection,
                                      quint8(connection.addressText.trimmed().toInt()))) {
            PrintError(portText_);
            return ExitNoAnswer;
        }
        controller_.StartPollCycle();
        timer_.start(plan_.periodMs);
        return QCoreApplication::exec();
    }

private:
    void CycleEnded(const QList<PolledBlock>& blocks, bool answered) {
        StorePolledBlocks(blocks, image_);
        if (finished_)
            return;
        if (!answered) {
            if (++misses_ == plan_.maxMisses) {
                PrintError(QCoreApplication::translate(
                               "Cli", "Нет ответа %1 циклов подряд: опрос остановлен")
                               .arg(misses_));
                Finish(ExitNoAnswer);
            }
            return;
        }
        misses_ = 0;
        ++answered_;
        const QDateTime now = QDateTime::currentDateTime();
        if (log_) {
            Tell(log_->AppendCycle(image_.StatusBlock, now));
        } else {
            if (written_ == 0)
                PrintOut(LogHeaderLine(image_.StatusBlock));
            PrintOut(LogRowLine(image_.StatusBlock, now));
        }
        if (++written_ == plan_.lines)
            Finish(ExitDone);
    }

    void Reported(const PollReport& report) {
        if (report.verdict == PollVerdict::Exception)
            PrintError(report.replyText);
        if (report.logText.isEmpty())
            return;
        PrintError(LinkErrorLogLine(report.when, report.logText));
        if (log_)
            Tell(log_->AppendLinkEvent(report.when, report.logText));
    }

    static void Tell(const std::optional<QString>& notice) {
        if (notice)
            PrintError(*notice);
    }

    void Finish(int code) {
        if (finished_)
            return;
        finished_ = true;
        timer_.stop();
        StorePolledBlocks(controller_.ClosePollPort(), image_);
        const bool linesLost = log_ && log_->LinesLost();
        QCoreApplication::exit(code == ExitDone && linesLost ? ExitFileError : code);
    }

    const PollPlan plan_;
    QObject context_;
    PollController controller_;
    StopSignals stop_;
    QTimer timer_;
    RegisterImage image_;
    std::optional<MonitorLogFile> log_;
    QString portText_;
    qint64 written_ = 0;
    qint64 answered_ = 0; // cycles that got their replies
    qint64 misses_ = 0;   // cycles in a row without an answer
    bool finished_ = false;
};

// A whole number of at least 1 given by the option, stored in value; false after saying why.
bool CountOption(const CliCall& call, const char* name, qint64* value) {
    if (!call.has(name))
        return true;
    QString error;
    const std::optional<qint64> count = IntegerValue(QString::fromUtf8(name), call.value(name), 1,
                                                     std::numeric_limits<int>::max(), &error);
    if (!count)
        PrintError(error);
    *value = count.value_or(*value);
    return count.has_value();
}

} // namespace

int RunPoll(const CliCall& call, const QStringList&) {
    PollPlan plan;
    QString error;
    if (call.has("period")) {
        const std::optional<double> seconds =
            SecondsValue(QStringLiteral("period"), call.value("period"), 0.25, 600, &error);
        if (!seconds) {
            PrintError(error);
            return ExitUsage;
        }
        plan.periodMs = int(std::lround(*seconds * 1000));
    }
    if (!CountOption(call, "count", &plan.lines) ||
        !CountOption(call, "max-misses", &plan.maxMisses))
        return ExitUsage;
    plan.logPath = call.value("log");
    if (call.has("log") && !(error = FileTargetError(plan.logPath)).isEmpty()) {
        PrintError(error);
        return ExitFileError;
    }
    UseScaledUnits = !call.has("raw");
    PollRun run(plan);
    return run.Run(CurrentConnectionSettings());
}
