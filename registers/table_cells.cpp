#include "table_cells.h"

#include "number_format.h"
#include "register_image.h"
#include "table_state.h"

#include <algorithm>

int ShownCellCount(std::span<const quint16> statusBlock) {
    return std::min<int>(Word16(statusBlock, StatusByMnemonic(u"Design_Cell_Number").field.offset),
                         MaxCells);
}

QStringList CellTableRow(std::span<const quint16> statusBlock, int cell, bool scaled) {
    const quint16 millivolts = CellVoltage(statusBlock, cell);
    const quint16 status = CellStatus(statusBlock, cell);
    QStringList row;
    row.reserve(CellTableColumns);
    row << QString::number(cell)
        << (scaled ? FormatG4(millivolts, 1000) : QString::number(millivolts))
        << QString::number(CellTemperature(statusBlock, cell));
    for (int bit = 0; bit < CellFlagColumns; ++bit)
        row << ((status >> bit) & 1 ? QStringLiteral("O") : QString());
    return row;
}

CellChartBars CellChartValues(std::span<const quint16> statusBlock) {
    const int n = ShownCellCount(statusBlock);
    CellChartBars bars;
    bars.volts.reserve(n + 1);
    bars.degrees.reserve(n + 1);
    bars.volts.append(0);
    bars.degrees.append(0);
    for (int cell = 1; cell <= n; ++cell) {
        bars.volts.append(CellVoltage(statusBlock, cell) / 1000.0);
        bars.degrees.append(CellTemperature(statusBlock, cell));
    }
    return bars;
}
