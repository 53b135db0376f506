#include "file_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString FileNameStamp(const QDateTime& when) {
    return when.toString(QStringLiteral("yyMMdd_HH-mm-ss"));
}

QString StartFolder() {
    return StartFolder(QCoreApplication::applicationDirPath(),
                       QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString StartFolder(const QString& programFolder, const QString& documentsFolder) {
    const QFileInfo program(programFolder);
    if (!programFolder.isEmpty() && program.isDir() && program.isWritable())
        return programFolder;
    if (!documentsFolder.isEmpty() && QDir().mkpath(documentsFolder))
        return documentsFolder;
    return QDir::homePath();
}
