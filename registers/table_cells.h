#pragma once

#include "view_options.h"

#include <QList>
#include <QStringList>

#include <span>

// The cell table and the cell chart's values, computed without widgets.

inline constexpr int CellTableColumns = 17;
inline constexpr int CellFlagColumns = 14; // columns 3 to 16, cell status bits 0 to 13

// Design_Cell_Number, of which at most MaxCells are shown.
int ShownCellCount(std::span<const quint16> statusBlock);

// Row `cell` (1-based) of the cell table: number, voltage (volts in G4 in the scaled view,
// millivolts in the raw one), temperature, then "O" under every status flag that is set.
QStringList CellTableRow(std::span<const quint16> statusBlock, int cell,
                         bool scaled = UseScaledUnits);

// The bars of the cell chart: position 0 is an empty placeholder, cell n sits at position n.
struct CellChartBars {
    QList<qreal> volts;
    QList<qreal> degrees;
};
CellChartBars CellChartValues(std::span<const quint16> statusBlock);
