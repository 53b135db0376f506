#include "bit_tables.h"

// The texts are the files' ones; u"" makes each marked literal a UTF-16 one for the views.
// clang-format off
const std::array<CellStatusBit, 14> CellStatusBits = {{
    {0, u"OV", u"CELL_STATUS_OV", u"" QT_TRANSLATE_NOOP("TableTexts", "Высокое напряжение элемента")},
    {1, u"UV", u"CELL_STATUS_UV", u"" QT_TRANSLATE_NOOP("TableTexts", "Низкое напряжение элемента")},
    {2, u"OVA", u"CELL_STATUS_OVA", u"" QT_TRANSLATE_NOOP("TableTexts", "Напряжение элемента выше среднего")},
    {3, u"UVA", u"CELL_STATUS_UVA", u"" QT_TRANSLATE_NOOP("TableTexts", "Напряжение элемента ниже среднего")},
    {4, u"OT", u"CELL_STATUS_OT", u"" QT_TRANSLATE_NOOP("TableTexts", "Высокая температура элемента")},
    {5, u"UT", u"CELL_STATUS_UT", u"" QT_TRANSLATE_NOOP("TableTexts", "Низкая температура элемента")},
    {6, u"OTA", u"CELL_STATUS_OTA", u"" QT_TRANSLATE_NOOP("TableTexts", "Температура элемента выше средней")},
    {7, u"FAIL", u"CELL_STATUS_BALANCE_FAIL", u"" QT_TRANSLATE_NOOP("TableTexts", "Ошибка схемы балансировки")},
    {8, u"Tmax", u"CELL_STATUS_TMAX", u"" QT_TRANSLATE_NOOP("TableTexts", "Максимальная температура элемента в АБ")},
    {9, u"Tmin", u"CELL_STATUS_TMIN", u"" QT_TRANSLATE_NOOP("TableTexts", "Минимальное температура элемента в АБ")},
    {10, u"Vmax", u"CELL_STATUS_VMAX", u"" QT_TRANSLATE_NOOP("TableTexts", "Максимальное напряжение элемента в АБ")},
    {11, u"Vmin", u"CELL_STATUS_VMIN", u"" QT_TRANSLATE_NOOP("TableTexts", "Минимальное напряжение элемента в АБ")},
    {12, u"BAL", u"CELL_STATUS_BALANCE", u"" QT_TRANSLATE_NOOP("TableTexts", "Балансировка")},
    {13, u"PCH", u"CELL_STATUS_PCH", u"" QT_TRANSLATE_NOOP("TableTexts", "Элемент нуждается в предзаряде")},
}};

const std::array<SafetyBit, 20> SafetyBits = {{
    {0, u"SAFETY_STATUS_COV", u"" QT_TRANSLATE_NOOP("TableTexts", "Высокое напряжение элемента"), u"Shape_COV_"},
    {1, u"SAFETY_STATUS_CUV", u"" QT_TRANSLATE_NOOP("TableTexts", "Низкое напряжение элемента"), u"Shape_CUV_"},
    {2, u"SAFETY_STATUS_COVA", u"" QT_TRANSLATE_NOOP("TableTexts", "Напряжение элемента выше среднего"), u"Shape_COVA_"},
    {3, u"SAFETY_STATUS_CUVA", u"" QT_TRANSLATE_NOOP("TableTexts", "Напряжение элемента ниже среднего"), u"Shape_CUVA_"},
    {4, u"SAFETY_STATUS_COT", u"" QT_TRANSLATE_NOOP("TableTexts", "Высокая температура элемента"), u"Shape_COT_"},
    {5, u"SAFETY_STATUS_CUT", u"" QT_TRANSLATE_NOOP("TableTexts", "Низкая температура элемента"), u"Shape_CUT_"},
    {6, u"SAFETY_STATUS_COTA", u"" QT_TRANSLATE_NOOP("TableTexts", "Температура элемента выше средней"), u"Shape_COTA_"},
    {7, u"SAFETY_STATUS_BALANCE_FAIL", u"" QT_TRANSLATE_NOOP("TableTexts", "Ошибка схемы балансировки"), u"Shape_BFAIL_"},
    {8, u"SAFETY_STATUS_OTAA", u"" QT_TRANSLATE_NOOP("TableTexts", "Средняя температура АБ выше окружающей"), u"Shape_OTAA_"},
    {9, u"SAFETY_STATUS_AOT", u"" QT_TRANSLATE_NOOP("TableTexts", "Высокая средняя температура АБ"), u"Shape_AOT_"},
    {10, u"SAFETY_STATUS_OTAMB", u"" QT_TRANSLATE_NOOP("TableTexts", "Высокая температура окружающей среды"), u"Shape_OTAMB_"},
    {11, u"SAFETY_STATUS_OTDS", u"" QT_TRANSLATE_NOOP("TableTexts", "Превышено время разряженного состояния"), u"Shape_OTDS_"},
    {12, u"SAFETY_STATUS_OCC", u"" QT_TRANSLATE_NOOP("TableTexts", "Превышен максимальный ток заряда"), u"Shape_OCC_"},
    {13, u"SAFETY_STATUS_OCD", u"" QT_TRANSLATE_NOOP("TableTexts", "Превышен максимальный ток разряда"), u"Shape_OCD_"},
    {14, u"SAFETY_STATUS_UTC", u"" QT_TRANSLATE_NOOP("TableTexts", "Заряд при температуре ниже допустимой"), u"Shape_UTC_"},
    {15, u"SAFETY_STATUS_UTD", u"" QT_TRANSLATE_NOOP("TableTexts", "Разряд при температуре ниже допустимой"), u"Shape_UTD_"},
    {16, u"SAFETY_STATUS_OVCF", u"" QT_TRANSLATE_NOOP("TableTexts", "Высокое напряжение буферного режима"), u"Shape_OVCF_"},
    {17, u"SAFETY_STATUS_OCCF", u"" QT_TRANSLATE_NOOP("TableTexts", "Высокий ток буферного режима"), u"Shape_OCCF_"},
    {18, u"SAFETY_STATUS_DWDG", u"" QT_TRANSLATE_NOOP("TableTexts", "Потеря связи с датчиками"), u"Shape_DWDG_"},
    {19, u"SAFETY_STATUS_DCNT", u"" QT_TRANSLATE_NOOP("TableTexts", "Кол-во датчиков не соответствует"), u"Shape_DCNT_"},
}};

const std::array<ChargeBit, 8> ChargeBits = {{
    {0, u"CHARGE_STATUS_CC", u"" QT_TRANSLATE_NOOP("TableTexts", "АБ полностью заряжена")},
    {1, u"CHARGE_STATUS_DC", u"" QT_TRANSLATE_NOOP("TableTexts", "АБ полностью разряжена")},
    {2, u"CHARGE_STATUS_CF", u"" QT_TRANSLATE_NOOP("TableTexts", "Буферный режим")},
    {3, u"CHARGE_STATUS_DS", u"" QT_TRANSLATE_NOOP("TableTexts", "АБ разряжается")},
    {4, u"CHARGE_STATUS_RCA", u"" QT_TRANSLATE_NOOP("TableTexts", "Низкий заряд АБ")},
    {5, u"CHARGE_STATUS_MCA", u"" QT_TRANSLATE_NOOP("TableTexts", "Высокий заряд АБ")},
    {6, u"CHARGE_STATUS_PCH", u"" QT_TRANSLATE_NOOP("TableTexts", "Режим предзаряда")},
    {7, u"CHARGE_STATUS_BAL", u"" QT_TRANSLATE_NOOP("TableTexts", "Режим балансировки")},
}};

const std::array<BatteryStatusBit, 9> BatteryStatusBits = {{
    {4, u"Shape_FULLY_DISCHARGED_", u"" QT_TRANSLATE_NOOP("TableTexts", "АБ полностью разряжена")},
    {5, u"Shape_FULLY_CHARGED_", u"" QT_TRANSLATE_NOOP("TableTexts", "АБ полностью заряжена"), false},
    {6, u"Shape_DISCHARGING_", u"" QT_TRANSLATE_NOOP("TableTexts", "АБ разряжается"), false},
    {9, u"Shape_RCA_", u"" QT_TRANSLATE_NOOP("TableTexts", "Низкий заряд АБ (DOUT4)")},
    {11, u"Shape_TERMINATE_DISCHARGE_", u"" QT_TRANSLATE_NOOP("TableTexts", "Запрет разряда (DOUT2)")},
    {12, u"Shape_OVERTEMP_", u"" QT_TRANSLATE_NOOP("TableTexts", "Перегрев АБ")},
    {13, u"Shape_REDUCED_CHARGE_", u"" QT_TRANSLATE_NOOP("TableTexts", "Заряд малым током (DOUT3)"), false},
    {14, u"Shape_TERMINATE_CHARGE_", u"" QT_TRANSLATE_NOOP("TableTexts", "Запрет заряда (DOUT1)")},
    {15, u"Shape_OVERCHARGED_", u"" QT_TRANSLATE_NOOP("TableTexts", "Перезаряд АБ")},
}};
// clang-format on
