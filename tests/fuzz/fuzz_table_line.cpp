// The table-file line splitter on any text, and the round trip: what the writer writes splits
// back into the cells, an empty cell as one blank.
#include "fuzz_input.h"
#include "table_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const int columns = in.Byte() % 20;
    const QString text = in.Text();
    (void)SplitLine(text, columns);
    // The text cut into cells at every '|' (any character but a line break may be in a cell).
    QStringList cells = text.split(QLatin1Char('|'));
    for (QString& cell : cells)
        cell.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    // A row of one empty cell is an empty line, which holds no field at all; every table has
    // four columns or more.
    if (cells.size() == 1 && cells[0].isEmpty())
        return 0;
    QStringList expected = cells;
    for (QString& cell : expected)
        if (cell.isEmpty())
            cell = QStringLiteral(" ");
    if (SplitLine(JoinCells(cells), int(cells.size())) != expected)
        __builtin_trap();
    return 0;
}
