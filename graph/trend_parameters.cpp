#include "trend_parameters.h"

#include "register_field.h"
#include "shown_text.h"
#include "table_cells.h"
#include "view_options.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <iterator>

using F = TrendFormula;

// clang-format off
const std::array<TrendParameter, TrendRowCount> TrendParameters = {{
    {u"Pack_Voltage_Sum", F::Thousandths, u"V", 0xFF0000},
    {u"Pack_Current", F::Thousandths, u"A", 0x008000},
    {u"Pack_Current_Average", F::Thousandths, u"A", 0xFFFF00},
    {u"Cell_Voltage_Average", F::Thousandths, u"V", 0x0000FF},
    {u"Cell_Voltage_Max", F::Thousandths, u"V", 0x80FFFF},
    {u"Cell_Voltage_Min", F::Thousandths, u"V", 0x0080FF},
    {u"Cell_Temp_Average", F::AsIs, u"°C", 0x408080},
    {u"Cell_Temp_Max", F::AsIs, u"°C", 0xFF80FF},
    {u"Cell_Temp_Min", F::AsIs, u"°C", 0x8080C0},
    {u"Temperature_Ambient", F::TenthsTruncated, u"°C", 0x004040},
    {u"Relative_State_of_Charge", F::AsIs, u"%", 0x808040},
    {u"Absolute_State_of_Charge", F::AsIs, u"%", 0xFF8080},
    {u"Remaining_Pack_Capacity", F::Thousandths, u"A·h", 0x000040},
    {u"Full_Charge_Capacity", F::Thousandths, u"A·h", 0x8000FF},
    {u"Run_Time_to_Empty", F::MinutesToHours, u"h", 0xFF8000},
    {u"Average_Time_to_Empty", F::MinutesToHours, u"h", 0x008080},
    {u"Average_Time_to_Full", F::MinutesToHours, u"h", 0x0000FF, 2},
}};
// clang-format on

double TrendValueOf(const TrendParameter& parameter, double scaledValue) {
    // A tenth of an integer is never rounded onto the next integer, so this truncates as the
    // integer division of the register value by ten does.
    return parameter.formula == TrendFormula::TenthsTruncated ? std::trunc(scaledValue)
                                                              : scaledValue;
}

double TrendValue(const TrendParameter& parameter, std::span<const quint16> statusBlock) {
    const StatusRegister& status = parameter.Status();
    return TrendValueOf(parameter,
                        ScaledValue(FieldValue(statusBlock, status.field), status.scaling));
}

QStringList TrendSeriesTitles(bool russianNames) {
    return AllTrendSeriesTitles(russianNames).first(TrendRowCount);
}

namespace {

// The cells' lines take their colours in turn from these.
constexpr quint32 CellColours[] = {0x1F77B4, 0xFF7F0E, 0x2CA02C, 0xD62728, 0x9467BD,
                                   0x8C564B, 0xE377C2, 0x7F7F7F, 0xBCBD22, 0x17BECF};

} // namespace

TrendSelection RowSelection(TrendRows rows) {
    return TrendSelection(rows.to_ulong());
}

TrendRows SelectedRows(const TrendSelection& selection) {
    TrendRows rows;
    for (int i = 0; i < TrendRowCount; ++i)
        rows[std::size_t(i)] = selection[std::size_t(i)];
    return rows;
}

std::optional<double> TrendSeriesValue(int series, std::span<const quint16> statusBlock) {
    if (series < CellVoltageSeries)
        return TrendValue(TrendParameters[std::size_t(series)], statusBlock);
    const int cells = ShownCellCount(statusBlock);
    if (series < CellSpreadSeries) {
        const bool voltage = series < CellTemperatureSeries;
        const int cell = series - (voltage ? CellVoltageSeries : CellTemperatureSeries) + 1;
        if (cell > cells)
            return std::nullopt;
        return voltage ? CellVoltage(statusBlock, cell) * 0.001
                       : double(CellTemperature(statusBlock, cell));
    }
    if (cells == 0)
        return std::nullopt;
    int lowest = 0xFFFF, highest = 0;
    for (int cell = 1; cell <= cells; ++cell) {
        lowest = std::min<int>(lowest, CellVoltage(statusBlock, cell));
        highest = std::max<int>(highest, CellVoltage(statusBlock, cell));
    }
    return (highest - lowest) * 0.001;
}

namespace {

// A cell's title is the log's column name; the chart's legend shows it translated.
QString SeriesTitle(int series, bool russianNames, QString (*text)(const char*)) {
    if (series < CellVoltageSeries)
        return DisplayName(TrendParameters[std::size_t(series)].Status(), russianNames);
    if (series < CellTemperatureSeries)
        return text(QT_TRANSLATE_NOOP("TrendParameters", "Uэл.№%1"))
            .arg(series - CellVoltageSeries + 1);
    if (series < CellSpreadSeries)
        return text(QT_TRANSLATE_NOOP("TrendParameters", "Tэл.№%1"))
            .arg(series - CellTemperatureSeries + 1);
    return text(QT_TRANSLATE_NOOP("TrendParameters", "Разброс Uэл. (макс. - мин.)"));
}

} // namespace

QString TrendSeriesTitle(int series, bool russianNames) {
    return SeriesTitle(series, russianNames,
                       [](const char* title) { return QString::fromUtf8(title); });
}

QString ShownTrendSeriesTitle(int series, bool russianNames) {
    if (series < CellVoltageSeries)
        return ShownText(TrendSeriesTitle(series, russianNames));
    return SeriesTitle(series, russianNames, [](const char* title) {
        return QCoreApplication::translate("TrendParameters", title);
    });
}

QStringList AllTrendSeriesTitles(bool russianNames) {
    QStringList titles;
    for (int i = 0; i < TrendSeriesCount; ++i)
        titles.append(TrendSeriesTitle(i, russianNames));
    return titles;
}

quint32 TrendSeriesColour(int series) {
    if (series < CellVoltageSeries)
        return TrendParameters[std::size_t(series)].colour;
    if (series == CellSpreadSeries)
        return 0x000000;
    const int cell = (series - CellVoltageSeries) % MaxCells;
    // A cell's temperature takes the colour after its voltage's, so the two are told apart.
    const int shift = series < CellTemperatureSeries ? 0 : 5;
    return CellColours[std::size_t((cell + shift) % std::size(CellColours))];
}
