#pragma once

#include "monitor_log.h"
#include "register_image.h"

#include <QDateTime>
#include <QString>

#include <algorithm>
#include <array>
#include <span>

// Lines of a monitoring log made by the program's own log writer, for the tests and benchmarks
// of what reads logs: the block's values with the cell count given.

inline std::array<quint16, StatusBlockWords> WithCells(std::span<const quint16> block, int cells) {
    std::array<quint16, StatusBlockWords> words{};
    std::copy_n(block.begin(), std::min(block.size(), words.size()), words.begin());
    SetWord16(words, 2, quint16(cells));
    return words;
}

inline QString TestLogHeader(int cells) {
    return LogHeaderLine(WithCells({}, cells));
}

inline QString TestLogRow(const QDateTime& when, std::span<const quint16> block, int cells,
                          bool scaled) {
    return LogRowLine(WithCells(block, cells), when, scaled);
}
