#include "state_tables.h"

#include "bit_tables.h"
#include "register_image.h"
#include "settings_map.h"
#include "string_grid.h"
#include "table_cells.h"
#include "table_page.h"
#include "table_state.h"

#include <QTableWidget>

namespace {

const QString kInfoBase = QStringLiteral("StringGrid_INFOBASE_");
const QString kInfoCell = QStringLiteral("StringGrid_INFOCELL_");
const QString kInfoAlarm = QStringLiteral("StringGrid_INFOALARM_");
const QString kInfoCharge = QStringLiteral("StringGrid_INFOCHARGE_");
const QString kSetRs = QStringLiteral("StringGrid_SETRS_");
const QString kSetAlarm = QStringLiteral("StringGrid_SETALARM_");
const QString kSetCharge = QStringLiteral("StringGrid_SETCHARGE_");
const QString kLog = QStringLiteral("StringGrid_LOG_");

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts)
        list.append(QString::fromUtf8(t));
    return list;
}

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

template <class Rows> QStringList Mnemonics(const Rows& rows) {
    QStringList names;
    for (const auto& r : rows)
        names.append(r.mnemonic.toString());
    return names;
}

void LayoutCellHeader(QWidget* root) {
    auto* table = root->findChild<QTableWidget*>(kInfoCell);
    if (table == nullptr)
        return;
    QList<int> widths = {25, 35, 30};
    QStringList headers = Texts({"№", "Напр.", "Темп."});
    for (const CellStatusBit& b : CellStatusBits) {
        widths.append(28);
        headers.append(b.header.toString());
    }
    SetGridColumns(table, widths, headers);
}

void LayoutJournalColumns(QWidget* root) {
    if (auto* table = root->findChild<QTableWidget*>(kLog))
        SetGridColumns(table, {25, 140, 300, 100}, Texts({"№", "Дата-Время", "Авария", "Элемент"}));
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
    BuildTablePage(page, kInfoBase, false,
                   {{"BitBtn_SAVEINFOBASE_", "Сохранить в файл"},
                    {"BitBtn_LOADINFOBASE_", "Загрузить из файла"},
                    {"BitBtn_WRITEINFOBASE_", "Сохранить в панель"}});
}

void BuildInfoAlarmPage(QWidget* page) {
    BuildTablePage(page, kInfoAlarm, false, {});
}

void BuildInfoChargePage(QWidget* page) {
    BuildTablePage(page, kInfoCharge, false, {});
}

void SetupTables(QWidget* root) {
    const QStringList settingsHeaders = Texts({"№", "Тип", "Значение", "Ед.изм."});
    LayoutNamedTable(root, kInfoBase, {25, 300, 120, 120},
                     Texts({"№", "Регистр", "Значение", "Ед.изм."}), Names(StatusRegisters));
    LayoutCellHeader(root);
    LayoutNamedTable(root, kInfoAlarm, {25, 300, 100, 100},
                     Texts({"№", "Тип", "Предупреждение", "Авария"}), Names(SafetyBits));
    LayoutNamedTable(root, kInfoCharge, {25, 200, 100, 100},
                     Texts({"№", "Тип", "Предупреждение", "Режим"}), Names(ChargeBits));
    LayoutNamedTable(root, kSetRs, {25, 200, 100, 300},
                     Texts({"№", "Регистр", "Значение", "Расшифровка"}),
                     Mnemonics(CommSettingsRegisters));
    LayoutNamedTable(root, kSetAlarm, {25, 300, 100, 64}, settingsHeaders,
                     Mnemonics(AlarmSettingsRegisters));
    LayoutNamedTable(root, kSetCharge, {25, 300, 100, 64}, settingsHeaders,
                     Mnemonics(ChargeSettingsRegisters));
    LayoutJournalColumns(root);
}

void FillInfoBase(const RegisterImage& image, QWidget* root) {
    auto* table = root->findChild<QTableWidget*>(kInfoBase);
    if (table == nullptr)
        return;
    for (const StatusRegister& row : StatusRegisters) {
        const RowTexts texts = StatusRowTexts(row, image.StatusBlock);
        SetGridCell(table, row.row, 3, texts.unit);
        SetGridCell(table, row.row, 2, texts.value);
    }
}

void FillAlarmTable(const RegisterImage& image, QWidget* root) {
    WriteBitRows(root, kInfoAlarm, AlarmTableRows(image.StatusBlock));
}

void FillChargeTable(const RegisterImage& image, QWidget* root) {
    WriteBitRows(root, kInfoCharge, ChargeTableRows(image.StatusBlock));
}
