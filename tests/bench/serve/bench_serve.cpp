// Figures of one `velmora-cli serve` process polling a fleet, printed, not judged: 50 simulated
// controllers of 200 cells each on loopback Modbus TCP, polled every second. Once every
// controller is up it measures the process's CPU time per second of polling over 30 s, then, over
// 30 s more, how long /metrics takes to answer while polling goes on (median and 99th percentile
// of 300 requests, gzipped as Prometheus asks), and its resident memory.
//
// Run: build/tests/bench/serve/bench_serve [build/cli/velmora-cli] [controllers]

#include "bench_figures.h"
#include "http_client.h"
#include "simulated_controller.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QThread>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

constexpr int CellCount = 200;
constexpr int PollingSeconds = 30;
constexpr int ScrapeSeconds = 30;
constexpr int Requests = 300;

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// One GET over a fresh connection: the whole answer, empty when none came within 10 s. Packed
// with gzip when asked, as Prometheus asks.
QByteArray Get(quint16 port, const QByteArray& path, bool gzip = false) {
    RawHttpClient client(port);
    client.Send("GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" +
                (gzip ? "Accept-Encoding: gzip\r\n" : "") + "\r\n");
    return client.BlockingReply(10000);
}

// User and system CPU seconds the process has used, from /proc/PID/stat.
double CpuSeconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // The fields after the command name, which ends with the last ')': utime and stime are the
    // 12th and 13th of them.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / sysconf(_SC_CLK_TCK);
}

// The controllers /metrics shows with their link up.
int ControllersUp(const QByteArray& metrics) {
    int up = 0;
    for (const QByteArray& line : metrics.split('\n'))
        up += line.startsWith("velmora_link_up{") && line.endsWith(" 1") ? 1 : 0;
    return up;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString cli = arguments.value(1, QCoreApplication::applicationDirPath() +
                                               QStringLiteral("/../../../cli/velmora-cli"));
    const int fleetSize = arguments.value(2, QStringLiteral("50")).toInt();

    std::vector<std::unique_ptr<SimulatedController>> fleet;
    QStringList serveArguments{QStringLiteral("serve")};
    for (int i = 0; i < fleetSize; ++i) {
        SimulatedControllerOptions options;
        options.address = 1;
        options.cellCount = CellCount;
        options.animate = true;
        options.network = SimNetwork::ModbusTcp;
        fleet.push_back(std::make_unique<SimulatedController>(options));
        QString error;
        if (!fleet.back()->start(&error)) {
            std::fprintf(stderr, "simulated controller %d: %s\n", i, qPrintable(error));
            return 1;
        }
        serveArguments << QStringLiteral("--controller")
                       << QStringLiteral("bms%1=%2,address=1,period=1")
                              .arg(i, 2, 10, QLatin1Char('0'))
                              .arg(fleet.back()->masterPortName());
    }
    const quint16 port = FreePort();
    serveArguments << QStringLiteral("--metrics-listen")
                   << QStringLiteral("127.0.0.1:%1").arg(port);

    QProcess serve;
    serve.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    serve.start(cli, serveArguments);
    if (!serve.waitForStarted()) {
        std::fprintf(stderr, "%s did not start\n", qPrintable(cli));
        return 1;
    }
    const qint64 pid = serve.processId();

    QElapsedTimer waiting;
    waiting.start();
    QByteArray metrics;
    while (ControllersUp(metrics) != fleetSize) {
        if (waiting.elapsed() > 120000) {
            std::fprintf(stderr, "not every controller came up within 120 s\n");
            serve.kill();
            return 1;
        }
        QThread::msleep(500);
        metrics = Get(port, "/metrics");
    }
    std::printf("fleet up after %.1f s\n", waiting.elapsed() / 1000.0);

    // Polling alone, then polling while /metrics is asked for many times a second (a Prometheus
    // asks once in its scrape interval, 15 s by default).
    double cpu = CpuSeconds(pid);
    QThread::sleep(PollingSeconds);
    const double pollingCpu = (CpuSeconds(pid) - cpu) / PollingSeconds;

    cpu = CpuSeconds(pid);
    QElapsedTimer run;
    run.start();
    std::vector<double> answerMs;
    qint64 bytes = 0;
    const int series = int(metrics.count('\n') - metrics.count("\n#"));
    for (int i = 0; i < Requests; ++i) {
        QThread::msleep(ScrapeSeconds * 1000 / Requests);
        QElapsedTimer timer;
        timer.start();
        const QByteArray answer = Get(port, "/metrics", true);
        answerMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        bytes = answer.size();
    }
    const double scrapingCpu = (CpuSeconds(pid) - cpu) / (run.elapsed() / 1000.0);
    std::sort(answerMs.begin(), answerMs.end());

    std::printf("%d controllers x %d cells, polled every second\n", fleetSize, CellCount);
    std::printf("  CPU of serve, polling %d s           %6.1f %% of one core\n", PollingSeconds,
                100 * pollingCpu);
    std::printf("  CPU of serve, with %d scrapes in %d s %6.1f %% of one core\n", Requests,
                ScrapeSeconds, 100 * scrapingCpu);
    std::printf("  resident memory                      %6.1f MB (peak %.1f MB)\n",
                ProcessMegabytes("VmRSS", pid), ProcessMegabytes("VmHWM", pid));
    std::printf("  /metrics answer (gzip)               median %.1f ms, p99 %.1f ms, max %.1f ms\n"
                "                                       (%d series, %lld bytes gzipped)\n",
                answerMs[answerMs.size() / 2], answerMs[answerMs.size() * 99 / 100],
                answerMs.back(), series, qint64(bytes));
    serve.terminate();
    serve.waitForFinished(10000);
    for (auto& controller : fleet)
        controller->stop();
    return 0;
}
