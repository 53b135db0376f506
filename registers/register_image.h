#pragma once

#include <QtGlobal>

#include <array>
#include <span>

// The copy of the controller's holding registers. Each block holds one 16-bit word per register,
// indexed by register address minus the block's start address. A 32-bit quantity takes two
// registers, the low word at the lower address.

inline constexpr quint16 StatusBlockStart = 0x0000;
inline constexpr quint16 CommSettingsBlockStart = 0x6800;
inline constexpr quint16 ChargeSettingsBlockStart = 0x6C00;
inline constexpr quint16 AlarmSettingsBlockStart = 0x7000;
inline constexpr quint16 JournalBlockStart = 0x7400;

inline constexpr int StatusBlockWords = 650;
inline constexpr int CommSettingsBlockWords = 6;
inline constexpr int ChargeSettingsBlockWords = 47;
inline constexpr int AlarmSettingsBlockWords = 50;
inline constexpr int JournalBlockWords = 3072;

// Per-cell arrays of the status block, 200 entries each; cell n (1-based) is entry n - 1.
inline constexpr int MaxCells = 200;
inline constexpr int CellVoltageOffset = 50;
inline constexpr int CellTemperatureOffset = 250;
inline constexpr int CellStatusOffset = 450;
// Registers 0 to 49, the status values before the per-cell arrays.
inline constexpr quint16 StatusValueCount = CellVoltageOffset;

struct RegisterImage {
    std::array<quint16, StatusBlockWords> StatusBlock{};
    std::array<quint16, CommSettingsBlockWords> CommSettingsBlock{};
    std::array<quint16, ChargeSettingsBlockWords> ChargeSettingsBlock{};
    std::array<quint16, AlarmSettingsBlockWords> AlarmSettingsBlock{};
    std::array<quint16, JournalBlockWords> JournalBlock{};
};

// Word readers. An offset outside the block reads as 0, so a bad offset never reads past the
// block; the maps' offsets are all inside their blocks.
quint16 Word16(std::span<const quint16> block, int offset);
qint16 SignedWord16(std::span<const quint16> block, int offset);
quint32 Word32(std::span<const quint16> block, int offset);
qint32 SignedWord32(std::span<const quint16> block, int offset);

// Writers; a write outside the block is dropped and reported by the false result.
bool SetWord16(std::span<quint16> block, int offset, quint16 value);
bool SetWord32(std::span<quint16> block, int offset, quint32 value);

// Copies a run of words received from the controller into the block at the offset. False, and
// nothing stored, when the run does not fit the block.
bool StoreWords(std::span<quint16> block, int offset, std::span<const quint16> words);

// Stores a run of registers read from the controller, starting at Modbus address firstRegister,
// into the block that holds that address. False, and nothing stored, when the run does not lie
// inside one block.
bool StoreRegisters(RegisterImage& image, quint16 firstRegister, std::span<const quint16> words);

// Per-cell readers for cell n (1-based, 1 to MaxCells); a cell outside that range reads as 0.
quint16 CellVoltage(std::span<const quint16> statusBlock, int cell);
qint16 CellTemperature(std::span<const quint16> statusBlock, int cell);
quint16 CellStatus(std::span<const quint16> statusBlock, int cell);

// The journal is 768 records of four registers: time (32-bit), event code, cell.
inline constexpr int JournalRecordCount = JournalBlockWords / 4;
inline constexpr quint32 JournalEmptyTime = 0xFFFFFFFF;

struct JournalRecord {
    quint32 time = JournalEmptyTime;
    quint16 eventCode = 0;
    quint16 cell = 0;
    bool isEmpty() const { return time == JournalEmptyTime; }
    friend bool operator==(const JournalRecord&, const JournalRecord&) = default;
};

// Record k (0 to JournalRecordCount - 1); any other k gives an empty record.
JournalRecord ReadJournalRecord(std::span<const quint16> journalBlock, int k);
