// The table file on any text: the line splitter, and the round trip through the encoder, a real
// file and its reader: the rows the writer writes read back as their cells as written, an empty
// cell as one blank.
#include "fuzz_input.h"
#include "table_file.h"
#include "text_file.h"

#include <QDir>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const int columns = 2 + in.Byte() % 20;
    const QString text = in.Text();
    FUZZ_CHECK(SplitLine(text, columns).size() == columns);

    // Rows at line feeds, cells at tabs; a cell holds any character but a line break or a zero
    // (no text file holds one).
    QList<QStringList> rows;
    QList<QStringList> expected;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QStringList cells = line.split(QLatin1Char('\t')).mid(0, columns);
        QStringList written;
        for (QString& cell : cells) {
            cell.remove(QLatin1Char('\r')).remove(QChar(0));
            written.append(cell.isEmpty() ? QStringLiteral(" ") : TextAsWritten(cell));
        }
        // Every row the tables save has all its cells.
        while (cells.size() < columns) {
            cells.append(QString());
            written.append(QStringLiteral(" "));
        }
        rows.append(cells);
        expected.append(written);
    }
    static const QString path =
        QDir::temp().filePath(QStringLiteral("velmora_fuzz_table_%1.txt").arg(getpid()));
    FUZZ_CHECK(SaveWholeFile(path, TableFileBytes(rows)).isEmpty());
    const TextFileRead read = ReadTextFile(path);
    FUZZ_CHECK(read.error.isEmpty());
    FUZZ_CHECK(TableFromLines(read.lines, columns) == expected);
    return 0;
}
