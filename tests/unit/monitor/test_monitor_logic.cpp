#include "address_check.h"
#include "cycle_status.h"
#include "link_stats.h"
#include "qt_prompts.h"
#include "window_position.h"

#include <QLocale>
#include <QTest>

class TestMonitorLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void windowPosition_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("screen of the window's size") << QSize(792, 554) << QPoint(0, -30);
        QTest::newRow("full HD") << QSize(1920, 1080) << QPoint(564, 233);
        QTest::newRow("odd margins round down") << QSize(795, 557) << QPoint(1, -29);
        // Halves are rounded toward zero, not down: -1 / 2 is 0.
        QTest::newRow("one pixel smaller") << QSize(791, 553) << QPoint(0, -30);
        QTest::newRow("three pixels smaller") << QSize(789, 551) << QPoint(-1, -31);
    }
    void windowPosition() {
        QFETCH(QSize, screen);
        QFETCH(QPoint, topLeft);
        QCOMPARE(CentredWindowPosition(screen, QSize(792, 554)), topLeft);
    }

    void cycleStatus_data() {
        QTest::addColumn<qint64>("cycleMs");
        QTest::addColumn<int>("periodMs");
        QTest::addColumn<qint64>("ageMs");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("late");
        QTest::newRow("nothing yet") << qint64(-1) << 1000 << qint64(-1) << "" << false;
        QTest::newRow("measured, nothing shown")
            << qint64(144) << 250 << qint64(-1) << "цикл 0,14 с" << false;
        QTest::newRow("period held")
            << qint64(144) << 250 << qint64(2999) << "цикл 0,14 с\nобновлено 2 с назад" << false;
        QTest::newRow("exactly the period") << qint64(1000) << 1000 << qint64(0)
                                            << "цикл 1 с\nобновлено 0 с назад" << false;
        QTest::newRow("34 blocks at 1 s")
            << qint64(9400) << 1000 << qint64(3000)
            << "цикл 9,4 с при периоде 1 с\nобновлено 3 с назад" << true;
        QTest::newRow("quarter-second period")
            << qint64(851) << 250 << qint64(0) << "цикл 0,85 с при периоде 0,25 с\nобновлено 0 с назад"
            << true;
        QTest::newRow("whole seconds from ten on")
            << qint64(9960) << 5000 << qint64(-1) << "цикл 10 с при периоде 5 с" << true;
    }
    void cycleStatus() {
        QFETCH(qint64, cycleMs);
        QFETCH(int, periodMs);
        QFETCH(qint64, ageMs);
        const CycleStatus status = CycleStatusText(cycleMs, periodMs, ageMs);
        QTEST(status.text, "text");
        QTEST(status.late, "late");
    }

    void dataAge_data() {
        QTest::addColumn<qint64>("ageMs");
        QTest::addColumn<QString>("text");
        QTest::newRow("under a minute") << qint64(59999) << "обновлено 59 с назад";
        QTest::newRow("a minute") << qint64(60000) << "обновлено 1 мин назад";
        QTest::newRow("under an hour") << qint64(3599999) << "обновлено 59 мин назад";
        QTest::newRow("hours and minutes") << qint64(4859000) << "обновлено 1 ч 20 мин назад";
    }
    void dataAge() {
        QFETCH(qint64, ageMs);
        QTEST(DataAgeText(ageMs), "text");
    }

    void errorPercent_data() {
        QTest::addColumn<quint32>("successes");
        QTest::addColumn<quint32>("crcErrors");
        QTest::addColumn<quint32>("noAnswers");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing succeeded") << 0u << 0u << 0u << "100";
        QTest::newRow("errors without success") << 0u << 4u << 2u << "100";
        QTest::newRow("no errors") << 7u << 0u << 0u << "0";
        QTest::newRow("3 / 1 / 1") << 3u << 1u << 1u << "66,67";
        QTest::newRow("one in eight") << 8u << 1u << 0u << "12,5";
        // Single precision: the quotient falls just below the half that exact arithmetic rounds up.
        QTest::newRow("21 in 160") << 160u << 20u << 1u << "13,12";
        QTest::newRow("89 in 80") << 80u << 89u << 0u << "111,2";
        QTest::newRow("47 in 160") << 160u << 0u << 47u << "29,37";
        QTest::newRow("five integer digits turn scientific") << 1u << 150u << 0u << "1,5e+04";
        QTest::newRow("counts near the top") << 1u << 0xFFFFFFFFu << 0xFFFFFFFFu << "8,59e+11";
    }
    void errorPercent() {
        QFETCH(quint32, successes);
        QFETCH(quint32, crcErrors);
        QFETCH(quint32, noAnswers);
        QFETCH(QString, text);
        // The exponent letter's case is the general format's own affair.
        QCOMPARE(LinkErrorPercentText({successes, crcErrors, noAnswers}).toLower(), text);
    }

    void addressText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("check");
        const int valid = int(AddressCheck::Valid);
        const int range = int(AddressCheck::OutOfRange);
        const int number = int(AddressCheck::NotNumber);
        QTest::newRow("0") << "0" << valid;
        QTest::newRow("255") << "255" << valid;
        QTest::newRow("default 238") << "238" << valid;
        QTest::newRow("blanks around") << " 17 " << valid;
        QTest::newRow("256") << "256" << range;
        QTest::newRow("-1") << "-1" << range;
        QTest::newRow("300") << "300" << range;
        QTest::newRow("empty") << "" << number;
        QTest::newRow("abc") << "abc" << number;
        QTest::newRow("12a") << "12a" << number;
        QTest::newRow("fraction") << "1,5" << number;
        QTest::newRow("hexadecimal") << "0x10" << number;
        QTest::newRow("beyond 32 bits") << "99999999999" << number;
    }
    void addressText() {
        QFETCH(QString, text);
        QFETCH(int, check);
        QCOMPARE(int(CheckAddressText(text)), check);
    }

    void nameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("pattern already named")
            << "Comma-Separated Values files (*.csv)|*.csv"
            << QStringList{"Comma-Separated Values files (*.csv)"};
        QTest::newRow("several")
            << "Журнал аварий|*_alarm_data.csv|Comma-Separated Values files (*.csv)|*.csv"
            << QStringList{"Журнал аварий (*_alarm_data.csv)",
                           "Comma-Separated Values files (*.csv)"};
        QTest::newRow("dangling description")
            << "Binary|*.bin|Other" << QStringList{"Binary (*.bin)"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void nameFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, filters);
        QCOMPARE(QtNameFilters(filter), filters);
    }
};

QTEST_GUILESS_MAIN(TestMonitorLogic)
#include "test_monitor_logic.moc"
