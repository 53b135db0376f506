#include "sync_boot_exchange.h"

#include "sync_exchange.h"

QByteArray SyncBootExchange(QByteArrayView request, BootWait wait) {
    // Asked before the frame is loaded, so that a refusal leaves the buffer as it was.
    if (RefusedWhileBusy())
        return {};
    const quint16 length = LoadSyncTxFrame(request);
    const SyncTrafficSource source(TrafficSource::Bootloader);
    switch (wait) {
    case BootWait::Normal:
        ExchangeSync(length);
        break;
    case BootWait::Long:
        ExchangeSyncLongWait(length);
        break;
    case BootWait::Again:
        AwaitSyncReply(length);
        break;
    }
    return SyncReply().toByteArray();
}
