#include "modbus_frames.h"
#include "pty_client.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The velmora-sim program as a person runs it: options, the printed port, a clean stop.
class TestVelmoraSimProgram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void answersAtItsAddressAndStopsOnSignal_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void answersAtItsAddressAndStopsOnSignal() {
        QFETCH(int, signal);
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("bms"));
        QProcess sim;
        sim.start(QStringLiteral(VELMORA_SIM_PATH),
                  {QStringLiteral("--address"), QStringLiteral("17"), QStringLiteral("--cells"),
                   QStringLiteral("5"), QStringLiteral("--link"), link,
                   QStringLiteral("--static")});
        QVERIFY(sim.waitForStarted(10000));
        QVERIFY(sim.waitForReadyRead(10000));
        const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();
        QVERIFY2(port.startsWith(QStringLiteral("/dev/")), qPrintable(port));
        QCOMPARE(QFileInfo(link).symLinkTarget(), port);

        PtyClient line(link);
        const QByteArray reply = line.exchange(BuildReadRequest(17, 2, 1), 7);
        QCOMPARE(JudgeReadReply(reply, 1).words, QList<quint16>{5});

        ::kill(pid_t(sim.processId()), signal);
        QVERIFY(sim.waitForFinished(10000));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void badOptionSaysWhy_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("cells 0") << QStringList{QStringLiteral("--cells"), QStringLiteral("0")};
        QTest::newRow("cells text") << QStringList{QStringLiteral("--cells"), QStringLiteral("x")};
        QTest::newRow("address 256")
            << QStringList{QStringLiteral("--address"), QStringLiteral("256")};
        QTest::newRow("no discharge current") << QStringList{"--discharge", "0"};
        QTest::newRow("steps without their time")
            << QStringList{"--discharge", "50", "--current-steps", "100"};
        QTest::newRow("a weak cell past the last")
            << QStringList{"--discharge", "50", "--weak-cells", "3,17"};
        QTest::newRow("resistance no number")
            << QStringList{"--discharge", "50", "--cell-resistance", "3,4:x"};
        QTest::newRow("shaping without a test") << QStringList{"--weak-cells", "--discharge"};
    }
    void badOptionSaysWhy() {
        QFETCH(QStringList, arguments);
        QProcess sim;
        sim.start(QStringLiteral(VELMORA_SIM_PATH), arguments);
        QVERIFY(sim.waitForFinished(10000));
        QCOMPARE(sim.exitCode(), 2);
        QVERIFY(sim.readAllStandardOutput().isEmpty());
        QVERIFY(QString::fromLocal8Bit(sim.readAllStandardError()).contains(arguments.last()));
    }
};

QTEST_GUILESS_MAIN(TestVelmoraSimProgram)
#include "test_velmora_sim_program.moc"
