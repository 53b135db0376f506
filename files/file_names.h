#pragma once

#include <QDateTime>
#include <QString>

// The local date and time as "yymmdd_hh-nn-ss", the start of every file name the program
// proposes.
QString FileNameStamp(const QDateTime& when);

// Where a file dialog starts before any file of its kind was chosen: the program's own folder
// when it can be written to and, on Linux, does not lie under a system or user bin folder (an
// installed program); otherwise the user's documents folder, made if it is missing, or the home
// folder when there is none.
QString StartFolder();

#ifdef Q_OS_WIN
inline constexpr bool DocumentsForBinFolders = false;
#else
inline constexpr bool DocumentsForBinFolders = true;
#endif
// The same rule for a given program folder and documents folder; documentsForBin says whether a
// program folder under a bin folder gives the documents.
QString StartFolder(const QString& programFolder, const QString& documentsFolder,
                    bool documentsForBin = DocumentsForBinFolders);
