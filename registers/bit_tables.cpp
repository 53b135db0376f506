#include "bit_tables.h"

// clang-format off
const std::array<CellStatusBit, 14> CellStatusBits = {{
    {0, u"OV", u"CELL_STATUS_OV", u"Высокое напряжение элемента"},
    {1, u"UV", u"CELL_STATUS_UV", u"Низкое напряжение элемента"},
    {2, u"OVA", u"CELL_STATUS_OVA", u"Напряжение элемента выше среднего"},
    {3, u"UVA", u"CELL_STATUS_UVA", u"Напряжение элемента ниже среднего"},
    {4, u"OT", u"CELL_STATUS_OT", u"Высокая температура элемента"},
    {5, u"UT", u"CELL_STATUS_UT", u"Низкая температура элемента"},
    {6, u"OTA", u"CELL_STATUS_OTA", u"Температура элемента выше средней"},
    {7, u"FAIL", u"CELL_STATUS_BALANCE_FAIL", u"Ошибка схемы балансировки"},
    {8, u"Tmax", u"CELL_STATUS_TMAX", u"Максимальная температура элемента в АБ"},
    {9, u"Tmin", u"CELL_STATUS_TMIN", u"Минимальное температура элемента в АБ"},
    {10, u"Vmax", u"CELL_STATUS_VMAX", u"Максимальное напряжение элемента в АБ"},
    {11, u"Vmin", u"CELL_STATUS_VMIN", u"Минимальное напряжение элемента в АБ"},
    {12, u"BAL", u"CELL_STATUS_BALANCE", u"Балансировка"},
    {13, u"PCH", u"CELL_STATUS_PCH", u"Элемент нуждается в предзаряде"},
}};

const std::array<SafetyBit, 20> SafetyBits = {{
    {0, u"SAFETY_STATUS_COV", u"Высокое напряжение элемента", u"Shape_COV_"},
    {1, u"SAFETY_STATUS_CUV", u"Низкое напряжение элемента", u"Shape_CUV_"},
    {2, u"SAFETY_STATUS_COVA", u"Напряжение элемента выше среднего", u"Shape_COVA_"},
    {3, u"SAFETY_STATUS_CUVA", u"Напряжение элемента ниже среднего", u"Shape_CUVA_"},
    {4, u"SAFETY_STATUS_COT", u"Высокая температура элемента", u"Shape_COT_"},
    {5, u"SAFETY_STATUS_CUT", u"Низкая температура элемента", u"Shape_CUT_"},
    {6, u"SAFETY_STATUS_COTA", u"Температура элемента выше средней", u"Shape_COTA_"},
    {7, u"SAFETY_STATUS_BALANCE_FAIL", u"Ошибка схемы балансировки", u"Shape_BFAIL_"},
    {8, u"SAFETY_STATUS_OTAA", u"Средняя температура АБ выше окружающей", u"Shape_OTAA_"},
    {9, u"SAFETY_STATUS_AOT", u"Высокая средняя температура АБ", u"Shape_AOT_"},
    {10, u"SAFETY_STATUS_OTAMB", u"Высокая температура окружающей среды", u"Shape_OTAMB_"},
    {11, u"SAFETY_STATUS_OTDS", u"Превышено время разряженного состояния", u"Shape_OTDS_"},
    {12, u"SAFETY_STATUS_OCC", u"Превышен максимальный ток заряда", u"Shape_OCC_"},
    {13, u"SAFETY_STATUS_OCD", u"Превышен максимальный ток разряда", u"Shape_OCD_"},
    {14, u"SAFETY_STATUS_UTC", u"Заряд при температуре ниже допустимой", u"Shape_UTC_"},
    {15, u"SAFETY_STATUS_UTD", u"Разряд при температуре ниже допустимой", u"Shape_UTD_"},
    {16, u"SAFETY_STATUS_OVCF", u"Высокое напряжение буферного режима", u"Shape_OVCF_"},
    {17, u"SAFETY_STATUS_OCCF", u"Высокий ток буферного режима", u"Shape_OCCF_"},
    {18, u"SAFETY_STATUS_DWDG", u"Потеря связи с датчиками", u"Shape_DWDG_"},
    {19, u"SAFETY_STATUS_DCNT", u"Кол-во датчиков не соответствует", u"Shape_DCNT_"},
}};

const std::array<ChargeBit, 8> ChargeBits = {{
    {0, u"CHARGE_STATUS_CC", u"АБ полностью заряжена"},
    {1, u"CHARGE_STATUS_DC", u"АБ полностью разряжена"},
    {2, u"CHARGE_STATUS_CF", u"Буферный режим"},
    {3, u"CHARGE_STATUS_DS", u"АБ разряжается"},
    {4, u"CHARGE_STATUS_RCA", u"Низкий заряд АБ"},
    {5, u"CHARGE_STATUS_MCA", u"Высокий заряд АБ"},
    {6, u"CHARGE_STATUS_PCH", u"Режим предзаряда"},
    {7, u"CHARGE_STATUS_BAL", u"Режим балансировки"},
}};

const std::array<BatteryStatusBit, 9> BatteryStatusBits = {{
    {4, u"Shape_FULLY_DISCHARGED_", u"АБ полностью разряжена"},
    {5, u"Shape_FULLY_CHARGED_", u"АБ полностью заряжена", false},
    {6, u"Shape_DISCHARGING_", u"АБ разряжается", false},
    {9, u"Shape_RCA_", u"Низкий заряд АБ (DOUT4)"},
    {11, u"Shape_TERMINATE_DISCHARGE_", u"Запрет разряда (DOUT2)"},
    {12, u"Shape_OVERTEMP_", u"Перегрев АБ"},
    {13, u"Shape_REDUCED_CHARGE_", u"Заряд малым током (DOUT3)", false},
    {14, u"Shape_TERMINATE_CHARGE_", u"Запрет заряда (DOUT1)"},
    {15, u"Shape_OVERCHARGED_", u"Перезаряд АБ"},
}};
// clang-format on
