#pragma once

#include "connection_settings.h"
#include "link.h"

#include <QAbstractSocket>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>

class QIODevice;
class QTcpSocket;

// The links the controller is reached by. A serial port is named as the port list names it; a
// network link by "tcp://HOST[:PORT]" (Modbus TCP, port 502 unless given) or
// "rtu+tcp://HOST:PORT" (RTU frames, CRC and all, over a TCP connection, as a serial device
// server carries them).
enum class LinkKind { Serial, RtuOverTcp, ModbusTcp };

inline constexpr quint16 ModbusTcpPort = 502;

struct NetworkTarget {
    LinkKind kind = LinkKind::ModbusTcp;
    QString host;
    quint16 port = ModbusTcpPort;
    friend bool operator==(const NetworkTarget&, const NetworkTarget&) = default;
};

LinkKind LinkKindOf(const QString& portName);
// The host and port a network port name gives; nothing, with the reason in `error`, for one that
// gives no host or no valid port.
std::optional<NetworkTarget> ParseNetworkTarget(const QString& portName, QString* error);
// The port name of a network link, as ParseNetworkTarget reads it back.
QString NetworkPortName(const NetworkTarget& target);
// "host:port", as the texts name a link.
QString TargetText(const NetworkTarget& target);
// The same of a host and port as typed; an IPv6 address goes in brackets.
QString HostAndPort(const QString& host, const QString& port);
// "tcp" or "rtu+tcp": what a network port name begins with.
QString LinkScheme(LinkKind kind);

// Why the connection failed or ended, in the program's words: a host not found, a connection
// refused, no connection within the time-out, a connection dropped.
QString ConnectionFailureText(QAbstractSocket::SocketError error, const NetworkTarget& target,
                              int timeoutMs);

// Connects the socket to the target, waiting at most timeoutMs; the failure text, or empty.
QString ConnectSocket(QTcpSocket& socket, const NetworkTarget& target, int timeoutMs);

// The device RTU frames travel over on a connected socket: the socket itself for RTU over TCP,
// a ModbusTcpDevice that takes the socket over for Modbus TCP. The caller owns the result.
QIODevice* RtuDevice(LinkKind kind, QTcpSocket* socket);

// The synchronous exchange's network link: connected for one exchange and closed again, as the
// serial port is opened and closed. Stray Modbus TCP frames are dropped. A connection that fails
// or drops is shown in a message box, as a port that fails is.
class NetworkLink final : public Link {
public:
    NetworkLink();
    ~NetworkLink() override;
    NetworkLink(const NetworkLink&) = delete;
    NetworkLink& operator=(const NetworkLink&) = delete;

    // The failure text, or empty when connected.
    QString Open(const NetworkTarget& target, int timeoutMs);
    // Where the Modbus TCP frames that answer no request go, as they came.
    void SetStraySink(std::function<void(const QByteArray&)> sink);
    void Close() override;
    bool PurgeRx() override;
    bool PurgeTx() override;
    quint16 BytesWaiting() override;
    QByteArray Peek() override;
    bool WaitForBytes(int ms) override;
    quint16 Read(quint8* buffer, quint16 n) override;
    quint16 Write(const quint8* buffer, quint16 n) override;
    QByteArray RequestHeader() const override;
    QByteArray ReplyHeader() const override;

private:
    std::unique_ptr<QIODevice> device_; // owns the socket
    QTcpSocket* socket_ = nullptr;
    NetworkTarget target_;
    std::function<void(const QByteArray&)> straySink_;
};
