#pragma once

#include <QDateTime>
#include <QString>

// The local date and time as "yymmdd_hh-nn-ss", the start of every file name the program
// proposes.
QString FileNameStamp(const QDateTime& when);

// The folder every file dialog starts in: the program's own folder when it can be written to,
// otherwise (an installed program) the user's documents folder, made if it is missing, or the
// home folder when there is none.
QString StartFolder();
// The same rule for a given program folder and documents folder.
QString StartFolder(const QString& programFolder, const QString& documentsFolder);
