#include "password.h"

#include <QTest>

// Password packing: four code page 1251 bytes, the first character lowest.
class TestPassword : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void packs_data();
    void packs();
    void refuses_data();
    void refuses();
};

void TestPassword::packs_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<quint32>("parameter");
    QTest::newRow("default digits") << "0000" << 0x30303030u;
    QTest::newRow("first digit lowest") << "1234" << 0x34333231u;
    // 'Ж' is 0xC6 and 'я' 0xFF in code page 1251.
    QTest::newRow("Cyrillic first letter") << "Жab9" << 0x396261C6u;
    QTest::newRow("Cyrillic last letter") << "abcя" << 0xFF636261u;
}

void TestPassword::packs() {
    QFETCH(QString, password);
    QFETCH(quint32, parameter);
    const PasswordPacking p = PackPassword(password);
    QVERIFY2(p.parameter.has_value(), qPrintable(p.error));
    QCOMPARE(*p.parameter, parameter);
}

void TestPassword::refuses_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::newRow("three") << "123" << PasswordLengthMessage();
    QTest::newRow("five") << "12345" << PasswordLengthMessage();
    QTest::newRow("empty") << "" << PasswordLengthMessage();
    QTest::newRow("not in code page") << QString::fromUtf8("12中4") << PasswordCodePageMessage();
    QTest::newRow("four characters, five UTF-16 units") << QString::fromUtf8("12\U0001F600"
                                                                             "4")
                                                        << PasswordCodePageMessage();
}

void TestPassword::refuses() {
    QFETCH(QString, password);
    QFETCH(QString, message);
    const PasswordPacking p = PackPassword(password);
    QVERIFY(!p.parameter.has_value());
    QCOMPARE(p.error, message);
}

QTEST_APPLESS_MAIN(TestPassword)
#include "test_password.moc"
