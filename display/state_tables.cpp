#include "state_tables.h"

#include "bit_tables.h"
#include "register_image.h"
#include "settings_map.h"
#include "string_grid.h"
#include "table_cells.h"
#include "table_page.h"
#include "table_state.h"
#include "table_texts.h"

#include <QCoreApplication>
#include <QTableWidget>

namespace {

const QString kInfoBase = QStringLiteral("StringGrid_INFOBASE_");
const QString kInfoCell = QStringLiteral("StringGrid_INFOCELL_");
const QString kInfoAlarm = QStringLiteral("StringGrid_INFOALARM_");
const QString kInfoCharge = QStringLiteral("StringGrid_INFOCHARGE_");

// The settings tables with their column widths.
struct SettingsGrid {
    const char* name;
    SettingsTable table;
    QList<int> widths;
};
const SettingsGrid kSettingsGrids[] = {
    {"StringGrid_SETRS_", SettingsTable::Comm, {25, 200, 100, 300}},
    {"StringGrid_SETALARM_", SettingsTable::Alarm, {25, 300, 100, 64}},
    {"StringGrid_SETCHARGE_", SettingsTable::Charge, {25, 300, 100, 64}},
};
const QString kLog = QStringLiteral("StringGrid_LOG_");

// Row count, widths and headers, then the row numbers and the names of column 1.
void LayoutNamedTable(QWidget* root, const QString& name, const QList<int>& widths,
                      const QStringList& headers, const QStringList& rowNames) {
    auto* table = root->findChild<QTableWidget*>(name);
    if (table == nullptr)
        return;
    SetGridColumns(table, widths, headers);
    SetGridRowCount(table, int(rowNames.size()) + 1);
    for (int r = 1; r <= rowNames.size(); ++r) {
        SetGridCell(table, r, 0, QString::number(r));
        SetGridCell(table, r, 1, rowNames[r - 1]);
    }
}

template <class Rows> QStringList Names(const Rows& rows) {
    QStringList names;
    for (const auto& r : rows)
        names.append(DisplayName(r));
    return names;
}

QStringList Mnemonics(std::span<const SettingsRegister> rows) {
    QStringList names;
    for (const SettingsRegister& r : rows)
        names.append(r.mnemonic.toString());
    return names;
}

void LayoutCellHeader(QWidget* root) {
    auto* table = root->findChild<QTableWidget*>(kInfoCell);
    if (table == nullptr)
        return;
    QList<int> widths = {25, 35, 30};
    widths.append(QList<int>(CellStatusBits.size(), 28));
    SetGridColumns(table, widths, CellTableHeader());
}

void LayoutJournalColumns(QWidget* root) {
    if (auto* table = root->findChild<QTableWidget*>(kLog))
        SetGridColumns(table, {25, 140, 300, 100}, JournalTableHeader());
}

void WriteBitRows(QWidget* root, const QString& name, const QList<BitRowTexts>& rows) {
    auto* table = root->findChild<QTableWidget*>(name);
    if (table == nullptr)
        return;
    for (int i = 0; i < rows.size(); ++i) {
        SetGridCell(table, i + 1, 2, rows[i].warning);
        SetGridCell(table, i + 1, 3, rows[i].state);
    }
}

} // namespace

void BuildInfoBasePage(QWidget* page) {
    BuildTablePage(
        page, kInfoBase, false,
        {{"BitBtn_SAVEINFOBASE_", QT_TRANSLATE_NOOP("TablePage", "Сохранить в файл")},
         {"BitBtn_LOADINFOBASE_", QT_TRANSLATE_NOOP("TablePage", "Загрузить из файла")},
         {"BitBtn_WRITEINFOBASE_", QT_TRANSLATE_NOOP("TablePage", "Сохранить в панель")}});
}

void BuildInfoAlarmPage(QWidget* page) {
    BuildTablePage(page, kInfoAlarm, false, {});
}

void BuildInfoChargePage(QWidget* page) {
    BuildTablePage(page, kInfoCharge, false, {});
}

void SetupTables(QWidget* root) {
    LayoutNamedTable(root, kInfoBase, {25, 300, 120, 120}, StatusTableHeader(),
                     Names(StatusRegisters));
    LayoutCellHeader(root);
    LayoutNamedTable(root, kInfoAlarm, {25, 300, 100, 100}, AlarmTableHeader(), Names(SafetyBits));
    LayoutNamedTable(root, kInfoCharge, {25, 200, 100, 100}, ChargeTableHeader(),
                     Names(ChargeBits));
    for (const SettingsGrid& grid : kSettingsGrids)
        LayoutNamedTable(root, QString::fromLatin1(grid.name), grid.widths,
                         SettingsTableHeader(grid.table),
                         Mnemonics(SettingsTableRegisters(grid.table)));
    LayoutJournalColumns(root);
}

void FillInfoBase(const RegisterImage& image, QWidget* root) {
    auto* table = root->findChild<QTableWidget*>(kInfoBase);
    if (table == nullptr)
        return;
    for (const StatusRegister& row : StatusRegisters) {
        const RowTexts texts = StatusRowTexts(row, image.StatusBlock);
        SetGridCell(table, row.row, 3, texts.unit);
        SetFilledGridCell(table, row.row, 2, texts.value,
                          quint32(FieldValue(image.StatusBlock, row.field)));
    }
}

void FillAlarmTable(const RegisterImage& image, QWidget* root) {
    WriteBitRows(root, kInfoAlarm, AlarmTableRows(image.StatusBlock));
}

void FillChargeTable(const RegisterImage& image, QWidget* root) {
    WriteBitRows(root, kInfoCharge, ChargeTableRows(image.StatusBlock));
}
