#pragma once

#include "connection_settings.h"
#include "line_settings.h"
#include "network_link.h"
#include "poll_sequencer.h"
#include "traffic_frame.h"

#include <QAbstractSocket>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QString>

class QIODevice;
class QTcpSocket;
class QThread;
class RuleTimer;

// What a text of status-bar panel 0 tells, for those that act on it without reading the text.
enum class PortEvent { Opened, NotOpened, Sent, NotSent, Lost };

// Polls the controller on a thread of its own. It owns the polling port or network connection
// (created and opened on that thread) and drives the block chain of PollSequencer with readyRead
// and two waits that never end early: the reply time-out and the settle wait that lets the whole
// reply arrive. Everything it learns leaves through its signals, which cross to the window's thread
// queued, as copies. Its public functions must run on its own thread; PollController calls them
// there.
class PollWorker : public QObject {
    Q_OBJECT
public:
    static constexpr int ReplyTimeoutMs = 3000;
    // Added to the line time of a longest frame before the reply is read.
    static constexpr int SettleMarginMs = 250;
    // The driver queue the port asks for.
    static constexpr int QueueBytes = 2000;

    explicit PollWorker(QObject* parent = nullptr);

    // Opens the port with the connection dialog's settings, or connects to the network link it
    // names; on failure says why in panel 0.
    bool OpenPollPort(const ConnectionSettings& connection, quint8 address);
    // Stops the timers and closes the port; harmless when nothing is open. The blocks of a cycle
    // cut short are dropped: take them first.
    void ClosePollPort();
    // The blocks judged that the window has not been handed: those of the running cycle, or all of
    // the last finished cycle when the window has received fewer cycles than have finished.
    QList<PolledBlock> TakeUnhandedBlocks(quint64 cyclesReceived);
    // The states of "Читать настройки" and "Читать журнал", read at each decision of a cycle.
    void SetReadOptions(bool readSettings, bool readJournal);
    // Starts a cycle at block 1; does nothing while one runs or when the port is closed.
    void StartPollCycle();

Q_SIGNALS:
    // Status-bar panel 0: the port's state and each transmission, and what the text tells.
    void PortStateText(const QString& text, PortEvent event);
    // One judged reply or one reply time-out.
    void PollReported(const PollReport& report);
    // Status-bar panel 2, after every judged reply.
    void RxTotalChanged(quint32 rxBytesTotal, const QString& text);
    // The end of a cycle: the blocks it stored, in order; answered is false after a time-out.
    void CycleFinished(const QList<PolledBlock>& blocks, bool answered);
    // The port went away while polling (an adapter unplugged): the port is closed already.
    void PortLost();
    // The frames on the line since the last batch, for the traffic monitor: sent at the end of
    // each cycle, or sooner when many have gathered.
    void TrafficRecorded(const QList<TrafficFrame>& frames);
    // The outcome of an opening that nobody waits for.
    void OpenFinished(bool opened);

private:
    bool OpenSerialPort(const ConnectionSettings& connection);
    // A network link: every reply is taken at its announced length and the next request follows
    // at once; the reply time-out is the network time-out.
    bool OpenNetworkLink(const ConnectionSettings& connection);
    void OnSocketError(QAbstractSocket::SocketError error);
    void SendPollRequest(PollRequest request);
    void OnReadyRead();
    void OnSettled();
    // The fast exchange: a reply is taken when its announced length has come, or after the frame
    // silence; the next request follows the frame silence after the reply's last byte.
    void TakeFastBytes();
    void OnFrameSilence();
    void OnRequestGap();
    void JudgeReply(const QByteArray& received);
    void OnReplyTimeout();
    void OnBytesWritten(qint64 bytes);
    void OnPortError(QSerialPort::SerialPortError error);
    void LosePort();
    // Takes whatever has arrived off the port (counted as received) and empties both directions.
    void Purge();
    void FinishCycle(bool answered);
    void Record(TrafficFrame frame);
    void FlushTraffic();

    QIODevice* port_ = nullptr; // the serial port, or the device RTU frames travel over a socket
    QSerialPort* serial_ = nullptr; // the port when it is a serial one
    bool network_ = false;
    int networkTimeoutMs_ = DefaultNetworkTimeoutMs;
    RuleTimer* replyTimer_;
    RuleTimer* settleTimer_;
    RuleTimer* silenceTimer_;
    RuleTimer* gapTimer_;
    bool fast_ = false;
    LineSettings line_;
    QByteArray pending_; // the fast exchange's reply so far
    QElapsedTimer lastByte_;
    std::optional<PollRequest> nextRequest_;
    QByteArray request_; // the request last sent
    QString systemName_;
    NetworkTarget target_;
    QString lostText_; // why the network connection ended
    // Failed reads since the last reply: a few in a row mean the device has gone.
    static constexpr int LostAfterReadFailures = 3;
    int readFailures_ = 0;
    QList<TrafficFrame> traffic_;
    quint8 address_ = 0;
    bool readSettings_ = false;
    bool readJournal_ = false;
    bool replyAwaited_ = false;
    qint64 txPending_ = 0;
    quint32 rxBytesTotal_ = 0;
    PollSequencer sequencer_;
    QList<PolledBlock> blocks_;
    quint64 cyclesFinished_ = 0;
    QList<PolledBlock> lastFinished_;
};

// The window's handle on polling: starts the worker's thread, calls the worker there and relays
// its signals on the window's thread. Signals of a session that was closed are dropped, so
// nothing arrives after ClosePollPort returned.
class PollController : public QObject {
    Q_OBJECT
public:
    // How long ClosePollPort waits for the worker's thread to end.
    static constexpr int StopWaitMs = 5000;

    explicit PollController(QObject* parent = nullptr);
    ~PollController() override;

    // Starts the worker and opens the port, waiting for the outcome; when it fails the port and
    // the thread are gone again and PortStateText has said why. Resets the received-bytes total.
    bool OpenPollPort(const ConnectionSettings& connection, quint8 address);
    // The same without waiting: the worker opens the port or connects on its own thread while
    // this thread goes on, and PortOpened tells the outcome. No cycle starts before it.
    void OpenPollPortAsync(const ConnectionSettings& connection, quint8 address);
    // Stops polling wherever it is: the worker closes the port and its thread ends, waited for
    // at most StopWaitMs. Harmless when nothing is open. Returns the blocks judged that no
    // CycleFinished has handed over (a cycle cut short, or one that ended just before the stop),
    // so that the image is the same however a cycle ends.
    QList<PolledBlock> ClosePollPort();
    bool IsOpen() const { return worker_ != nullptr; }

    // Kept across sessions; passed to the worker at once and at every opening.
    void SetReadOptions(bool readSettings, bool readJournal);
    // The polling tick's start of a cycle: false (and nothing sent) while a cycle still runs or
    // when polling is not open.
    bool StartPollCycle();
    // True when no cycle is running.
    bool PollIdle() const { return idle_; }
    // True when the last cycle ended in a reply time-out.
    bool LastPollNoAnswer() const { return lastPollNoAnswer_; }

Q_SIGNALS:
    void PortStateText(const QString& text, PortEvent event);
    void PollReported(const PollReport& report);
    void RxTotalChanged(quint32 rxBytesTotal, const QString& text);
    void CycleFinished(const QList<PolledBlock>& blocks, bool answered);
    void TrafficRecorded(const QList<TrafficFrame>& frames);
    // Polling has ended by itself: the port is closed and the worker's thread is gone.
    void PortLost();
    // The outcome of OpenPollPortAsync; after a failure the thread is gone again and
    // PortStateText has said why.
    void PortOpened(bool opened);

private:
    // Starts the worker's thread with the signals of a new session relayed.
    void StartWorker();
    template <typename... Args>
    void Relay(void (PollWorker::*signal)(Args...), void (PollController::*relayed)(Args...));
    // Has the worker close the port and ends its thread, waiting at most StopWaitMs; the blocks
    // the window was not handed.
    QList<PolledBlock> EndWorker();

    QThread* thread_ = nullptr;
    PollWorker* worker_ = nullptr;
    quint64 session_ = 0;
    quint64 cyclesReceived_ = 0; // CycleFinished relayed in this session
    bool idle_ = true;
    bool opening_ = false;
    bool lastPollNoAnswer_ = false;
    bool readSettings_ = false;
    bool readJournal_ = false;
};
