#include "fast_exchange.h"
#include "modbus_frames.h"

#include <QTest>

// When the fast exchange takes a reply as complete, and how long it waits.
class TestFastExchange : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replyLength_data() {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<int>("length"); // -1: not known yet, or never
        QTest::newRow("one byte") << QByteArray::fromHex("EE") << -1;
        QTest::newRow("read, no count yet") << QByteArray::fromHex("EE03") << -1;
        QTest::newRow("read of 125 registers") << QByteArray::fromHex("EE03FA") << 255;
        QTest::newRow("read of 0 bytes") << QByteArray::fromHex("EE0300") << 5;
        QTest::newRow("write echo") << QByteArray::fromHex("EE10") << 8;
        QTest::newRow("exception to a read") << QByteArray::fromHex("EE83") << 5;
        QTest::newRow("exception to anything") << QByteArray::fromHex("01FF") << 5;
        QTest::newRow("bootloader init") << QByteArray::fromHex("EE30") << 5;
        QTest::newRow("bootloader erase") << QByteArray::fromHex("EE20") << 6;
        QTest::newRow("bootloader packet") << QByteArray::fromHex("EE21") << 5;
        QTest::newRow("bootloader finish") << QByteArray::fromHex("EE31") << 6;
        QTest::newRow("unknown function") << QByteArray::fromHex("EE07") << -1;
    }
    void replyLength() {
        QFETCH(QByteArray, received);
        QTEST(ExpectedReplyLength(received).value_or(-1), "length");
    }

    void lengthForRequest() {
        QCOMPARE(ExpectedReplyLengthFor(BuildReadRequest(238, 0, 50)), 105);
        QCOMPARE(ExpectedReplyLengthFor(BuildReadRequest(238, 0, 125)), 255);
        // A count past the largest read still waits no longer than the longest frame.
        QCOMPARE(ExpectedReplyLengthFor(BuildReadRequest(238, 0, 2000)), 255);
        const std::array<quint16, 3> words{1, 2, 3};
        QCOMPARE(ExpectedReplyLengthFor(BuildWriteRequest(238, 45, words)), 8);
        QCOMPARE(ExpectedReplyLengthFor(QByteArray::fromHex("EE2108000000")), 5);
        QCOMPARE(ExpectedReplyLengthFor(QByteArray::fromHex("EE07")), 255);
    }

    void timing_data() {
        QTest::addColumn<int>("baudIndex");
        QTest::addColumn<int>("formatIndex");
        QTest::addColumn<qint64>("silenceUs");
        QTest::addColumn<int>("timeoutMs"); // a 50-register read
        // 3.5 characters of 10 bits; above 19200 baud never less than 1750 us.
        QTest::newRow("9600 8N1") << 0 << 0 << qint64(3646) << 200 + 236;
        QTest::newRow("9600 8E1, 11 bits") << 0 << 1 << qint64(4011) << 200 + 259;
        QTest::newRow("19200") << 1 << 0 << qint64(1823) << 200 + 118;
        QTest::newRow("38400") << 2 << 0 << qint64(1750) << 200 + 59;
        QTest::newRow("115200") << 4 << 0 << qint64(1750) << 200 + 20;
    }
    void timing() {
        QFETCH(int, baudIndex);
        QFETCH(int, formatIndex);
        const LineSettings line = LineSettingsFor(baudIndex, formatIndex);
        QTEST(FrameSilenceUs(line), "silenceUs");
        // A short reply ends after a silence the adapter's delivery cannot fake.
        QCOMPARE(ReplySilenceMs(line), ReplySilenceFloorMs);
        QTEST(FastReplyTimeoutMs(line, 8, 105, 3000), "timeoutMs");
        // Never longer than the fixed wait it replaces.
        QCOMPARE(FastReplyTimeoutMs(line, 8, 105, 100), 100);
    }
};

QTEST_APPLESS_MAIN(TestFastExchange)
#include "test_fast_exchange.moc"
