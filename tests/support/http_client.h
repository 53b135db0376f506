#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QSslSocket>
#include <QTest>

// A client that speaks HTTP by hand over loopback, so that tests can send what no library would:
// a half request, garbage, a header of a megabyte. It waits by running the event loop, so a
// server on the same thread keeps answering.
class RawHttpClient {
public:
    explicit RawHttpClient(quint16 port, bool tls = false) {
        if (tls) {
            socket_.setPeerVerifyMode(QSslSocket::VerifyNone);
            socket_.connectToHostEncrypted(QStringLiteral("127.0.0.1"), port);
        } else {
            socket_.connectToHost(QHostAddress::LocalHost, port);
        }
    }

    void Send(const QByteArray& bytes) { socket_.write(bytes); }

    // One whole reply (its head and a body of its Content-Length), or what came before the
    // server closed the connection or `ms` passed.
    QByteArray Reply(int ms = 30000) {
        // What came by then is the reply either way; the test judges it.
        static_cast<void>(QTest::qWaitFor(
            [this] {
                received_ += socket_.readAll();
                return Complete() || Closed();
            },
            ms));
        QByteArray reply;
        reply.swap(received_);
        return reply;
    }

    // The same, waiting on the socket itself: for a server in another process, so that the time
    // taken is the server's, not the event loop's polling.
    QByteArray BlockingReply(int ms = 30000) {
        while (!Complete() && socket_.waitForReadyRead(ms))
            received_ += socket_.readAll();
        QByteArray reply;
        reply.swap(received_);
        return reply;
    }

    // The status code of a reply, 0 for none.
    static int Status(const QByteArray& reply) {
        return reply.startsWith("HTTP/1.") ? reply.mid(9, 3).toInt() : 0;
    }
    static QByteArray Body(const QByteArray& reply) {
        return reply.mid(reply.indexOf("\r\n\r\n") + 4);
    }

    bool Closed() const { return socket_.state() == QAbstractSocket::UnconnectedState; }
    bool WaitClosed(int ms = 30000) {
        return QTest::qWaitFor([this] { return Closed(); }, ms);
    }

private:
    bool Complete() const {
        const qsizetype end = received_.indexOf("\r\n\r\n");
        if (end < 0)
            return false;
        const QByteArray head = received_.left(end).toLower();
        const qsizetype at = head.indexOf("\r\ncontent-length:");
        QByteArray length = at < 0 ? QByteArray("0") : head.mid(at + 17);
        length.truncate(length.indexOf('\r') < 0 ? length.size() : length.indexOf('\r'));
        return received_.size() >= end + 4 + length.trimmed().toLongLong();
    }

    QSslSocket socket_;
    QByteArray received_;
};
