#include "line_settings.h"

#include <QTest>

class TestLineSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void baudTable_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("baud");
        QTest::addColumn<float>("bitTime");
        QTest::addColumn<int>("settle");
        QTest::newRow("0") << 0 << 9600 << 0.1042f << 266;
        QTest::newRow("1") << 1 << 19200 << 0.05208f << 133;
        QTest::newRow("2") << 2 << 38400 << 0.0261f << 66;
        QTest::newRow("3") << 3 << 57600 << 0.01736f << 44;
        QTest::newRow("4") << 4 << 115200 << 0.008681f << 22;
        QTest::newRow("beyond the list") << 7 << 115200 << 0.008681f << 22;
        QTest::newRow("no selection") << -1 << 115200 << 0.008681f << 22;
    }
    void baudTable() {
        QFETCH(int, index);
        QFETCH(int, baud);
        QFETCH(float, bitTime);
        QFETCH(int, settle);
        const LineSettings s = LineSettingsFor(index, 0);
        QCOMPARE(s.baudRate, baud);
        QCOMPARE(s.bitTimeMs, bitTime);
        QCOMPARE(s.settleDelayMs, settle);
        // The settle delay is the line time of 255 ten-bit characters.
        QCOMPARE(s.settleDelayMs, qRound(255 * 10 * 1000.0 / baud));
    }

    void formats_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("parity");
        QTest::newRow("8N1") << 0 << int(QSerialPort::NoParity);
        QTest::newRow("8E1") << 1 << int(QSerialPort::EvenParity);
        QTest::newRow("8O1") << 2 << int(QSerialPort::OddParity);
        QTest::newRow("other") << 3 << int(QSerialPort::NoParity);
    }
    void formats() {
        QFETCH(int, index);
        QFETCH(int, parity);
        const LineSettings s = LineSettingsFor(0, index);
        QCOMPARE(int(s.parity), parity);
        QCOMPARE(s.dataBits, QSerialPort::Data8);
        QCOMPARE(s.stopBits, QSerialPort::OneStop);
    }

    void portNames() {
#ifdef Q_OS_WIN
        QCOMPARE(PortSystemName(QStringLiteral("COM12")), QStringLiteral("\\\\.\\COM12"));
#else
        QCOMPARE(PortSystemName(QStringLiteral("ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(PortSystemName(QStringLiteral("/dev/pts/3")), QStringLiteral("/dev/pts/3"));
#endif
    }
};

QTEST_APPLESS_MAIN(TestLineSettings)
#include "test_line_settings.moc"
