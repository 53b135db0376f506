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

namespace {

// /usr/bin, /usr/local/bin, ~/.local/bin, ~/bin, /opt/velmora/bin...
bool UnderBinFolder(const QString& folder) {
    return QDir::cleanPath(QDir::fromNativeSeparators(folder))
        .split(QLatin1Char('/'), Qt::SkipEmptyParts)
        .contains(QStringLiteral("bin"));
}

} // namespace

QString StartFolder(const QString& programFolder, const QString& documentsFolder,
                    bool documentsForBin) {
    const QFileInfo program(programFolder);
    if (!programFolder.isEmpty() && program.isDir() && program.isWritable() &&
        !(documentsForBin && UnderBinFolder(programFolder)))
        return programFolder;
    if (!documentsFolder.isEmpty() && QDir().mkpath(documentsFolder))
        return documentsFolder;
    return QDir::homePath();
}
