#include "http_client.h"
#include "metrics_fleet.h"
#include "metrics_server.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The metrics endpoint on loopback, asked by hand: its paths, methods and authentication, and the
// bounds that keep a client sending a partial request, garbage or a huge header from holding the
// server or the other clients.

namespace {

QList<ControllerSnapshot> Fleet(int controllers) {
    QList<ControllerSnapshot> fleet;
    for (int i = 1; i <= controllers; ++i)
        fleet.append(AnsweredController(QStringLiteral("bank-%1").arg(i), 20,
                                        QDateTime::currentMSecsSinceEpoch()));
    return fleet;
}

QByteArray Get(const char* path, const QByteArray& extraHeaders = {}) {
    return QByteArray("GET ") + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + extraHeaders + "\r\n";
}

QByteArray Ask(quint16 port, const QByteArray& request) {
    RawHttpClient client(port);
    client.Send(request);
    return client.Reply();
}

QByteArray Basic(const char* userAndPassword) {
    return "Authorization: Basic " + QByteArray(userAndPassword).toBase64() + "\r\n";
}

} // namespace

class TestMetricsServer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void answers_data() {
        QTest::addColumn<int>("controllers");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("metrics") << 2 << Get("/metrics") << 200
                                 << QByteArray("Content-Type: text/plain; version=0.0.4; "
                                               "charset=utf-8");
        QTest::newRow("metrics of a cell")
            << 2 << Get("/metrics?x=1") << 200
            << QByteArray("velmora_cell_voltage_volts{controller=\"bank-2\",cell=\"17\"} 3.017\n");
        QTest::newRow("health") << 2 << Get("/healthz") << 200
                                << QByteArray("ok: 2 controllers, 2 up");
        QTest::newRow("health without controllers")
            << 0 << Get("/healthz") << 503 << QByteArray("no controllers configured");
        QTest::newRow("other path") << 2 << Get("/metrics/x") << 404 << QByteArray("not found");
        QTest::newRow("post") << 2
                              << QByteArray("POST /metrics HTTP/1.1\r\nHost: a\r\n"
                                            "Content-Length: 2\r\n\r\nab")
                              << 405 << QByteArray("Allow: GET");
        QTest::newRow("delete") << 2 << QByteArray("DELETE /healthz HTTP/1.1\r\nHost: a\r\n\r\n")
                                << 405 << QByteArray("method not allowed");
    }
    void answers() {
        QFETCH(int, controllers);
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        QFETCH(QByteArray, shown);
        MetricsServer server([controllers] { return Fleet(controllers); });
        QString error;
        QVERIFY2(server.Listen(QStringLiteral("127.0.0.1:0"), &error), qPrintable(error));
        const QByteArray reply = Ask(server.Port(), request);
        QCOMPARE(RawHttpClient::Status(reply), status);
        QVERIFY2(reply.contains(shown), reply.left(400).constData());
    }

    // Only /metrics asks for the password; user and password must both be right.
    void basicAuthentication_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::newRow("no credentials") << Get("/metrics") << 401;
        QTest::newRow("right") << Get("/metrics", Basic("scraper:s3cret:x")) << 200;
        QTest::newRow("wrong password") << Get("/metrics", Basic("scraper:s3cret")) << 401;
        QTest::newRow("wrong user") << Get("/metrics", Basic("scrapes:s3cret:x")) << 401;
        QTest::newRow("no colon") << Get("/metrics", Basic("scraper")) << 401;
        QTest::newRow("not base64") << Get("/metrics", "Authorization: Basic ***\r\n") << 401;
        QTest::newRow("health is open") << Get("/healthz") << 200;
    }
    void basicAuthentication() {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        MetricsServer server([] { return Fleet(1); });
        QString error;
        const QByteArray hash =
            QCryptographicHash::hash("s3cret:x", QCryptographicHash::Sha256).toHex();
        QVERIFY(!server.SetBasicAuth(QStringLiteral("scraper"), QStringLiteral("abc"), &error));
        QVERIFY(error.contains(u"SHA-256"));
        QVERIFY2(server.SetBasicAuth(QStringLiteral("scraper"), QString::fromLatin1(hash), &error),
                 qPrintable(error));
        QVERIFY(server.Listen(QStringLiteral("127.0.0.1:0"), &error));
        const QByteArray reply = Ask(server.Port(), request);
        QCOMPARE(RawHttpClient::Status(reply), status);
        if (status == 401)
            QVERIFY(reply.contains("WWW-Authenticate: Basic realm=\"velmora\""));
    }

    // A client that stalls half-way, sends garbage or a megabyte of header costs a bounded
    // buffer for a bounded time: another client is answered meanwhile, and the bad one is closed.
    void badClientsAreBounded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("half a request") << QByteArray("GET /metrics HTTP/1.1\r\nHost: a\r\nX-");
        QTest::newRow("garbage") << QByteArray("\x16\x03\x01\x00\xa5\x01\x00\x00\xa1\r\n\r\n", 13);
        QTest::newRow("1 MiB header")
            << "GET /metrics HTTP/1.1\r\nX-Big: " + QByteArray(1 << 20, 'a') + "\r\n\r\n";
        QTest::newRow("1 MiB body") << "POST /metrics HTTP/1.1\r\nContent-Length: 1048576\r\n\r\n" +
                                           QByteArray(1 << 20, 'b');
    }
    void badClientsAreBounded() {
        QFETCH(QByteArray, bytes);
        MetricsServer server([] { return Fleet(1); });
        server.SetLimits({64 * 1024, 1000, 8});
        QString error;
        QVERIFY(server.Listen(QStringLiteral("127.0.0.1:0"), &error));
        RawHttpClient bad(server.Port());
        bad.Send(bytes);
        QTest::qWait(50);
        QCOMPARE(RawHttpClient::Status(Ask(server.Port(), Get("/metrics"))), 200);
        QVERIFY(bad.WaitClosed());
        const int status = RawHttpClient::Status(bad.Reply(0));
        QVERIFY2(status == 0 || status == 400 || status == 431, QByteArray::number(status));
    }

    // Past the bound of open connections a new one is told 503; once one goes, one more is taken.
    void connectionsAreBounded() {
        MetricsServer server([] { return Fleet(1); });
        server.SetLimits({64 * 1024, 30000, 2});
        QString error;
        QVERIFY(server.Listen(QStringLiteral("127.0.0.1:0"), &error));
        auto first = std::make_unique<RawHttpClient>(server.Port());
        RawHttpClient second(server.Port());
        second.Send(Get("/healthz"));
        QCOMPARE(RawHttpClient::Status(second.Reply()), 200);
        QCOMPARE(RawHttpClient::Status(Ask(server.Port(), Get("/healthz"))), 503);
        first.reset();
        QVERIFY(QTest::qWaitFor(
            [&] { return RawHttpClient::Status(Ask(server.Port(), Get("/healthz"))) == 200; }));
    }

    void listenAddresses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("parsed");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("port");
        QTest::newRow("default") << QString() << true << "127.0.0.1" << 9870;
        QTest::newRow("IPv4") << "0.0.0.0:9100" << true << "0.0.0.0" << 9100;
        QTest::newRow("IPv6") << "[::1]:9870" << true << "::1" << 9870;
        QTest::newRow("localhost") << "localhost:80" << true << "127.0.0.1" << 80;
        QTest::newRow("no port") << "127.0.0.1" << false << QString() << 0;
        QTest::newRow("bare IPv6") << "::1:9870" << false << QString() << 0;
        QTest::newRow("IPv6 without port") << "[::1]" << false << QString() << 0;
        QTest::newRow("port too big") << "127.0.0.1:65536" << false << QString() << 0;
        QTest::newRow("port not a number") << "127.0.0.1:http" << false << QString() << 0;
        QTest::newRow("host name") << "metrics.example:9870" << false << QString() << 0;
    }
    void listenAddresses() {
        QFETCH(QString, text);
        QFETCH(bool, parsed);
        QFETCH(QString, address);
        QFETCH(int, port);
        QHostAddress host;
        quint16 number = 0;
        QString error;
        QCOMPARE(ParseListenAddress(text, &host, &number, &error), parsed);
        QCOMPARE(error.isEmpty(), parsed);
        if (parsed) {
            QCOMPARE(host, QHostAddress(address));
            QCOMPARE(int(number), port);
        }
    }

    // Listening beyond loopback is allowed, with a warning for the operator.
    void warnsBeyondLoopback_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("warned");
        QTest::newRow("loopback") << "127.0.0.1:0" << false;
        QTest::newRow("IPv6 loopback") << "[::1]:0" << false;
        QTest::newRow("every interface") << "0.0.0.0:0" << true;
    }
    void warnsBeyondLoopback() {
        QFETCH(QString, address);
        QFETCH(bool, warned);
        MetricsServer server([] { return Fleet(1); });
        QString error;
        QString warning;
        QVERIFY2(server.Listen(address, &error, &warning), qPrintable(error));
        QCOMPARE(!warning.isEmpty(), warned);
        QVERIFY(server.Port() != 0);
    }

    // HTTPS from a self-signed certificate; files that cannot be read are refused with their name.
    void tls() {
        QTemporaryDir dir;
        const QString cert = dir.filePath(QStringLiteral("cert.pem"));
        const QString key = dir.filePath(QStringLiteral("key.pem"));
        MetricsServer server([] { return Fleet(1); });
        QString error;
        QVERIFY(!server.SetTls(cert, key, &error));
        QVERIFY2(error.contains(cert), qPrintable(error));
        const int made = QProcess::execute(
            QStringLiteral("openssl"),
            {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
             QStringLiteral("rsa:2048"), QStringLiteral("-nodes"), QStringLiteral("-days"),
             QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
             QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert});
        if (made != 0)
            QSKIP("openssl could not make a certificate");
        QVERIFY(!server.SetTls(key, cert, &error));
        QVERIFY2(server.SetTls(cert, key, &error), qPrintable(error));
        QVERIFY(server.Listen(QStringLiteral("127.0.0.1:0"), &error));
        RawHttpClient client(server.Port(), true);
        client.Send(Get("/metrics"));
        const QByteArray reply = client.Reply();
        QCOMPARE(RawHttpClient::Status(reply), 200);
        QVERIFY(RawHttpClient::Body(reply).contains("velmora_link_up{controller=\"bank-1\""));
    }
};

QTEST_GUILESS_MAIN(TestMetricsServer)
#include "test_metrics_server.moc"
