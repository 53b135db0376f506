#pragma once

#include "fleet_snapshot.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

inline constexpr char DefaultMetricsAddress[] = "127.0.0.1:9870";

// "ADDR:PORT" as the serve command takes it: an IPv4 address, an IPv6 one in brackets
// ("[::1]:9870") or localhost, and a port of 1 to 65535 (0 takes a free one). Empty text is
// DefaultMetricsAddress. False, and the reason in `error`, for anything else.
bool ParseListenAddress(const QString& text, QHostAddress* address, quint16* port, QString* error);

// What bounds one connection, so that a client that sends a partial request and stalls, or a
// flood of header bytes, costs a bounded buffer for a bounded time.
struct ConnectionLimits {
    qint64 requestBytes = 64 * 1024; // a request's head may not reach this
    int requestMs = 10000;           // to send a whole request, from connecting or the last answer
    int connections = 64;            // open at once; more are answered 503 and closed
};

// The Prometheus endpoint of `velmora-cli serve`: GET /metrics answers MetricsExposition of the
// fleet the source gives at that moment, GET /healthz tells whether the server listens and has
// controllers; other paths are 404, other methods 405. Runs on the thread that made it.
class MetricsServer : public QObject {
    Q_OBJECT
public:
    using SnapshotSource = std::function<QList<ControllerSnapshot>()>;

    explicit MetricsServer(SnapshotSource source, QObject* parent = nullptr);
    ~MetricsServer() override;

    // Basic authentication for /metrics: the user and the SHA-256 of the password as 64 hex
    // digits. False, and why, when the hash is no such text or the user is empty or holds ':'.
    bool SetBasicAuth(const QString& user, const QString& passwordSha256Hex, QString* error);
    // HTTPS from a PEM certificate and its PEM private key (unencrypted); before Listen. False,
    // and why, when a file cannot be read or holds no certificate or key.
    bool SetTls(const QString& certificatePath, const QString& keyPath, QString* error);
    void SetLimits(const ConnectionLimits& limits);

    // Starts listening on "ADDR:PORT" (ParseListenAddress). False, and why, when the text is bad
    // or the port cannot be had. On an address other than loopback `warning` gets a text for the
    // operator: the figures are then open to the network.
    bool Listen(const QString& addressPort, QString* error, QString* warning = nullptr);
    // The port listened on (the free one when 0 was asked for); 0 before Listen.
    quint16 Port() const;

private:
    class Http;
    std::unique_ptr<Http> http_;
};
