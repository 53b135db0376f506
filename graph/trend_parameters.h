#pragma once

#include "register_image.h"
#include "table_state.h"

#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <bitset>
#include <optional>
#include <span>

// How a trend row turns its register value into the plotted number: each is the scaling of the
// row's status register, so that the plotted value is the register in the units of the scaled
// view, the ambient temperature in whole degrees.
enum class TrendFormula {
    Thousandths,     // value x 0.001
    AsIs,            // the value itself
    TenthsTruncated, // value / 10, integer division truncating toward zero
    MinutesToHours,  // value / 60, floating
};

// One plotted status parameter. Row n (index n - 1) is bound to series n of the chart; its names
// and register come from the status row of the same mnemonic.
struct TrendParameter {
    QStringView mnemonic;
    TrendFormula formula = TrendFormula::AsIs;
    QStringView unit;
    quint32 colour = 0; // 0xRRGGBB
    int lineWidth = 1;  // pixels

    const StatusRegister& Status() const { return StatusByMnemonic(mnemonic); }
};

inline constexpr int TrendRowCount = 17;
extern const std::array<TrendParameter, TrendRowCount> TrendParameters;

// Which of the 17 rows take a point (bit i is row i + 1).
using TrendRows = std::bitset<TrendRowCount>;

// The row's plotted value from its register's value in the units of the scaled view (a live
// register or a log line's value).
double TrendValueOf(const TrendParameter& parameter, double scaledValue);
// The row's plotted value from the status block.
double TrendValue(const TrendParameter& parameter, std::span<const quint16> statusBlock);

// The titles of series 1 to 17: Russian names or mnemonics, as the name view says.
QStringList TrendSeriesTitles(bool russianNames = UseRussianNames);

// Beyond the 17 rows the store keeps further series: the voltage (volts) and the temperature
// (degrees) of each of the 200 cells, and the spread of the cell voltages (the highest less the
// lowest, volts). Series i is row i + 1 for i below 17, then these in this order.
inline constexpr int CellVoltageSeries = TrendRowCount;                    // + cell - 1
inline constexpr int CellTemperatureSeries = CellVoltageSeries + MaxCells; // + cell - 1
inline constexpr int CellSpreadSeries = CellTemperatureSeries + MaxCells;
inline constexpr int TrendSeriesCount = CellSpreadSeries + 1;

// Which series take points (bit i is series i).
using TrendSelection = std::bitset<TrendSeriesCount>;
TrendSelection RowSelection(TrendRows rows);
TrendRows SelectedRows(const TrendSelection& selection);

// Any series' value from the status block; nothing for a cell past the battery's count.
std::optional<double> TrendSeriesValue(int series, std::span<const quint16> statusBlock);
// A row's title in the name view, a cell's the log's own column name ("Uэл.№5", "Tэл.№5").
QString TrendSeriesTitle(int series, bool russianNames = UseRussianNames);
// The same title as the chart's legend shows it, in the window's language.
QString ShownTrendSeriesTitle(int series, bool russianNames = UseRussianNames);
QStringList AllTrendSeriesTitles(bool russianNames = UseRussianNames);
quint32 TrendSeriesColour(int series); // 0xRRGGBB
