#include "journal_ring.h"
#include "register_map.h"
#include "register_space.h"

#include <QTest>

using namespace SimMap;

namespace {

quint32 SlotTime(const RegisterSpace& regs, int slot) {
    return regs.dword(quint16(JournalBlock.start + slot * Journal::RecordWords));
}

bool SlotsEmpty(const RegisterSpace& regs, int first, int last) {
    for (int slot = first; slot <= last; ++slot) {
        if (SlotTime(regs, slot) != Journal::EmptyTime)
            return false;
    }
    return true;
}

bool SlotsUsed(const RegisterSpace& regs, int first, int last) {
    for (int slot = first; slot <= last; ++slot) {
        if (SlotTime(regs, slot) == Journal::EmptyTime)
            return false;
    }
    return true;
}

} // namespace

// The ring as the journal page reads it: the first empty slot is the write position, and entering a
// page erases it.
class TestJournalRing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ringAfterWrites_data() {
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("firstEmpty");
        QTest::addColumn<bool>("wrapped");
        QTest::newRow("empty") << 0 << 0 << false;
        QTest::newRow("ten") << 10 << 10 << false;
        QTest::newRow("one page") << 256 << 256 << false;
        QTest::newRow("last slot free") << 767 << 767 << false;
        QTest::newRow("wrapped at 0") << 768 << 0 << true;
        QTest::newRow("wrapped at 255") << 768 + 255 << 255 << true;
        QTest::newRow("wrapped at 300") << 768 + 300 << 300 << true;
        // Its last page erased and half rewritten: slot 767 is empty again.
        QTest::newRow("twice round, in the last page") << 2 * 768 + 600 << 600 << false;
    }
    void ringAfterWrites() {
        QFETCH(int, writes);
        QFETCH(int, firstEmpty);
        QFETCH(bool, wrapped);
        RegisterSpace regs;
        JournalRing::Clear(regs);
        for (int i = 0; i < writes; ++i)
            JournalRing::Append(regs, {quint32(1000 + i), quint16(i % 20), quint16(i % 7)});
        QCOMPARE(JournalRing::FirstEmptySlot(regs), firstEmpty);
        QCOMPARE(SlotTime(regs, 767) != Journal::EmptyTime, wrapped);
        const int pageEnd = (firstEmpty / Journal::PageRecords + 1) * Journal::PageRecords - 1;
        QVERIFY(SlotsUsed(regs, 0, firstEmpty - 1));
        QVERIFY(SlotsEmpty(regs, firstEmpty, pageEnd));
        if (pageEnd < 767)
            QCOMPARE(SlotsUsed(regs, pageEnd + 1, 767), wrapped);
        if (writes > 0) {
            const int newest = (firstEmpty + Journal::Records - 1) % Journal::Records;
            QCOMPARE(SlotTime(regs, newest), quint32(1000 + writes - 1));
        }
    }

    void clearEmptiesEverySlot() {
        RegisterSpace regs;
        for (int i = 0; i < 900; ++i)
            JournalRing::Append(regs, {quint32(i), 1, 2});
        JournalRing::Clear(regs);
        QVERIFY(SlotsEmpty(regs, 0, 767));
        QCOMPARE(JournalRing::FirstEmptySlot(regs), 0);
    }

    // Registers edited so that no slot is empty: writing starts again at slot 0 and its page.
    void fullRingStartsOver() {
        RegisterSpace regs;
        QCOMPARE(JournalRing::FirstEmptySlot(regs), -1);
        JournalRing::Append(regs, {77, 3, 4});
        QCOMPARE(SlotTime(regs, 0), quint32(77));
        QCOMPARE(JournalRing::FirstEmptySlot(regs), 1);
        QVERIFY(SlotsEmpty(regs, 1, 255));
    }
};

QTEST_GUILESS_MAIN(TestJournalRing)
#include "test_journal_ring.moc"
