#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The table file: one line per table row, the header row first, the cells joined by commas.

// A cell as written: its text as the file holds it (TextAsWritten), in double quotes (each quote
// inside doubled) when that holds a character with code 0 to 32, a double quote or a comma.
QString QuoteCell(const QString& cell);

// A row's cells quoted and joined by "," with nothing between them.
QString JoinCells(const QStringList& cells);

// A line split back into `columns` cells. Blanks and control characters before a field and after
// it are skipped; a quoted field runs to its closing quote (a doubled quote stands for one), an
// unquoted one to the next comma, blank or control character. An empty field becomes one blank,
// so that it holds its place; fields past `columns` are dropped, and cells with no field stay
// empty.
QStringList SplitLine(const QString& line, int columns);

// A table's rows, header first, as the bytes of its file.
QByteArray TableFileBytes(const QList<QStringList>& rows);
// The lines of a file as rows of `columns` cells each.
QList<QStringList> TableFromLines(const QStringList& lines, int columns);
