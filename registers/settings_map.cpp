#include "settings_map.h"

namespace {

constexpr RegisterWidth W16 = RegisterWidth::Bits16;
constexpr RegisterWidth W32 = RegisterWidth::Bits32;

QString DecodeText(const std::initializer_list<const char*>& texts, qint64 code) {
    if (code < 0 || code >= qint64(texts.size()))
        return {};
    return QString::fromLatin1(texts.begin()[code]);
}

} // namespace

// The texts are the files' ones; u"" makes each marked literal a UTF-16 one for the views.
// clang-format off
const std::array<SettingsRegister, 5> CommSettingsRegisters = {{
    {1, {0, W16, false}, u"RS485_Address", Scaling::None, u"", u"", SettingsDecode::None},
    {2, {1, W16, false}, u"RS485_Baudrate", Scaling::None, u"", u"", SettingsDecode::Baudrate},
    {3, {2, W16, false}, u"RS485_Format", Scaling::None, u"", u"", SettingsDecode::Format},
    {4, {3, W16, false}, u"Battery_Mode", Scaling::None, u"", u"", SettingsDecode::None},
    {5, {4, W32, false}, u"Safety_Status_Save", Scaling::None, u"", u"", SettingsDecode::None},
}};

const std::array<SettingsRegister, 33> ChargeSettingsRegisters = {{
    {1, {0, W16, false}, u"CF_Voltage", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {2, {1, W16, false}, u"CF_Voltage_Tolerance", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {3, {2, W16, false}, u"OVCF_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {4, {4, W32, true}, u"CF_Current", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {5, {6, W32, true}, u"CF_Current_Tolerance", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {6, {8, W16, false}, u"OCCF_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {7, {9, W16, false}, u"CF_Time", Scaling::MinutesToHours, u"" QT_TRANSLATE_NOOP("TableTexts", "ч"), u"" QT_TRANSLATE_NOOP("TableTexts", "мин")},
    {8, {10, W32, true}, u"CF_Current_Delta", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {9, {12, W16, false}, u"PreCharge_Voltage_Threshold", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {10, {13, W16, false}, u"PreCharge_Voltage_Recovery", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {11, {14, W32, false}, u"PreCharge_Current", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {12, {16, W16, false}, u"Charge_Voltage", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {13, {18, W32, false}, u"Charge_Current", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {14, {20, W32, false}, u"Charge_To_Disable_Or_Float_Current", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {15, {22, W16, false}, u"Balance_Difference_Threshold", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {16, {23, W16, false}, u"Balance_Difference_Recovery", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {17, {24, W16, false}, u"Balance_Difference_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {18, {25, W16, false}, u"Balance_Voltage_Threshold", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {19, {26, W16, false}, u"Balance_Voltage_Recovery", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {20, {28, W32, false}, u"Balance_Current", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {21, {30, W16, false}, u"Charge_Completion_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "с"), u"" QT_TRANSLATE_NOOP("TableTexts", "с")},
    {22, {31, W16, false}, u"Discharge_Completion_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "с"), u"" QT_TRANSLATE_NOOP("TableTexts", "с")},
    {23, {32, W16, true}, u"Transition_to_Idle_Current", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {24, {33, W16, false}, u"Transition_to_Idle_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "с"), u"" QT_TRANSLATE_NOOP("TableTexts", "с")},
    {25, {34, W16, true}, u"Transition_to_Discharge_Current", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {26, {35, W16, true}, u"Transition_to_Charge_Current", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {27, {36, W32, false}, u"Design_Capacity_1Ah", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А*ч"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА*ч")},
    {28, {38, W32, false}, u"Design_Capacity_1Wh", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "Вт*ч"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВт*ч")},
    {29, {40, W16, false}, u"Design_Cell_Number", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "шт."), u"" QT_TRANSLATE_NOOP("TableTexts", "шт.")},
    {30, {41, W16, false}, u"Remaining_Capacity_Alarm_Percent", Scaling::None, u"%", u"%"},
    {31, {42, W16, false}, u"Max_Charge_Capacity_Alarm_Percent", Scaling::None, u"%", u"%"},
    {32, {43, W16, false}, u"Leakage_Current", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "А"), u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {33, {44, W16, false}, u"Balance_Resistor", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "мОм"), u"" QT_TRANSLATE_NOOP("TableTexts", "мОм")},
}};

const std::array<SettingsRegister, 45> AlarmSettingsRegisters = {{
    {1, {0, W16, false}, u"COV_Threshold", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {2, {1, W16, false}, u"COV_Recovery", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {3, {2, W16, false}, u"COV_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {4, {3, W16, false}, u"CUV_Threshold", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {5, {4, W16, false}, u"CUV_Recovery", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {6, {5, W16, false}, u"CUV_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {7, {6, W16, false}, u"COVA_Threshold", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {8, {7, W16, false}, u"COVA_Recovery", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {9, {8, W16, false}, u"COVA_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {10, {9, W16, false}, u"CUVA_Threshold", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {11, {10, W16, false}, u"CUVA_Recovery", Scaling::Milli, u"" QT_TRANSLATE_NOOP("TableTexts", "В"), u"" QT_TRANSLATE_NOOP("TableTexts", "мВ")},
    {12, {11, W16, false}, u"CUVA_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {13, {12, W16, true}, u"COT_Threshold", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {14, {13, W16, true}, u"COT_Recovery", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {15, {14, W16, false}, u"COT_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {16, {15, W16, true}, u"CUT_Threshold", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {17, {16, W16, true}, u"CUT_Recovery", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {18, {17, W16, false}, u"CUT_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {19, {18, W16, true}, u"COTA_Threshold", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {20, {19, W16, true}, u"COTA_Recovery", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {21, {20, W16, false}, u"COTA_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {22, {21, W16, true}, u"OTAA_Threshold", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {23, {22, W16, true}, u"OTAA_Recovery", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {24, {23, W16, false}, u"OTAA_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {25, {24, W16, true}, u"AOT_Threshold", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {26, {25, W16, true}, u"AOT_Recovery", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {27, {26, W16, false}, u"AOT_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {28, {27, W16, true}, u"OTAMB_Threshold", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {29, {28, W16, true}, u"OTAMB_Recovery", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {30, {29, W16, false}, u"OTAMB_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {31, {30, W32, true}, u"OCC_Threshold", Scaling::Milli, u"A", u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {32, {32, W32, true}, u"OCC_Recovery", Scaling::Milli, u"A", u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {33, {34, W16, false}, u"OCC_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {34, {36, W32, true}, u"OCD_Threshold", Scaling::Milli, u"A", u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {35, {38, W32, true}, u"OCD_Recovery", Scaling::Milli, u"A", u"" QT_TRANSLATE_NOOP("TableTexts", "мА")},
    {36, {40, W16, false}, u"OCD_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {37, {41, W16, true}, u"UTC_Threshold", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {38, {42, W16, true}, u"UTC_Recovery", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {39, {43, W16, false}, u"UTC_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {40, {44, W16, true}, u"UTD_Threshold", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {41, {45, W16, true}, u"UTD_Recovery", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "°С"), u"" QT_TRANSLATE_NOOP("TableTexts", "°С")},
    {42, {46, W16, false}, u"UTD_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {43, {47, W16, false}, u"DWDG_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "c"), u"" QT_TRANSLATE_NOOP("TableTexts", "c")},
    {44, {48, W16, false}, u"OTDS_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "мин"), u"" QT_TRANSLATE_NOOP("TableTexts", "мин")},
    {45, {49, W16, false}, u"DIN_Time", Scaling::None, u"" QT_TRANSLATE_NOOP("TableTexts", "мc"), u"" QT_TRANSLATE_NOOP("TableTexts", "мc")},
}};
// clang-format on

QString BaudrateDecodeText(qint64 code) {
    return DecodeText({"  9600", " 19200", " 38400", " 57600", "115200"}, code);
}

QString FormatDecodeText(qint64 code) {
    return DecodeText({"   8N1", "   8E1", "   8O1"}, code);
}

RowTexts SettingsRowTexts(const SettingsRegister& row, std::span<const quint16> block,
                          bool scaledUnits) {
    RowTexts texts;
    texts.name = row.mnemonic.toString();
    texts.value = scaledUnits ? ScaledText(block, row.field, row.scaling, SettingsDigits)
                              : RawText(block, row.field);
    switch (row.decode) {
    case SettingsDecode::Baudrate:
        texts.unit = BaudrateDecodeText(FieldValue(block, row.field));
        break;
    case SettingsDecode::Format:
        texts.unit = FormatDecodeText(FieldValue(block, row.field));
        break;
    case SettingsDecode::None:
        texts.unit = (scaledUnits ? row.scaledUnit : row.rawUnit).toString();
        break;
    }
    return texts;
}

RegisterConversion SettingsCellToRegister(const SettingsRegister& row, const QString& text,
                                          bool scaledUnits) {
    return CellTextToRegister(text, row.field, row.scaling, scaledUnits);
}
