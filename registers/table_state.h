#pragma once

#include "status_map.h"

#include <QList>
#include <QStringList>

// Texts of the state tables beside the cell table, computed without widgets.

// The status row of a mnemonic; every mnemonic asked for is one of the 35 rows.
const StatusRegister& StatusByMnemonic(QStringView mnemonic);

// A row of the alarm or charge table: "1" or "0" for the warning bit and the alarm (or mode) bit.
struct BitRowTexts {
    QString warning;
    QString state;
    friend bool operator==(const BitRowTexts&, const BitRowTexts&) = default;
};

// Safety_Alert and Safety_Status bits 0 to 19.
QList<BitRowTexts> AlarmTableRows(std::span<const quint16> statusBlock);
// Charge_Alert and Charge_Status bits 0 to 7.
QList<BitRowTexts> ChargeTableRows(std::span<const quint16> statusBlock);
