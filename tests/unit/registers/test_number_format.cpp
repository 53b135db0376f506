#include "number_format.h"

#include <QLocale>
#include <QTest>

#include <limits>

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);
const QLocale C(QLocale::C);

} // namespace

class TestNumberFormat : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(C); }

    void formatG_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<qint64>("numerator");
        QTest::addColumn<qint64>("denominator");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("text");
        QTest::newRow("ru separator") << Russian << 6667LL << 100LL << 4 << "66,67";
        QTest::newRow("C separator") << C << 6667LL << 100LL << 4 << "66.67";
        QTest::newRow("separator no reader takes")
            << QLocale(QLocale::Arabic, QLocale::Egypt) << 6667LL << 100LL << 4 << "66.67";
        QTest::newRow("zero") << Russian << 0LL << 1000LL << 4 << "0";
        QTest::newRow("ambient -999") << Russian << -999LL << 10LL << 4 << "-99,9";
        QTest::newRow("whole amperes") << Russian << -1000LL << 1000LL << 6 << "-1";
        QTest::newRow("integer zeros kept") << C << 100LL << 1LL << 4 << "100";
        QTest::newRow("trailing zeros dropped") << C << 3450LL << 1000LL << 4 << "3.45";
        QTest::newRow("half rounds away") << C << 12345LL << 1000LL << 4 << "12.35";
        QTest::newRow("negative half") << C << -12345LL << 1000LL << 4 << "-12.35";
        QTest::newRow("below half") << C << 123449LL << 1000LL << 4 << "123.4";
        QTest::newRow("carry to next power") << C << 99995LL << 10000LL << 4 << "10";
        QTest::newRow("four integer digits") << C << 9999LL << 1LL << 4 << "9999";
        QTest::newRow("carry past precision") << C << 99995LL << 10LL << 4 << "1e+04";
        QTest::newRow("five integer digits") << C << 12345LL << 1LL << 4 << "1.235e+04";
        QTest::newRow("G6 five digits") << C << 53123456LL << 1000LL << 6 << "53123.5";
        QTest::newRow("2^31 mAh in G4") << Russian << 2147483648LL << 1000LL << 4 << "2,147e+06";
        QTest::newRow("2^32-1 mAh in G4") << C << 4294967295LL << 1000LL << 4 << "4.295e+06";
        QTest::newRow("smallest fixed") << C << 1LL << 100000LL << 4 << "0.00001";
        QTest::newRow("below 0.00001") << C << 1LL << 1000000LL << 4 << "1e-06";
        QTest::newRow("small with digits") << C << -12345LL << 100000000LL << 4 << "-0.0001235";
        QTest::newRow("G15 cell volts") << Russian << 3312LL << 1000LL << 15 << "3,312";
        QTest::newRow("G15 third") << C << 1LL << 3LL << 15 << "0.333333333333333";
        QTest::newRow("hours exact") << Russian << 90LL << 60LL << 4 << "1,5";
        QTest::newRow("hours rounded") << C << 89LL << 60LL << 4 << "1.483";
        QTest::newRow("hours tie") << C << 12339LL << 60LL << 4 << "205.7";
        QTest::newRow("most negative")
            << C << std::numeric_limits<qint64>::min() << 1LL << 4 << "-9.223e+18";
    }
    void formatG() {
        QFETCH(QLocale, locale);
        QFETCH(qint64, numerator);
        QFETCH(qint64, denominator);
        QFETCH(int, digits);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        QCOMPARE(FormatG(numerator, denominator, digits), text);
    }

    void shorthands() {
        QLocale::setDefault(C);
        QCOMPARE(FormatG4(2, 3), "0.6667");
        QCOMPARE(FormatG6(2, 3), "0.666667");
        QCOMPARE(FormatG15(123456789012345678LL), "1.23456789012346e+17");
    }

    void parseScaled_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("factor");
        QTest::addColumn<qint64>("value");
        QTest::newRow("threshold") << Russian << "3,65" << 1000LL << 3650LL;
        QTest::newRow("one decimal") << Russian << "2,5" << 1000LL << 2500LL;
        QTest::newRow("negative") << Russian << "-0,5" << 1000LL << -500LL;
        QTest::newRow("truncated not rounded") << Russian << "1,2345" << 1000LL << 1234LL;
        QTest::newRow("negative toward zero") << Russian << "-1,2345" << 1000LL << -1234LL;
        QTest::newRow("hours to minutes") << Russian << "1,5" << 60LL << 90LL;
        QTest::newRow("rounded hours") << Russian << "1,483" << 60LL << 88LL;
        QTest::newRow("G4 of 123456") << Russian << "123,5" << 1000LL << 123500LL;
        QTest::newRow("no binary error 4,35") << Russian << "4,35" << 1000LL << 4350LL;
        QTest::newRow("no binary error 1,005") << Russian << "1,005" << 1000LL << 1005LL;
        QTest::newRow("no binary error 0,001") << Russian << "0,001" << 1000LL << 1LL;
        QTest::newRow("scientific") << Russian << "2,147e+06" << 1000LL << 2147000000LL;
        QTest::newRow("upper-case exponent") << C << "1E3" << 1000LL << 1000000LL;
        QTest::newRow("negative exponent") << C << "1e-06" << 1000LL << 0LL;
        QTest::newRow("blanks around") << C << "  7 " << 1000LL << 7000LL;
        QTest::newRow("plus sign") << C << "+7" << 10LL << 70LL;
        QTest::newRow("leading separator") << C << ".5" << 1000LL << 500LL;
        QTest::newRow("trailing separator") << C << "5." << 1000LL << 5000LL;
        QTest::newRow("C point") << C << "3.65" << 1000LL << 3650LL;
        // A file of one locale is read in the other: either separator is the decimal one.
        QTest::newRow("point in ru") << Russian << "3.65" << 1000LL << 3650LL;
        QTest::newRow("comma in C") << C << "3,65" << 1000LL << 3650LL;
        QTest::newRow("integer") << Russian << "12" << 100LL << 1200LL;
    }
    void parseScaled() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(qint64, factor);
        QFETCH(qint64, value);
        QLocale::setDefault(locale);
        const ParsedNumber parsed = ParseScaled(text, factor);
        QVERIFY2(parsed.value.has_value(), qPrintable(parsed.error));
        QCOMPARE(*parsed.value, value);
    }

    void parseScaledRefuses_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        const QString notFloat = QStringLiteral("'%1' is not a valid floating point value");
        QTest::newRow("point and comma") << Russian << "1.2,3" << notFloat.arg("1.2,3");
        QTest::newRow("group separators") << C << "1,000.5" << notFloat.arg("1,000.5");
        QTest::newRow("empty") << Russian << "" << notFloat.arg("");
        QTest::newRow("letters") << Russian << "abc" << notFloat.arg("abc");
        QTest::newRow("two separators") << Russian << "1,2,3" << notFloat.arg("1,2,3");
        QTest::newRow("double sign") << Russian << "--1" << notFloat.arg("--1");
        QTest::newRow("bare exponent") << C << "1e" << notFloat.arg("1e");
        QTest::newRow("separator only") << C << "." << notFloat.arg(".");
        QTest::newRow("blank inside") << C << "1 5" << notFloat.arg("1 5");
        QTest::newRow("exponent too long") << C << "1e00001" << notFloat.arg("1e00001");
        // Found by fuzzing under UndefinedBehaviorSanitizer: the digits once overflowed the sum.
        QTest::newRow("ten-digit exponent") << C << "1e9999999999" << notFloat.arg("1e9999999999");
        QTest::newRow("too large") << C << "1e30" << QStringLiteral("Число '1e30' слишком велико");
    }
    void parseScaledRefuses() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(QString, error);
        QLocale::setDefault(locale);
        const ParsedNumber parsed = ParseScaled(text, 1000);
        QVERIFY(!parsed.value.has_value());
        QCOMPARE(parsed.error, error);
    }

    // The nearest double, by the quick way for short texts and by from_chars for the rest.
    void parseNumberText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << QByteArray("52,1") << 52.1;
        QTest::newRow("point") << QByteArray("-0.00005") << -5e-05;
        QTest::newRow("exponent") << QByteArray("2,147e+06") << 2147000.0;
        QTest::newRow("beyond a float") << QByteArray("1e39") << 1e39;
        QTest::newRow("eighteen digits")
            << QByteArray("123456789012345678") << 1.2345678901234568e17;
        QTest::newRow("small exponent") << QByteArray("1e-30") << 1e-30;
        QTest::newRow("signed 32-bit end") << QByteArray("-2147483648") << -2147483648.0;
    }
    void parseNumberText() {
        QFETCH(QByteArray, text);
        QFETCH(double, value);
        const std::optional<double> read =
            ParseNumberText(std::string_view(text.constData(), std::size_t(text.size())));
        QVERIFY(read.has_value());
        QVERIFY2(*read == value, qPrintable(QString::number(*read, 'g', 17)));
        QVERIFY(!ParseNumberText("5,,1"));
    }

    void parseInteger_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("value");
        QTest::newRow("negative") << "-10" << true << -10LL;
        QTest::newRow("blanks around") << " 42 " << true << 42LL;
        QTest::newRow("plus") << "+5" << true << 5LL;
        QTest::newRow("beyond 16 bits") << "70000" << true << 70000LL;
        QTest::newRow("decimal comma") << "3,65" << false << 0LL;
        QTest::newRow("empty") << "" << false << 0LL;
        QTest::newRow("blank inside") << "1 2" << false << 0LL;
        QTest::newRow("hex") << "0x10" << false << 0LL;
    }
    void parseInteger() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, value);
        const ParsedNumber parsed = ParseInteger(text);
        QCOMPARE(parsed.value.has_value(), ok);
        if (ok)
            QCOMPARE(*parsed.value, value);
        else
            QCOMPARE(parsed.error, QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "test_number_format.moc"
