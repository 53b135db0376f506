#include "table_file.h"

#include "text_file.h"

namespace {

bool IsBlankOrControl(QChar c) {
    return c.unicode() <= 32;
}

} // namespace

QString QuoteCell(const QString& cell) {
    const QString written = TextAsWritten(cell);
    bool quote = false;
    for (const QChar c : written)
        quote = quote || IsBlankOrControl(c) || c == QLatin1Char('"') || c == QLatin1Char(',');
    if (!quote)
        return written;
    QString quoted = written;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString JoinCells(const QStringList& cells) {
    QStringList quoted;
    quoted.reserve(cells.size());
    for (const QString& cell : cells)
        quoted.append(QuoteCell(cell));
    return quoted.join(QLatin1Char(','));
}

QStringList SplitLine(const QString& line, int columns) {
    QStringList cells(qMax(columns, 0), QString());
    int stored = 0;
    const auto store = [&](const QString& field) {
        if (stored < cells.size())
            cells[stored] = field.isEmpty() ? QStringLiteral(" ") : field;
        ++stored;
    };
    const qsizetype n = line.size();
    qsizetype i = 0;
    // Code 0 is skipped with the blanks: a field can never start on it, so every step moves on.
    const auto skipBlanks = [&] {
        while (i < n && IsBlankOrControl(line[i]))
            ++i;
    };
    skipBlanks();
    while (i < n) {
        QString field;
        if (line[i] == QLatin1Char('"')) {
            for (++i; i < n; ++i) {
                if (line[i] != QLatin1Char('"')) {
                    field += line[i];
                } else if (i + 1 < n && line[i + 1] == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != QLatin1Char(',') && !IsBlankOrControl(line[i]))
                ++i;
            field = line.mid(start, i - start);
        }
        store(field);
        skipBlanks();
        if (i < n && line[i] == QLatin1Char(',')) {
            if (i == n - 1)
                store(QString());
            ++i;
            skipBlanks();
        }
    }
    return cells;
}

QByteArray TableFileBytes(const QList<QStringList>& rows) {
    QStringList lines;
    lines.reserve(rows.size());
    for (const QStringList& row : rows)
        lines.append(JoinCells(row));
    return EncodeLines(lines);
}

QList<QStringList> TableFromLines(const QStringList& lines, int columns) {
    QList<QStringList> rows;
    rows.reserve(lines.size());
    for (const QString& line : lines)
        rows.append(SplitLine(line, columns));
    return rows;
}
