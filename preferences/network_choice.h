#pragma once

#include "connection_settings.h"
#include "network_link.h"

#include <QString>

// The link the connection dialog offers, in its item order: "COM-порт", "RTU через TCP",
// "Modbus TCP".
LinkKind LinkKindOfItem(int index);
int ItemOfLinkKind(LinkKind kind);

// The port name of the link typed in: the port list's own for a serial link, otherwise the host
// and the TCP port text as one network port name.
QString ChosenPortName(LinkKind kind, const QString& serialPort, const QString& host,
                       const QString& tcpPortText);

// What is wrong with the host and TCP port typed in for a network link; empty when they will do.
QString NetworkEntryRefusal(const QString& host, const QString& tcpPortText);

// The link type, host, TCP port and network time-out remembered between starts.
struct RememberedLink {
    LinkKind kind = LinkKind::Serial;
    QString host;
    QString tcpPortText;
    int timeoutMs = DefaultNetworkTimeoutMs;
};
RememberedLink LoadRememberedLink();
void SaveRememberedLink(const RememberedLink& link);
