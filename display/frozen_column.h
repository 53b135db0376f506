#pragma once

class QTableView;

// Keeps the table's first column (the row numbers) in view when the table scrolls sideways: a
// view of that column alone lies over the table's left edge, follows its vertical scrolling,
// row heights, column width and selection, and shows the same header.
void FreezeFirstColumn(QTableView* table);
