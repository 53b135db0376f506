#include "journal_ring.h"

#include "register_map.h"
#include "register_space.h"

namespace {

using namespace SimMap;

quint16 SlotAddress(int slot) {
    return quint16(JournalBlock.start + slot * Journal::RecordWords);
}

void EraseSlots(RegisterSpace& regs, int first, int count) {
    for (int slot = first; slot < first + count; ++slot) {
        for (int w = 0; w < Journal::RecordWords; ++w)
            regs.setWord(quint16(SlotAddress(slot) + w), 0xFFFF);
    }
}

} // namespace

namespace JournalRing {

int FirstEmptySlot(const RegisterSpace& regs) {
    for (int slot = 0; slot < Journal::Records; ++slot) {
        if (regs.dword(SlotAddress(slot)) == Journal::EmptyTime)
            return slot;
    }
    return -1;
}

void Append(RegisterSpace& regs, const Event& event) {
    // A ring without an empty slot can only come from direct edits: start over at slot 0.
    int slot = FirstEmptySlot(regs);
    if (slot < 0) {
        EraseSlots(regs, 0, Journal::PageRecords);
        slot = 0;
    }
    const quint16 address = SlotAddress(slot);
    regs.setDword(address, event.time);
    regs.setWord(quint16(address + 2), event.code);
    regs.setWord(quint16(address + 3), event.cell);
    const int next = (slot + 1) % Journal::Records;
    if (next % Journal::PageRecords == 0)
        EraseSlots(regs, next, Journal::PageRecords);
}

void Clear(RegisterSpace& regs) {
    EraseSlots(regs, 0, Journal::Records);
}

} // namespace JournalRing
