#pragma once

#include "exit_codes.h"

#include <QList>
#include <QString>
#include <QStringList>

// Tables as the tool shows and saves them: rows of cells, the header row first.

// Columns padded to their widest cell, two blanks apart, one line per row.
QString AlignedText(const QList<QStringList>& rows);
// The lines of the table's file (cells quoted and joined by commas), here with line feeds.
QString CsvText(const QList<QStringList>& rows);

// Why a file cannot be written at the path (a folder that is missing or not writable, a path
// that is a folder or a read-only file); empty when it can. Checked before the port is opened.
QString FileTargetError(const QString& path);

// Saves the rows as the window saves a table: code page 1251, CR LF, the whole file or nothing.
ExitCode SaveTableFile(const QString& path, const QList<QStringList>& rows);
// Saves the bytes, the whole file or nothing; a failure is said on standard error.
ExitCode SaveOutputFile(const QString& path, const QByteArray& bytes);
