#include "cli_process.h"
#include "discharge_log_text.h"
#include "test_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// velmora-cli report on logs of known discharges, and once on the log of the simulated
// controller's own discharge test as velmora-cli poll writes it.
class TestCliReport : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString WriteLog(const QString& name, const QStringList& lines) {
        return WriteTestFile(dir.filePath(name), EncodeLines(lines));
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // The simulator discharges 16 cells, two of them weak, at 50 A with steps to 100 A, 1200 times
    // faster than real time; poll logs ten seconds of it and the report names the two cells.
    void theSimulatorsWeakCellsAreFound() {
        QProcess sim;
        sim.start(QStringLiteral(VELMORA_SIM_PATH),
                  {QStringLiteral("--cells"), QStringLiteral("16"), QStringLiteral("--discharge"),
                   QStringLiteral("50"), QStringLiteral("--current-steps"),
                   QStringLiteral("100:1200"), QStringLiteral("--weak-cells"),
                   QStringLiteral("4,11"), QStringLiteral("--speed"), QStringLiteral("1200")});
        QVERIFY(sim.waitForStarted(10000));
        QVERIFY(sim.waitForReadyRead(10000));
        const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();
        const QString from = QDateTime::currentDateTime().addSecs(-1).toString(
            QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
        const QString log = dir.filePath(QStringLiteral("sim_log.csv"));
        const CliResult poll = RunVelmoraCli(
            {QStringLiteral("poll"), QStringLiteral("--port"), port, QStringLiteral("--fast"),
             QStringLiteral("--period"), QStringLiteral("0,25"), QStringLiteral("--count"),
             QStringLiteral("40"), QStringLiteral("--log"), log});
        ::kill(pid_t(sim.processId()), SIGTERM);
        QVERIFY(sim.waitForFinished(10000));
        QCOMPARE(poll.code, 0);

        const QString pdf = dir.filePath(QStringLiteral("sim_report.pdf"));
        const CliResult report =
            RunVelmoraCli({QStringLiteral("report"), log, QStringLiteral("--from"), from,
                           QStringLiteral("--end-voltage"), QStringLiteral("2,9"),
                           QStringLiteral("--json"), QStringLiteral("--pdf"), pdf});
        QVERIFY2(report.code == 0, qPrintable(report.err));
        const QJsonObject o = QJsonDocument::fromJson(report.out.toUtf8()).object();
        QList<int> weak;
        for (const QJsonValue& cell : o[QStringLiteral("weak_cells")].toArray())
            weak.append(cell.toInt());
        std::sort(weak.begin(), weak.end());
        QVERIFY2(weak == QList<int>({4, 11}), qPrintable(report.out.left(2000)));
        QVERIFY(!o[QStringLiteral("end_point")].isNull());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
    }

    void outcomes_data() {
        QTest::addColumn<QStringList>("arguments"); // "LOG": the known log, "OUT": a new file
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said"); // on standard error
        QTest::newRow("no discharge") << QStringList{"IDLE", "--pdf", "OUT"} << 2
                                      << QStringLiteral("В логе нет участка разряда");
        QTest::newRow("not a log") << QStringList{"TEXT", "--html", "OUT"} << 2
                                   << QStringLiteral("не является логом опроса");
        QTest::newRow("no such log")
            << QStringList{"MISSING", "--csv", "OUT"} << 4 << QStringLiteral("Нет файла лога");
        QTest::newRow("end voltage no number")
            << QStringList{"LOG", "--end-voltage", "x", "--pdf", "OUT"} << 2
            << QStringLiteral("--end-voltage: нужно напряжение в вольтах");
        QTest::newRow("start no time") << QStringList{"LOG", "--from", "вчера", "--pdf", "OUT"} << 2
                                       << QStringLiteral("--from: не удалось прочитать дату");
        QTest::newRow("range without lines")
            << QStringList{"LOG", "--from", "2030-01-01T00:00:00", "--csv", "OUT"} << 2
            << QStringLiteral("В заданном промежутке меньше двух строк лога");
        QTest::newRow("folder missing")
            << QStringList{"LOG", "--pdf", "NOWHERE"} << 4 << QStringLiteral("не записать");
        QTest::newRow("csv takes a file")
            << QStringList{"LOG", "--csv"} << 2 << QStringLiteral("Параметру --csv нужно значение");
    }
    void outcomes() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, said);
        DischargeModel idle;
        idle.amps = 1;
        const QString out = dir.filePath(QStringLiteral("out_%1").arg(QTest::currentDataTag()));
        for (QString& a : arguments) {
            if (a == QLatin1String("LOG"))
                a = WriteLog(QStringLiteral("known.csv"), DischargeModel().Log());
            else if (a == QLatin1String("IDLE"))
                a = WriteLog(QStringLiteral("idle.csv"), idle.Log());
            else if (a == QLatin1String("TEXT"))
                a = WriteLog(QStringLiteral("text.csv"), {QStringLiteral("a,b,c")});
            else if (a == QLatin1String("MISSING"))
                a = dir.filePath(QStringLiteral("missing.csv"));
            else if (a == QLatin1String("OUT"))
                a = out;
            else if (a == QLatin1String("NOWHERE"))
                a = dir.filePath(QStringLiteral("no/such/folder/report.pdf"));
        }
        const CliResult result = RunVelmoraCli(QStringList{QStringLiteral("report")} + arguments);
        QCOMPARE(result.code, code);
        QVERIFY2(result.err.contains(said), qPrintable(result.err));
        QVERIFY(!QFile::exists(out));
    }

    // Without an output the summary and the weak cells go to the terminal; --csv writes the table
    // of the cells as the window's table files are written.
    void textAndTable() {
        DischargeModel m;
        m.slopes = {{7, 93}};
        const QString log = WriteLog(QStringLiteral("weak7.csv"), m.Log());
        CliResult result =
            RunVelmoraCli({QStringLiteral("report"), log, QStringLiteral("--end-voltage=1.8")});
        QCOMPARE(result.code, 0);
        QVERIFY2(result.out.contains(QStringLiteral("Найденная емкость, А*ч: 66,67\n")),
                 qPrintable(result.out));
        QVERIFY(result.out.contains(QStringLiteral("Слабые элементы:\n  Элемент: 7;")));
        const QString csv = dir.filePath(QStringLiteral("cells.csv"));
        result = RunVelmoraCli({QStringLiteral("report"), log, QStringLiteral("--csv"), csv});
        QCOMPARE(result.code, 0);
        QVERIFY(result.out.isEmpty());
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = DecodeLines(file.readAll());
        QCOMPARE(lines.size(), 9);
        QVERIFY(lines[1].startsWith(QStringLiteral("7,1,")));
    }
};

QTEST_GUILESS_MAIN(TestCliReport)
#include "test_cli_report.moc"
