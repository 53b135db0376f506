#pragma once

#include "register_field.h"

#include <QStringView>

#include <array>

// Decode texts of the coded communication settings, right-aligned in six characters.
enum class SettingsDecode { None, Baudrate, Format };

// One row of a settings table; rows are in register order with the pad registers skipped.
// The scaled view always writes G4.
struct SettingsRegister {
    int row = 0;
    RegisterField field;
    QStringView mnemonic;
    Scaling scaling = Scaling::None;
    QStringView scaledUnit;
    QStringView rawUnit;
    SettingsDecode decode = SettingsDecode::None;
};

inline constexpr int SettingsDigits = 4;

extern const std::array<SettingsRegister, 5> CommSettingsRegisters;
extern const std::array<SettingsRegister, 33> ChargeSettingsRegisters;
// DIN_Time (offset 49) stays in the table although the block is transferred as 49 registers:
// its row shows the image's word, which only the write-back fills.
extern const std::array<SettingsRegister, 45> AlarmSettingsRegisters;

// "  9600" ... "115200" for codes 0 to 4, and "   8N1", "   8E1", "   8O1" for codes 0 to 2;
// an empty text for any other code.
QString BaudrateDecodeText(qint64 code);
QString FormatDecodeText(qint64 code);

// The row's texts in a view: the name is always the mnemonic; the unit is the unit text of the
// view, or for the communication rows the decode text (empty for the uncoded rows). The units
// are the files' texts; the screen shows them through ShownText.
RowTexts SettingsRowTexts(const SettingsRegister& row, std::span<const quint16> block,
                          bool scaledUnits = UseScaledUnits);

// Converts a value cell of the row back into its register value for the write-back.
RegisterConversion SettingsCellToRegister(const SettingsRegister& row, const QString& text,
                                          bool scaledUnits = UseScaledUnits);
