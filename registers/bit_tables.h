#pragma once

#include <QStringView>
#include <QtGlobal>

#include <array>

// Meanings of the bit fields of the status block. Names, meanings and captions are the files'
// texts, in Russian; the screen shows them through ShownText.

inline bool BitSet(quint32 word, int bit) {
    return bit >= 0 && bit < 32 && ((word >> bit) & 1u) != 0;
}

// One word per cell; the header is the cell table's column title.
struct CellStatusBit {
    int bit = 0;
    QStringView header;
    QStringView mnemonic;
    QStringView meaning;
};
extern const std::array<CellStatusBit, 14> CellStatusBits;

// Safety_Alert (warnings) and Safety_Status (alarms) share bits 0 to 19; the lamp is the main
// page's indicator of the Safety_Status bit. The same codes number the journal's events.
struct SafetyBit {
    int bit = 0;
    QStringView mnemonic;
    QStringView russianName;
    QStringView lamp;
};
extern const std::array<SafetyBit, 20> SafetyBits;

// Charge_Alert (warnings) and Charge_Status (modes) share bits 0 to 7.
struct ChargeBit {
    int bit = 0;
    QStringView mnemonic;
    QStringView russianName;
};
extern const std::array<ChargeBit, 8> ChargeBits;

// The interpreted bits of Battery_Status, each with its main-page lamp and caption. An alarm
// bit calls for the operator's attention; the others only tell the battery's state (discharging,
// fully charged, charging at a low current).
struct BatteryStatusBit {
    int bit = 0;
    QStringView lamp;
    QStringView caption;
    bool alarm = true;
};
extern const std::array<BatteryStatusBit, 9> BatteryStatusBits;

// Battery_Mode bit set while a password login to the controller is in force.
inline constexpr int BatteryModePasswordBit = 5;
