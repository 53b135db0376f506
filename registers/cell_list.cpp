#include "cell_list.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

std::optional<std::vector<int>> ParseCellList(const QString& text, int cells, QString* error) {
    std::vector<int> list;
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    for (const QString& part : text.split(separators, Qt::SkipEmptyParts)) {
        const QStringList ends = part.split(QLatin1Char('-'));
        bool firstOk = false, lastOk = ends.size() == 1;
        const int first = ends.first().toInt(&firstOk);
        const int last = ends.size() == 2 ? ends.last().toInt(&lastOk) : first;
        if (ends.size() > 2 || !firstOk || !lastOk || first < 1 || last > cells || first > last) {
            *error = QCoreApplication::translate(
                         "CellList", "«%1» — не номер элемента и не промежуток номеров от 1 до %2")
                         .arg(part)
                         .arg(cells);
            return std::nullopt;
        }
        for (int cell = first; cell <= last; ++cell)
            list.push_back(cell);
    }
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    return list;
}

QString CellListText(const std::vector<int>& cells) {
    QStringList parts;
    for (std::size_t i = 0; i < cells.size();) {
        std::size_t j = i;
        while (j + 1 < cells.size() && cells[j + 1] == cells[j] + 1)
            ++j;
        if (j - i >= 2) {
            parts.append(QStringLiteral("%1-%2").arg(cells[i]).arg(cells[j]));
        } else {
            for (std::size_t k = i; k <= j; ++k)
                parts.append(QString::number(cells[k]));
        }
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}
