#pragma once

#include <QtGlobal>

class RegisterSpace;

// The event journal as the controller writes it: a ring of 768 records in pages of 256. The first
// empty slot is the write position; entering a page erases it, so one empty slot always remains.
namespace JournalRing {

struct Event {
    quint32 time;
    quint16 code;
    quint16 cell;
};

// The lowest slot whose time is empty; -1 when none is (only after direct register edits).
int FirstEmptySlot(const RegisterSpace& regs);

void Append(RegisterSpace& regs, const Event& event);

// Empties every slot.
void Clear(RegisterSpace& regs);

} // namespace JournalRing
