#include "sync_exchange.h"

#include "connection_settings.h"
#include "fast_exchange.h"
#include "line_settings.h"
#include "network_link.h"
#include "prompts.h"
#include "serial_port.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <atomic>

std::array<quint8, SyncTxFrameBytes> SyncTxFrame{};
std::array<quint8, SyncRxFrameBytes> SyncRxFrame{};
quint16 SyncRxCount = 0;

namespace {

// The reply must begin within this many rounds of waiting.
constexpr int FirstByteRounds = 100;

struct WaitRule {
    int pauseAfterWriteMs; // before the first look for a reply
    int roundMs;           // one round of the first-byte wait
    bool processEvents;    // keep the window alive in each round
    bool settle;           // wait for the longest reply to finish once it has begun
    bool send = true;      // false: the request went out with the last exchange
};

// Up to about 1 s for the first byte, then the settle wait.
constexpr WaitRule ShortWait{10, 10, false, true};
// Up to about 50 s for the first byte; the slow command's short reply is read once complete.
constexpr WaitRule LongWait{0, 500, true, false};
// The short wait once more, for a reply still on its way, without sending anything.
constexpr WaitRule LateWait{10, 10, false, true, false};

// Waits for the reply that has begun to be complete: the length its first bytes announce has
// come, or no byte has come for silenceMs. Returns the bytes that make the reply: what follows
// its announced length belongs to no reply.
quint16 AwaitWholeReply(Link& port, int silenceMs) {
    while (port.BytesWaiting() != 0) {
        const std::optional<int> length = ExpectedReplyLength(port.Peek());
        if (length && port.BytesWaiting() >= *length)
            return quint16(*length);
        if (port.BytesWaiting() >= SyncRxFrameBytes || !port.WaitForBytes(silenceMs))
            break;
    }
    return port.BytesWaiting();
}

// The rules' wait: a pause, rounds of looking for the first byte, then the settle wait. The long
// wait looks only every half second, so its reply may be caught half-way: it is read when its
// length has come or after the settle wait past its last byte. Returns the bytes to read.
quint16 WaitByRules(SerialPort& port, const LineSettings& line, const WaitRule& rule) {
    QThread::msleep(rule.pauseAfterWriteMs);
    for (int round = 0; round < FirstByteRounds && port.BytesWaiting() == 0; ++round) {
        if (rule.processEvents)
            QCoreApplication::processEvents();
        QThread::msleep(rule.roundMs);
    }
    if (port.BytesWaiting() == 0)
        return 0;
    if (rule.settle)
        QThread::msleep(SettleWaitMs(line.bitTimeMs));
    else
        AwaitWholeReply(port, SettleWaitMs(line.bitTimeMs));
    return port.BytesWaiting();
}

// Taken by the exchange of whichever thread runs one; an update off the window thread runs its
// exchanges while the window may try one of its own.
std::atomic<bool> busy = false;
std::function<void(const TrafficFrame&)> trafficSink;
// Each thread names the source of its own exchanges.
thread_local TrafficSource trafficSource = TrafficSource::Command;

void Show(const TrafficFrame& frame) {
    if (trafficSink)
        trafficSink(frame);
}

int RulesLimitMs(const WaitRule& rule) {
    return rule.pauseAfterWriteMs + FirstByteRounds * rule.roundMs;
}

// The fast wait: the first byte within firstByteMs (the long wait keeping the window alive), then
// the reply until its announced length or silenceMs of silence.
quint16 WaitFast(Link& port, const WaitRule& rule, int firstByteMs, int silenceMs) {
    constexpr int PumpMs = 10;
    const QDeadlineTimer deadline(firstByteMs, Qt::PreciseTimer);
    while (port.BytesWaiting() == 0 && !deadline.hasExpired()) {
        if (rule.processEvents)
            QCoreApplication::processEvents();
        const int left = int(deadline.remainingTime());
        port.WaitForBytes(rule.processEvents ? std::min(PumpMs, left) : left);
    }
    return AwaitWholeReply(port, silenceMs);
}

// The fast exchange's first-byte wait on the serial line: the line's time-out, but the long wait
// and a flash write keep the fixed one.
int SerialFirstByteMs(const LineSettings& line, const WaitRule& rule, QByteArrayView request) {
    if (rule.processEvents || AnsweredAfterFlashWrite(request))
        return RulesLimitMs(rule);
    return FastReplyTimeoutMs(line, int(request.size()), ExpectedReplyLengthFor(request),
                              RulesLimitMs(rule));
}

// On a network link: the network time-out, but the long wait keeps its own and a flash write
// gets at least the serial line's fixed wait.
int NetworkFirstByteMs(int timeoutMs, const WaitRule& rule, QByteArrayView request) {
    if (rule.processEvents)
        return RulesLimitMs(rule);
    return AnsweredAfterFlashWrite(request) ? std::max(timeoutMs, RulesLimitMs(rule)) : timeoutMs;
}

NetworkLink& SyncNetworkLink() {
    static NetworkLink link;
    return link;
}

// Opens the link the settings name; nothing when it did not open, the operator told why.
Link* OpenLink(const ConnectionSettings& settings, const LineSettings& line) {
    if (LinkKindOf(settings.portName) == LinkKind::Serial) {
        SerialPort& port = SyncSerialPort();
        return port.Open(PortSystemName(settings.portName), line) ? &port : nullptr;
    }
    QString error;
    const std::optional<NetworkTarget> target = ParseNetworkTarget(settings.portName, &error);
    if (!target) {
        CurrentPrompts().Message(error, QStringLiteral("Error"));
        return nullptr;
    }
    NetworkLink& link = SyncNetworkLink();
    link.SetStraySink(
        [](const QByteArray& frame) { Show(StrayTrafficFrame(trafficSource, frame)); });
    return link.Open(*target, settings.networkTimeoutMs).isEmpty() ? &link : nullptr;
}

void ReportBusy() {
    CurrentPrompts().Message(
        QCoreApplication::translate(
            "SyncExchange", "Идёт другой обмен с контроллером, повторите команду после него"),
        QStringLiteral("Error"));
}

// Takes the exchange for its length unless another thread holds it.
class BusyScope {
public:
    BusyScope() : taken_(!busy.exchange(true)) {}
    ~BusyScope() {
        if (taken_)
            busy = false;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    bool Taken() const { return taken_; }

private:
    bool taken_;
};

quint16 Exchange(quint16 length, const WaitRule& rule) {
    const BusyScope busyScope;
    if (!busyScope.Taken()) {
        ReportBusy();
        return 0;
    }
    const ConnectionSettings settings = CurrentConnectionSettings();
    const LineSettings line = LineSettingsFor(settings.baudIndex, settings.formatIndex);
    SyncRxCount = 0;
    SyncRxFrame.fill(0);

    Link* link = OpenLink(settings, line);
    if (!link)
        return 0;
    Link& port = *link;
    port.PurgeRx();
    const quint16 sent = std::min<quint16>(length, SyncTxFrameBytes);
    const QByteArrayView request(SyncTxFrame.data(), sent);
    if (rule.send) {
        port.Write(SyncTxFrame.data(), sent);
        TrafficFrame shown = SentFrame(trafficSource, request);
        shown.header = port.RequestHeader();
        Show(shown);
    }
    quint16 reply = 0;
    if (link != &SyncSerialPort()) {
        reply = WaitFast(port, rule, NetworkFirstByteMs(settings.networkTimeoutMs, rule, request),
                         settings.networkTimeoutMs);
    } else if (settings.fastExchange) {
        reply = WaitFast(port, rule, SerialFirstByteMs(line, rule, request), ReplySilenceMs(line));
    } else {
        reply = WaitByRules(SyncSerialPort(), line, rule);
    }
    // Bytes beyond the longest reply are dropped with the purge below.
    SyncRxCount = std::min<quint16>(reply, SyncRxFrameBytes);
    port.Read(SyncRxFrame.data(), SyncRxCount);
    TrafficFrame shown = ReceivedFrame(trafficSource, request, SyncReply());
    shown.header = port.ReplyHeader();
    Show(shown);
    port.PurgeRx();
    port.PurgeTx();
    port.Close();
    return SyncRxCount;
}

} // namespace

quint16 ExchangeSync(quint16 length) {
    return Exchange(length, ShortWait);
}

quint16 ExchangeSyncLongWait(quint16 length) {
    return Exchange(length, LongWait);
}

quint16 AwaitSyncReply(quint16 length) {
    return Exchange(length, LateWait);
}

bool SyncExchangeBusy() {
    return busy;
}

bool RefusedWhileBusy() {
    if (!busy)
        return false;
    ReportBusy();
    return true;
}

quint16 LoadSyncTxFrame(QByteArrayView frame) {
    if (frame.size() > SyncTxFrameBytes)
        return 0;
    std::copy(frame.begin(), frame.end(), SyncTxFrame.begin());
    return quint16(frame.size());
}

QByteArrayView SyncReply() {
    return QByteArrayView(SyncRxFrame.data(), SyncRxCount);
}

int SettleWaitMs(float bitTimeMs) {
    // Single precision throughout, truncated: 0.1042 ms gives 276 ms, not 277.
    const float waitMs = bitTimeMs * 2560.0f + 10.0f;
    return int(waitMs);
}

void SetSyncTrafficSink(std::function<void(const TrafficFrame&)> sink) {
    trafficSink = std::move(sink);
}

SyncTrafficSource::SyncTrafficSource(TrafficSource source) : previous_(trafficSource) {
    trafficSource = source;
}

SyncTrafficSource::~SyncTrafficSource() {
    trafficSource = previous_;
}
