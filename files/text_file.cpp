#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QString FileText(const QString& path) {
    return QDir::toNativeSeparators(path);
}

FileError WriteFailure(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось записать файл %1: %2").arg(FileText(path), reason);
}

FileError ReadFailure(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось прочитать файл %1: %2").arg(FileText(path), reason);
}

} // namespace

QByteArray EncodeLines(const QStringList& lines) {
    QStringEncoder encoder("windows-1251");
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

QStringList DecodeLines(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1251");
    const QString text = decoder.decode(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

FileError SaveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteFailure(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return WriteFailure(path, reason);
    }
    if (!file.commit())
        return WriteFailure(path, file.errorString());
    return {};
}

FileError AppendToFile(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        return WriteFailure(path, QStringLiteral("имя файла не задано"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return WriteFailure(path, file.errorString());
    const qint64 written = file.write(bytes);
    // The data leaves the buffer only now: a full disk shows here.
    const bool flushed = file.flush();
    if (written != bytes.size() || !flushed)
        return WriteFailure(path, file.errorString());
    file.close();
    return {};
}

TextFileRead ReadTextFile(const QString& path, qint64 maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, ReadFailure(path, file.errorString())};
    if (file.size() > maxBytes)
        return {
            {},
            ReadFailure(path, QStringLiteral("файл больше %1 МБ").arg(maxBytes / (1024 * 1024)))};
    // read() of one more byte than allowed catches a file that grows or reports no size.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, ReadFailure(path, file.errorString())};
    if (bytes.size() > maxBytes)
        return {
            {},
            ReadFailure(path, QStringLiteral("файл больше %1 МБ").arg(maxBytes / (1024 * 1024)))};
    if (bytes.contains('\0'))
        return {{}, ReadFailure(path, QStringLiteral("это не текстовый файл"))};
    return {DecodeLines(bytes), {}};
}
