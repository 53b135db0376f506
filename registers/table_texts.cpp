#include "table_texts.h"

#include "bit_tables.h"
#include "status_map.h"
#include "table_cells.h"

namespace {

// Number, name, value and unit of one row of a status or settings table.
QStringList TableRowCells(int row, const RowTexts& texts) {
    return {QString::number(row), texts.name, texts.value, texts.unit};
}

// The header of a table of warning and alarm (or mode) bits.
QStringList BitTableHeader(const char* stateTitle) {
    return TextList({QT_TRANSLATE_NOOP("TableTexts", "№"), QT_TRANSLATE_NOOP("TableTexts", "Тип"),
                     QT_TRANSLATE_NOOP("TableTexts", "Предупреждение"), stateTitle});
}

} // namespace

QStringList TextList(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts)
        list.append(QString::fromUtf8(t));
    return list;
}

std::span<const SettingsRegister> SettingsTableRegisters(SettingsTable table) {
    switch (table) {
    case SettingsTable::Comm:
        return CommSettingsRegisters;
    case SettingsTable::Alarm:
        return AlarmSettingsRegisters;
    case SettingsTable::Charge:
        break;
    }
    return ChargeSettingsRegisters;
}

std::span<quint16> SettingsTableBlock(SettingsTable table, RegisterImage& image) {
    switch (table) {
    case SettingsTable::Comm:
        return image.CommSettingsBlock;
    case SettingsTable::Alarm:
        return image.AlarmSettingsBlock;
    case SettingsTable::Charge:
        break;
    }
    return image.ChargeSettingsBlock;
}

std::span<const quint16> SettingsTableBlock(SettingsTable table, const RegisterImage& image) {
    return SettingsTableBlock(table, const_cast<RegisterImage&>(image));
}

QStringList StatusTableHeader() {
    return TextList(
        {QT_TRANSLATE_NOOP("TableTexts", "№"), QT_TRANSLATE_NOOP("TableTexts", "Регистр"),
         QT_TRANSLATE_NOOP("TableTexts", "Значение"), QT_TRANSLATE_NOOP("TableTexts", "Ед.изм.")});
}

QStringList AlarmTableHeader() {
    return BitTableHeader(QT_TRANSLATE_NOOP("TableTexts", "Авария"));
}

QStringList ChargeTableHeader() {
    return BitTableHeader(QT_TRANSLATE_NOOP("TableTexts", "Режим"));
}

QStringList CellTableHeader() {
    QStringList header =
        TextList({QT_TRANSLATE_NOOP("TableTexts", "№"), QT_TRANSLATE_NOOP("TableTexts", "Напр."),
                  QT_TRANSLATE_NOOP("TableTexts", "Темп.")});
    for (const CellStatusBit& b : CellStatusBits)
        header.append(b.header.toString());
    return header;
}

QStringList SettingsTableHeader(SettingsTable table) {
    if (table == SettingsTable::Comm)
        return TextList({QT_TRANSLATE_NOOP("TableTexts", "№"),
                         QT_TRANSLATE_NOOP("TableTexts", "Регистр"),
                         QT_TRANSLATE_NOOP("TableTexts", "Значение"),
                         QT_TRANSLATE_NOOP("TableTexts", "Расшифровка")});
    return TextList({QT_TRANSLATE_NOOP("TableTexts", "№"), QT_TRANSLATE_NOOP("TableTexts", "Тип"),
                     QT_TRANSLATE_NOOP("TableTexts", "Значение"),
                     QT_TRANSLATE_NOOP("TableTexts", "Ед.изм.")});
}

QStringList JournalTableHeader() {
    return TextList(
        {QT_TRANSLATE_NOOP("TableTexts", "№"), QT_TRANSLATE_NOOP("TableTexts", "Дата-Время"),
         QT_TRANSLATE_NOOP("TableTexts", "Авария"), QT_TRANSLATE_NOOP("TableTexts", "Элемент")});
}

QStringList JournalRowCells(const JournalRow& row) {
    return {QString::number(row.number), row.dateTime, row.event, row.cell};
}

QList<QStringList> StatusTableCells(std::span<const quint16> statusBlock, bool russianNames,
                                    bool scaledUnits) {
    QList<QStringList> cells{StatusTableHeader()};
    for (const StatusRegister& row : StatusRegisters)
        cells.append(
            TableRowCells(row.row, StatusRowTexts(row, statusBlock, russianNames, scaledUnits)));
    return cells;
}

QList<QStringList> CellTableCells(std::span<const quint16> statusBlock, bool scaledUnits) {
    QList<QStringList> cells{CellTableHeader()};
    for (int cell = 1; cell <= ShownCellCount(statusBlock); ++cell)
        cells.append(CellTableRow(statusBlock, cell, scaledUnits));
    return cells;
}

QList<QStringList> SettingsTableCells(SettingsTable table, std::span<const quint16> block,
                                      bool scaledUnits) {
    QList<QStringList> cells{SettingsTableHeader(table)};
    for (const SettingsRegister& row : SettingsTableRegisters(table))
        cells.append(TableRowCells(row.row, SettingsRowTexts(row, block, scaledUnits)));
    return cells;
}

QList<QStringList> JournalTableCells(const QList<JournalRow>& rows) {
    QList<QStringList> cells{JournalTableHeader()};
    for (const JournalRow& row : rows)
        cells.append(JournalRowCells(row));
    return cells;
}
