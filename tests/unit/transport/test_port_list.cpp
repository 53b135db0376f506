#include "port_list.h"

#include <QDir>
#include <QFile>
#include <QSerialPortInfo>
#include <QTemporaryDir>
#include <QTest>

class TestPortList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void presentPortsComeFirstThenTheExtraOnes() {
        QStringList present;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
            const QString stable = StablePortName(info.systemLocation());
            present.append(stable.isEmpty() ? info.portName() : stable);
        }
        const QString sim = QStringLiteral("/tmp/velmora-sim");
        const QString byId = QStringLiteral("/dev/serial/by-id/usb-adapter");
        // Repeated and empty entries are left out; an extra port shows as its path.
        const QStringList listed = ListSerialPorts({sim, QString(), byId, sim});
        QCOMPARE(listed, present + QStringList({sim, byId}));
        QCOMPARE(ListSerialPortEntries({sim}).last(), (PortEntry{sim, sim}));
        QCOMPARE(ListSerialPorts(), present);
    }

    // A device found behind its stable link, and the latency timer of its adapter, in folders
    // laid out as /dev/serial/by-id and /sys are.
    void stableNameAndLatency() {
        QTemporaryDir dir;
        const QString device = dir.filePath(QStringLiteral("ttyUSB7"));
        QFile(device).open(QIODevice::WriteOnly);
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("by-id"))));
        const QString link = dir.filePath(QStringLiteral("by-id/usb-Maker_Adapter_A1-if00"));
        QVERIFY(QFile::link(device, link));
        QCOMPARE(StablePortName(device, dir.filePath(QStringLiteral("by-id"))), link);
        QCOMPARE(StablePortName(dir.filePath(QStringLiteral("ttyUSB9")),
                                dir.filePath(QStringLiteral("by-id"))),
                 QString());

        const QString timerFolder =
            dir.filePath(QStringLiteral("sys/bus/usb-serial/devices/ttyUSB7"));
        QVERIFY(QDir().mkpath(timerFolder));
        QFile timer(timerFolder + QStringLiteral("/latency_timer"));
        QVERIFY(timer.open(QIODevice::WriteOnly));
        timer.write("16\n");
        timer.close();
        // Through the stable link, as the port is opened.
        QCOMPARE(UsbLatencyTimerMs(link, dir.filePath(QStringLiteral("sys"))), 16);
        QCOMPARE(UsbLatencyTimerMs(QStringLiteral("/dev/pts/0"), dir.filePath("sys")),
                 std::nullopt);
        QVERIFY(LatencyAdvice(link, 16).contains(QStringLiteral("ttyUSB7: 16 мс")));
        QCOMPARE(LatencyAdvice(link, 1), QString());
    }

    void openFailureDetails_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("accessible");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("never");
        QTest::newRow("no rights") << int(QSerialPort::PermissionError) << true << false << "uucp"
                                   << "sudo usermod -aG uucp $USER"
                                   << "udev";
        // Joining root is no advice: a rule gives the device a group to join.
        QTest::newRow("no rights, device of root")
            << int(QSerialPort::PermissionError) << true << false << "root"
            << "KERNEL==\"ttyUSB0\", GROUP=\"dialout\""
            << "-aG root";
        QTest::newRow("held by another program")
            << int(QSerialPort::PermissionError) << true << true << "root"
            << "занят другой программой"
            << "udev";
        QTest::newRow("gone") << int(QSerialPort::DeviceNotFoundError) << false << false << "root"
                              << "адаптер отключен"
                              << "udev";
    }
    void openFailureDetails() {
        QFETCH(int, error);
        QFETCH(bool, exists);
        QFETCH(bool, accessible);
        QFETCH(QString, group);
        QFETCH(QString, says);
        QFETCH(QString, never);
        const QString details =
            OpenFailureDetails(QSerialPort::SerialPortError(error), QStringLiteral("/dev/ttyUSB0"),
                               exists, accessible, group);
        QVERIFY2(details.contains(says), qPrintable(details));
        QVERIFY2(!details.contains(never), qPrintable(details));
        QVERIFY(details.contains(QStringLiteral("/dev/ttyUSB0")));
    }
};

QTEST_GUILESS_MAIN(TestPortList)
#include "test_port_list.moc"
