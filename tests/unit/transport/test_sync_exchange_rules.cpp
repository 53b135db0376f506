#include "line_settings.h"
#include "serial_port.h"
#include "sync_exchange.h"

#include <QTest>

class TestSyncExchangeRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void settleWait_data() {
        QTest::addColumn<int>("baudIndex");
        QTest::addColumn<int>("waitMs");
        QTest::newRow("9600") << 0 << 276;
        QTest::newRow("19200") << 1 << 143;
        QTest::newRow("38400") << 2 << 76;
        QTest::newRow("57600") << 3 << 54;
        QTest::newRow("115200") << 4 << 32;
    }
    void settleWait() {
        QFETCH(int, baudIndex);
        QFETCH(int, waitMs);
        QCOMPARE(SettleWaitMs(LineSettingsFor(baudIndex, 0).bitTimeMs), waitMs);
    }

    void outputQueue_data() {
        QTest::addColumn<int>("queued");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("fits");
        QTest::newRow("2047 into an empty queue") << 0 << 2047 << true;
        QTest::newRow("2048 into an empty queue") << 0 << 2048 << false;
        QTest::newRow("fills the queue exactly") << 1000 << 1048 << false;
        QTest::newRow("one short of full") << 1000 << 1047 << true;
    }
    void outputQueue() {
        QFETCH(int, queued);
        QFETCH(int, n);
        QFETCH(bool, fits);
        QCOMPARE(FitsOutputQueue(queued, n), fits);
    }

    void requestLoading() {
        const QByteArray longest(SyncTxFrameBytes, '\x5A');
        QCOMPARE(LoadSyncTxFrame(longest), quint16(SyncTxFrameBytes));
        QCOMPARE(SyncTxFrame.back(), quint8(0x5A));
        // A frame that does not fit is refused whole rather than cut short.
        QCOMPARE(LoadSyncTxFrame(QByteArray(SyncTxFrameBytes + 1, '\x11')), quint16(0));
        QCOMPARE(SyncTxFrame.front(), quint8(0x5A));
        QCOMPARE(LoadSyncTxFrame(QByteArrayView()), quint16(0));
    }
};

QTEST_GUILESS_MAIN(TestSyncExchangeRules)
#include "test_sync_exchange_rules.moc"
