#include "poll_worker.h"

#include "fast_exchange.h"
#include "line_settings.h"
#include "modbus_tcp_device.h"
#include "network_link.h"
#include "port_list.h"
#include "rule_timer.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTcpSocket>
#include <QThread>

#include <algorithm>
#include <memory>
#include <utility>

PollWorker::PollWorker(QObject* parent)
    : QObject(parent), replyTimer_(new RuleTimer(this)), settleTimer_(new RuleTimer(this)),
      silenceTimer_(new RuleTimer(this)), gapTimer_(new RuleTimer(this)) {
    replyTimer_->setInterval(ReplyTimeoutMs);
    connect(replyTimer_, &RuleTimer::timeout, this, &PollWorker::OnReplyTimeout);
    connect(settleTimer_, &RuleTimer::timeout, this, &PollWorker::OnSettled);
    connect(silenceTimer_, &RuleTimer::timeout, this, &PollWorker::OnFrameSilence);
    connect(gapTimer_, &RuleTimer::timeout, this, &PollWorker::OnRequestGap);
}

bool PollWorker::OpenPollPort(const ConnectionSettings& connection, quint8 address) {
    ClosePollPort();
    const LineSettings line = LineSettingsFor(connection.baudIndex, connection.formatIndex);
    address_ = address;
    fast_ = connection.fastExchange;
    line_ = line;
    replyTimer_->setInterval(ReplyTimeoutMs);
    settleTimer_->setInterval(line.settleDelayMs + SettleMarginMs);
    silenceTimer_->setInterval(ReplySilenceMs(line));
    readFailures_ = 0;
    network_ = LinkKindOf(connection.portName) != LinkKind::Serial;
    if (!(network_ ? OpenNetworkLink(connection) : OpenSerialPort(connection)))
        return false;
    connect(port_, &QIODevice::readyRead, this, &PollWorker::OnReadyRead);
    connect(port_, &QIODevice::bytesWritten, this, &PollWorker::OnBytesWritten);
    rxBytesTotal_ = 0;
    return true;
}

bool PollWorker::OpenSerialPort(const ConnectionSettings& connection) {
    serial_ = new QSerialPort(this);
    port_ = serial_;
    systemName_ = PortSystemName(connection.portName);
    serial_->setPortName(systemName_);
    if (!serial_->open(QIODevice::ReadWrite)) {
        const QString text = PortOpenFailureText(serial_->error(), systemName_);
        ClosePollPort();
        Q_EMIT PortStateText(text, PortEvent::NotOpened);
        return false;
    }
    const bool configured =
        serial_->setBaudRate(line_.baudRate) && serial_->setDataBits(line_.dataBits) &&
        serial_->setParity(line_.parity) && serial_->setStopBits(line_.stopBits) &&
        serial_->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        ClosePollPort();
        Q_EMIT PortStateText(tr("Не удалось установить DCB"), PortEvent::NotOpened);
        return false;
    }
    // DTR and RTS held low. Pseudo-terminals and many adapters have no modem lines, so a refusal
    // here is no reason to give up the port.
    serial_->setDataTerminalReady(false);
    serial_->setRequestToSend(false);
    serial_->clearError();
    serial_->setReadBufferSize(QueueBytes);
    connect(serial_, &QSerialPort::errorOccurred, this, &PollWorker::OnPortError);
    Q_EMIT PortStateText(tr("Порт открыт успешно."), PortEvent::Opened);
    serial_->clear(QSerialPort::Input);
    return true;
}

bool PollWorker::OpenNetworkLink(const ConnectionSettings& connection) {
    QString failure;
    const std::optional<NetworkTarget> target = ParseNetworkTarget(connection.portName, &failure);
    auto* socket = new QTcpSocket(this);
    if (target)
        failure = ConnectSocket(*socket, *target, connection.networkTimeoutMs);
    if (!failure.isEmpty()) {
        delete socket;
        Q_EMIT PortStateText(failure, PortEvent::NotOpened);
        return false;
    }
    target_ = *target;
    networkTimeoutMs_ = connection.networkTimeoutMs;
    fast_ = true;
    silenceTimer_->setInterval(networkTimeoutMs_);
    port_ = RtuDevice(target->kind, socket);
    port_->setParent(this);
    if (auto* modbusTcp = qobject_cast<ModbusTcpDevice*>(port_))
        connect(modbusTcp, &ModbusTcpDevice::StrayFrame, this, [this](const QByteArray& frame) {
            const TrafficFrame stray = StrayTrafficFrame(TrafficSource::Polling, frame);
            rxBytesTotal_ += quint32(stray.bytes.size());
            Record(stray);
        });
    connect(socket, &QAbstractSocket::errorOccurred, this, &PollWorker::OnSocketError);
    Q_EMIT PortStateText(tr("Соединение с %1 установлено").arg(TargetText(target_)),
                         PortEvent::Opened);
    return true;
}

void PollWorker::ClosePollPort() {
    replyTimer_->stop();
    settleTimer_->stop();
    silenceTimer_->stop();
    gapTimer_->stop();
    pending_.clear();
    nextRequest_.reset();
    replyAwaited_ = false;
    txPending_ = 0;
    sequencer_ = PollSequencer();
    blocks_.clear();
    lastFinished_.clear();
    if (!port_)
        return;
    // The port may be the sender of the signal being handled: it goes when control returns.
    for (QObject* sender : port_->findChildren<QObject*>())
        sender->disconnect(this);
    port_->disconnect(this);
    port_->close();
    port_->deleteLater();
    port_ = nullptr;
    serial_ = nullptr;
}

QList<PolledBlock> PollWorker::TakeUnhandedBlocks(quint64 cyclesReceived) {
    if (cyclesFinished_ > cyclesReceived)
        return lastFinished_;
    return std::exchange(blocks_, {});
}

void PollWorker::SetReadOptions(bool readSettings, bool readJournal) {
    readSettings_ = readSettings;
    readJournal_ = readJournal;
}

void PollWorker::StartPollCycle() {
    if (!port_)
        return;
    if (const std::optional<PollRequest> first = sequencer_.StartCycle()) {
        blocks_.clear();
        SendPollRequest(*first);
    }
}

void PollWorker::SendPollRequest(PollRequest request) {
    replyAwaited_ = true;
    // Nothing that came before this request can be its reply.
    Purge();
    pending_.clear();
    const QByteArray frame = BuildReadRequest(address_, request.firstRegister, request.count);
    request_ = frame;
    if (network_)
        replyTimer_->setInterval(networkTimeoutMs_);
    else if (fast_)
        replyTimer_->setInterval(FastReplyTimeoutMs(line_, int(frame.size()),
                                                    ExpectedReplyLengthFor(frame), ReplyTimeoutMs));
    txPending_ = frame.size();
    if (port_->write(frame) != frame.size()) {
        txPending_ = 0;
        Q_EMIT PortStateText(tr("Ошибка передачи"), PortEvent::NotSent);
    }
    TrafficFrame sent = SentFrame(TrafficSource::Polling, frame);
    sent.header = LastMbapHeader(port_, false);
    Record(std::move(sent));
    // A failed transmission runs into the time-out like a request nobody answered.
    replyTimer_->start();
}

void PollWorker::OnReadyRead() {
    if (!replyAwaited_) {
        // Nothing was asked for: the bytes are counted, shown and dropped at once.
        Purge();
        return;
    }
    if (fast_) {
        TakeFastBytes();
    } else if (!settleTimer_->isActive()) {
        replyTimer_->stop();
        settleTimer_->start();
    }
}

void PollWorker::OnSettled() {
    const QByteArray received = port_->readAll();
    if (received.isEmpty()) {
        replyTimer_->start();
        return;
    }
    JudgeReply(received);
}

void PollWorker::TakeFastBytes() {
    pending_ += port_->readAll();
    lastByte_.start();
    replyTimer_->stop();
    const std::optional<int> length = ExpectedReplyLength(pending_);
    if ((length && pending_.size() >= *length) || pending_.size() >= MaxFrameBytes) {
        silenceTimer_->stop();
        JudgeReply(std::exchange(pending_, {}));
    } else {
        silenceTimer_->start();
    }
}

void PollWorker::OnFrameSilence() {
    if (!replyAwaited_ || pending_.isEmpty())
        return;
    // The timer can win the race against the port's notice of bytes already there: those bytes
    // are no silence. Looking at the port takes them (through OnReadyRead) and waits anew.
    if (port_->waitForReadyRead(0))
        return;
    JudgeReply(std::exchange(pending_, {}));
}

void PollWorker::OnRequestGap() {
    if (nextRequest_)
        SendPollRequest(*std::exchange(nextRequest_, std::nullopt));
}

void PollWorker::JudgeReply(const QByteArray& received) {
    replyAwaited_ = false;
    readFailures_ = 0;
    TrafficFrame reply = ReceivedFrame(TrafficSource::Polling, request_, received);
    reply.header = LastMbapHeader(port_, true);
    Record(std::move(reply));
    rxBytesTotal_ += quint32(received.size());
    const PollBlock& block = sequencer_.Current();
    ParsedPollReply parsed = ParsePollReply(received, block.request, QDateTime::currentDateTime());
    if (!parsed.words.isEmpty())
        blocks_.append({block.area, block.index, std::move(parsed.words)});
    Q_EMIT PollReported(parsed.report);
    Q_EMIT RxTotalChanged(rxBytesTotal_, RxTotalText(rxBytesTotal_));
    const std::optional<PollRequest> next = sequencer_.ReplyJudged(readSettings_, readJournal_);
    if (!next) {
        FinishCycle(true);
    } else if (!fast_ || network_) {
        SendPollRequest(*next);
    } else {
        // The line must stay silent for a frame's gap after the reply's last byte.
        nextRequest_ = next;
        const qint64 leftUs = FrameSilenceUs(line_) - lastByte_.nsecsElapsed() / 1000;
        gapTimer_->setInterval(int(std::max<qint64>(leftUs + 999, 0) / 1000));
        gapTimer_->start();
    }
}

void PollWorker::OnReplyTimeout() {
    replyAwaited_ = false;
    Purge();
    Record(ReceivedFrame(TrafficSource::Polling, request_, {}));
    Q_EMIT PollReported(NoAnswerReport(sequencer_.Current().request, QDateTime::currentDateTime()));
    sequencer_.TimedOut();
    FinishCycle(false);
}

void PollWorker::OnBytesWritten(qint64 bytes) {
    if (txPending_ <= 0)
        return;
    txPending_ -= bytes;
    if (txPending_ <= 0)
        Q_EMIT PortStateText(tr("Передача прошла успешно"), PortEvent::Sent);
}

void PollWorker::OnPortError(QSerialPort::SerialPortError error) {
    // A vanished device shows as a resource error, or as reads that fail again and again (a
    // terminal that was hung up). One failed read alone can be a race: the input was purged
    // after the port had said it was readable. Either is raised from inside any port call (a
    // purge, a write): the port goes once that call and its caller have returned.
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError) {
        if (++readFailures_ >= LostAfterReadFailures || !QFileInfo::exists(systemName_))
            QMetaObject::invokeMethod(this, &PollWorker::LosePort, Qt::QueuedConnection);
    } else if (error == QSerialPort::WriteError && txPending_ > 0) {
        txPending_ = 0;
        Q_EMIT PortStateText(tr("Ошибка передачи"), PortEvent::NotSent);
    }
}

void PollWorker::OnSocketError(QAbstractSocket::SocketError error) {
    if (error == QAbstractSocket::SocketTimeoutError)
        return;
    lostText_ = ConnectionFailureText(error, target_, networkTimeoutMs_);
    QMetaObject::invokeMethod(this, &PollWorker::LosePort, Qt::QueuedConnection);
}

void PollWorker::LosePort() {
    if (!port_)
        return;
    // A cycle cut short ends unanswered, handing over what it has judged.
    if (!sequencer_.PollIdle()) {
        sequencer_.TimedOut();
        FinishCycle(false);
    }
    ClosePollPort();
    Q_EMIT PortStateText(network_ ? lostText_ + tr(", опрос остановлен")
                                  : tr("Порт отключен, опрос остановлен"),
                         PortEvent::Lost);
    Q_EMIT PortLost();
}

void PollWorker::Purge() {
    if (auto* modbusTcp = qobject_cast<ModbusTcpDevice*>(port_))
        modbusTcp->Clear();
    const QByteArray stray = port_->readAll();
    rxBytesTotal_ += quint32(stray.size());
    // Bytes no request asked for (a late reply, noise) are shown, judged without a request.
    if (!stray.isEmpty())
        Record(ReceivedFrame(TrafficSource::Polling, {}, stray));
    if (serial_)
        serial_->clear(QSerialPort::AllDirections);
}

void PollWorker::Record(TrafficFrame frame) {
    // A batch is small enough to cost the window nothing, large enough to cost polling nothing.
    constexpr qsizetype BatchFrames = 64;
    traffic_.append(std::move(frame));
    if (traffic_.size() >= BatchFrames)
        FlushTraffic();
}

void PollWorker::FlushTraffic() {
    if (!traffic_.isEmpty())
        Q_EMIT TrafficRecorded(std::exchange(traffic_, {}));
}

void PollWorker::FinishCycle(bool answered) {
    FlushTraffic();
    ++cyclesFinished_;
    lastFinished_ = std::exchange(blocks_, {});
    Q_EMIT CycleFinished(lastFinished_, answered);
}

PollController::PollController(QObject* parent) : QObject(parent) {
    // Connected first, so the flags are current when the window's slots run.
    connect(this, &PollController::CycleFinished, this,
            [this](const QList<PolledBlock>&, bool answered) {
                ++cyclesReceived_;
                idle_ = true;
                lastPollNoAnswer_ = !answered;
            });
    // The worker has closed the port already; its thread goes too, so nothing is left running.
    connect(this, &PollController::PortLost, this, [this] {
        if (worker_)
            EndWorker();
    });
}

PollController::~PollController() {
    ClosePollPort();
}

template <typename... Args>
void PollController::Relay(void (PollWorker::*signal)(Args...),
                           void (PollController::*relayed)(Args...)) {
    connect(worker_, signal, this, [this, relayed, session = session_](Args... args) {
        if (session == session_)
            Q_EMIT(this->*relayed)(args...);
    });
}

void PollController::StartWorker() {
    ClosePollPort();
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("velmora-polling"));
    worker_ = new PollWorker;
    worker_->moveToThread(thread_);
    connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    Relay(&PollWorker::PortStateText, &PollController::PortStateText);
    Relay(&PollWorker::PollReported, &PollController::PollReported);
    Relay(&PollWorker::RxTotalChanged, &PollController::RxTotalChanged);
    Relay(&PollWorker::CycleFinished, &PollController::CycleFinished);
    Relay(&PollWorker::PortLost, &PollController::PortLost);
    Relay(&PollWorker::TrafficRecorded, &PollController::TrafficRecorded);
    thread_->start();

    idle_ = true;
    lastPollNoAnswer_ = false;
    cyclesReceived_ = 0;
    PollWorker* worker = worker_;
    QMetaObject::invokeMethod(
        worker,
        [worker, readSettings = readSettings_, readJournal = readJournal_] {
            worker->SetReadOptions(readSettings, readJournal);
        },
        Qt::QueuedConnection);
}

bool PollController::OpenPollPort(const ConnectionSettings& connection, quint8 address) {
    StartWorker();
    bool opened = false;
    PollWorker* worker = worker_;
    QMetaObject::invokeMethod(
        worker, [=] { return worker->OpenPollPort(connection, address); },
        Qt::BlockingQueuedConnection, &opened);
    // The failure text of this session still reaches the window.
    if (!opened)
        EndWorker();
    return opened;
}

void PollController::OpenPollPortAsync(const ConnectionSettings& connection, quint8 address) {
    StartWorker();
    opening_ = true;
    connect(worker_, &PollWorker::OpenFinished, this, [this, session = session_](bool opened) {
        if (session != session_)
            return;
        opening_ = false;
        if (!opened)
            EndWorker();
        Q_EMIT PortOpened(opened);
    });
    PollWorker* worker = worker_;
    QMetaObject::invokeMethod(
        worker, [=] { Q_EMIT worker->OpenFinished(worker->OpenPollPort(connection, address)); },
        Qt::QueuedConnection);
}

QList<PolledBlock> PollController::ClosePollPort() {
    ++session_;
    return worker_ ? EndWorker() : QList<PolledBlock>();
}

QList<PolledBlock> PollController::EndWorker() {
    PollWorker* worker = worker_;
    // Written on the worker's thread before it ends, read here only once it has ended.
    auto unhanded = std::make_shared<QList<PolledBlock>>();
    QMetaObject::invokeMethod(
        worker,
        [worker, unhanded, received = cyclesReceived_] {
            *unhanded = worker->TakeUnhandedBlocks(received);
            worker->ClosePollPort();
            worker->thread()->quit();
        },
        Qt::QueuedConnection);
    // A thread that outlives the wait deletes itself when it ends at last.
    connect(thread_, &QThread::finished, thread_, &QObject::deleteLater);
    QList<PolledBlock> blocks;
    if (thread_->wait(StopWaitMs)) {
        delete thread_;
        blocks = std::move(*unhanded);
    }
    thread_ = nullptr;
    worker_ = nullptr;
    idle_ = true;
    opening_ = false;
    return blocks;
}

void PollController::SetReadOptions(bool readSettings, bool readJournal) {
    readSettings_ = readSettings;
    readJournal_ = readJournal;
    if (PollWorker* worker = worker_)
        QMetaObject::invokeMethod(
            worker, [=] { worker->SetReadOptions(readSettings, readJournal); },
            Qt::QueuedConnection);
}

bool PollController::StartPollCycle() {
    if (!worker_ || !idle_ || opening_)
        return false;
    idle_ = false;
    PollWorker* worker = worker_;
    QMetaObject::invokeMethod(
        worker, [worker] { worker->StartPollCycle(); }, Qt::QueuedConnection);
    return true;
}
