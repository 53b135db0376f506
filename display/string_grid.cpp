#include "string_grid.h"

#include "shown_text.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

namespace {

// The text a fill wrote into a cell and the register value it was written from.
constexpr int FilledTextRole = Qt::UserRole;
constexpr int FilledWordRole = Qt::UserRole + 1;
// The text a table file holds for the cell: the screen shows its translation.
constexpr int FileTextRole = Qt::UserRole + 2;

QTableWidgetItem* CellItem(const QTableWidget* grid, int row, int column) {
    return row == 0 ? grid->horizontalHeaderItem(column) : grid->item(row - 1, column);
}

// An edited cell holds what was typed, whatever text was set before.
QString FileText(const QTableWidgetItem* item) {
    const QVariant file = item->data(FileTextRole);
    return file.isValid() && ShownText(file.toString()) == item->text() ? file.toString()
                                                                        : item->text();
}

} // namespace

QTableWidget* MakeStringGrid(const QString& name, bool editable) {
    auto* grid = new QTableWidget;
    grid->setObjectName(name);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Narrow columns such as the 25-pixel number column keep their width.
    grid->horizontalHeader()->setMinimumSectionSize(8);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->setEditTriggers(
        editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                       QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                 : QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    return grid;
}

int GridColumnWidth(const QWidget* grid, int designWidth) {
    // The widths were drawn for an 8-point dialog font five pixels wide per character; a wider
    // font widens the columns so that a value such as "3,159" is not cut short.
    constexpr double designCharWidth = 5.0;
    const double scale = std::max(1.0, grid->fontMetrics().averageCharWidth() / designCharWidth);
    return qRound(designWidth * scale);
}

void SetGridColumns(QTableWidget* grid, const QList<int>& widths, const QStringList& headers) {
    grid->setColumnCount(int(widths.size()));
    for (int c = 0; c < widths.size(); ++c) {
        SetGridCell(grid, 0, c, c < headers.size() ? headers[c] : QString());
        // A column is never narrower than its title.
        grid->setColumnWidth(c, std::max(GridColumnWidth(grid, widths[c]),
                                         grid->horizontalHeader()->sectionSizeHint(c)));
    }
}

int GridRowCount(const QTableWidget* grid) {
    return grid->rowCount() + 1;
}

void SetGridRowCount(QTableWidget* grid, int count) {
    grid->setRowCount(std::max(count, 1) - 1);
}

QString GridCell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = CellItem(grid, row, column);
    return item != nullptr ? item->text() : QString();
}

QList<QStringList> GridTexts(const QTableWidget* grid) {
    QList<QStringList> rows;
    for (int r = 0; r < GridRowCount(grid); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c) {
            const QTableWidgetItem* item = CellItem(grid, r, c);
            cells.append(item != nullptr ? FileText(item) : QString());
        }
        rows.append(cells);
    }
    return rows;
}

void SetGridCell(QTableWidget* grid, int row, int column, const QString& text) {
    if (row < 0 || row >= GridRowCount(grid) || column < 0 || column >= grid->columnCount())
        return;
    const QString shown = ShownText(text);
    QTableWidgetItem* item = CellItem(grid, row, column);
    if (item != nullptr) {
        // Reusing the item keeps a refresh of hundreds of rows cheap.
        if (item->text() != shown)
            item->setText(shown);
        item->setData(FileTextRole, text);
        return;
    }
    if (text.isEmpty())
        return;
    item = new QTableWidgetItem(shown);
    item->setData(FileTextRole, text);
    if (row == 0)
        grid->setHorizontalHeaderItem(column, item);
    else
        grid->setItem(row - 1, column, item);
}

void SetFilledGridCell(QTableWidget* grid, int row, int column, const QString& text, quint32 word) {
    if (row < 1 || row >= GridRowCount(grid) || column < 0 || column >= grid->columnCount())
        return;
    QTableWidgetItem* item = grid->item(row - 1, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        grid->setItem(row - 1, column, item);
    }
    if (item->text() != text)
        item->setText(text);
    item->setData(FilledTextRole, text);
    item->setData(FilledWordRole, word);
}

std::optional<quint32> FilledGridWord(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = CellItem(grid, row, column);
    if (item == nullptr || !item->data(FilledWordRole).isValid() ||
        item->data(FilledTextRole).toString() != item->text())
        return std::nullopt;
    return item->data(FilledWordRole).toUInt();
}
