#include "date_time_text.h"
#include "text_file.h"

#include <QTest>

// The log's date-time texts: written without a time zone, read back in every locale.
class TestDateTimeText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void zoneLeftOut_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("without");
        QTest::newRow("at the end") << "HH:mm:ss t"
                                    << "HH:mm:ss";
        QTest::newRow("in brackets") << "H:mm:ss (t)"
                                     << "H:mm:ss";
        QTest::newRow("in square brackets") << "APh:mm:ss [t]"
                                            << "APh:mm:ss";
        QTest::newRow("at the start") << "t ah:mm:ss"
                                      << "ah:mm:ss";
        QTest::newRow("after a comma") << "h:mm:ss AP, t"
                                       << "h:mm:ss AP";
        QTest::newRow("quoted text kept") << "'Klock' H.mm:ss (t)"
                                          << "'Klock' H.mm:ss";
        QTest::newRow("quoted t is no zone") << "H:mm:ss 't' t"
                                             << "H:mm:ss 't'";
        QTest::newRow("no zone") << "HH:mm:ss"
                                 << "HH:mm:ss";
    }
    void zoneLeftOut() {
        QFETCH(QString, format);
        QTEST(FormatWithoutZone(format), "without");
    }

    // Every text the writer writes, through a file in code page 1251, reads back to its date and
    // time in every locale Qt has, with no time zone in it.
    void everyLocaleReadsBack() {
        std::vector<QDateTime> times;
        for (int k = 0; k < 48; ++k)
            times.emplace_back(QDate(2000 + (k * 29) % 100, k % 12 + 1, 1 + (k * 5) % 28),
                               QTime(k % 24, (k * 17) % 60, (k * 23) % 60));
        QStringList iso;
        const QList<QLocale> locales =
            QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale& locale : locales) {
            QLocale::setDefault(locale);
            if (!DateTimeTextReadsBack(locale))
                iso.append(locale.name());
            const DateTimeTextParser parser;
            for (const QDateTime& when : times) {
                const QString text = StandardDateTimeText(when);
                QVERIFY2(!text.contains(when.timeZoneAbbreviation()),
                         qPrintable(locale.name() + ": " + text));
                const QString written = DecodeLines(EncodeLines({text})).value(0);
                const std::optional<QDateTime> back = parser.Parse(written);
                QVERIFY2(back && back->date() == when.date() && back->time() == when.time(),
                         qPrintable(locale.name() + ": " + written));
            }
        }
        qInfo("%lld of %lld locales write ISO 8601: %s", qlonglong(iso.size()),
              qlonglong(locales.size()), qPrintable(iso.join(QLatin1Char(' '))));
        for (const char* readable : {"ru_RU", "en_US", "de_DE", "es_ES", "fr_FR", "uk_UA", "kk_KZ"})
            QVERIFY2(!iso.contains(QLatin1String(readable)), readable);
    }

    // A text of the C locale, of the Russian one or of ISO 8601 reads in any locale.
    void otherLocalesRead_data() {
        QTest::addColumn<QLocale>("reader");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("when");
        const QLocale russian(QLocale::Russian, QLocale::Russia);
        const QDateTime afternoon(QDate(2024, 1, 28), QTime(14, 5, 9), Qt::UTC);
        const QDateTime midnight(QDate(2024, 1, 28), QTime(0, 0), Qt::UTC);
        QTest::newRow("C in Russian") << russian << "28 Jan 2024 14:05:09" << afternoon;
        QTest::newRow("C date alone") << russian << "28 Jan 2024" << midnight;
        QTest::newRow("Russian under C") << QLocale::c() << "28.01.2024 14:05:09" << afternoon;
        QTest::newRow("ISO 8601") << russian << "2024-01-28T14:05:09" << afternoon;
        QTest::newRow("ISO 8601 with a blank") << QLocale::c() << "2024-01-28 14:05:09" << afternoon;
        QTest::newRow("two-digit year") << QLocale(QLocale::Spanish, QLocale::Spain)
                                        << "28/1/24 14:05:09" << afternoon;
        QTest::newRow("day-half in another case")
            << QLocale(QLocale::English, QLocale::UnitedStates) << "1/28/24 2:05:09 pm"
            << afternoon;
        QTest::newRow("not a date") << russian << "31.02.2024 10:00:00" << QDateTime();
        QTest::newRow("trailing text") << russian << "28.01.2024 14:05:09 x" << QDateTime();
    }
    void otherLocalesRead() {
        QFETCH(QLocale, reader);
        QFETCH(QString, text);
        QFETCH(QDateTime, when);
        const std::optional<QDateTime> read = DateTimeTextParser(reader).Parse(text);
        QCOMPARE(read.value_or(QDateTime()), when);
    }
};

QTEST_GUILESS_MAIN(TestDateTimeText)
#include "test_date_time_text.moc"
