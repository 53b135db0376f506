#pragma once

#include "register_field.h"

#include <QStringView>

#include <array>
#include <optional>
#include <span>

// Values of the status block with a text of their own in the scaled view.
enum class StatusSpecial {
    None,
    AmbientTemperature, // -1000 means no sensor and shows "NC" in both views
    FirmwareVersion,    // 1234 shows as 1.234
    Clock               // device seconds shown as "9:5:0 3-12-2024"
};

// One row of the status table: registers 0 to 49 in table order.
struct StatusRegister {
    int row = 0;
    RegisterField field;
    QStringView mnemonic;
    QStringView russianName;
    QStringView rawUnit;
    Scaling scaling = Scaling::None;
    int digits = 0; // significant digits of the scaled view (G4 or G6)
    QStringView scaledUnit;
    StatusSpecial special = StatusSpecial::None;
};

inline constexpr int StatusRowCount = 35;
extern const std::array<StatusRegister, StatusRowCount> StatusRegisters;

inline constexpr qint16 AmbientSensorAbsent = -1000;

// The row's name, value and unit in a view. Every table, file and log line showing a status
// register takes its texts from here, so they cannot disagree; they are the files' texts, which
// the screen shows through ShownText.
RowTexts StatusRowTexts(const StatusRegister& row, std::span<const quint16> statusBlock,
                        bool russianNames = UseRussianNames, bool scaledUnits = UseScaledUnits);

// The same value as a number in the view's unit (the register value in the raw view), for
// readers that compute with it: a 32-bit register reads as its own type, the firmware version as
// 1.234, the clock as its count of seconds since 2000-01-01. Nothing where the text is no value
// ("NC": no ambient sensor).
std::optional<double> StatusRowNumber(const StatusRegister& row,
                                      std::span<const quint16> statusBlock,
                                      bool scaledUnits = UseScaledUnits);

// The thousands, a point, then the hundreds, tens and units digits: 7 shows as 0.007.
QString FirmwareVersionText(quint32 version);
