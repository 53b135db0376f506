#include "fleet_snapshot.h"

#include <QTest>

// When a controller's figures count as current: three periods, or three cycle times on a line
// whose cycle outlasts its period.
class TestFleetSnapshot : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void current_data() {
        QTest::addColumn<int>("periodMs");
        QTest::addColumn<qint64>("lastCycleMs");
        QTest::addColumn<qint64>("ageMs"); // since the last answered cycle; -1: none
        QTest::addColumn<bool>("current");
        QTest::newRow("never answered") << 1000 << qint64(0) << qint64(-1) << false;
        QTest::newRow("within 3 periods") << 1000 << qint64(100) << qint64(3000) << true;
        QTest::newRow("past 3 periods") << 1000 << qint64(100) << qint64(3001) << false;
        QTest::newRow("slow cycle: within 3 cycle times")
            << 1000 << qint64(3100) << qint64(9000) << true;
        QTest::newRow("slow cycle: past 3 cycle times")
            << 1000 << qint64(3100) << qint64(9301) << false;
    }
    void current() {
        QFETCH(int, periodMs);
        QFETCH(qint64, lastCycleMs);
        QFETCH(qint64, ageMs);
        QFETCH(bool, current);
        constexpr qint64 NowMs = 1'800'000'000'000;
        ControllerSnapshot snapshot;
        snapshot.spec.periodMs = periodMs;
        snapshot.lastCycleMs = lastCycleMs;
        snapshot.lastGoodCycleMs = ageMs < 0 ? 0 : NowMs - ageMs;
        QCOMPARE(SnapshotCurrent(snapshot, NowMs), current);
    }
};

QTEST_GUILESS_MAIN(TestFleetSnapshot)
#include "test_fleet_snapshot.moc"
