#include "trend_parameters.h"

#include "register_field.h"
#include "view_options.h"

#include <cmath>

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
    QStringList titles;
    for (const TrendParameter& parameter : TrendParameters)
        titles.append(DisplayName(parameter.Status(), russianNames));
    return titles;
}
