#pragma once

#include <QString>

class QSettings;

// The kinds of file the program asks for. Each remembers the folder its last file was chosen in,
// and each use of a kind (one table's files, the monitoring log) the name of its last file, so
// that no dialog starts among, or proposes, another kind's files.
enum class FileKind { Tables, Log, GraphExport, Firmware };

// The monitoring log's use: polling writes it, the graph reads it.
inline const QString MonitorLogUse = QStringLiteral("monitor");

// The folder a file dialog of `kind` starts in: the folder of the kind's last file, or on first
// use the start folder (when that folder is gone, the start folder again).
QString FileFolder(FileKind kind);
// The name an open dialog of `use` proposes: the last file chosen for it, or none.
QString LastFileName(FileKind kind, const QString& use);
// Remembers a file just chosen for `use`; an empty path (a cancelled dialog) changes nothing.
void RememberFile(FileKind kind, const QString& use, const QString& path);

// Ask through the prompts for a file of `use`, in its kind's folder, and remember the one chosen;
// an empty text when cancelled. An open dialog proposes proposedName or else the use's last file.
QString AskOpenFile(FileKind kind, const QString& use, const QString& filter,
                    const QString& proposedName = {});
QString AskSaveFile(FileKind kind, const QString& use, const QString& filter,
                    const QString& proposedName);

// The folders and names of an earlier run, in place of whatever this run remembered so far.
void LoadRecentFiles(const QSettings& settings);
void SaveRecentFiles(QSettings& settings);
