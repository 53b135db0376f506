#include "command_block.h"
#include "password.h"

#include <QTest>

// Password packing and the command mailbox words it ends up in.
class TestPassword : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void packs_data();
    void packs();
    void refuses_data();
    void refuses();
    void mailbox_words_data();
    void mailbox_words();
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

void TestPassword::mailbox_words_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<quint32>("parameter");
    QTest::addColumn<quint16>("word0");
    QTest::addColumn<quint16>("word1");
    QTest::addColumn<quint16>("word2");
    QTest::newRow("zero calibration") << 1 << 0u << quint16(1) << quint16(0) << quint16(0);
    QTest::newRow("calibration -200")
        << 1 << quint32(-200) << quint16(1) << quint16(0xFF38) << quint16(0xFFFF);
    QTest::newRow("state of charge 100000")
        << 7 << 100000u << quint16(7) << quint16(0x86A0) << quint16(0x0001);
    QTest::newRow("clock 2001-01-01 12:00")
        << 2 << 31665600u << quint16(2) << quint16(0x2DC0) << quint16(0x01E3);
    QTest::newRow("login: 2nd and 1st char in 46, 4th and 3rd in 47")
        << 4 << 0x34333231u << quint16(4) << quint16(0x3231) << quint16(0x3433);
}

void TestPassword::mailbox_words() {
    QFETCH(int, code);
    QFETCH(quint32, parameter);
    const CommandBlock block = MakeCommandBlock(static_cast<CommandCode>(code), parameter);
    QFETCH(quint16, word0);
    QFETCH(quint16, word1);
    QFETCH(quint16, word2);
    QCOMPARE(block.words[0], word0);
    QCOMPARE(block.words[1], word1);
    QCOMPARE(block.words[2], word2);
}

QTEST_APPLESS_MAIN(TestPassword)
#include "test_password.moc"
