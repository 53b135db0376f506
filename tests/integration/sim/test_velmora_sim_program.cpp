#include "modbus_frames.h"
#include "pty_client.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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

    // The help and the refusals in the language of --lang or VELMORA_LANG, Russian without them;
    // Qt's own lines of the help follow too.
    void speaksTheChosenLanguage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("variable"); // VELMORA_LANG, unset when empty
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said"); // the help's line or the refusal
        QTest::newRow("help")
            << QStringList{"--help"} << "" << 0
            << "Имитатор контроллера АБ: отвечает по Modbus RTU на псевдотерминале.";
        QTest::newRow("help in English") << QStringList{"--help", "--lang", "en"} << "" << 0
                                         << "Simulated battery controller: answers Modbus RTU on "
                                            "a pseudo-terminal.";
        QTest::newRow("bad value") << QStringList{"--cells", "0"} << "" << 2
                                   << "--cells: нужно целое число от 1 до 200, задано \"0\"";
        QTest::newRow("bad value in English")
            << QStringList{"--cells", "0"} << "en" << 2
            << "--cells: a whole number from 1 to 200 is needed, given \"0\"";
        QTest::newRow("unknown language")
            << QStringList{"--lang", "de"} << "en" << 2
            << "--lang: the language ru or en is needed, given \"de\"";
    }
    void speaksTheChosenLanguage() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, variable);
        QFETCH(int, code);
        QFETCH(QString, said);
        const QTemporaryDir settings; // no language the user chose in the window
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
        environment.remove(QStringLiteral("VELMORA_LANG"));
        if (!variable.isEmpty())
            environment.insert(QStringLiteral("VELMORA_LANG"), variable);
        QProcess sim;
        sim.setProcessEnvironment(environment);
        sim.start(QStringLiteral(VELMORA_SIM_PATH), arguments);
        QVERIFY(sim.waitForFinished(10000));
        QCOMPARE(sim.exitCode(), code);
        const QString text =
            QString::fromUtf8(sim.readAllStandardOutput() + sim.readAllStandardError());
        QVERIFY2(text.split(QLatin1Char('\n')).contains(said), qPrintable(text));
        const bool english =
            arguments.contains(QStringLiteral("en")) || variable == QLatin1String("en");
        const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
        QCOMPARE(text.contains(cyrillic), !english);
    }
};

QTEST_GUILESS_MAIN(TestVelmoraSimProgram)
#include "test_velmora_sim_program.moc"
