#include "recent_files.h"

#include "file_names.h"
#include "prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>

namespace {

// Keys of the settings file: "files/<kind>/folder" and "files/<kind>/<use>".
constexpr const char* KindKeys[] = {"tables", "log", "graph", "firmware"};

QString KindKey(FileKind kind) {
    return QStringLiteral("files/") + QLatin1String(KindKeys[int(kind)]);
}

QString FolderKey(FileKind kind) {
    return KindKey(kind) + QStringLiteral("/folder");
}

QString NameKey(FileKind kind, const QString& use) {
    return KindKey(kind) + QLatin1Char('/') + use;
}

// Remembered values by their settings keys.
QHash<QString, QString>& Memory() {
    static QHash<QString, QString> memory;
    return memory;
}

} // namespace

QString FileFolder(FileKind kind) {
    const QString folder = Memory().value(FolderKey(kind));
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : StartFolder();
}

QString LastFileName(FileKind kind, const QString& use) {
    return Memory().value(NameKey(kind, use));
}

void RememberFile(FileKind kind, const QString& use, const QString& path) {
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    Memory().insert(FolderKey(kind), file.absolutePath());
    Memory().insert(NameKey(kind, use), file.fileName());
}

QString AskOpenFile(FileKind kind, const QString& use, const QString& filter,
                    const QString& proposedName) {
    const QString path = CurrentPrompts().OpenFile(
        FileFolder(kind), filter, proposedName.isEmpty() ? LastFileName(kind, use) : proposedName);
    RememberFile(kind, use, path);
    return path;
}

QString AskSaveFile(FileKind kind, const QString& use, const QString& filter,
                    const QString& proposedName) {
    const QString path = CurrentPrompts().SaveFile(FileFolder(kind), filter, proposedName);
    RememberFile(kind, use, path);
    return path;
}

void LoadRecentFiles(const QSettings& settings) {
    QHash<QString, QString>& memory = Memory();
    memory.clear();
    for (const QString& key : settings.allKeys())
        if (key.startsWith(QStringLiteral("files/")))
            memory.insert(key, settings.value(key).toString());
}

void SaveRecentFiles(QSettings& settings) {
    const QHash<QString, QString>& memory = Memory();
    for (auto it = memory.cbegin(); it != memory.cend(); ++it)
        settings.setValue(it.key(), it.value());
}
