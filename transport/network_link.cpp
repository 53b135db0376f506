#include "network_link.h"

#include "modbus_tcp_device.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QUrl>

#include <algorithm>

namespace {

const QString ModbusTcpScheme = QStringLiteral("tcp");
const QString RtuOverTcpScheme = QStringLiteral("rtu+tcp");

} // namespace

QString LinkScheme(LinkKind kind) {
    return kind == LinkKind::RtuOverTcp ? RtuOverTcpScheme : ModbusTcpScheme;
}

LinkKind LinkKindOf(const QString& portName) {
    if (portName.startsWith(ModbusTcpScheme + QStringLiteral("://"), Qt::CaseInsensitive))
        return LinkKind::ModbusTcp;
    if (portName.startsWith(RtuOverTcpScheme + QStringLiteral("://"), Qt::CaseInsensitive))
        return LinkKind::RtuOverTcp;
    return LinkKind::Serial;
}

std::optional<NetworkTarget> ParseNetworkTarget(const QString& portName, QString* error) {
    const LinkKind kind = LinkKindOf(portName);
    const QUrl url(portName, QUrl::StrictMode);
    const int port = url.port(kind == LinkKind::ModbusTcp ? ModbusTcpPort : 0);
    if (kind == LinkKind::Serial || !url.isValid() || url.host().isEmpty() ||
        !(url.path().isEmpty() || url.path() == QLatin1String("/")) || url.hasQuery() ||
        !url.userInfo().isEmpty()) {
        *error = QCoreApplication::translate("NetworkLink",
                                             "Адрес \"%1\" не задаёт узел: нужно tcp://УЗЕЛ[:ПОРТ] "
                                             "или rtu+tcp://УЗЕЛ:ПОРТ")
                     .arg(portName);
        return std::nullopt;
    }
    if (port <= 0) {
        *error =
            QCoreApplication::translate("NetworkLink", "Адрес \"%1\": нужен TCP-порт от 1 до 65535")
                .arg(portName);
        return std::nullopt;
    }
    return NetworkTarget{kind, url.host(), quint16(port)};
}

QString NetworkPortName(const NetworkTarget& target) {
    QUrl url;
    url.setScheme(LinkScheme(target.kind));
    url.setHost(target.host);
    url.setPort(target.port);
    return url.toString();
}

QString TargetText(const NetworkTarget& target) {
    return HostAndPort(target.host, QString::number(target.port));
}

QString HostAndPort(const QString& host, const QString& port) {
    return host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2").arg(host, port)
                                           : QStringLiteral("%1:%2").arg(host, port);
}

QString ConnectionFailureText(QAbstractSocket::SocketError error, const NetworkTarget& target,
                              int timeoutMs) {
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        return QCoreApplication::translate("NetworkLink", "Узел %1 не найден").arg(target.host);
    case QAbstractSocket::ConnectionRefusedError:
        return QCoreApplication::translate("NetworkLink", "Узел %1 отказал в соединении")
            .arg(TargetText(target));
    case QAbstractSocket::SocketTimeoutError:
        return QCoreApplication::translate("NetworkLink", "Нет соединения с %1 за %2 мс")
            .arg(TargetText(target))
            .arg(timeoutMs);
    case QAbstractSocket::RemoteHostClosedError:
        return QCoreApplication::translate("NetworkLink", "Соединение с %1 разорвано")
            .arg(TargetText(target));
    default:
        return QCoreApplication::translate("NetworkLink", "Нет связи с %1").arg(TargetText(target));
    }
}

QString ConnectSocket(QTcpSocket& socket, const NetworkTarget& target, int timeoutMs) {
    socket.connectToHost(target.host, target.port);
    if (socket.waitForConnected(timeoutMs)) {
        // Requests are small and each waits for its reply: nothing is gained by holding them.
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return {};
    }
    const QAbstractSocket::SocketError error = socket.error();
    socket.abort();
    return ConnectionFailureText(error, target, timeoutMs);
}

QIODevice* RtuDevice(LinkKind kind, QTcpSocket* socket) {
    if (kind == LinkKind::ModbusTcp)
        return new ModbusTcpDevice(socket);
    return socket;
}

NetworkLink::NetworkLink() = default;

NetworkLink::~NetworkLink() = default;

QString NetworkLink::Open(const NetworkTarget& target, int timeoutMs) {
    Close();
    auto socket = std::make_unique<QTcpSocket>();
    if (QString failure = ConnectSocket(*socket, target, timeoutMs); !failure.isEmpty()) {
        CurrentPrompts().Message(failure, QStringLiteral("Error"));
        return failure;
    }
    target_ = target;
    socket_ = socket.release();
    device_.reset(RtuDevice(target.kind, socket_));
    if (auto* modbusTcp = qobject_cast<ModbusTcpDevice*>(device_.get()))
        QObject::connect(modbusTcp, &ModbusTcpDevice::StrayFrame, [this](const QByteArray& frame) {
            if (straySink_)
                straySink_(frame);
        });
    return {};
}

void NetworkLink::SetStraySink(std::function<void(const QByteArray&)> sink) {
    straySink_ = std::move(sink);
}

void NetworkLink::Close() {
    if (socket_)
        socket_->disconnectFromHost();
    device_.reset();
    socket_ = nullptr;
}

bool NetworkLink::PurgeRx() {
    if (!device_)
        return false;
    if (auto* modbusTcp = qobject_cast<ModbusTcpDevice*>(device_.get()))
        modbusTcp->Clear();
    device_->readAll();
    return true;
}

bool NetworkLink::PurgeTx() {
    // A request is handed to the system whole before the exchange waits: nothing is left.
    return device_ != nullptr;
}

quint16 NetworkLink::BytesWaiting() {
    if (!device_)
        return 0;
    // Whatever the system has received, taken without waiting.
    device_->waitForReadyRead(0);
    return quint16(std::min<qint64>(device_->bytesAvailable(), 0xFFFF));
}

QByteArray NetworkLink::Peek() {
    return device_ ? device_->peek(device_->bytesAvailable()) : QByteArray();
}

bool NetworkLink::WaitForBytes(int ms) {
    return device_ && device_->waitForReadyRead(std::max(ms, 0));
}

quint16 NetworkLink::Read(quint8* buffer, quint16 n) {
    if (!device_)
        return 0;
    return quint16(std::max<qint64>(device_->read(reinterpret_cast<char*>(buffer), n), 0));
}

QByteArray NetworkLink::RequestHeader() const {
    return LastMbapHeader(device_.get(), false);
}

QByteArray NetworkLink::ReplyHeader() const {
    return LastMbapHeader(device_.get(), true);
}

quint16 NetworkLink::Write(const quint8* buffer, quint16 n) {
    if (!device_ || n == 0)
        return 0;
    bool written = device_->write(reinterpret_cast<const char*>(buffer), n) == n;
    const QDeadlineTimer deadline(MaxNetworkTimeoutMs);
    while (written && socket_->bytesToWrite() > 0)
        written = socket_->waitForBytesWritten(int(deadline.remainingTime()));
    if (!written) {
        CurrentPrompts().Message(
            ConnectionFailureText(socket_->error(), target_, MaxNetworkTimeoutMs),
            QStringLiteral("Error"));
        return 0;
    }
    return n;
}
