#include "bit_tables.h"
#include "number_format.h"
#include "register_image.h"
#include "settings_map.h"
#include "status_map.h"

#include <QLocale>
#include <QTest>

#include <numeric>
#include <vector>

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);

const QStringList StatusMnemonics = {"Design_Capacity",
                                     "Design_Cell_Number",
                                     "RESERVED",
                                     "Firmware_Version",
                                     "Pack_Voltage_Sum",
                                     "Pack_Current",
                                     "Pack_Current_Leakage",
                                     "Pack_Current_Average",
                                     "Cell_Voltage_Average",
                                     "Cell_Voltage_Max",
                                     "Cell_Voltage_Min",
                                     "Cell_Temp_Average",
                                     "Cell_Temp_Max",
                                     "Cell_Temp_Min",
                                     "Temperature_Ambient",
                                     "Relative_State_of_Charge",
                                     "Absolute_State_of_Charge",
                                     "Remaining_Pack_Capacity",
                                     "Full_Charge_Capacity",
                                     "Run_Time_to_Empty",
                                     "Average_Time_to_Empty",
                                     "Average_Time_to_Full",
                                     "Battery_Mode",
                                     "Battery_Status",
                                     "Cycle_Count",
                                     "Safety_Alert",
                                     "Safety_Status",
                                     "Charge_Alert",
                                     "Charge_Status",
                                     "DinDout_Status",
                                     "Charging_Current",
                                     "Charging_Voltage",
                                     "Command",
                                     "Command_Value",
                                     "RTC_Time_Value"};

const QStringList StatusRussianNames = {"Емкость АБ",
                                        "Число элементов АБ",
                                        "ЗАРЕЗЕРВИРОВАНО",
                                        "Версия ПО модуля контроллера",
                                        "Напряжение АБ",
                                        "Ток АБ",
                                        "Ток с учетом утечки",
                                        "Средний ток АБ за минуту",
                                        "Среднее напряжение элементов АБ",
                                        "Максимальное  напряжение элемента АБ",
                                        "Минимальное  напряжение элемента АБ",
                                        "Средняя температура элементов АБ",
                                        "Максимальная температура элемента АБ",
                                        "Минимальная температура  элемента АБ",
                                        "Температура окружающей среды",
                                        "Степень заряда АБ от полной емкости",
                                        "Степень заряда АБ от номинальной емкости",
                                        "Текущий заряд АБ",
                                        "Максимально полученный заряд АБ",
                                        "Время до полного разряда",
                                        "Время до полного разряда при среднем токе",
                                        "Время до полного заряда при среднем токе",
                                        "Регистр режима АБ",
                                        "Регистр состояния АБ",
                                        "Кол-во циклов заряда/разряда",
                                        "Регистр аварийных  предупреждений",
                                        "Регистр аварийных событий",
                                        "Регистр предупреждений событий заряда",
                                        "Регистр событий заряда",
                                        "Регистр состояния дискретных входов/выходов",
                                        "Ток заряда",
                                        "Напряжение заряда",
                                        "Команда",
                                        "Параметр команды",
                                        "Текущее время BMS"};

const QStringList ChargeMnemonics = {"CF_Voltage",
                                     "CF_Voltage_Tolerance",
                                     "OVCF_Time",
                                     "CF_Current",
                                     "CF_Current_Tolerance",
                                     "OCCF_Time",
                                     "CF_Time",
                                     "CF_Current_Delta",
                                     "PreCharge_Voltage_Threshold",
                                     "PreCharge_Voltage_Recovery",
                                     "PreCharge_Current",
                                     "Charge_Voltage",
                                     "Charge_Current",
                                     "Charge_To_Disable_Or_Float_Current",
                                     "Balance_Difference_Threshold",
                                     "Balance_Difference_Recovery",
                                     "Balance_Difference_Time",
                                     "Balance_Voltage_Threshold",
                                     "Balance_Voltage_Recovery",
                                     "Balance_Current",
                                     "Charge_Completion_Time",
                                     "Discharge_Completion_Time",
                                     "Transition_to_Idle_Current",
                                     "Transition_to_Idle_Time",
                                     "Transition_to_Discharge_Current",
                                     "Transition_to_Charge_Current",
                                     "Design_Capacity_1Ah",
                                     "Design_Capacity_1Wh",
                                     "Design_Cell_Number",
                                     "Remaining_Capacity_Alarm_Percent",
                                     "Max_Charge_Capacity_Alarm_Percent",
                                     "Leakage_Current",
                                     "Balance_Resistor"};

QStringList AlarmMnemonics() {
    QStringList names;
    for (const char* protection : {"COV", "CUV", "COVA", "CUVA", "COT", "CUT", "COTA", "OTAA",
                                   "AOT", "OTAMB", "OCC", "OCD", "UTC", "UTD"})
        for (const char* part : {"_Threshold", "_Recovery", "_Time"})
            names << QString::fromLatin1(protection) + QString::fromLatin1(part);
    return names << "DWDG_Time"
                 << "OTDS_Time"
                 << "DIN_Time";
}

template <class Rows, class Member> QStringList Texts(const Rows& rows, Member member) {
    QStringList texts;
    for (const auto& row : rows)
        texts << (row.*member).toString();
    return texts;
}

const StatusRegister& Status(const QString& mnemonic) {
    for (const StatusRegister& row : StatusRegisters)
        if (row.mnemonic == mnemonic)
            return row;
    qFatal("no status row %s", qPrintable(mnemonic));
}

const SettingsRegister& Setting(std::span<const SettingsRegister> rows, const QString& mnemonic) {
    for (const SettingsRegister& row : rows)
        if (row.mnemonic == mnemonic)
            return row;
    qFatal("no settings row %s", qPrintable(mnemonic));
}

int Words(const RegisterField& field) {
    return field.width == RegisterWidth::Bits32 ? 2 : 1;
}

// Rows numbered 1..n in order, every field inside the block's first `used` words, no two fields
// sharing a word, 32-bit fields at even offsets, and none on a pad register.
template <class Rows> void CheckLayout(const Rows& rows, int used, const std::vector<int>& pads) {
    std::vector<int> owner(used, 0);
    for (const auto& row : rows) {
        const RegisterField& field = row.field;
        QVERIFY2(field.offset >= 0 && field.offset + Words(field) <= used,
                 qPrintable(row.mnemonic.toString()));
        if (field.width == RegisterWidth::Bits32)
            QCOMPARE(field.offset % 2, 0);
        for (int w = field.offset; w < field.offset + Words(field); ++w) {
            QCOMPARE(owner[w], 0);
            owner[w] = row.row;
        }
    }
    for (int i = 0; i < int(rows.size()); ++i)
        QCOMPARE(rows[i].row, i + 1);
    for (int pad : pads)
        QCOMPARE(owner[pad], 0);
}

void Put(std::span<quint16> block, const RegisterField& field, quint32 value) {
    QVERIFY(StoreField(block, field, value));
}

// The stored bits read the way the field reads them.
qint64 Reading(const RegisterField& field, quint32 bits) {
    std::array<quint16, 2> words{};
    StoreField(words, {0, field.width, field.isSigned}, bits);
    return FieldValue(words, {0, field.width, field.isSigned});
}

} // namespace

class TestRegisterMaps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(Russian); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void storageRule() {
        RegisterImage image;
        QCOMPARE(std::accumulate(image.JournalBlock.begin(), image.JournalBlock.end(), 0), 0);
        QVERIFY(SetWord32(image.StatusBlock, 10, 0xFFFFFC18));
        QCOMPARE(image.StatusBlock[10], quint16(0xFC18));
        QCOMPARE(image.StatusBlock[11], quint16(0xFFFF));
        QCOMPARE(Word32(image.StatusBlock, 10), 0xFFFFFC18u);
        QCOMPARE(SignedWord32(image.StatusBlock, 10), -1000);
        QCOMPARE(SignedWord16(image.StatusBlock, 10), qint16(-1000));
        QCOMPARE(Word16(image.StatusBlock, 10), quint16(0xFC18));
    }

    void offsetsOutsideBlocks() {
        RegisterImage image;
        image.CommSettingsBlock.fill(0xFFFF);
        QCOMPARE(Word16(image.CommSettingsBlock, 6), quint16(0));
        QCOMPARE(Word16(image.CommSettingsBlock, -1), quint16(0));
        QCOMPARE(Word32(image.CommSettingsBlock, 5), 0u);
        QVERIFY(!SetWord32(image.CommSettingsBlock, 5, 1));
        QVERIFY(!SetWord16(image.CommSettingsBlock, 6, 1));
        const std::array<quint16, 3> run = {1, 2, 3};
        QVERIFY(!StoreWords(image.CommSettingsBlock, 4, run));
        QCOMPARE(image.CommSettingsBlock[4], quint16(0xFFFF));
        QVERIFY(StoreWords(image.CommSettingsBlock, 3, run));
        QCOMPARE(image.CommSettingsBlock[5], quint16(3));
    }

    void storeRegistersByAddress_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("stored");
        QTest::newRow("status values") << 0 << 50 << true;
        QTest::newRow("last cell statuses") << 600 << 50 << true;
        QTest::newRow("past the status block") << 601 << 50 << false;
        QTest::newRow("communication") << 0x6800 << 6 << true;
        QTest::newRow("charge") << 0x6C00 << 47 << true;
        QTest::newRow("alarm as 49") << 0x7000 << 49 << true;
        QTest::newRow("journal end") << 0x7400 + 3072 - 4 << 4 << true;
        QTest::newRow("between blocks") << 0x6806 << 1 << false;
        QTest::newRow("into the next block") << 0x6C2E << 2 << false;
    }
    void storeRegistersByAddress() {
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(bool, stored);
        RegisterImage image;
        std::vector<quint16> words(count);
        std::iota(words.begin(), words.end(), quint16(1));
        QCOMPARE(StoreRegisters(image, quint16(first), words), stored);
        const RegisterImage untouched;
        const bool changed = image.StatusBlock != untouched.StatusBlock ||
                             image.CommSettingsBlock != untouched.CommSettingsBlock ||
                             image.ChargeSettingsBlock != untouched.ChargeSettingsBlock ||
                             image.AlarmSettingsBlock != untouched.AlarmSettingsBlock ||
                             image.JournalBlock != untouched.JournalBlock;
        QCOMPARE(changed, stored);
    }

    void storedRunLandsAtItsOffset() {
        RegisterImage image;
        const std::array<quint16, 2> words = {0x3A98, 0};
        QVERIFY(StoreRegisters(image, 0x701E, words));
        QCOMPARE(SignedWord32(image.AlarmSettingsBlock, 30), 15000);
    }

    void cellArrays() {
        RegisterImage image;
        image.StatusBlock[50] = 3312;
        image.StatusBlock[449] = quint16(-5);
        image.StatusBlock[649] = 0x1401;
        QCOMPARE(CellVoltage(image.StatusBlock, 1), quint16(3312));
        QCOMPARE(CellTemperature(image.StatusBlock, 200), qint16(-5));
        QCOMPARE(CellStatus(image.StatusBlock, 200), quint16(0x1401));
        QCOMPARE(CellVoltage(image.StatusBlock, 0), quint16(0));
        QCOMPARE(CellStatus(image.StatusBlock, 201), quint16(0));
    }

    void journalRecords() {
        RegisterImage image;
        SetWord32(image.JournalBlock, 4 * 767, 786531900);
        image.JournalBlock[4 * 767 + 2] = 12;
        image.JournalBlock[4 * 767 + 3] = 7;
        QCOMPARE(ReadJournalRecord(image.JournalBlock, 767), (JournalRecord{786531900, 12, 7}));
        SetWord32(image.JournalBlock, 0, 0xFFFFFFFF);
        QVERIFY(ReadJournalRecord(image.JournalBlock, 0).isEmpty());
        QVERIFY(ReadJournalRecord(image.JournalBlock, 768).isEmpty());
        QVERIFY(ReadJournalRecord(image.JournalBlock, -1).isEmpty());
    }

    void statusNames() {
        QCOMPARE(Texts(StatusRegisters, &StatusRegister::mnemonic), StatusMnemonics);
        QCOMPARE(Texts(StatusRegisters, &StatusRegister::russianName), StatusRussianNames);
        QCOMPARE(DisplayName(StatusRegisters[9], true), "Максимальное  напряжение элемента АБ");
        QCOMPARE(DisplayName(StatusRegisters[9], false), "Cell_Voltage_Max");
    }

    void settingsNames() {
        QCOMPARE(Texts(CommSettingsRegisters, &SettingsRegister::mnemonic),
                 QStringList({"RS485_Address", "RS485_Baudrate", "RS485_Format", "Battery_Mode",
                              "Safety_Status_Save"}));
        QCOMPARE(Texts(ChargeSettingsRegisters, &SettingsRegister::mnemonic), ChargeMnemonics);
        QCOMPARE(Texts(AlarmSettingsRegisters, &SettingsRegister::mnemonic), AlarmMnemonics());
    }

    void layouts() {
        CheckLayout(StatusRegisters, 50, {3, 25});
        CheckLayout(CommSettingsRegisters, CommSettingsBlockWords, {});
        CheckLayout(ChargeSettingsRegisters, 45, {3, 17, 27});
        CheckLayout(AlarmSettingsRegisters, AlarmSettingsBlockWords, {35});
    }

    void statusRowTexts_data() {
        QTest::addColumn<QString>("mnemonic");
        QTest::addColumn<quint32>("bits");
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("unit");
        QTest::newRow("no ambient sensor, scaled")
            << "Temperature_Ambient" << 0xFC18u << true << "NC"
            << "°С";
        QTest::newRow("no ambient sensor, raw") << "Temperature_Ambient" << 0xFC18u << false << "NC"
                                                << "0.1°С";
        QTest::newRow("ambient -999 scaled") << "Temperature_Ambient" << 0xFC19u << true << "-99,9"
                                             << "°С";
        QTest::newRow("ambient -999 raw") << "Temperature_Ambient" << 0xFC19u << false << "-999"
                                          << "0.1°С";
        QTest::newRow("current scaled") << "Pack_Current" << 0xFFFFFC18u << true << "-1"
                                        << "А";
        QTest::newRow("current raw") << "Pack_Current" << 0xFFFFFC18u << false << "-1000"
                                     << "мА";
        QTest::newRow("pack voltage G6") << "Pack_Voltage_Sum" << 53123456u << true << "53123,5"
                                         << "В";
        QTest::newRow("full charge scaled")
            << "Full_Charge_Capacity" << 0x80000000u << true << "2,147e+06"
            << "А*ч";
        QTest::newRow("full charge raw")
            << "Full_Charge_Capacity" << 0x80000000u << false << "-2147483648"
            << "мА*ч";
        QTest::newRow("remaining negative")
            << "Remaining_Pack_Capacity" << 0xFFFE1DC0u << true << "-123,5"
            << "А*ч";
        QTest::newRow("cell volts G4") << "Cell_Voltage_Max" << 3312u << true << "3,312"
                                       << "В";
        QTest::newRow("cell temperature") << "Cell_Temp_Min" << 0xFFF6u << true << "-10"
                                          << "°С";
        QTest::newRow("run time hours") << "Run_Time_to_Empty" << 90u << true << "1,5"
                                        << "ч";
        QTest::newRow("run time minutes") << "Run_Time_to_Empty" << 90u << false << "90"
                                          << "мин";
        QTest::newRow("charging current") << "Charging_Current" << 1234u << true << "12,34"
                                          << "А";
        QTest::newRow("charging voltage raw") << "Charging_Voltage" << 5450u << false << "5450"
                                              << "10мВ";
        QTest::newRow("firmware 7") << "Firmware_Version" << 7u << true << "0.007"
                                    << "-";
        QTest::newRow("firmware 1234") << "Firmware_Version" << 1234u << true << "1.234"
                                       << "-";
        QTest::newRow("firmware 1005") << "Firmware_Version" << 1005u << true << "1.005"
                                       << "-";
        QTest::newRow("firmware raw") << "Firmware_Version" << 1234u << false << "1234"
                                      << "-";
        QTest::newRow("clock") << "RTC_Time_Value" << 786531900u << true << "9:5:0 3-12-2024"
                               << "c";
        QTest::newRow("clock raw") << "RTC_Time_Value" << 786531900u << false << "786531900"
                                   << "c";
        QTest::newRow("cycle count") << "Cycle_Count" << 250u << true << "250"
                                     << "шт.";
        QTest::newRow("bit field as raw") << "Safety_Status" << 0xFFFFFFFFu << true << "-1"
                                          << "Битовое поле";
        QTest::newRow("command value") << "Command_Value" << 70000u << true << "70000"
                                       << "Параметр команды";
    }
    void statusRowTexts() {
        QFETCH(QString, mnemonic);
        QFETCH(quint32, bits);
        QFETCH(bool, scaled);
        QFETCH(QString, value);
        QFETCH(QString, unit);
        RegisterImage image;
        const StatusRegister& row = Status(mnemonic);
        Put(image.StatusBlock, row.field, bits);
        const RowTexts texts = StatusRowTexts(row, image.StatusBlock, false, scaled);
        QCOMPARE(texts.name, mnemonic);
        QCOMPARE(texts.value, value);
        QCOMPARE(texts.unit, unit);
    }

    void viewFlagsAreTheDefaults() {
        RegisterImage image;
        image.StatusBlock[16] = 3312;
        const StatusRegister& row = Status("Cell_Voltage_Average");
        QVERIFY(UseRussianNames && UseScaledUnits);
        QCOMPARE(StatusRowTexts(row, image.StatusBlock).value, "3,312");
        QCOMPARE(StatusRowTexts(row, image.StatusBlock).name, "Среднее напряжение элементов АБ");
        UseScaledUnits = false;
        UseRussianNames = false;
        const RowTexts raw = StatusRowTexts(row, image.StatusBlock);
        UseScaledUnits = true;
        UseRussianNames = true;
        QCOMPARE(raw.value, "3312");
        QCOMPARE(raw.name, "Cell_Voltage_Average");
        QLocale::setDefault(QLocale::c());
        QCOMPARE(StatusRowTexts(row, image.StatusBlock).value, "3.312");
    }

    void settingsRowTexts_data() {
        QTest::addColumn<int>("block"); // 0 communication, 1 charge, 2 alarm
        QTest::addColumn<QString>("mnemonic");
        QTest::addColumn<quint32>("bits");
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("unit");
        QTest::newRow("baud 4") << 0 << "RS485_Baudrate" << 4u << true << "4"
                                << "115200";
        QTest::newRow("baud 2 raw") << 0 << "RS485_Baudrate" << 2u << false << "2"
                                    << " 38400";
        QTest::newRow("baud 5") << 0 << "RS485_Baudrate" << 5u << true << "5"
                                << "";
        QTest::newRow("format 1") << 0 << "RS485_Format" << 1u << true << "1"
                                  << "   8E1";
        QTest::newRow("format 2") << 0 << "RS485_Format" << 2u << false << "2"
                                  << "   8O1";
        QTest::newRow("address") << 0 << "RS485_Address" << 238u << true << "238"
                                 << "";
        QTest::newRow("status save") << 0 << "Safety_Status_Save" << 0xFFFFFFFFu << true << "-1"
                                     << "";
        QTest::newRow("CF voltage scaled") << 1 << "CF_Voltage" << 3450u << true << "3,45"
                                           << "В";
        QTest::newRow("CF voltage raw") << 1 << "CF_Voltage" << 3450u << false << "3450"
                                        << "мВ";
        QTest::newRow("idle current scaled")
            << 1 << "Transition_to_Idle_Current" << 0xFF9Cu << true << "-0,1"
            << "А";
        QTest::newRow("idle current raw")
            << 1 << "Transition_to_Idle_Current" << 0xFF9Cu << false << "-100"
            << "мА";
        QTest::newRow("CF time scaled") << 1 << "CF_Time" << 90u << true << "1,5"
                                        << "ч";
        QTest::newRow("CF time raw") << 1 << "CF_Time" << 90u << false << "90"
                                     << "мин";
        QTest::newRow("capacity G4") << 1 << "Design_Capacity_1Ah" << 123456u << true << "123,5"
                                     << "А*ч";
        QTest::newRow("energy") << 1 << "Design_Capacity_1Wh" << 5000u << true << "5"
                                << "Вт*ч";
        QTest::newRow("Cyrillic seconds") << 1 << "Charge_Completion_Time" << 30u << true << "30"
                                          << "с";
        QTest::newRow("resistor") << 1 << "Balance_Resistor" << 33u << false << "33"
                                  << "мОм";
        QTest::newRow("COT -10 scaled") << 2 << "COT_Threshold" << 0xFFF6u << true << "-10"
                                        << "°С";
        QTest::newRow("COT -10 raw") << 2 << "COT_Threshold" << 0xFFF6u << false << "-10"
                                     << "°С";
        QTest::newRow("OCC scaled") << 2 << "OCC_Threshold" << 15000u << true << "15"
                                    << "A";
        QTest::newRow("OCC raw") << 2 << "OCC_Threshold" << 15000u << false << "15000"
                                 << "мА";
        QTest::newRow("COV time") << 2 << "COV_Time" << 5u << true << "5"
                                  << "c";
        QTest::newRow("OTDS minutes") << 2 << "OTDS_Time" << 5u << true << "5"
                                      << "мин";
        QTest::newRow("DIN ms") << 2 << "DIN_Time" << 100u << true << "100"
                                << "мc";
    }
    void settingsRowTexts() {
        QFETCH(int, block);
        QFETCH(QString, mnemonic);
        QFETCH(quint32, bits);
        QFETCH(bool, scaled);
        QFETCH(QString, value);
        QFETCH(QString, unit);
        RegisterImage image;
        const std::array<std::span<quint16>, 3> blocks = {
            image.CommSettingsBlock, image.ChargeSettingsBlock, image.AlarmSettingsBlock};
        const std::array<std::span<const SettingsRegister>, 3> maps = {
            CommSettingsRegisters, ChargeSettingsRegisters, AlarmSettingsRegisters};
        const SettingsRegister& row = Setting(maps[block], mnemonic);
        Put(blocks[block], row.field, bits);
        const RowTexts texts = SettingsRowTexts(row, blocks[block], scaled);
        QCOMPARE(texts.name, mnemonic);
        QCOMPARE(texts.value, value);
        QCOMPARE(texts.unit, unit);
    }

    void decodeTexts() {
        QStringList baud;
        QStringList format;
        for (int code = -1; code <= 5; ++code) {
            baud << BaudrateDecodeText(code);
            format << FormatDecodeText(code);
        }
        QCOMPARE(baud, QStringList({"", "  9600", " 19200", " 38400", " 57600", "115200", ""}));
        QCOMPARE(format, QStringList({"", "   8N1", "   8E1", "   8O1", "", "", ""}));
    }

    void writeBack_data() {
        QTest::addColumn<int>("block"); // 1 charge, 2 alarm
        QTest::addColumn<QString>("mnemonic");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<quint32>("words"); // the register's words after the store, high first
        QTest::addColumn<QString>("error");
        QTest::newRow("3,65 V") << 2 << "COV_Threshold"
                                << "3,65" << true << 3650u << "";
        QTest::newRow("2,5 V") << 2 << "COV_Recovery"
                               << "2,5" << true << 2500u << "";
        QTest::newRow("-0,5 A") << 1 << "Transition_to_Idle_Current"
                                << "-0,5" << true << 0xFE0Cu << "";
        QTest::newRow("truncated") << 2 << "COV_Threshold"
                                   << "1,2345" << true << 1234u << "";
        QTest::newRow("hours back to minutes") << 1 << "CF_Time"
                                               << "1,5" << true << 90u << "";
        QTest::newRow("G4 text of 123456") << 1 << "Design_Capacity_1Ah"
                                           << "123,5" << true << 123500u << "";
        QTest::newRow("32-bit negative") << 2 << "OCD_Threshold"
                                         << "-20" << true << 0xFFFFB1E0u << "";
        QTest::newRow("raw integer") << 2 << "COV_Threshold"
                                     << "3650" << false << 3650u << "";
        QTest::newRow("raw -10") << 2 << "COT_Threshold"
                                 << "-10" << false << 0xFFF6u << "";
        QTest::newRow("integer row in scaled view") << 2 << "COT_Threshold"
                                                    << "-10" << true << 0xFFF6u << "";
        // Only the register's own range: no value is written as another one.
        const QString outside = QStringLiteral("'%1': значение вне диапазона регистра!");
        QTest::newRow("unsigned reading of a signed register")
            << 2 << "COT_Threshold"
            << "65526" << false << 0u << outside.arg("65526");
        QTest::newRow("negative into unsigned") << 1 << "CF_Voltage"
                                                << "-0,01" << true << 0u << outside.arg("-0,01");
        QTest::newRow("40 A past a signed 16-bit current")
            << 1 << "Transition_to_Idle_Current"
            << "40" << true << 0u << outside.arg("40");
        QTest::newRow("past a signed 32-bit threshold")
            << 2 << "OCD_Threshold"
            << "3000000000" << false << 0u << outside.arg("3000000000");
        QTest::newRow("32,768 A is the end as shown (32,77)") << 1 << "Transition_to_Idle_Current"
                                                              << "32,768" << true << 0x7FFFu << "";
        QTest::newRow("past the end as shown") << 1 << "Transition_to_Idle_Current"
                                               << "32,771" << true << 0u << outside.arg("32,771");
        QTest::newRow("comma in raw view")
            << 2 << "COV_Threshold"
            << "3,65" << false << 0u << "'3,65' is not a valid integer value";
        QTest::newRow("comma on integer row")
            << 2 << "COV_Time"
            << "1,5" << true << 0u << "'1,5' is not a valid integer value";
        // A cell loaded from a file of the C locale: either separator is the decimal one.
        QTest::newRow("point in ru") << 2 << "COV_Threshold"
                                     << "3.65" << true << 3650u << "";
        QTest::newRow("two separators") << 2 << "COV_Threshold"
                                        << "3.6,5" << true << 0u
                                        << "'3.6,5' is not a valid floating point value";
        QTest::newRow("too big for 16 bits")
            << 2 << "COV_Time"
            << "70000" << false << 0u << "'70000': значение вне диапазона регистра!";
        QTest::newRow("too big scaled")
            << 2 << "COV_Threshold"
            << "70" << true << 0u << "'70': значение вне диапазона регистра!";
        QTest::newRow("below 16 bits")
            << 2 << "COT_Threshold"
            << "-32769" << false << 0u << "'-32769': значение вне диапазона регистра!";
        QTest::newRow("rounded 65535 mV") << 2 << "COV_Threshold"
                                          << "65,54" << true << 0xFFFFu << "";
        QTest::newRow("rounded 2^32-1 mA") << 1 << "Charge_Current"
                                           << "4,295e+06" << true << 0xFFFFFFFFu << "";
        QTest::newRow("rounded -32768 mA") << 1 << "Transition_to_Idle_Current"
                                           << "-32,77" << true << 0x8000u << "";
    }
    void writeBack() {
        QFETCH(int, block);
        QFETCH(QString, mnemonic);
        QFETCH(QString, text);
        QFETCH(bool, scaled);
        QFETCH(quint32, words);
        QFETCH(QString, error);
        const SettingsRegister& row =
            Setting(block == 1 ? std::span<const SettingsRegister>(ChargeSettingsRegisters)
                               : std::span<const SettingsRegister>(AlarmSettingsRegisters),
                    mnemonic);
        const RegisterConversion converted = SettingsCellToRegister(row, text, scaled);
        QCOMPARE(converted.error, error);
        QCOMPARE(converted.value.has_value(), error.isEmpty());
        if (!converted.value)
            return;
        RegisterImage image;
        std::span<quint16> target = block == 1 ? std::span<quint16>(image.ChargeSettingsBlock)
                                               : std::span<quint16>(image.AlarmSettingsBlock);
        QVERIFY(StoreField(target, row.field, *converted.value));
        QCOMPARE(row.field.width == RegisterWidth::Bits32 ? Word32(target, row.field.offset)
                                                          : Word16(target, row.field.offset),
                 words);
    }

    // The status table sends back its capacities (scaled by 1000 in the scaled view) and three
    // integer rows.
    void statusWriteBack_data() {
        QTest::addColumn<QString>("mnemonic");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<quint32>("bits");
        QTest::newRow("remaining capacity") << "Remaining_Pack_Capacity"
                                            << "-123,5" << true << 0xFFFE1D94u;
        QTest::newRow("full charge raw") << "Full_Charge_Capacity"
                                         << "-2147483648" << false << 0x80000000u;
        QTest::newRow("full charge raw, unsigned") << "Full_Charge_Capacity"
                                                   << "3000000000" << false << 3000000000u;
        QTest::newRow("full charge scientific") << "Full_Charge_Capacity"
                                                << "2,147E+06" << true << 2147000000u;
        QTest::newRow("cycle count") << "Cycle_Count"
                                     << "250" << true << 250u;
    }
    void statusWriteBack() {
        QFETCH(QString, mnemonic);
        QFETCH(QString, text);
        QFETCH(bool, scaled);
        QFETCH(quint32, bits);
        const StatusRegister& row = Status(mnemonic);
        const RegisterConversion converted =
            CellTextToRegister(text, row.field, row.scaling, scaled);
        QCOMPARE(converted.value, std::optional<quint32>(bits));
    }

    // Raw value -> scaled text -> write-back conversion gives the value back exactly when the
    // G4 text carries all its digits, and otherwise differs by no more than the G4 rounding
    // (half a unit in the fourth digit, at most 0.0005 of the value) plus the truncation.
    void settingsRoundTrip() {
        const std::vector<quint32> spread = {
            0,        1,          5,           59,          60,          89,          999,
            1000,     1001,       1234,        3450,        9999,        12345,       32767,
            32768,    65534,      65535,       65536,       123456,      999999,      1000000,
            16777215, 2147483647, 0x80000000u, 0x80000001u, 0xFFFFFF9Cu, 0xFFFFFFFEu, 0xFFFFFFFFu};
        int exact = 0;
        int rounded = 0;
        for (std::span<const SettingsRegister> map :
             {std::span<const SettingsRegister>(CommSettingsRegisters),
              std::span<const SettingsRegister>(ChargeSettingsRegisters),
              std::span<const SettingsRegister>(AlarmSettingsRegisters)}) {
            for (const SettingsRegister& row : map) {
                for (quint32 bits : spread) {
                    std::array<quint16, AlarmSettingsBlockWords> block{};
                    StoreField(block, row.field, bits);
                    const qint64 value = FieldValue(block, row.field);
                    const QString text = SettingsRowTexts(row, block, true).value;
                    const RegisterConversion back = SettingsCellToRegister(row, text, true);
                    const QByteArray where = (row.mnemonic.toString() + " " + text).toUtf8();
                    QVERIFY2(back.value.has_value(), where.constData());
                    const qint64 backValue = Reading(row.field, *back.value);
                    const qint64 denominator = ScalingDenominator(row.scaling);
                    if (row.scaling == Scaling::None || text == FormatG(value, denominator, 15)) {
                        ++exact;
                        QVERIFY2(backValue == value, where.constData());
                    } else {
                        ++rounded;
                        QVERIFY2(qAbs(backValue - value) <= qAbs(value) / 2000 + 1,
                                 where.constData());
                    }
                }
            }
        }
        QVERIFY(exact > 0 && rounded > 0);
    }

    void bitTables() {
        QCOMPARE(Texts(CellStatusBits, &CellStatusBit::header),
                 QStringList({"OV", "UV", "OVA", "UVA", "OT", "UT", "OTA", "FAIL", "Tmax", "Tmin",
                              "Vmax", "Vmin", "BAL", "PCH"}));
        QCOMPARE(CellStatusBits[7].mnemonic, u"CELL_STATUS_BALANCE_FAIL");
        QCOMPARE(CellStatusBits[9].meaning, u"Минимальное температура элемента в АБ");
        QCOMPARE(SafetyBits[7].lamp, u"Shape_BFAIL_");
        QCOMPARE(SafetyBits[19].russianName, u"Кол-во датчиков не соответствует");
        QCOMPARE(DisplayName(SafetyBits[12], false), "SAFETY_STATUS_OCC");
        QCOMPARE(DisplayName(ChargeBits[2], true), "Буферный режим");
        QCOMPARE(ChargeBits[7].mnemonic, u"CHARGE_STATUS_BAL");
        QCOMPARE(BatteryStatusBits[3].bit, 9);
        QCOMPARE(BatteryStatusBits[3].caption, u"Низкий заряд АБ (DOUT4)");
        QCOMPARE(BatteryStatusBits[8].lamp, u"Shape_OVERCHARGED_");
        for (std::size_t i = 0; i < SafetyBits.size(); ++i)
            QCOMPARE(SafetyBits[i].bit, int(i));
        for (std::size_t i = 0; i < CellStatusBits.size(); ++i)
            QCOMPARE(CellStatusBits[i].bit, int(i));
        QVERIFY(BitSet(0x1401, 0) && BitSet(0x1401, 10) && BitSet(0x1401, 12));
        QVERIFY(!BitSet(0x1401, 1) && !BitSet(0xFFFFFFFF, 32) && BitSet(0x80000000u, 31));
    }
};

QTEST_GUILESS_MAIN(TestRegisterMaps)
#include "test_register_maps.moc"
