#pragma once

#include "traffic_frame.h"

#include <QByteArrayView>
#include <QtGlobal>

#include <array>
#include <functional>

// One request and its reply with blocking calls, for commands started by hand: on the
// user-interface thread for a single command, on a thread of its own for the bootloader's. The
// caller fills SyncTxFrame, calls ExchangeSync or ExchangeSyncLongWait, then judges SyncRxFrame.

// Room for the longest request, the 249-byte firmware packet, with a margin its builder clears.
inline constexpr int SyncTxFrameBytes = 260;
// The longest reply: a 125-register read.
inline constexpr int SyncRxFrameBytes = 255;

extern std::array<quint8, SyncTxFrameBytes> SyncTxFrame;
// The last reply; zero-filled before each exchange, so the bytes after a short reply read as 0.
extern std::array<quint8, SyncRxFrameBytes> SyncRxFrame;
// Bytes of the last reply in SyncRxFrame; 0 when nothing came or the port did not open.
extern quint16 SyncRxCount;

// Opens the port chosen in the connection dialog, sends the first `length` bytes of SyncTxFrame,
// waits up to about a second for the reply to begin and then for the longest reply to finish,
// reads it into SyncRxFrame and closes the port. Returns SyncRxCount.
quint16 ExchangeSync(quint16 length);
// The same for requests the controller answers only after seconds: waits up to about 50 s for
// the reply to begin, letting the window process its events every half second.
quint16 ExchangeSyncLongWait(quint16 length);
// Waits as ExchangeSync does for a reply to the first `length` bytes of SyncTxFrame without
// sending them again: for a reply still on its way when the last exchange stopped waiting.
quint16 AwaitSyncReply(quint16 length);

// True while an exchange runs; a second exchange started meanwhile (from the events the long
// wait processes, or on another thread) is refused with a message and leaves the buffers alone.
bool SyncExchangeBusy();
// Shows the refusal and returns true while an exchange runs. A caller that builds its request in
// SyncTxFrame asks this first, so that a refused exchange leaves the frame still in the buffer.
bool RefusedWhileBusy();

// Copies a built request into SyncTxFrame and returns its length; a frame longer than the
// buffer is not copied and gives 0.
quint16 LoadSyncTxFrame(QByteArrayView frame);
// The reply of the last exchange: the first SyncRxCount bytes of SyncRxFrame.
QByteArrayView SyncReply();

// Wait after the first reply byte for the longest reply to finish arriving: 2560 bit times
// (256 ten-bit characters) plus 10 ms, in whole milliseconds.
int SettleWaitMs(float bitTimeMs);

// Where the exchange's frames go for the traffic monitor (the window installs it; nothing by
// default). Called on the exchange's thread, once for the request and once for the reply.
void SetSyncTrafficSink(std::function<void(const TrafficFrame&)> sink);

// The source the exchanges its thread starts while it lives are shown with; commands otherwise.
class SyncTrafficSource {
public:
    explicit SyncTrafficSource(TrafficSource source);
    ~SyncTrafficSource();
    SyncTrafficSource(const SyncTrafficSource&) = delete;
    SyncTrafficSource& operator=(const SyncTrafficSource&) = delete;

private:
    TrafficSource previous_;
};
