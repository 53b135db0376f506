#pragma once

#include "bootloader.h"

// The bootloader's exchange over the serial port of the connection dialog: the request goes out
// through SyncTxFrame, the reply comes back in SyncRxFrame. A request refused because another
// exchange is still under way (which the exchange has said) gets no reply.
QByteArray SyncBootExchange(QByteArrayView request, BootWait wait);
