#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>

namespace {

QString FileText(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Why a file operation failed, in the program's words where the cause is a common one; code is
// the system's error number, taken right after the failing call.
QString Reason(const QFileDevice& file, const QString& path, bool writing, int code) {
    switch (code) {
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("на диске нет места");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("нет прав доступа");
    default:
        break;
    }
    const QFileInfo info(path);
    if (writing && !info.absoluteDir().exists())
        return QStringLiteral("нет такой папки");
    if (!writing && !info.exists())
        return QStringLiteral("нет такого файла");
    return code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : file.errorString();
}

FileError WriteFailure(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось записать файл %1: %2").arg(FileText(path), reason);
}

FileError WriteFailure(const QFileDevice& file, const QString& path) {
    return WriteFailure(path, Reason(file, path, true, errno));
}

FileError ReadFailure(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось прочитать файл %1: %2").arg(FileText(path), reason);
}

QString TooLargeText(qint64 maxBytes) {
    constexpr qint64 MiB = 1024 * 1024;
    if (maxBytes % MiB == 0)
        return QStringLiteral("файл больше %1 МБ, это не таблица").arg(maxBytes / MiB);
    return QStringLiteral("файл больше %1 байт, это не таблица").arg(maxBytes);
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
    errno = 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteFailure(file, path);
    // The bytes leave the buffer on the flush, where a full disk shows; a commit after a failed
    // flush would still put the short file in place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const FileError error = WriteFailure(file, path);
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return WriteFailure(file, path);
    return {};
}

FileError AppendToFile(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        return WriteFailure(path, QStringLiteral("имя файла не задано"));
    errno = 0;
    QFile file(path);
    // Unbuffered: the one write goes to the disk at once, and nothing is left to write at close.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return WriteFailure(file, path);
    const qint64 before = file.size();
    if (file.write(bytes) != bytes.size()) {
        const FileError error = WriteFailure(file, path);
        // Half a line would run into the next one: the file goes back to its last whole line.
        file.resize(before);
        return error;
    }
    return {};
}

WholeFileRead ReadWholeFile(const QString& path, qint64 maxBytes, const QString& tooLarge) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {{}, ReadFailure(path, QStringLiteral("это не обычный файл"))};
    if (info.size() > maxBytes)
        return {{}, ReadFailure(path, tooLarge)};
    errno = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, ReadFailure(path, Reason(file, path, false, errno))};
    // read() of one more byte than allowed catches a file that grows or reports no size.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, ReadFailure(path, Reason(file, path, false, errno))};
    if (bytes.size() > maxBytes)
        return {{}, ReadFailure(path, tooLarge)};
    return {std::move(bytes), {}};
}

TextFileRead ReadTextFile(const QString& path, qint64 maxBytes) {
    const WholeFileRead read = ReadWholeFile(path, maxBytes, TooLargeText(maxBytes));
    if (!read.error.isEmpty())
        return {{}, read.error};
    if (read.bytes.contains('\0'))
        return {{}, ReadFailure(path, QStringLiteral("это не текстовый файл"))};
    return {DecodeLines(read.bytes), {}};
}
