#pragma once

#include <QtGlobal>

#include <array>

// The controller's command mailbox: registers 45 to 47 of the status block take a command code
// and a 32-bit parameter, low word first.

enum class CommandCode : quint16 {
    CalibrateCurrent = 1,
    SetClock = 2,
    ClearJournal = 3,
    Login = 4,
    Logout = 5,
    NewPassword = 6,
    SetStateOfCharge = 7,
    SetFullChargeCapacity = 8,
    SetCycleCount = 9,
    SetMode = 10,
};

inline constexpr quint16 CommandRegister = 45;
inline constexpr int CommandBlockWords = 3;

struct CommandBlock {
    std::array<quint16, CommandBlockWords> words{};
    friend bool operator==(const CommandBlock&, const CommandBlock&) = default;
};

// A negative parameter travels as its two's complement.
constexpr CommandBlock MakeCommandBlock(CommandCode code, quint32 parameter) {
    return {{static_cast<quint16>(code), static_cast<quint16>(parameter & 0xFFFF),
             static_cast<quint16>(parameter >> 16)}};
}
