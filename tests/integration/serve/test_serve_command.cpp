#include "cli_process.h"
#include "simulated_controller.h"

#include <QFile>
#include <QHostAddress>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// velmora-cli serve as a person runs it: what it refuses before polling, and a run that rereads
// its configuration on SIGHUP and ends with SIGTERM.

namespace {

constexpr int WaitMs = 30000;

bool WriteText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

// The body of a plain GET on loopback, read to its announced length.
QByteArray HttpGet(quint16 port, const QByteArray& path) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(WaitMs))
        return {};
    socket.write("GET " + path + " HTTP/1.1\r\nHost: localhost\r\n\r\n");
    static const QRegularExpression length(QStringLiteral("(?i)content-length: *(\\d+)"));
    QByteArray answer;
    while (socket.waitForReadyRead(WaitMs)) {
        answer += socket.readAll();
        const qsizetype bodyAt = answer.indexOf("\r\n\r\n");
        const QRegularExpressionMatch announced =
            length.match(QString::fromLatin1(answer.left(bodyAt)));
        if (bodyAt >= 0 && announced.hasMatch() &&
            answer.size() - bodyAt - 4 >= announced.captured(1).toLongLong())
            return answer.mid(bodyAt + 4);
    }
    return {};
}

SimulatedControllerOptions OnNetwork(SimNetwork network) {
    SimulatedControllerOptions options;
    options.network = network;
    return options;
}

QString Section(const QString& name, const SimulatedController& sim) {
    return QStringLiteral("[controller %1]\nlink = %2\nfast = yes\nperiod = 0.25\n")
        .arg(name, sim.masterPortName());
}

} // namespace

class TestServeCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusals_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("config"); // written to a file given with --config when set
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("no controller")
            << QStringList{"serve"} << "" << 2 << "Не задан ни один контроллер";
        QTest::newRow("misspelt key of --controller")
            << QStringList{"serve", "--controller", "a=/dev/ttyS0,boud=9600"} << "" << 2
            << "неизвестный ключ «boud»";
        QTest::newRow("name twice across the options")
            << QStringList{"serve", "--controller", "a=/dev/ttyS0", "--controller", "a=/dev/ttyS1"}
            << "" << 2 << "контроллер «a» задан дважды";
        QTest::newRow("name of the file again on the command line")
            << QStringList{"serve", "--controller", "a=/dev/ttyS1"}
            << "[controller a]\nlink = /dev/ttyS0\n"
            << 2 << "контроллер «a» задан дважды";
        QTest::newRow("refusal of the file names its line")
            << QStringList{"serve"} << "[controller a]\nlink = /dev/ttyS0\nperiod = 0\n"
            << 2 << "serve.ini:3: period:";
        QTest::newRow("bad listen address of the command line")
            << QStringList{"serve", "--controller", "a=/dev/ttyS0", "--metrics-listen", "9870"}
            << "" << 2 << "--metrics-listen: Адрес \"9870\"";
        QTest::newRow("file that is not there")
            << QStringList{"serve", "--config", "/nonexistent/serve.ini"} << "" << 4
            << "/nonexistent/serve.ini: файл не читается";
        QTest::newRow("log in a missing folder")
            << QStringList{"serve", "--controller", "a=/dev/ttyS0,log=/nonexistent/a.csv"} << ""
            << 4 << "a: Файл /nonexistent/a.csv не записать";
    }
    void refusals() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, config);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir folder;
        if (!config.isEmpty()) {
            QVERIFY(WriteText(folder.filePath("serve.ini"), config));
            arguments << "--config" << folder.filePath("serve.ini");
        }
        const CliResult result = RunVelmoraCli(arguments);
        QCOMPARE(result.code, code);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
    }

    // b leaves and c comes on SIGHUP while a goes on untouched; a file with a mistake leaves
    // the fleet as it was; SIGTERM ends the run with exit code 0.
    void hangUpRereadsTheFileAndTermEnds() {
        SimulatedController a;
        SimulatedController b(OnNetwork(SimNetwork::ModbusTcp));
        SimulatedController c(OnNetwork(SimNetwork::RtuOverTcp));
        QVERIFY(a.start() && b.start() && c.start());
        QTemporaryDir folder;
        const QString path = folder.filePath("serve.ini");
        QVERIFY(WriteText(path, Section("a", a) + Section("b", b)));

        QProcess serve;
        QString err;
        connect(&serve, &QProcess::readyReadStandardError, this,
                [&] { err += QString::fromUtf8(serve.readAllStandardError()); });
        serve.start(QStringLiteral(VELMORA_CLI_PATH),
                    {"serve", "--config", path, "--metrics-listen", "127.0.0.1:0"});
        QVERIFY(serve.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(err.contains("a: Связь есть") && err.contains("b: Связь есть"),
                                 WaitMs);
        const QRegularExpressionMatch port =
            QRegularExpression(QStringLiteral("Метрики: порт (\\d+)")).match(err);
        QVERIFY2(port.hasMatch(), qPrintable(err));
        const QByteArray metrics = HttpGet(quint16(port.captured(1).toInt()), "/metrics");
        QVERIFY2(metrics.contains(R"(velmora_link_up{controller="b",reason="up"} 1)"),
                 metrics.left(2000).constData());

        QVERIFY(WriteText(path, Section("c", c) + Section("a", a)));
        ::kill(pid_t(serve.processId()), SIGHUP);
        QTRY_VERIFY_WITH_TIMEOUT(err.contains("Конфигурация перечитана: контроллеров 2"), WaitMs);
        QVERIFY2(err.contains("b: опрос прекращён"), qPrintable(err));
        QTRY_VERIFY_WITH_TIMEOUT(err.contains("c: Связь есть"), WaitMs);
        QCOMPARE(err.count("a: Ответа ещё не было"), 1);

        QVERIFY(WriteText(path, Section("a", a) + "boud = 9600\n"));
        ::kill(pid_t(serve.processId()), SIGHUP);
        QTRY_VERIFY_WITH_TIMEOUT(err.contains("Конфигурация не принята"), WaitMs);
        QVERIFY2(err.contains(path + ":5: неизвестный ключ «boud»"), qPrintable(err));
        QVERIFY(!err.contains("c: опрос прекращён"));

        serve.terminate();
        QVERIFY(serve.waitForFinished(WaitMs));
        QCOMPARE(serve.exitStatus(), QProcess::NormalExit);
        QCOMPARE(serve.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestServeCommand)
#include "test_serve_command.moc"
