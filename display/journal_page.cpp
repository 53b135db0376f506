#include "journal_page.h"

#include "journal_rows.h"
#include "register_image.h"
#include "string_grid.h"
#include "table_page.h"

#include <QTableWidget>

namespace {

const QString kLog = QStringLiteral("StringGrid_LOG_");

} // namespace

void BuildJournalPage(QWidget* page) {
    QTableWidget* table = BuildTablePage(page, kLog, false,
                                         {{"BitBtn_SAVELOG_", "Сохранить в файл"},
                                          {"BitBtn_LOADLOG_", "Загрузить из файла"},
                                          {"BitBtn_CLEARLOG_", "Очистить журнал"}});
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
        const JournalRow& row = rows->at(i);
        SetGridCell(table, i + 1, 0, QString::number(row.number));
        SetGridCell(table, i + 1, 1, row.dateTime);
        SetGridCell(table, i + 1, 2, row.event);
        SetGridCell(table, i + 1, 3, row.cell);
    }
    table->setUpdatesEnabled(true);
}
