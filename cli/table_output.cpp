#include "table_output.h"

#include "console.h"
#include "table_file.h"
#include "text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString AlignedText(const QList<QStringList>& rows) {
    QList<qsizetype> widths;
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c == widths.size())
                widths.append(0);
            widths[c] = std::max(widths[c], row[c].trimmed().size());
        }
    QStringList lines;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += c + 1 < row.size() ? row[c].trimmed().leftJustified(widths[c] + 2)
                                       : row[c].trimmed();
        lines.append(line.trimmed());
    }
    return lines.join(QLatin1Char('\n'));
}

QString CsvText(const QList<QStringList>& rows) {
    QStringList lines;
    for (const QStringList& row : rows)
        lines.append(JoinCells(row));
    return lines.join(QLatin1Char('\n'));
}

QString FileTargetError(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    QString reason;
    if (file.isDir())
        reason = QCoreApplication::translate("Cli", "это папка");
    else if (!folder.isDir())
        reason = QCoreApplication::translate("Cli", "нет папки %1")
                     .arg(QDir::toNativeSeparators(folder.filePath()));
    else if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        reason = QCoreApplication::translate("Cli", "нет права записи");
    if (reason.isEmpty())
        return {};
    return QCoreApplication::translate("Cli", "Файл %1 не записать: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

ExitCode SaveTableFile(const QString& path, const QList<QStringList>& rows) {
    return SaveOutputFile(path, TableFileBytes(rows));
}

ExitCode SaveOutputFile(const QString& path, const QByteArray& bytes) {
    const FileError error = SaveWholeFile(path, bytes);
    if (error.isEmpty())
        return ExitDone;
    PrintError(error);
    return ExitFileError;
}
