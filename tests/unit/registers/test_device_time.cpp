#include "device_time.h"

#include <QTest>

namespace {

DeviceDateTime Make(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return {quint8(second), quint8(minute), quint8(hour), quint8(day), quint8(month), quint8(year)};
}

} // namespace

Q_DECLARE_METATYPE(DeviceDateTime)

class TestDeviceTime : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void knownTimes_data() {
        QTest::addColumn<quint32>("seconds");
        QTest::addColumn<DeviceDateTime>("time");
        QTest::newRow("epoch") << 0u << Make(0, 1, 1);
        QTest::newRow("28 Feb 2000") << 5011200u << Make(0, 2, 28);
        QTest::newRow("29 Feb 2000") << 5097600u << Make(0, 2, 29);
        QTest::newRow("1 Mar 2000") << 5184000u << Make(0, 3, 1);
        QTest::newRow("31 Dec 2000") << 31536000u << Make(0, 12, 31);
        QTest::newRow("1 Jan 2001") << 31622400u << Make(1, 1, 1);
        QTest::newRow("1 Mar 2001, no leap day") << 36720000u << Make(1, 3, 1);
        QTest::newRow("1 Jan 2004") << 126230400u << Make(4, 1, 1);
        QTest::newRow("29 Feb 2004") << 131328000u << Make(4, 2, 29);
        QTest::newRow("clock example") << 786531900u << Make(24, 12, 3, 9, 5, 0);
        QTest::newRow("last second of 2099") << 3155759999u << Make(99, 12, 31, 23, 59, 59);
    }
    void knownTimes() {
        QFETCH(quint32, seconds);
        QFETCH(DeviceDateTime, time);
        QCOMPARE(SecondsToDateTime(seconds), time);
        QCOMPARE(DateTimeToSeconds(time), std::optional<quint32>(seconds));
    }

    void yearsPast2099Wrap_data() {
        QTest::addColumn<quint32>("seconds");
        QTest::addColumn<DeviceDateTime>("time");
        QTest::newRow("first second of 2100") << 3155760000u << Make(0, 1, 1);
        QTest::newRow("largest count") << 0xFFFFFFFFu << Make(0, 2, 6, 6, 28, 15);
    }
    void yearsPast2099Wrap() {
        QFETCH(quint32, seconds);
        QFETCH(DeviceDateTime, time);
        QCOMPARE(SecondsToDateTime(seconds), time);
    }

    // Every day of the century at a time that moves through the day comes back unchanged.
    void roundTripEveryDay() {
        for (quint32 day = 0; day < 36525; ++day) {
            const quint32 seconds = day * 86400 + (day * 7919) % 86400;
            const DeviceDateTime time = SecondsToDateTime(seconds);
            QVERIFY(time.month >= 1 && time.month <= 12);
            QVERIFY(time.day >= 1 && time.day <= 31);
            QCOMPARE(DateTimeToSeconds(time), std::optional<quint32>(seconds));
        }
    }

    void fieldsOutOfRangeUseTheArithmetic() {
        QCOMPARE(DateTimeToSeconds(Make(1, 2, 31)), DateTimeToSeconds(Make(1, 3, 3)));
        QCOMPARE(DateTimeToSeconds(Make(0, 1, 1, 25)), DateTimeToSeconds(Make(0, 1, 2, 1)));
    }

    void refusals_data() {
        QTest::addColumn<DeviceDateTime>("time");
        QTest::addColumn<QString>("message");
        const QString badMonth = QStringLiteral("Месяц должен быть от 1 до 12!");
        const QString outside = QStringLiteral("Дата за пределами счетчика времени контроллера!");
        QTest::newRow("month 0") << Make(24, 0, 1) << badMonth;
        QTest::newRow("month 13") << Make(24, 13, 1) << badMonth;
        QTest::newRow("month 255") << Make(24, 255, 1) << badMonth;
        QTest::newRow("before 2000") << Make(0, 1, 0) << outside;
        QTest::newRow("past the count") << Make(136, 2, 6, 6, 28, 16) << outside;
        QTest::newRow("year 255") << Make(255, 12, 31) << outside;
    }
    void refusals() {
        QFETCH(DeviceDateTime, time);
        QFETCH(QString, message);
        QCOMPARE(DateTimeToSeconds(time), std::nullopt);
        QCOMPARE(DateTimeRefusalText(time), message);
    }

    void lastRepresentableTime() {
        QCOMPARE(DateTimeToSeconds(Make(136, 2, 6, 6, 28, 15)), std::optional<quint32>(0xFFFFFFFF));
    }

    void clockText() {
        QCOMPARE(ClockText(Make(24, 12, 3, 9, 5, 0)), "9:5:0 3-12-2024");
        QCOMPARE(ClockText(Make(99, 1, 31, 23, 59, 59)), "23:59:59 31-1-2099");
    }
};

QTEST_GUILESS_MAIN(TestDeviceTime)
#include "test_device_time.moc"
