#include "polled_controller.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>

namespace {

// The states in the program's words, translated when a state is taken.
const char* const UpText = QT_TRANSLATE_NOOP("Serve", "Связь есть");
const char* const NeverAnsweredText = QT_TRANSLATE_NOOP("Serve", "Ответа ещё не было");
const char* const NoAnswerText = QT_TRANSLATE_NOOP("Serve", "Нет ответа");
const char* const StaleText =
    QT_TRANSLATE_NOOP("Serve", "Данные устарели: ответа нет дольше трёх циклов опроса");

QString StateText(const char* text) {
    return QCoreApplication::translate("Serve", text);
}

// The histogram bucket of a cycle that took this long: the first bound it does not exceed.
std::size_t DurationBucket(double seconds) {
    const auto bound =
        std::lower_bound(CycleDurationBounds.begin(), CycleDurationBounds.end(), seconds);
    return std::size_t(bound - CycleDurationBounds.begin());
}

} // namespace

PolledController::PolledController(const ControllerSpec& spec, QObject* parent) : QObject(parent) {
    snapshot_.spec = spec;
    snapshot_.linkText = StateText(NeverAnsweredText);
    if (!spec.logPath.isEmpty())
        log_.emplace(spec.logPath);
    tick_.setInterval(spec.periodMs);
    retry_.setSingleShot(true);
    connect(&tick_, &QTimer::timeout, this, &PolledController::Tick);
    connect(&retry_, &QTimer::timeout, this, &PolledController::Open);
    connect(&polling_, &PollController::PortStateText, this,
            [this](const QString& text) { portText_ = text; });
    connect(&polling_, &PollController::PortOpened, this, &PolledController::Opened);
    connect(&polling_, &PollController::CycleFinished, this, &PolledController::CycleEnded);
    connect(&polling_, &PollController::PollReported, this, &PolledController::Reported);
    connect(&polling_, &PollController::PortLost, this, &PolledController::PortFailed);
    polling_.SetReadOptions(false, spec.readJournal);
}

void PolledController::Start() {
    Q_EMIT LinkChanged(snapshot_);
    Open();
}

void PolledController::Open() {
    const ConnectionSettings& connection = snapshot_.spec.connection;
    polling_.OpenPollPortAsync(connection, quint8(connection.addressText.toInt()));
}

void PolledController::Opened(bool opened) {
    if (!opened)
        return PortFailed();
    retryMs_ = FirstRetryMs;
    tick_.start();
    Tick();
}

void PolledController::Tick() {
    CheckStale();
    if (polling_.StartPollCycle())
        cycleClock_.start();
}

void PolledController::CycleEnded(const QList<PolledBlock>& blocks, bool answered) {
    StorePolledBlocks(blocks, snapshot_.image);
    const double seconds = double(cycleClock_.nsecsElapsed()) / 1e9;
    snapshot_.lastCycleMs = cycleClock_.elapsed();
    ++snapshot_.cycles;
    ++snapshot_.durationBuckets[DurationBucket(seconds)];
    snapshot_.durationSumSeconds += seconds;
    if (answered) {
        const QDateTime now = QDateTime::currentDateTime();
        ++snapshot_.answeredCycles;
        snapshot_.lastGoodCycleMs = now.toMSecsSinceEpoch();
        SetLink(LinkState::Up, StateText(UpText));
        if (log_)
            Tell(log_->AppendCycle(snapshot_.image.StatusBlock, now));
    } else if (snapshot_.lastGoodCycleMs > 0 &&
               !SnapshotCurrent(snapshot_, QDateTime::currentMSecsSinceEpoch())) {
        SetLink(LinkState::Stale, StateText(StaleText));
    } else {
        SetLink(LinkState::NoAnswer, StateText(NoAnswerText));
    }
    Q_EMIT Cycled(snapshot_);
}

void PolledController::Reported(const PollReport& report) {
    switch (report.verdict) {
    case PollVerdict::Stored:
        break;
    case PollVerdict::Exception:
        ++snapshot_.exceptions;
        break;
    case PollVerdict::TooLong:
    case PollVerdict::WrongLength:
        ++snapshot_.badReplies;
        break;
    case PollVerdict::CrcError:
        ++snapshot_.crcErrors;
        break;
    case PollVerdict::NoAnswer:
        ++snapshot_.timeouts;
        break;
    }
    if (log_ && !report.logText.isEmpty())
        Tell(log_->AppendLinkEvent(report.when, report.logText));
}

void PolledController::PortFailed() {
    tick_.stop();
    QString why = portText_;
    if (why.endsWith(QLatin1Char('.')))
        why.chop(1);
    SetLink(LinkState::PortError,
            QCoreApplication::translate("Serve", "%1, повтор через %2 с").arg(why).arg(retryMs_ / 1000));
    retry_.start(retryMs_);
    retryMs_ = std::min(retryMs_ * 2, LastRetryMs);
}

void PolledController::CheckStale() {
    const bool waiting = snapshot_.link == LinkState::Up || snapshot_.link == LinkState::NoAnswer;
    if (waiting && snapshot_.lastGoodCycleMs > 0 &&
        !SnapshotCurrent(snapshot_, QDateTime::currentMSecsSinceEpoch()))
        SetLink(LinkState::Stale, StateText(StaleText));
}

void PolledController::SetLink(LinkState state, const QString& text) {
    if (state == snapshot_.link && text == snapshot_.linkText)
        return;
    snapshot_.link = state;
    snapshot_.linkText = text;
    Q_EMIT LinkChanged(snapshot_);
}

void PolledController::Tell(const std::optional<QString>& notice) {
    if (notice)
        Q_EMIT LogNotice(*notice);
}
