#include "command_parameters.h"

#include "scripted_prompts.h"

#include <QTest>

// Parameters of the service commands from their fields, and the messages of refused entries.
class TestCommandParameters : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entries_data();
    void entries();
    void clock_write_data();
    void clock_write();
    void clock_refusals_data();
    void clock_refusals();
    void clock_fields_data();
    void clock_fields();
    void clock_fields_from_local_time();
};

void TestCommandParameters::entries_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<quint32>("parameter");
    QTest::newRow("state of charge 100000") << "100000" << true << 100000u;
    QTest::newRow("zero is sent") << "0" << true << 0u;
    QTest::newRow("negative sent as it is") << "-200" << true << quint32(-200);
    QTest::newRow("above the range named") << "20000000" << true << 20000000u;
    QTest::newRow("letters") << "abc" << false << 0u;
    QTest::newRow("empty") << "" << false << 0u;
    QTest::newRow("decimal comma") << "1,5" << false << 0u;
    // Signed 32-bit integers only: nothing is sent as another number.
    QTest::newRow("largest") << "2147483647" << true << 2147483647u;
    QTest::newRow("smallest") << "-2147483648" << true << 0x80000000u;
    QTest::newRow("past 32 bits signed") << "3000000000" << false << 0u;
    QTest::newRow("below 32 bits signed") << "-2147483649" << false << 0u;
}

void TestCommandParameters::entries() {
    QFETCH(QString, text);
    QFETCH(bool, sent);
    QFETCH(quint32, parameter);
    {
        ScriptedPrompts prompts;
        const std::optional<quint32> p = EntryParameter(text);
        QCOMPARE(p.has_value(), sent);
        if (sent) {
            QCOMPARE(*p, parameter);
            QVERIFY(prompts.shown.isEmpty());
        } else {
            QCOMPARE(prompts.shown.size(), 1);
            QCOMPARE(prompts.shown[0].text, EntryMessage());
            QCOMPARE(prompts.shown[0].caption, QStringLiteral("Ошибка!"));
            QCOMPARE(prompts.shown[0].icon, Prompts::Icon::Error);
        }
    }
    // The calibration field takes the same numbers but names a bad text in the conversion error.
    ScriptedPrompts prompts;
    QCOMPARE(CalibrationParameter(text).has_value(), sent);
    if (!sent)
        QCOMPARE(prompts.messageTexts(),
                 QStringList{QStringLiteral("'%1' is not a valid integer value").arg(text)});
}

void TestCommandParameters::clock_write_data() {
    QTest::addColumn<QStringList>("fields"); // hour, minute, second, day, month, year
    QTest::addColumn<quint32>("seconds");
    QTest::newRow("noon 1 January 2001")
        << QStringList{"12", "0", "0", "1", "1", "2001"} << 31665600u;
    QTest::newRow("year 1 as 2001") << QStringList{"12", "0", "0", "1", "1", "1"} << 31665600u;
    QTest::newRow("2015 and 15 alike")
        << QStringList{"16", "41", "0", "4", "12", "15"} << 502562460u;
    QTest::newRow("defaults of the fields")
        << QStringList{"16", "41", "0", "4", "12", "2015"} << 502562460u;
    QTest::newRow("29 February 2000") << QStringList{"0", "0", "0", "29", "2", "2000"} << 5097600u;
    QTest::newRow("25 hours not checked")
        << QStringList{"25", "0", "0", "1", "1", "2000"} << 90000u;
    QTest::newRow("31 February runs into March")
        << QStringList{"0", "0", "0", "31", "2", "2001"} << 36892800u;
    QTest::newRow("hour keeps its low byte")
        << QStringList{"257", "0", "0", "1", "1", "0"} << 3600u;
    QTest::newRow("last second of 2099")
        << QStringList{"23", "59", "59", "31", "12", "2099"} << 3155759999u;
}

void TestCommandParameters::clock_write() {
    QFETCH(QStringList, fields);
    QFETCH(quint32, seconds);
    ScriptedPrompts prompts;
    const std::optional<quint32> p =
        ClockParameter({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
    QVERIFY(p.has_value());
    QCOMPARE(*p, seconds);
    QVERIFY(prompts.shown.isEmpty());
}

void TestCommandParameters::clock_refusals_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::newRow("month 13") << QStringList{"0", "0", "0", "1", "13", "2001"}
                              << "Месяц должен быть от 1 до 12!";
    QTest::newRow("month 0") << QStringList{"0", "0", "0", "1", "0", "2001"}
                             << "Месяц должен быть от 1 до 12!";
    QTest::newRow("month 257, low byte 1")
        << QStringList{"0", "0", "0", "1", "257", "2001"} << "Месяц должен быть от 1 до 12!";
    QTest::newRow("first bad field named")
        << QStringList{"12", "x", "y", "1", "1", "2001"} << "'x' is not a valid integer value";
    QTest::newRow("empty year") << QStringList{"12", "0", "0", "1", "1", ""}
                                << "'' is not a valid integer value";
    const QString counter = QStringLiteral("Дата должна быть от 01.01.2000 до 31.12.2099!");
    QTest::newRow("beyond the device count")
        << QStringList{"0", "0", "0", "1", "1", "2255"} << counter;
    // The count holds these, but they would read back as 2000.
    QTest::newRow("2100") << QStringList{"0", "0", "0", "1", "1", "2100"} << counter;
    QTest::newRow("2135") << QStringList{"0", "0", "0", "1", "1", "2135"} << counter;
    QTest::newRow("25 o'clock on the last day of 2099")
        << QStringList{"25", "0", "0", "31", "12", "99"} << counter;
    // The years are counted before the low byte is taken: 2256 is not 2000.
    QTest::newRow("2256 is not 2000") << QStringList{"0", "0", "0", "1", "1", "2256"} << counter;
    QTest::newRow("before 2000") << QStringList{"0", "0", "0", "1", "1", "1999"} << counter;
    QTest::newRow("negative year") << QStringList{"0", "0", "0", "1", "1", "-5"} << counter;
    QTest::newRow("hour past 32 bits") << QStringList{"3000000000", "0", "0", "1", "1", "2001"}
                                       << "'3000000000' is not a valid integer value";
}

void TestCommandParameters::clock_refusals() {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    ScriptedPrompts prompts;
    QVERIFY(!ClockParameter({fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]}));
    QCOMPARE(prompts.messageTexts(), QStringList{message});
    QCOMPARE(prompts.shown[0].icon, Prompts::Icon::Error);
}

void TestCommandParameters::clock_fields_data() {
    QTest::addColumn<quint32>("seconds");
    QTest::addColumn<QList<int>>("fields"); // hour, minute, second, day, month, year
    QTest::newRow("never read") << 0u << QList<int>{0, 0, 0, 1, 1, 2000};
    QTest::newRow("31415926") << 31415926u << QList<int>{14, 38, 46, 29, 12, 2000};
    QTest::newRow("59 days") << 5097600u << QList<int>{0, 0, 0, 29, 2, 2000};
    QTest::newRow("60 days") << 5184000u << QList<int>{0, 0, 0, 1, 3, 2000};
}

void TestCommandParameters::clock_fields() {
    QFETCH(quint32, seconds);
    QFETCH(QList<int>, fields);
    const ClockFields f = ClockFieldsFromSeconds(seconds);
    QCOMPARE((QList<int>{f.hour, f.minute, f.second, f.day, f.month, f.year}), fields);
}

void TestCommandParameters::clock_fields_from_local_time() {
    const ClockFields f =
        ClockFieldsFromDateTime(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 4, 999)));
    QCOMPARE(f, (ClockFields{9, 5, 4, 7, 3, 2026}));
}

QTEST_APPLESS_MAIN(TestCommandParameters)
#include "test_command_parameters.moc"
