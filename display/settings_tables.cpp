#include "settings_tables.h"

#include "register_image.h"
#include "settings_map.h"
#include "string_grid.h"
#include "table_page.h"

#include <QStyledItemDelegate>
#include <QTableWidget>

namespace {

constexpr int kValueColumn = 2;

// Offers an editor in the value column only: numbers, names and units are not the operator's.
class ValueColumnDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (index.column() != kValueColumn)
            return nullptr;
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
};

void BuildSettingsPage(QWidget* page, const char* table,
                       std::initializer_list<PageButton> buttons) {
    QTableWidget* grid = BuildTablePage(page, QString::fromLatin1(table), true, buttons);
    grid->setItemDelegate(new ValueColumnDelegate(grid));
}

template <std::size_t N>
void FillSettings(QWidget* root, const char* table, const std::array<SettingsRegister, N>& rows,
                  std::span<const quint16> block) {
    auto* grid = root->findChild<QTableWidget*>(QString::fromLatin1(table));
    if (grid == nullptr)
        return;
    for (const SettingsRegister& row : rows) {
        const RowTexts texts = SettingsRowTexts(row, block);
        SetGridCell(grid, row.row, 3, texts.unit);
        SetFilledGridCell(grid, row.row, kValueColumn, texts.value,
                          quint32(FieldValue(block, row.field)));
    }
}

} // namespace

void BuildCommSettingsPage(QWidget* page) {
    BuildSettingsPage(
        page, "StringGrid_SETRS_",
        {{"BitBtn_WRITESETRS_", QT_TRANSLATE_NOOP("TablePage", "Сохранить в блок")},
         {"BitBtn_SAVESETRS_", QT_TRANSLATE_NOOP("TablePage", "Сохранить в файл")},
         {"BitBtn_LOADSETRS_", QT_TRANSLATE_NOOP("TablePage", "Загрузить из файла")}});
}

void BuildAlarmSettingsPage(QWidget* page) {
    BuildSettingsPage(
        page, "StringGrid_SETALARM_",
        {{"BitBtn_WRITESETALARM_", QT_TRANSLATE_NOOP("TablePage", "Сохранить в блок")},
         {"BitBtn_SAVESETALARM_", QT_TRANSLATE_NOOP("TablePage", "Сохранить в файл")},
         {"BitBtn_LOADSETALARM_", QT_TRANSLATE_NOOP("TablePage", "Загрузить из файла")}});
}

void BuildChargeSettingsPage(QWidget* page) {
    BuildSettingsPage(
        page, "StringGrid_SETCHARGE_",
        {{"BitBtn_WRITESETCHARGE_", QT_TRANSLATE_NOOP("TablePage", "Сохранить в блок")},
         {"BitBtn_SAVESETCHARGE_", QT_TRANSLATE_NOOP("TablePage", "Сохранить в файл")},
         {"BitBtn_LOADSETCHARGE_", QT_TRANSLATE_NOOP("TablePage", "Загрузить из файла")}});
}

void FillCommSettings(const RegisterImage& image, QWidget* root) {
    FillSettings(root, "StringGrid_SETRS_", CommSettingsRegisters, image.CommSettingsBlock);
}

void FillAlarmSettings(const RegisterImage& image, QWidget* root) {
    FillSettings(root, "StringGrid_SETALARM_", AlarmSettingsRegisters, image.AlarmSettingsBlock);
}

void FillChargeSettings(const RegisterImage& image, QWidget* root) {
    FillSettings(root, "StringGrid_SETCHARGE_", ChargeSettingsRegisters, image.ChargeSettingsBlock);
}
