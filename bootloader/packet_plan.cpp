#include "packet_plan.h"

#include <QCoreApplication>

quint32 FullPackets(qsizetype imageSize) {
    return quint32(imageSize / BootPacketSize);
}

BootPacket PacketAt(qsizetype imageSize, quint32 number) {
    const qsizetype offset = qsizetype(number) * BootPacketSize;
    return {quint32(AppFlashBase + offset), offset,
            int(qBound<qsizetype>(0, imageSize - offset, qsizetype(BootPacketSize)))};
}

int ProgressPercent(quint32 number, quint32 fullPackets) {
    return fullPackets == 0 ? 100 : int(qint64(number) * 100 / fullPackets);
}

PacketProgress ProgressAfter(quint32 number, quint32 fullPackets, qint64 elapsedMs) {
    const quint32 sent = number + 1;
    const quint32 total = fullPackets + 1;
    return {ProgressPercent(number, fullPackets), sent, total,
            elapsedMs * qint64(total - sent) / sent};
}

QString ProgressText(const PacketProgress& progress) {
    if (progress.total == 0)
        return {};
    // Whole seconds, rounded up, so that only a finished transfer shows 0:00.
    const qint64 seconds = (progress.msLeft + 999) / 1000;
    // The log numbers packets from 0: the count names the number of the last line too.
    return QCoreApplication::translate("PacketPlan",
                                       "Передано пакетов: %1 из %2 (принят №%3), осталось %4:%5")
        .arg(progress.sent)
        .arg(progress.total)
        .arg(progress.sent - 1)
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
