#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes the bytes as the whole file at path, replacing it; a test cannot go on without it.
inline QString WriteTestFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
