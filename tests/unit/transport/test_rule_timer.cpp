#include "rule_timer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

// The waits of the exchange rules never end before their time, whatever the interval.
class TestRuleTimer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void neverEndsEarly_data() {
        QTest::addColumn<int>("intervalMs");
        QTest::newRow("10 ms") << 10;
        QTest::newRow("settle at 115200, 272 ms") << 272;
        QTest::newRow("settle at 9600, 516 ms") << 516;
    }
    void neverEndsEarly() {
        QFETCH(int, intervalMs);
        RuleTimer timer;
        timer.setInterval(intervalMs);
        QSignalSpy fired(&timer, &RuleTimer::timeout);
        for (int round = 0; round < 5; ++round) {
            QElapsedTimer elapsed;
            elapsed.start();
            timer.start();
            QVERIFY(fired.wait(intervalMs + 10000));
            QVERIFY2(elapsed.elapsed() >= intervalMs,
                     qPrintable(QString::number(elapsed.elapsed())));
            QVERIFY(!timer.isActive());
        }
        QCOMPARE(fired.size(), 5);
    }

    // A restart measures from the new start; a stopped wait never fires.
    void restartAndStop() {
        RuleTimer timer;
        timer.setInterval(200);
        QSignalSpy fired(&timer, &RuleTimer::timeout);
        QElapsedTimer elapsed;
        elapsed.start();
        timer.start();
        QTest::qWait(100);
        timer.start();
        QVERIFY(fired.wait(10000));
        QVERIFY(elapsed.elapsed() >= 300);
        timer.start();
        timer.stop();
        QTest::qWait(300);
        QCOMPARE(fired.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRuleTimer)
#include "test_rule_timer.moc"
