#include "cell_conversion.h"

#include <QTest>

// Value cells back into register bits, in the Russian locale's notation.
class TestCellConversion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void converts_data();
    void converts();
    void refuses_data();
    void refuses();
};

void TestCellConversion::converts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("factor");
    QTest::addColumn<bool>("scaledView");
    QTest::addColumn<quint32>("bits");

    QTest::newRow("threshold 3,65 V") << "3,65" << 1000 << true << 3650u;
    QTest::newRow("2,5 V") << "2,5" << 1000 << true << 2500u;
    QTest::newRow("negative current") << "-0,5" << 1000 << true << 0xFFFFFE0Cu;
    QTest::newRow("truncated, not rounded") << "1,2345" << 1000 << true << 1234u;
    QTest::newRow("negative truncated toward zero") << "-1,2345" << 1000 << true << quint32(-1234);
    QTest::newRow("binary approximation below") << "1,005" << 1000 << true << 1005u;
    QTest::newRow("one thousandth") << "0,001" << 1000 << true << 1u;
    QTest::newRow("hours to minutes") << "1,5" << 60 << true << 90u;
    QTest::newRow("G4 text of 123456") << "123,5" << 1000 << true << 123500u;
    QTest::newRow("exponent form") << "2,147E6" << 1000 << true << 2147000000u;
    QTest::newRow("unsigned 32-bit top") << "4294967,295" << 1000 << true << 0xFFFFFFFFu;
    QTest::newRow("blanks around") << " 3,65 " << 1000 << true << 3650u;
    QTest::newRow("integer text in scaled cell") << "4" << 1000 << true << 4000u;
    QTest::newRow("raw view reads integers") << "3650" << 1000 << false << 3650u;
    QTest::newRow("integer cell in scaled view") << "-10" << 1 << true << 0xFFFFFFF6u;
    QTest::newRow("70000 keeps all bits") << "70000" << 1 << false << 70000u;
    QTest::newRow("signed 32-bit low end") << "-2147483648" << 1 << false << 0x80000000u;
    QTest::newRow("plus sign") << "+7" << 1 << false << 7u;
}

void TestCellConversion::converts() {
    QFETCH(QString, text);
    QFETCH(int, factor);
    QFETCH(bool, scaledView);
    QFETCH(quint32, bits);
    const CellConversion c = ConvertCell(text, factor, scaledView, QLocale(QLocale::Russian));
    QVERIFY2(c.bits.has_value(), qPrintable(c.error));
    QCOMPARE(*c.bits, bits);
    QVERIFY(c.error.isEmpty());
}

void TestCellConversion::refuses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("factor");
    QTest::addColumn<bool>("scaledView");
    QTest::addColumn<QString>("message");

    QTest::newRow("raw view 3,65")
        << "3,65" << 1000 << false << "'3,65' is not a valid integer value";
    QTest::newRow("empty integer") << "" << 1 << true << "'' is not a valid integer value";
    QTest::newRow("letters") << "abc" << 1 << false << "'abc' is not a valid integer value";
    QTest::newRow("beyond 32 bits")
        << "2147483648" << 1 << false << "'2147483648' is not a valid integer value";
    QTest::newRow("hexadecimal") << "0x10" << 1 << false << "'0x10' is not a valid integer value";
    QTest::newRow("point where comma expected")
        << "3.65" << 1000 << true << "'3.65' is not a valid floating point value";
    QTest::newRow("empty scaled") << "" << 60 << true << "'' is not a valid floating point value";
    QTest::newRow("infinity") << "inf" << 1000 << true
                              << "'inf' is not a valid floating point value";
    QTest::newRow("product beyond 32 bits")
        << "4294967,296" << 1000 << true << "'4294967,296' is not a valid floating point value";
    QTest::newRow("product below signed range")
        << "-2147483,649" << 1000 << true << "'-2147483,649' is not a valid floating point value";
}

void TestCellConversion::refuses() {
    QFETCH(QString, text);
    QFETCH(int, factor);
    QFETCH(bool, scaledView);
    QFETCH(QString, message);
    const CellConversion c = ConvertCell(text, factor, scaledView, QLocale(QLocale::Russian));
    QVERIFY(!c.bits.has_value());
    QCOMPARE(c.error, message);
}

QTEST_APPLESS_MAIN(TestCellConversion)
#include "test_cell_conversion.moc"
