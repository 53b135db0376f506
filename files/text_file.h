#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program's text files (tables, the log, exports) are single-byte code page 1251, with
// CR LF after every line, the last included, and no byte-order mark, on every platform.

// The text as a file holds it: every character code page 1251 lacks becomes one '?' (a
// character beyond 16 bits included), so that what is decided on the text (its quoting) holds
// for the bytes.
QString TextAsWritten(const QString& text);

// The lines encoded, each followed by CR LF. Characters the code page lacks become '?'.
QByteArray EncodeLines(const QStringList& lines);

// Bytes decoded from code page 1251 and split into lines: a line ends at CR, at LF or at CR LF;
// a final line break adds no empty line.
QStringList DecodeLines(const QByteArray& bytes);
// How many lines DecodeLines makes of the bytes.
qsizetype CountLines(QByteArrayView bytes);

// An empty text when the file operation succeeded, otherwise the message to show, which names
// the file and the reason.
using FileError = QString;

// Writes the whole file or nothing: the bytes go to a temporary file beside it, which then
// replaces the file, so a failure (no folder, no permission, a full disk) leaves whatever was
// there before. A symbolic link stays: the file it points to is written. Anything but a regular
// file (a folder, a device, a FIFO, a socket) is refused and left as it is.
FileError SaveWholeFile(const QString& path, const QByteArray& bytes);

// Opens the file for appending (creating it), writes the bytes with one write and closes it.
// A short write is a failure like a failed opening, and what it wrote is taken back.
FileError AppendToFile(const QString& path, const QByteArray& bytes);

struct WholeFileRead {
    QByteArray bytes;
    FileError error;
};

// Reads a whole regular file of at most maxBytes. Anything else (a device, a pipe, a folder) is
// refused before it is opened, where reading could block or never end; tooLarge is the reason
// given for a larger file.
WholeFileRead ReadWholeFile(const QString& path, qint64 maxBytes, const QString& tooLarge);

// The largest file read whole as a table or a list of lines.
inline constexpr qint64 MaxTextFileBytes = 16 * 1024 * 1024;

struct TextFileRead {
    QStringList lines;
    FileError error;
};

// Reads a text file of at most maxBytes and maxLines as lines (DecodeLines). A file that cannot
// be opened, is not a regular file, is larger or longer, or holds a zero byte (not text) gives an
// error and no lines; the lines are counted before any is made.
TextFileRead ReadTextFile(const QString& path, qint64 maxBytes = MaxTextFileBytes,
                          qsizetype maxLines = -1);
