#include "metrics_server.h"
#include "register_image.h"
#include "simulated_controller.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

// A real Prometheus, started with the scrape job the package installs, scrapes the metrics
// endpoint serving the simulated controller's registers; its query API gives back the value of
// the controller's register for cell 17, and every query of the Grafana dashboard runs.

namespace {

constexpr int ScrapeWaitMs = 60000; // Prometheus starts and scrapes once a second; slow machines
constexpr quint16 Cell17Millivolts = 3217;

quint16 FreePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

QByteArray PackagingFile(const char* name) {
    QFile file(QStringLiteral(VELMORA_PACKAGING_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The answer of the query API to `query`, or an empty object while there is none.
QJsonObject Query(QNetworkAccessManager& network, quint16 port, const QString& query) {
    QUrl url(QStringLiteral("http://127.0.0.1:%1/api/v1/query").arg(port));
    url.setQuery(QUrlQuery({{QStringLiteral("query"), query}}));
    std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(url)));
    if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 10000))
        return {};
    return QJsonDocument::fromJson(reply->readAll()).object();
}

} // namespace

class TestMetricsPrometheus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void prometheusScrapesTheSimulatedController() {
        const QString prometheus = QStandardPaths::findExecutable(QStringLiteral("prometheus"));
        if (prometheus.isEmpty())
            QSKIP("prometheus is not installed (Debian package prometheus)");
        SimulatedControllerOptions options;
        options.cellCount = 24;
        SimulatedController sim(options);
        QVERIFY(sim.setRegister(StatusBlockStart + CellVoltageOffset + 16, Cell17Millivolts));
        MetricsServer server([&sim] {
            ControllerSnapshot snapshot;
            snapshot.spec.name = QStringLiteral("sim");
            const QList<quint16> words = sim.registerValues(StatusBlockStart, StatusBlockWords);
            std::copy(words.begin(), words.end(), snapshot.image.StatusBlock.begin());
            snapshot.link = LinkState::Up;
            snapshot.lastGoodCycleMs = QDateTime::currentMSecsSinceEpoch();
            return QList<ControllerSnapshot>{snapshot};
        });
        QString error;
        QVERIFY2(server.Listen(QStringLiteral("127.0.0.1:0"), &error), qPrintable(error));

        QTemporaryDir dir;
        QByteArray config = PackagingFile("prometheus-velmora.yml");
        QVERIFY(config.contains("\"127.0.0.1:9870\"") && config.contains("scrape_interval: 15s") &&
                config.contains("scrape_timeout: 10s"));
        config.replace("127.0.0.1:9870", "127.0.0.1:" + QByteArray::number(server.Port()));
        config.replace("scrape_interval: 15s", "scrape_interval: 1s");
        config.replace("scrape_timeout: 10s", "scrape_timeout: 1s");
        QFile configFile(dir.filePath(QStringLiteral("prometheus.yml")));
        QVERIFY(configFile.open(QIODevice::WriteOnly) && configFile.write(config) == config.size());
        configFile.close();
        const quint16 apiPort = FreePort();
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(prometheus, {QStringLiteral("--config.file=") + configFile.fileName(),
                                   QStringLiteral("--storage.tsdb.path=") +
                                       dir.filePath(QStringLiteral("data")),
                                   QStringLiteral("--web.listen-address=127.0.0.1:%1").arg(apiPort),
                                   QStringLiteral("--log.level=warn")});
        const auto stop = qScopeGuard([&process] {
            process.terminate();
            if (!process.waitForFinished(10000))
                process.kill();
            process.waitForFinished(10000);
        });
        QVERIFY(process.waitForStarted());

        QNetworkAccessManager network;
        const QString cell17 = QStringLiteral("velmora_cell_voltage_volts{cell=\"17\"}");
        QJsonArray result;
        const bool scraped = QTest::qWaitFor(
            [&] {
                result = Query(network, apiPort, cell17)[u"data"][u"result"].toArray();
                return !result.isEmpty() || process.state() == QProcess::NotRunning;
            },
            ScrapeWaitMs);
        QVERIFY2(scraped && !result.isEmpty(), process.readAll().constData());
        QCOMPARE(result[0][u"metric"][u"controller"].toString(), QStringLiteral("sim"));
        const quint16 registered = sim.registerValue(StatusBlockStart + CellVoltageOffset + 16);
        QCOMPARE(result[0][u"value"][1].toString().toDouble(), registered / 1000.0);

        const QJsonArray panels =
            QJsonDocument::fromJson(PackagingFile("grafana-velmora-dashboard.json"))
                .object()[u"panels"]
                .toArray();
        QVERIFY(!panels.isEmpty());
        for (const QJsonValue& panel : panels)
            for (const QJsonValue& target : panel[u"targets"].toArray()) {
                QString expr = target[u"expr"].toString();
                expr.replace(QStringLiteral("$controller"), QStringLiteral(".*"));
                const QJsonObject answer = Query(network, apiPort, expr);
                QVERIFY2(answer[u"status"].toString() == u"success",
                         qPrintable(expr + QStringLiteral(": ") + answer[u"error"].toString()));
            }
    }
};

QTEST_GUILESS_MAIN(TestMetricsPrometheus)
#include "test_metrics_prometheus.moc"
