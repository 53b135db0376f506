#include "sync_boot_exchange.h"

#include "sync_exchange.h"

QByteArray SyncBootExchange(QByteArrayView request, BootWait wait) {
    // Asked before the frame is loaded, so that a refusal leaves the buffer as it was.
    if (RefusedWhileBusy())
        return {};
    const quint16 length = LoadSyncTxFrame(request);
    const SyncTrafficSource source(TrafficSource::Bootloader);
    if (wait == BootWait::Long)
        ExchangeSyncLongWait(length);
    else
        ExchangeSync(length);
    return SyncReply().toByteArray();
}
