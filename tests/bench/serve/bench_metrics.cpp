// Figures of the metrics endpoint, printed, not judged: building the Prometheus text of 50
// controllers of 200 cells, and answering GET /metrics for that fleet over loopback, on one
// kept-alive connection (as Prometheus scrapes) and on a new connection per request.
//
// Run: build/tests/bench/serve/bench_metrics

#include "bench_figures.h"
#include "metrics_fleet.h"
#include "metrics_server.h"
#include "metrics_text.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTcpSocket>

#include <cstdio>
#include <optional>
#include <thread>

namespace {

constexpr int Controllers = 50;
constexpr int Cells = 200;
constexpr int BuildRuns = 50;
constexpr int Requests = 200;
constexpr int ReplyWaitMs = 10000;

QList<ControllerSnapshot> Fleet(qint64 nowMs) {
    QList<ControllerSnapshot> fleet;
    for (int i = 1; i <= Controllers; ++i)
        fleet.append(AnsweredController(QStringLiteral("bank-%1").arg(i), Cells, nowMs));
    return fleet;
}

// Reads one whole reply to a GET; its size, or nothing when it did not come.
std::optional<qint64> ReadReply(QTcpSocket& socket) {
    QByteArray reply;
    qsizetype headEnd = -1;
    qint64 length = -1;
    while (length < 0 || reply.size() < headEnd + 4 + length) {
        if (!socket.waitForReadyRead(ReplyWaitMs))
            return std::nullopt;
        reply += socket.readAll();
        if (length < 0 && (headEnd = reply.indexOf("\r\n\r\n")) >= 0) {
            const qsizetype at = reply.indexOf("Content-Length: ");
            length =
                at < 0 ? 0 : reply.mid(at + 16, reply.indexOf('\r', at) - at - 16).toLongLong();
        }
    }
    return reply.size();
}

// Milliseconds of each of Requests GETs of /metrics, on one connection or a new one each; empty
// when one went unanswered.
std::vector<double> TimeRequests(quint16 port, bool keepAlive, const QByteArray& path = "/metrics",
                                 const QByteArray& headers = {}) {
    std::vector<double> ms;
    std::optional<QTcpSocket> socket;
    for (int i = 0; i < Requests; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!socket || !keepAlive) {
            socket.emplace();
            socket->connectToHost(QHostAddress::LocalHost, port);
            if (!socket->waitForConnected(ReplyWaitMs))
                return {};
        }
        socket->write("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + headers + "\r\n");
        if (!ReadReply(*socket))
            return {};
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return ms;
}

void PrintRequests(const char* what, const std::vector<double>& ms) {
    if (ms.empty()) {
        std::printf("  %-44s no answer\n", what);
        return;
    }
    const Figures f = Summarise(ms);
    std::printf("  %-44s median %8.2f  p99 %8.2f  max %8.2f ms\n", what, f.median,
                Percentile(ms, 0.99), f.max);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QList<ControllerSnapshot> fleet = Fleet(QDateTime::currentMSecsSinceEpoch());
    const QByteArray text = MetricsExposition(fleet, QDateTime::currentMSecsSinceEpoch());
    const qsizetype series = text.count('\n') - text.count("\n#") - (text.startsWith('#') ? 1 : 0);
    std::printf("%d controllers x %d cells: %lld series, %.2f MB of text\n", Controllers, Cells,
                qlonglong(series), double(text.size()) / 1e6);
    Print("MetricsExposition",
          TimeCalls(
              BuildRuns, [] {},
              [&] { MetricsExposition(fleet, QDateTime::currentMSecsSinceEpoch()); }),
          "ms");

    // The server answers on this thread's event loop; the client asks from its own.
    MetricsServer server([] { return Fleet(QDateTime::currentMSecsSinceEpoch()); });
    QString error;
    if (!server.Listen(QStringLiteral("127.0.0.1:0"), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::vector<double> kept, fresh, packed, health;
    std::thread client([&] {
        // As Prometheus asks: gzip, on one connection.
        packed = TimeRequests(server.Port(), true, "/metrics", "Accept-Encoding: gzip\r\n");
        kept = TimeRequests(server.Port(), true);
        fresh = TimeRequests(server.Port(), false);
        health = TimeRequests(server.Port(), true, "/healthz");
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    app.exec();
    client.join();
    PrintRequests("GET /metrics, gzip, one kept-alive connection", packed);
    PrintRequests("GET /metrics, one kept-alive connection", kept);
    PrintRequests("GET /metrics, a new connection each", fresh);
    PrintRequests("GET /healthz, one kept-alive connection", health);
    return kept.empty() || fresh.empty() ? 1 : 0;
}
