#include "journal_rows.h"
#include "register_image.h"

#include <QTest>

#include <vector>

namespace {

// A journal block with every slot empty, then the given slots used.
struct Journal {
    std::array<quint16, JournalBlockWords> words;
    Journal() { words.fill(0xFFFF); }
    Journal& Use(int first, int last, quint16 code = 0) {
        for (int k = first; k <= last; ++k)
            Set(k, quint32(1000 + k), code, quint16(k % 200));
        return *this;
    }
    Journal& Set(int k, quint32 time, quint16 code, quint16 cell) {
        SetWord32(words, 4 * k, time);
        SetWord16(words, 4 * k + 2, code);
        SetWord16(words, 4 * k + 3, cell);
        return *this;
    }
};

QList<int> Descending(int from, int to) {
    QList<int> slots;
    for (int k = from; k >= to; --k)
        slots.append(k);
    return slots;
}

} // namespace

class TestJournalRows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ring_data() {
        QTest::addColumn<QList<int>>("used"); // pairs of first and last used slot
        QTest::addColumn<QList<int>>("slots");
        QTest::newRow("empty") << QList<int>{} << QList<int>{};
        QTest::newRow("10 used") << QList<int>{0, 9} << Descending(9, 0);
        QTest::newRow("one page full, never wrapped") << QList<int>{0, 255} << Descending(255, 0);
        QTest::newRow("767 free, never wrapped") << QList<int>{0, 766} << Descending(766, 0);
        QTest::newRow("wrapped, empty slot at 300")
            << QList<int>{0, 299, 512, 767} << Descending(299, 0) + Descending(767, 512);
        QTest::newRow("wrapped, empty slot at 255")
            << QList<int>{0, 254, 256, 767} << Descending(254, 0) + Descending(767, 256);
        QTest::newRow("wrapped, empty slot at 0") << QList<int>{1, 767} << Descending(767, 256);
        QTest::newRow("wrapped, empty slot in the last page")
            << QList<int>{0, 599, 767, 767} << Descending(599, 0);
        // Records left in the write page after the empty slot are erased history.
        QTest::newRow("wrapped, rest of the write page not shown")
            << QList<int>{0, 299, 301, 767} << Descending(299, 0) + Descending(767, 512);
    }
    void ring() {
        QFETCH(QList<int>, used);
        QFETCH(QList<int>, slots);
        Journal j;
        for (int i = 0; i + 1 < used.size(); i += 2)
            j.Use(used[i], used[i + 1]);
        const std::optional<QList<int>> walk = JournalSlotsNewestFirst(j.words);
        QVERIFY(walk.has_value());
        QCOMPARE(*walk, slots);
    }

    void noEmptySlotKeepsTheTable() {
        Journal j;
        j.Use(0, 767);
        QVERIFY(!JournalSlotsNewestFirst(j.words));
        QVERIFY(!JournalRows(j.words));
        // The image starts at zero, whose slot 0 is a record at time 0, not an empty slot.
        const std::array<quint16, JournalBlockWords> zero{};
        QVERIFY(!JournalRows(zero));
    }

    void rowCounts_data() {
        QTest::addColumn<QList<int>>("used");
        QTest::addColumn<int>("count");
        QTest::newRow("wrapped at 300") << QList<int>{0, 299, 300 + 1, 767} << 556;
        QTest::newRow("wrapped at 255") << QList<int>{0, 254, 256, 767} << 767;
    }
    void rowCounts() {
        QFETCH(QList<int>, used);
        Journal j;
        for (int i = 0; i + 1 < used.size(); i += 2)
            j.Use(used[i], used[i + 1]);
        const auto rows = JournalRows(j.words);
        QVERIFY(rows);
        QTEST(int(rows->size()), "count");
        // Numbered from the count down to 1, newest first.
        QCOMPARE(rows->first().number, int(rows->size()));
        QCOMPARE(rows->last().number, 1);
    }

    void rowTexts() {
        Journal j;
        j.Set(0, 0, 40, 0);
        // 15 March 2024 09:05:00 in device seconds.
        j.Set(1, 763808700, 6, 17);
        j.Set(2, 763808700, 25, 3);
        const auto rows = JournalRows(j.words);
        QVERIFY(rows);
        QCOMPARE(rows->size(), 3);
        QCOMPARE(rows->at(0).number, 3);
        QCOMPARE(rows->at(0).event, QString(44, QLatin1Char('-')));
        QCOMPARE(rows->at(0).cell, QStringLiteral("3"));
        QCOMPARE(rows->at(1), (JournalRow{2, QStringLiteral("24.3.15 - 9:5:0"),
                                          QStringLiteral("Температура элемента выше средней") +
                                              QString(11, QLatin1Char(' ')),
                                          QStringLiteral("17")}));
        // Code 40 has no text and cell 0 shows nothing: only the number and the time.
        QCOMPARE(rows->at(2),
                 (JournalRow{1, QStringLiteral("0.1.1 - 0:0:0"), QString(), QString()}));
    }

    void eventTexts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << QStringLiteral("Высокое напряжение элемента.");
        QTest::newRow("10") << 10 << QStringLiteral("Высокая температура помещения.");
        QTest::newRow("19") << 19 << QStringLiteral("Кол-во датчиков не соответствует.");
        QTest::newRow("20") << 20 << QString(44, QLatin1Char('-'));
        QTest::newRow("31") << 31 << QString(44, QLatin1Char('-'));
        QTest::newRow("32") << 32 << QString();
        QTest::newRow("65535") << 65535 << QString();
    }
    void eventTexts() {
        QFETCH(int, code);
        QFETCH(QString, text);
        const QString shown = JournalEventText(quint16(code));
        QCOMPARE(shown.trimmed(), text);
        QCOMPARE(shown.size(), text.isEmpty() ? 0 : 44);
    }
};

QTEST_APPLESS_MAIN(TestJournalRows)
#include "test_journal_rows.moc"
