#pragma once

#include <QString>
#include <QtGlobal>

// How an image travels to the controller: packets of 240 bytes, each sent to the flash address
// that follows the previous one, the last carrying what is left (possibly nothing).

inline constexpr quint32 AppFlashBase = 0x08002000;
inline constexpr int BootPacketSize = 240;

struct BootPacket {
    quint32 flashAddress = 0;
    qsizetype offset = 0; // of its first byte in the image
    int length = 0;
    friend bool operator==(const BootPacket&, const BootPacket&) = default;
};

// The number of 240-byte packets; one more packet, numbered last, carries the remainder.
quint32 FullPackets(qsizetype imageSize);
BootPacket PacketAt(qsizetype imageSize, quint32 number);

// The progress bar after packet `number` was accepted: number x 100 / full packets, and 100 for an
// image without a full packet.
int ProgressPercent(quint32 number, quint32 fullPackets);

// What the page shows beside the progress bar.
struct PacketProgress {
    int percent = 0;
    quint32 sent = 0;  // packets accepted
    quint32 total = 0; // packets to send; 0 before a transfer
    qint64 msLeft = 0;
};

// The time the packets left will take at the pace of the ones sent in elapsedMs.
PacketProgress ProgressAfter(quint32 number, quint32 fullPackets, qint64 elapsedMs);
// "Передано пакетов: 3 из 9 (принят №2), осталось 0:12", the number as the log's last "Принят
// пакет №2"; empty before a transfer.
QString ProgressText(const PacketProgress& progress);
