#include "network_choice.h"

#include <QCoreApplication>
#include <QSettings>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<LinkKind, 3> LinkItems = {LinkKind::Serial, LinkKind::RtuOverTcp,
                                               LinkKind::ModbusTcp};

const QString KindKey = QStringLiteral("link/type");
const QString HostKey = QStringLiteral("link/host");
const QString PortKey = QStringLiteral("link/tcpPort");
const QString TimeoutKey = QStringLiteral("link/timeoutMs");

} // namespace

LinkKind LinkKindOfItem(int index) {
    return index >= 0 && index < int(LinkItems.size()) ? LinkItems[index] : LinkKind::Serial;
}

int ItemOfLinkKind(LinkKind kind) {
    return int(std::ranges::find(LinkItems, kind) - LinkItems.begin());
}

QString ChosenPortName(LinkKind kind, const QString& serialPort, const QString& host,
                       const QString& tcpPortText) {
    if (kind == LinkKind::Serial)
        return serialPort;
    return LinkScheme(kind) + QStringLiteral("://") +
           HostAndPort(host.trimmed(), tcpPortText.trimmed());
}

QString NetworkEntryRefusal(const QString& host, const QString& tcpPortText) {
    if (host.trimmed().isEmpty())
        return QCoreApplication::translate("NetworkChoice", "Не задан узел: введите имя или адрес");
    bool ok = false;
    const int port = tcpPortText.trimmed().toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return QCoreApplication::translate("NetworkChoice",
                                           "TCP-порт должен быть целым числом от 1 до 65535");
    QString error;
    return ParseNetworkTarget(ChosenPortName(LinkKind::ModbusTcp, {}, host, tcpPortText), &error)
               ? QString()
               : error;
}

RememberedLink LoadRememberedLink() {
    const QSettings settings;
    RememberedLink link;
    link.kind = LinkKindOfItem(settings.value(KindKey, 0).toInt());
    link.host = settings.value(HostKey).toString();
    link.tcpPortText = settings.value(PortKey).toString();
    link.timeoutMs = std::clamp(settings.value(TimeoutKey, DefaultNetworkTimeoutMs).toInt(),
                                MinNetworkTimeoutMs, MaxNetworkTimeoutMs);
    return link;
}

void SaveRememberedLink(const RememberedLink& link) {
    QSettings settings;
    settings.setValue(KindKey, ItemOfLinkKind(link.kind));
    settings.setValue(HostKey, link.host);
    settings.setValue(PortKey, link.tcpPortText);
    settings.setValue(TimeoutKey, link.timeoutMs);
}
