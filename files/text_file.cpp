#include "text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

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
        return QCoreApplication::translate("TextFile", "на диске нет места");
    case EACCES:
    case EPERM:
    case EROFS:
        return QCoreApplication::translate("TextFile", "нет прав доступа");
    default:
        break;
    }
    const QFileInfo info(path);
    if (writing && !info.absoluteDir().exists())
        return QCoreApplication::translate("TextFile", "нет такой папки");
    if (!writing && !info.exists())
        return QCoreApplication::translate("TextFile", "нет такого файла");
    return code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : file.errorString();
}

FileError WriteFailure(const QString& path, const QString& reason) {
    return QCoreApplication::translate("TextFile", "Не удалось записать файл %1: %2")
        .arg(FileText(path), reason);
}

FileError WriteFailure(const QFileDevice& file, const QString& path) {
    return WriteFailure(path, Reason(file, path, true, errno));
}

FileError ReadFailure(const QString& path, const QString& reason) {
    return QCoreApplication::translate("TextFile", "Не удалось прочитать файл %1: %2")
        .arg(FileText(path), reason);
}

// Why a path cannot be written or read as a file, or an empty text when it can (it is a regular
// file, or there is nothing there yet). A link counts as what it points to.
QString NotRegularFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    if (info.isDir())
        return QCoreApplication::translate("TextFile", "это папка");
    return QCoreApplication::translate("TextFile",
                                       "это не обычный файл (устройство, канал или сокет)");
}

// Code page 1251's bytes 0x80 to 0xFF by the character each stands for, in the order of the
// characters; the bytes below 0x80 stand for themselves.
using CodePageTable = std::array<std::pair<char16_t, char>, 128>;

const CodePageTable& UpperHalf() {
    static const CodePageTable table = [] {
        CodePageTable t;
        QByteArray bytes(128, Qt::Uninitialized);
        for (int i = 0; i < 128; ++i)
            bytes[i] = char(0x80 + i);
        const QString text = QStringDecoder("windows-1251").decode(bytes);
        Q_ASSERT(text.size() == 128);
        for (int i = 0; i < 128; ++i)
            t[std::size_t(i)] = {text[i].unicode(), char(0x80 + i)};
        std::sort(t.begin(), t.end());
        return t;
    }();
    return table;
}

// The byte of a character in code page 1251, or '?' when the code page lacks it.
inline char ByteOf(char32_t c) {
    if (c < 0x80)
        return char(c);
    static const CodePageTable& table = UpperHalf();
    const auto at = std::lower_bound(table.begin(), table.end(), c,
                                     [](const auto& entry, char32_t v) { return entry.first < v; });
    return at != table.end() && at->first == c ? at->second : '?';
}

// Calls f(byte, at, length) for every character of the text with its byte in the code page and
// where it lies (a surrogate pair is one character of length 2).
template <class F> void ForEachCharacter(QStringView text, F f) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        const bool pair =
            QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pair)
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
        f(ByteOf(c), i, pair ? 2 : 1);
        i += pair ? 1 : 0;
    }
}

// Calls line(begin, end) for every line of the text: a line ends at CR, at LF or at CR LF, and a
// final line break adds no empty line.
template <class Text, class Line> void ForEachLine(const Text& text, Line line) {
    const auto size = qsizetype(text.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const auto c = text[i];
        if (c != '\r' && c != '\n')
            continue;
        line(start, i);
        if (c == '\r' && i + 1 < size && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        line(start, size);
}

QString TooLargeText(qint64 maxBytes) {
    constexpr qint64 MiB = 1024 * 1024;
    if (maxBytes % MiB == 0)
        return QCoreApplication::translate("TextFile", "файл больше %1 МБ, это не таблица")
            .arg(maxBytes / MiB);
    return QCoreApplication::translate("TextFile", "файл больше %1 байт, это не таблица")
        .arg(maxBytes);
}

} // namespace

QString TextAsWritten(const QString& text) {
    QString written;
    written.reserve(text.size());
    ForEachCharacter(text, [&](char byte, qsizetype at, qsizetype length) {
        if (byte == '?')
            written.append(QLatin1Char('?'));
        else
            written.append(QStringView(text).mid(at, length));
    });
    return written;
}

QByteArray EncodeLines(const QStringList& lines) {
    // A character is never more than one byte: the bytes go straight into room made for them.
    qsizetype most = 0;
    for (const QString& line : lines)
        most += line.size() + 2;
    QByteArray bytes(most, Qt::Uninitialized);
    char* out = bytes.data();
    for (const QString& line : lines) {
        ForEachCharacter(line, [&](char byte, qsizetype, qsizetype) { *out++ = byte; });
        *out++ = '\r';
        *out++ = '\n';
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

QStringList DecodeLines(const QByteArray& bytes) {
    const QString text = QStringDecoder("windows-1251").decode(bytes);
    QStringList lines;
    ForEachLine(text, [&](qsizetype begin, qsizetype end) {
        lines.append(text.mid(begin, end - begin));
    });
    return lines;
}

qsizetype CountLines(QByteArrayView bytes) {
    qsizetype count = 0;
    ForEachLine(bytes, [&](qsizetype, qsizetype) { ++count; });
    return count;
}

FileError SaveWholeFile(const QString& path, const QByteArray& bytes) {
    // QSaveFile would put its new file in place of the device or FIFO; it follows a link itself.
    if (const QString reason = NotRegularFile(path); !reason.isEmpty())
        return WriteFailure(path, reason);
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
        return WriteFailure(path, QCoreApplication::translate("TextFile", "имя файла не задано"));
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
    // Opening a FIFO would wait for a writer.
    if (const QString reason = NotRegularFile(path); !reason.isEmpty())
        return {{}, ReadFailure(path, reason)};
    if (QFileInfo(path).size() > maxBytes)
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

TextFileRead ReadTextFile(const QString& path, qint64 maxBytes, qsizetype maxLines) {
    const WholeFileRead read = ReadWholeFile(path, maxBytes, TooLargeText(maxBytes));
    if (!read.error.isEmpty())
        return {{}, read.error};
    if (read.bytes.contains('\0'))
        return {
            {},
            ReadFailure(path, QCoreApplication::translate("TextFile", "это не текстовый файл"))};
    if (maxLines >= 0 && CountLines(read.bytes) > maxLines)
        return {
            {},
            ReadFailure(path, QCoreApplication::translate(
                                  "TextFile", "в нём больше %1 строк, столько таблица не вмещает")
                                  .arg(maxLines))};
    return {DecodeLines(read.bytes), {}};
}
