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

// The texts are the files' ones; u"" makes each marked literal a UTF-16 one for the views.
// clang-format off
const std::array<StatusRegister, StatusRowCount> StatusRegisters = {{
    {1, {0, W32, false}, u"Design_Capacity", u"" QT_TRANSLATE_NOOP("TableTexts", "Емкость АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА*ч"), Scaling::Milli, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "А*ч"), StatusSpecial::None},
    {2, {2, W16, false}, u"Design_Cell_Number", u"" QT_TRANSLATE_NOOP("TableTexts", "Число элементов АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "шт."), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "шт."), StatusSpecial::None},
    {3, {4, W32, false}, u"RESERVED", u"" QT_TRANSLATE_NOOP("TableTexts", "ЗАРЕЗЕРВИРОВАНО"), u"-", Scaling::None, 0, u"-", StatusSpecial::None},
    {4, {6, W32, false}, u"Firmware_Version", u"" QT_TRANSLATE_NOOP("TableTexts", "Версия ПО модуля контроллера"), u"-", Scaling::None, 0, u"-", StatusSpecial::FirmwareVersion},
    {5, {8, W32, false}, u"Pack_Voltage_Sum", u"" QT_TRANSLATE_NOOP("TableTexts", "Напряжение АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ"), Scaling::Milli, 6, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), StatusSpecial::None},
    {6, {10, W32, true}, u"Pack_Current", u"" QT_TRANSLATE_NOOP("TableTexts", "Ток АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА"), Scaling::Milli, 6, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), StatusSpecial::None},
    {7, {12, W32, true}, u"Pack_Current_Leakage", u"" QT_TRANSLATE_NOOP("TableTexts", "Ток с учетом утечки"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА"), Scaling::Milli, 6, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), StatusSpecial::None},
    {8, {14, W32, true}, u"Pack_Current_Average", u"" QT_TRANSLATE_NOOP("TableTexts", "Средний ток АБ за минуту"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА"), Scaling::Milli, 6, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), StatusSpecial::None},
    {9, {16, W16, false}, u"Cell_Voltage_Average", u"" QT_TRANSLATE_NOOP("TableTexts", "Среднее напряжение элементов АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ"), Scaling::Milli, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), StatusSpecial::None},
    {10, {17, W16, false}, u"Cell_Voltage_Max", u"" QT_TRANSLATE_NOOP("TableTexts", "Максимальное  напряжение элемента АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ"), Scaling::Milli, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), StatusSpecial::None},
    {11, {18, W16, false}, u"Cell_Voltage_Min", u"" QT_TRANSLATE_NOOP("TableTexts", "Минимальное  напряжение элемента АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ"), Scaling::Milli, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), StatusSpecial::None},
    {12, {19, W16, true}, u"Cell_Temp_Average", u"" QT_TRANSLATE_NOOP("TableTexts", "Средняя температура элементов АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), StatusSpecial::None},
    {13, {20, W16, true}, u"Cell_Temp_Max", u"" QT_TRANSLATE_NOOP("TableTexts", "Максимальная температура элемента АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), StatusSpecial::None},
    {14, {21, W16, true}, u"Cell_Temp_Min", u"" QT_TRANSLATE_NOOP("TableTexts", "Минимальная температура  элемента АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), StatusSpecial::None},
    {15, {22, W16, true}, u"Temperature_Ambient", u"" QT_TRANSLATE_NOOP("TableTexts", "Температура окружающей среды"), u"" QT_TRANSLATE_NOOP("TableTexts", "0.1°С"), Scaling::Deci, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), StatusSpecial::AmbientTemperature},
    {16, {23, W16, false}, u"Relative_State_of_Charge", u"" QT_TRANSLATE_NOOP("TableTexts", "Степень заряда АБ от полной емкости"), u"%", Scaling::None, 0, u"%", StatusSpecial::None},
    {17, {24, W16, false}, u"Absolute_State_of_Charge", u"" QT_TRANSLATE_NOOP("TableTexts", "Степень заряда АБ от номинальной емкости"), u"%", Scaling::None, 0, u"%", StatusSpecial::None},
    {18, {26, W32, true}, u"Remaining_Pack_Capacity", u"" QT_TRANSLATE_NOOP("TableTexts", "Текущий заряд АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА*ч"), Scaling::Milli, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "А*ч"), StatusSpecial::None},
    {19, {28, W32, false}, u"Full_Charge_Capacity", u"" QT_TRANSLATE_NOOP("TableTexts", "Максимально полученный заряд АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА*ч"), Scaling::Milli, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "А*ч"), StatusSpecial::None},
    {20, {30, W16, false}, u"Run_Time_to_Empty", u"" QT_TRANSLATE_NOOP("TableTexts", "Время до полного разряда"), u"" QT_TRANSLATE_NOOP("TableTexts", "мин"), Scaling::MinutesToHours, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "ч"), StatusSpecial::None},
    {21, {31, W16, false}, u"Average_Time_to_Empty", u"" QT_TRANSLATE_NOOP("TableTexts", "Время до полного разряда при среднем токе"), u"" QT_TRANSLATE_NOOP("TableTexts", "мин"), Scaling::MinutesToHours, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "ч"), StatusSpecial::None},
    {22, {32, W16, false}, u"Average_Time_to_Full", u"" QT_TRANSLATE_NOOP("TableTexts", "Время до полного заряда при среднем токе"), u"" QT_TRANSLATE_NOOP("TableTexts", "мин"), Scaling::MinutesToHours, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "ч"), StatusSpecial::None},
    {23, {33, W16, false}, u"Battery_Mode", u"" QT_TRANSLATE_NOOP("TableTexts", "Регистр режима АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), StatusSpecial::None},
    {24, {34, W16, false}, u"Battery_Status", u"" QT_TRANSLATE_NOOP("TableTexts", "Регистр состояния АБ"), u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), StatusSpecial::None},
    {25, {35, W16, false}, u"Cycle_Count", u"" QT_TRANSLATE_NOOP("TableTexts", "Кол-во циклов заряда/разряда"), u"" QT_TRANSLATE_NOOP("TableTexts", "шт."), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "шт."), StatusSpecial::None},
    {26, {36, W32, false}, u"Safety_Alert", u"" QT_TRANSLATE_NOOP("TableTexts", "Регистр аварийных  предупреждений"), u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), StatusSpecial::None},
    {27, {38, W32, false}, u"Safety_Status", u"" QT_TRANSLATE_NOOP("TableTexts", "Регистр аварийных событий"), u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), StatusSpecial::None},
    {28, {40, W16, false}, u"Charge_Alert", u"" QT_TRANSLATE_NOOP("TableTexts", "Регистр предупреждений событий заряда"), u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), StatusSpecial::None},
    {29, {41, W16, false}, u"Charge_Status", u"" QT_TRANSLATE_NOOP("TableTexts", "Регистр событий заряда"), u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), StatusSpecial::None},
    {30, {42, W16, false}, u"DinDout_Status", u"" QT_TRANSLATE_NOOP("TableTexts", "Регистр состояния дискретных входов/выходов"), u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "Битовое поле"), StatusSpecial::None},
    {31, {43, W16, false}, u"Charging_Current", u"" QT_TRANSLATE_NOOP("TableTexts", "Ток заряда"), u"" QT_TRANSLATE_NOOP("TableTexts", "10мА"), Scaling::Centi, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), StatusSpecial::None},
    {32, {44, W16, false}, u"Charging_Voltage", u"" QT_TRANSLATE_NOOP("TableTexts", "Напряжение заряда"), u"" QT_TRANSLATE_NOOP("TableTexts", "10мВ"), Scaling::Centi, 4, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), StatusSpecial::None},
    {33, {45, W16, false}, u"Command", u"" QT_TRANSLATE_NOOP("TableTexts", "Команда"), u"" QT_TRANSLATE_NOOP("TableTexts", "Код команды"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "Код команды"), StatusSpecial::None},
    {34, {46, W32, false}, u"Command_Value", u"" QT_TRANSLATE_NOOP("TableTexts", "Параметр команды"), u"" QT_TRANSLATE_NOOP("TableTexts", "Параметр команды"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "Параметр команды"), StatusSpecial::None},
    {35, {48, W32, false}, u"RTC_Time_Value", u"" QT_TRANSLATE_NOOP("TableTexts", "Текущее время BMS"), u"" QT_TRANSLATE_NOOP("TableTexts", "c"), Scaling::None, 0, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), StatusSpecial::Clock},
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
