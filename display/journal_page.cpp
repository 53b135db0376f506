#include "journal_page.h"

#include "journal_rows.h"
#include "register_image.h"
#include "string_grid.h"
#include "table_page.h"
#include "table_texts.h"

#include <QTableWidget>

namespace {

const QString kLog = QStringLiteral("StringGrid_LOG_");

} // namespace

void BuildJournalPage(QWidget* page) {
    QTableWidget* table =
        BuildTablePage(page, kLog, false,
                       {{"BitBtn_SAVELOG_", QT_TRANSLATE_NOOP("TablePage", "Сохранить в файл")},
                        {"BitBtn_LOADLOG_", QT_TRANSLATE_NOOP("TablePage", "Загрузить из файла")},
                        {"BitBtn_CLEARLOG_", QT_TRANSLATE_NOOP("TablePage", "Очистить журнал")}});
    table->setColumnCount(4);
    SetGridRowCount(table, JournalRecordCount + 1);
}

void FillJournal(const RegisterImage& image, QWidget* root) {
    auto* table = root->findChild<QTableWidget*>(kLog);
    if (table == nullptr)
        return;
    const std::optional<QList<JournalRow>> rows = JournalRows(image.JournalBlock);
    if (!rows)
        return;
    table->setUpdatesEnabled(false);
    SetGridRowCount(table, int(rows->size()) + 1);
    for (int i = 0; i < rows->size(); ++i) {
        const QStringList cells = JournalRowCells(rows->at(i));
        for (int c = 0; c < cells.size(); ++c)
            SetGridCell(table, i + 1, c, cells[c]);
    }
    table->setUpdatesEnabled(true);
}
