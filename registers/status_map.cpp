#include "status_map.h"

#include "device_time.h"
#include "register_image.h"

namespace {

constexpr RegisterWidth W16 = RegisterWidth::Bits16;
constexpr RegisterWidth W32 = RegisterWidth::Bits32;

QString ScaledStatusText(const StatusRegister& row, std::span<const quint16> block) {
    switch (row.special) {
    case StatusSpecial::FirmwareVersion:
        return FirmwareVersionText(Word32(block, row.field.offset));
    case StatusSpecial::Clock:
        return ClockText(SecondsToDateTime(Word32(block, row.field.offset)));
    case StatusSpecial::AmbientTemperature:
    case StatusSpecial::None:
        break;
    }
    return ScaledText(block, row.field, row.scaling, row.digits);
}

} // namespace

// clang-format off
const std::array<StatusRegister, StatusRowCount> StatusRegisters = {{
    {1, {0, W32, false}, u"Design_Capacity", u"Емкость АБ", u"мА*ч", Scaling::Milli, 4, u"А*ч", StatusSpecial::None},
    {2, {2, W16, false}, u"Design_Cell_Number", u"Число элементов АБ", u"шт.", Scaling::None, 0, u"шт.", StatusSpecial::None},
    {3, {4, W32, false}, u"RESERVED", u"ЗАРЕЗЕРВИРОВАНО", u"-", Scaling::None, 0, u"-", StatusSpecial::None},
    {4, {6, W32, false}, u"Firmware_Version", u"Версия ПО модуля контроллера", u"-", Scaling::None, 0, u"-", StatusSpecial::FirmwareVersion},
    {5, {8, W32, false}, u"Pack_Voltage_Sum", u"Напряжение АБ", u"мВ", Scaling::Milli, 6, u"В", StatusSpecial::None},
    {6, {10, W32, true}, u"Pack_Current", u"Ток АБ", u"мА", Scaling::Milli, 6, u"А", StatusSpecial::None},
    {7, {12, W32, true}, u"Pack_Current_Leakage", u"Ток с учетом утечки", u"мА", Scaling::Milli, 6, u"А", StatusSpecial::None},
    {8, {14, W32, true}, u"Pack_Current_Average", u"Средний ток АБ за минуту", u"мА", Scaling::Milli, 6, u"А", StatusSpecial::None},
    {9, {16, W16, false}, u"Cell_Voltage_Average", u"Среднее напряжение элементов АБ", u"мВ", Scaling::Milli, 4, u"В", StatusSpecial::None},
    {10, {17, W16, false}, u"Cell_Voltage_Max", u"Максимальное  напряжение элемента АБ", u"мВ", Scaling::Milli, 4, u"В", StatusSpecial::None},
    {11, {18, W16, false}, u"Cell_Voltage_Min", u"Минимальное  напряжение элемента АБ", u"мВ", Scaling::Milli, 4, u"В", StatusSpecial::None},
    {12, {19, W16, true}, u"Cell_Temp_Average", u"Средняя температура элементов АБ", u"°С", Scaling::None, 0, u"°С", StatusSpecial::None},
    {13, {20, W16, true}, u"Cell_Temp_Max", u"Максимальная температура элемента АБ", u"°С", Scaling::None, 0, u"°С", StatusSpecial::None},
    {14, {21, W16, true}, u"Cell_Temp_Min", u"Минимальная температура  элемента АБ", u"°С", Scaling::None, 0, u"°С", StatusSpecial::None},
    {15, {22, W16, true}, u"Temperature_Ambient", u"Температура окружающей среды", u"0.1°С", Scaling::Deci, 4, u"°С", StatusSpecial::AmbientTemperature},
    {16, {23, W16, false}, u"Relative_State_of_Charge", u"Степень заряда АБ от полной емкости", u"%", Scaling::None, 0, u"%", StatusSpecial::None},
    {17, {24, W16, false}, u"Absolute_State_of_Charge", u"Степень заряда АБ от номинальной емкости", u"%", Scaling::None, 0, u"%", StatusSpecial::None},
    {18, {26, W32, true}, u"Remaining_Pack_Capacity", u"Текущий заряд АБ", u"мА*ч", Scaling::Milli, 4, u"А*ч", StatusSpecial::None},
    {19, {28, W32, false}, u"Full_Charge_Capacity", u"Максимально полученный заряд АБ", u"мА*ч", Scaling::Milli, 4, u"А*ч", StatusSpecial::None},
    {20, {30, W16, false}, u"Run_Time_to_Empty", u"Время до полного разряда", u"мин", Scaling::MinutesToHours, 4, u"ч", StatusSpecial::None},
    {21, {31, W16, false}, u"Average_Time_to_Empty", u"Время до полного разряда при среднем токе", u"мин", Scaling::MinutesToHours, 4, u"ч", StatusSpecial::None},
    {22, {32, W16, false}, u"Average_Time_to_Full", u"Время до полного заряда при среднем токе", u"мин", Scaling::MinutesToHours, 4, u"ч", StatusSpecial::None},
    {23, {33, W16, false}, u"Battery_Mode", u"Регистр режима АБ", u"Битовое поле", Scaling::None, 0, u"Битовое поле", StatusSpecial::None},
    {24, {34, W16, false}, u"Battery_Status", u"Регистр состояния АБ", u"Битовое поле", Scaling::None, 0, u"Битовое поле", StatusSpecial::None},
    {25, {35, W16, false}, u"Cycle_Count", u"Кол-во циклов заряда/разряда", u"шт.", Scaling::None, 0, u"шт.", StatusSpecial::None},
    {26, {36, W32, false}, u"Safety_Alert", u"Регистр аварийных  предупреждений", u"Битовое поле", Scaling::None, 0, u"Битовое поле", StatusSpecial::None},
    {27, {38, W32, false}, u"Safety_Status", u"Регистр аварийных событий", u"Битовое поле", Scaling::None, 0, u"Битовое поле", StatusSpecial::None},
    {28, {40, W16, false}, u"Charge_Alert", u"Регистр предупреждений событий заряда", u"Битовое поле", Scaling::None, 0, u"Битовое поле", StatusSpecial::None},
    {29, {41, W16, false}, u"Charge_Status", u"Регистр событий заряда", u"Битовое поле", Scaling::None, 0, u"Битовое поле", StatusSpecial::None},
    {30, {42, W16, false}, u"DinDout_Status", u"Регистр состояния дискретных входов/выходов", u"Битовое поле", Scaling::None, 0, u"Битовое поле", StatusSpecial::None},
    {31, {43, W16, false}, u"Charging_Current", u"Ток заряда", u"10мА", Scaling::Centi, 4, u"А", StatusSpecial::None},
    {32, {44, W16, false}, u"Charging_Voltage", u"Напряжение заряда", u"10мВ", Scaling::Centi, 4, u"В", StatusSpecial::None},
    {33, {45, W16, false}, u"Command", u"Команда", u"Код команды", Scaling::None, 0, u"Код команды", StatusSpecial::None},
    {34, {46, W32, false}, u"Command_Value", u"Параметр команды", u"Параметр команды", Scaling::None, 0, u"Параметр команды", StatusSpecial::None},
    {35, {48, W32, false}, u"RTC_Time_Value", u"Текущее время BMS", u"c", Scaling::None, 0, u"c", StatusSpecial::Clock},
}};
// clang-format on

RowTexts StatusRowTexts(const StatusRegister& row, std::span<const quint16> statusBlock,
                        bool russianNames, bool scaledUnits) {
    RowTexts texts;
    texts.name = DisplayName(row, russianNames);
    texts.unit = (scaledUnits ? row.scaledUnit : row.rawUnit).toString();
    if (row.special == StatusSpecial::AmbientTemperature &&
        SignedWord16(statusBlock, row.field.offset) == AmbientSensorAbsent)
        texts.value = QStringLiteral("NC");
    else
        texts.value =
            scaledUnits ? ScaledStatusText(row, statusBlock) : RawText(statusBlock, row.field);
    return texts;
}

std::optional<double> StatusRowNumber(const StatusRegister& row,
                                      std::span<const quint16> statusBlock, bool scaledUnits) {
    const double value = double(FieldValue(statusBlock, row.field));
    switch (row.special) {
    case StatusSpecial::AmbientTemperature:
        if (SignedWord16(statusBlock, row.field.offset) == AmbientSensorAbsent)
            return std::nullopt;
        break;
    case StatusSpecial::FirmwareVersion:
        return scaledUnits ? value / 1000 : value;
    case StatusSpecial::Clock:
        return value;
    case StatusSpecial::None:
        break;
    }
    return scaledUnits ? value / double(ScalingDenominator(row.scaling)) : value;
}

QString FirmwareVersionText(quint32 version) {
    return QStringLiteral("%1.%2%3%4")
        .arg(version / 1000)
        .arg(version / 100 % 10)
        .arg(version / 10 % 10)
        .arg(version % 10);
}
