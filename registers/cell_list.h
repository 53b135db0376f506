#pragma once

#include <QString>

#include <optional>
#include <vector>

// A list of cell numbers as a person types it: numbers and ranges separated by commas or
// blanks ("1-4, 17"), each from 1 to `cells`; in ascending order without repeats. Nothing, and
// the message in `error`, when a part is no such number.
std::optional<std::vector<int>> ParseCellList(const QString& text, int cells, QString* error);

// The list written back in that form, runs of three or more as ranges ("1-4, 17").
QString CellListText(const std::vector<int>& cells);
