#include "metrics_server.h"

#include "gzip_bytes.h"
#include "metrics_text.h"

#include <QAbstractHttpServer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

using Status = QHttpServerResponder::StatusCode;

QByteArray Sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// Compares two digests of equal length without stopping at the first difference, so that the
// time of an answer tells nothing of how much of a guess was right.
bool SameDigest(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    uchar difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= uchar(a[i]) ^ uchar(b[i]);
    return difference == 0;
}

// Qt's HTTP server reads a request for as long as it takes and keeps a connection whose request
// it could not parse open and unread. The watch bounds both: it counts the bytes of a request
// before the server reads them (it is connected first) and closes a connection that has not
// sent a whole request in time.
class ConnectionWatch : public QObject {
    Q_OBJECT
public:
    ConnectionWatch(QTcpSocket* socket, const ConnectionLimits& limits, std::shared_ptr<int> open)
        : QObject(socket), socket_(socket), limit_(limits.requestBytes), open_(std::move(open)) {
        ++*open_;
        socket->setReadBufferSize(limits.requestBytes);
        timer_.setSingleShot(true);
        timer_.setInterval(limits.requestMs);
        connect(&timer_, &QTimer::timeout, this, &ConnectionWatch::close);
        connect(socket, &QTcpSocket::readyRead, this, &ConnectionWatch::count);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        timer_.start();
    }
    ~ConnectionWatch() override { --*open_; }

    // A whole request came: the next one has the same bounds.
    void answered() {
        bytes_ = 0;
        timer_.start();
    }

private:
    void count() {
        bytes_ += socket_->bytesAvailable();
        if (bytes_ < limit_ || socket_->state() != QAbstractSocket::ConnectedState)
            return;
        socket_->readAll(); // the server behind finds nothing left to parse
        socket_->write("HTTP/1.1 431 Request Header Fields Too Large\r\n"
                       "Connection: close\r\nContent-Length: 0\r\n\r\n");
        socket_->disconnectFromHost();
    }
    void close() {
        socket_->abort();
        socket_->deleteLater();
    }

    QTcpSocket* socket_;
    qint64 limit_;
    qint64 bytes_ = 0;
    QTimer timer_;
    std::shared_ptr<int> open_;
};

// Decides on a new connection before the HTTP server sees it: watched, or refused when too many
// are open.
using Admission = std::function<bool(QTcpSocket*)>;

class WatchedTcpServer : public QTcpServer {
public:
    WatchedTcpServer(Admission admit, QObject* parent)
        : QTcpServer(parent), admit_(std::move(admit)) {}

protected:
    void incomingConnection(qintptr handle) override {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(handle)) {
            delete socket;
            return;
        }
        if (admit_(socket)) {
            addPendingConnection(socket);
            return;
        }
        socket->write("HTTP/1.1 503 Service Unavailable\r\nConnection: close\r\n"
                      "Content-Length: 0\r\n\r\n");
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromHost();
    }

private:
    Admission admit_;
};

// The TLS server makes its sockets itself; each is watched from the start of its handshake.
class WatchedSslServer : public QSslServer {
public:
    WatchedSslServer(const Admission& admit, QObject* parent) : QSslServer(parent) {
        connect(this, &QSslServer::startedEncryptionHandshake, this, [admit](QSslSocket* socket) {
            if (!admit(socket))
                QTimer::singleShot(0, socket, &QSslSocket::disconnectFromHost);
        });
    }
};

bool Fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

std::optional<QByteArray> ReadFile(const QString& path, const QString& what, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(error, QCoreApplication::translate("Serve", "Не удалось прочитать %1 %2: %3")
                        .arg(what, path, file.errorString()));
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace

bool ParseListenAddress(const QString& text, QHostAddress* address, quint16* port, QString* error) {
    const QString given = text.isEmpty() ? QString::fromLatin1(DefaultMetricsAddress) : text;
    const auto bad = [&](const QString& why) {
        return Fail(error, QCoreApplication::translate(
                               "Serve", "Адрес \"%1\": %2 (нужно АДРЕС:ПОРТ, например %3 или "
                                        "[::1]:9870)")
                               .arg(given, why, QString::fromLatin1(DefaultMetricsAddress)));
    };
    const qsizetype colon = given.lastIndexOf(u':');
    if (colon < 0 || given.endsWith(u']'))
        return bad(QCoreApplication::translate("Serve", "не задан порт"));
    QString host = given.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(u':'))
        return bad(QCoreApplication::translate("Serve", "адрес IPv6 пишется в квадратных скобках"));
    bool number = false;
    const uint portNumber = given.mid(colon + 1).toUInt(&number);
    if (!number || portNumber > 65535)
        return bad(QCoreApplication::translate("Serve", "порт должен быть числом от 0 до 65535"));
    QHostAddress parsed;
    if (host.compare(u"localhost", Qt::CaseInsensitive) == 0)
        parsed = QHostAddress(QHostAddress::LocalHost);
    else if (!parsed.setAddress(host))
        return bad(QCoreApplication::translate("Serve", "\"%1\" не адрес IPv4 или IPv6").arg(host));
    *address = parsed;
    *port = quint16(portNumber);
    return true;
}

class MetricsServer::Http : public QAbstractHttpServer {
public:
    explicit Http(SnapshotSource source) : source_(std::move(source)) {}

    SnapshotSource source_;
    QByteArray userDigest_; // empty: no authentication
    QByteArray passwordDigest_;
    std::optional<QSslConfiguration> tls_;
    ConnectionLimits limits_;
    std::shared_ptr<int> open_ = std::make_shared<int>(0);
    QTcpServer* server_ = nullptr;

    bool admit(QTcpSocket* socket) const {
        if (*open_ >= limits_.connections)
            return false;
        new ConnectionWatch(socket, limits_, open_);
        return true;
    }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override {
        if (auto* watch =
                socket->findChild<ConnectionWatch*>(QString(), Qt::FindDirectChildrenOnly))
            watch->answered();
        QHttpServerResponder responder = makeResponder(request, socket);
        const QString path = request.url().path();
        const bool metrics = path == u"/metrics";
        if (!metrics && path != u"/healthz")
            respond(responder, Status::NotFound, "not found\n");
        else if (request.method() != QHttpServerRequest::Method::Get)
            responder.write(QByteArrayLiteral("method not allowed\n"),
                            {{"Content-Type", "text/plain; charset=utf-8"}, {"Allow", "GET"}},
                            Status::MethodNotAllowed);
        else if (metrics && !authorised(request))
            responder.write(QByteArrayLiteral("authentication required\n"),
                            {{"Content-Type", "text/plain; charset=utf-8"},
                             {"WWW-Authenticate", "Basic realm=\"velmora\", charset=\"UTF-8\""}},
                            Status::Unauthorized);
        else if (metrics)
            writeMetrics(responder, request);
        else
            health(responder);
        return true;
    }

    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override {
        QHttpServerResponder responder = makeResponder(request, socket);
        respond(responder, Status::NotFound, "not found\n");
    }

private:
    // Prometheus asks for gzip: the text of a large fleet leaves in a tenth of the bytes, and
    // so in a tenth of the socket's writes.
    void writeMetrics(QHttpServerResponder& responder, const QHttpServerRequest& request) const {
        const QByteArray text = MetricsExposition(source_(), QDateTime::currentMSecsSinceEpoch());
        if (AcceptsGzip(request.value("Accept-Encoding")))
            if (const QByteArray packed = GzipBytes(text); !packed.isEmpty()) {
                responder.write(packed,
                                {{"Content-Type", MetricsContentType},
                                 {"Content-Encoding", "gzip"},
                                 {"Vary", "Accept-Encoding"}},
                                Status::Ok);
                return;
            }
        responder.write(text, {{"Content-Type", MetricsContentType}, {"Vary", "Accept-Encoding"}},
                        Status::Ok);
    }

    static void respond(QHttpServerResponder& responder, Status status, const char* text) {
        responder.write(QByteArray(text), {{"Content-Type", "text/plain; charset=utf-8"}}, status);
    }

    // "ok" with the count of controllers and of those whose link is up; 503 without controllers.
    void health(QHttpServerResponder& responder) const {
        const QList<ControllerSnapshot> fleet = source_();
        if (fleet.isEmpty()) {
            respond(responder, Status::ServiceUnavailable, "no controllers configured\n");
            return;
        }
        const auto up = std::count_if(fleet.begin(), fleet.end(), [](const ControllerSnapshot& s) {
            return s.link == LinkState::Up;
        });
        responder.write(
            QStringLiteral("ok: %1 controllers, %2 up\n").arg(fleet.size()).arg(up).toUtf8(),
            {{"Content-Type", "text/plain; charset=utf-8"}}, Status::Ok);
    }

    bool authorised(const QHttpServerRequest& request) const {
        if (userDigest_.isEmpty())
            return true;
        const QByteArray header = request.value("Authorization");
        if (!header.startsWith("Basic "))
            return false;
        const auto decoded = QByteArray::fromBase64Encoding(
            header.mid(6).trimmed(), QByteArray::AbortOnBase64DecodingErrors);
        const qsizetype colon = decoded.decoded.indexOf(':');
        if (!decoded || colon < 0)
            return false;
        // Both compared, whatever the first gives, so that a wrong user takes as long.
        const bool user = SameDigest(Sha256(decoded.decoded.left(colon)), userDigest_);
        const bool password = SameDigest(Sha256(decoded.decoded.mid(colon + 1)), passwordDigest_);
        return user & password;
    }
};

MetricsServer::MetricsServer(SnapshotSource source, QObject* parent)
    : QObject(parent), http_(std::make_unique<Http>(std::move(source))) {}

MetricsServer::~MetricsServer() = default;

bool MetricsServer::SetBasicAuth(const QString& user, const QString& passwordSha256Hex,
                                 QString* error) {
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{64}$"));
    if (user.isEmpty() || user.contains(u':'))
        return Fail(error, QCoreApplication::translate(
                               "Serve", "Имя пользователя не должно быть пустым или содержать "
                                        "двоеточие"));
    if (!hex.match(passwordSha256Hex).hasMatch())
        return Fail(error, QCoreApplication::translate(
                               "Serve", "Хеш пароля должен быть SHA-256 из 64 шестнадцатеричных "
                                        "цифр, задано \"%1\"")
                               .arg(passwordSha256Hex));
    http_->userDigest_ = Sha256(user.toUtf8());
    http_->passwordDigest_ = QByteArray::fromHex(passwordSha256Hex.toLatin1());
    return true;
}

bool MetricsServer::SetTls(const QString& certificatePath, const QString& keyPath, QString* error) {
    const std::optional<QByteArray> certificate =
        ReadFile(certificatePath, QCoreApplication::translate("Serve", "сертификат"), error);
    const std::optional<QByteArray> key =
        certificate ? ReadFile(keyPath, QCoreApplication::translate("Serve", "ключ"), error)
                    : std::nullopt;
    if (!key)
        return false;
    const QList<QSslCertificate> chain = QSslCertificate::fromData(*certificate, QSsl::Pem);
    if (chain.isEmpty())
        return Fail(error, QCoreApplication::translate("Serve", "В файле %1 нет сертификата PEM")
                               .arg(certificatePath));
    QSslKey privateKey(*key, QSsl::Rsa, QSsl::Pem);
    if (privateKey.isNull())
        privateKey = QSslKey(*key, QSsl::Ec, QSsl::Pem);
    if (privateKey.isNull())
        return Fail(error, QCoreApplication::translate(
                               "Serve", "В файле %1 нет незашифрованного ключа PEM (RSA или EC)")
                               .arg(keyPath));
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(privateKey);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    http_->tls_ = configuration;
    return true;
}

void MetricsServer::SetLimits(const ConnectionLimits& limits) {
    http_->limits_ = limits;
}

bool MetricsServer::Listen(const QString& addressPort, QString* error, QString* warning) {
    QHostAddress address;
    quint16 port = 0;
    if (!ParseListenAddress(addressPort, &address, &port, error))
        return false;
    Http* http = http_.get();
    const Admission admit = [http](QTcpSocket* socket) { return http->admit(socket); };
    QTcpServer* server = nullptr;
    if (http->tls_) {
        auto* ssl = new WatchedSslServer(admit, http);
        ssl->setSslConfiguration(*http->tls_);
        server = ssl;
    } else {
        server = new WatchedTcpServer(admit, http);
    }
    if (!server->listen(address, port)) {
        const QString why = server->errorString();
        delete server;
        return Fail(error,
                    QCoreApplication::translate("Serve", "Не удалось слушать %1: %2")
                        .arg(addressPort.isEmpty() ? QString::fromLatin1(DefaultMetricsAddress)
                                                   : addressPort,
                             why));
    }
    http->bind(server);
    http->server_ = server;
    if (warning && !address.isLoopback())
        *warning =
            QCoreApplication::translate(
                "Serve", "Внимание: показания открыты для сети на %1, а не только для "
                         "этого компьютера%2")
                .arg(address.toString(), http->userDigest_.isEmpty()
                                             ? QCoreApplication::translate("Serve", " (без пароля)")
                                             : QString());
    return true;
}

quint16 MetricsServer::Port() const {
    return http_->server_ ? http_->server_->serverPort() : 0;
}

#include "metrics_server.moc"
