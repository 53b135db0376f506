#include "sync_exchange.h"

#include "connection_settings.h"
#include "line_settings.h"
#include "prompts.h"
#include "serial_port.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>

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
};

// Up to about 1 s for the first byte, then the settle wait.
constexpr WaitRule ShortWait{10, 10, false, true};
// Up to about 50 s for the first byte; the slow command's reply is short and read as it is.
constexpr WaitRule LongWait{0, 500, true, false};

bool busy = false;

class BusyScope {
public:
    BusyScope() { busy = true; }
    ~BusyScope() { busy = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
};

quint16 Exchange(quint16 length, const WaitRule& rule) {
    if (RefusedWhileBusy())
        return 0;
    const BusyScope busyScope;
    const ConnectionSettings settings = CurrentConnectionSettings();
    const LineSettings line = LineSettingsFor(settings.baudIndex, settings.formatIndex);
    SyncRxCount = 0;
    SyncRxFrame.fill(0);

    SerialPort& port = SyncSerialPort();
    if (!port.Open(PortSystemName(settings.portName), line))
        return 0;
    port.PurgeRx();
    port.Write(SyncTxFrame.data(), std::min<quint16>(length, SyncTxFrameBytes));
    QThread::msleep(rule.pauseAfterWriteMs);
    for (int round = 0; round < FirstByteRounds && port.BytesWaiting() == 0; ++round) {
        if (rule.processEvents)
            QCoreApplication::processEvents();
        QThread::msleep(rule.roundMs);
    }
    if (rule.settle && port.BytesWaiting() != 0)
        QThread::msleep(SettleWaitMs(line.bitTimeMs));
    // Bytes beyond the longest reply are dropped with the purge below.
    SyncRxCount = std::min<quint16>(port.BytesWaiting(), SyncRxFrameBytes);
    port.Read(SyncRxFrame.data(), SyncRxCount);
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

bool SyncExchangeBusy() {
    return busy;
}

bool RefusedWhileBusy() {
    if (!busy)
        return false;
    CurrentPrompts().Message(
        QStringLiteral("Идёт другой обмен с контроллером, повторите команду после него"),
        QStringLiteral("Error"));
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
