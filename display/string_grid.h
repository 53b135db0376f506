#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTableWidget;
class QWidget;

// The program's text tables are QTableWidgets whose horizontal header plays the fixed header
// row: row 0 below means the header, rows 1.. are the widget's rows 0... Table files, write-back
// and fills all address cells this way, so the header stays visible while the rows scroll.

// Makes an empty read-only or editable text table; columns can be resized.
QTableWidget* MakeStringGrid(const QString& name, bool editable);
// A column width given for the small dialog font, widened in proportion to the grid's font.
int GridColumnWidth(const QWidget* grid, int designWidth);
// Sets the column count, each column's header text and its width: the design width in the grid's
// font, or the title's width where that is more.
void SetGridColumns(QTableWidget* grid, const QList<int>& widths, const QStringList& headers);

int GridRowCount(const QTableWidget* grid);
// count includes the header row; at least 1.
void SetGridRowCount(QTableWidget* grid, int count);

// The text a cell shows.
QString GridCell(const QTableWidget* grid, int row, int column);
// Every cell's text as its file holds it, row by row from the header on: the text it was set to,
// or what was typed into it since.
QList<QStringList> GridTexts(const QTableWidget* grid);
// The cell shows the text as ShownText gives it and keeps the text itself for the file.
void SetGridCell(QTableWidget* grid, int row, int column, const QString& text);

// A value cell filled from a register: its text, and the register's value, which the cell gives
// back for as long as its text is the one filled (an edit or a loaded file that changes the text
// drops it).
void SetFilledGridCell(QTableWidget* grid, int row, int column, const QString& text, quint32 word);
std::optional<quint32> FilledGridWord(const QTableWidget* grid, int row, int column);
