#pragma once

#include "fleet_snapshot.h"
#include "status_block.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

// A controller whose last cycle answered at nowMs, with `cells` cells of known values: cell n
// holds 3000 + n mV, n - 10 °C and its number as its status word.
inline ControllerSnapshot AnsweredController(const QString& name, int cells, qint64 nowMs) {
    StatusBlockBuilder block;
    block.Set(u"Design_Cell_Number", cells);
    for (int n = 1; n <= cells; ++n)
        block.Cell(n, quint16(3000 + n), qint16(n - 10), quint16(n));
    ControllerSnapshot snapshot;
    snapshot.spec.name = name;
    snapshot.image.StatusBlock = block.words;
    snapshot.link = LinkState::Up;
    snapshot.lastGoodCycleMs = nowMs;
    snapshot.cycles = 7;
    snapshot.answeredCycles = 6;
    snapshot.timeouts = 3;
    snapshot.crcErrors = 2;
    snapshot.exceptions = 1;
    snapshot.durationBuckets[1] = 4;
    snapshot.durationBuckets[3] = 2;
    snapshot.durationBuckets.back() = 1;
    snapshot.durationSumSeconds = 41.5;
    return snapshot;
}

// The samples of an exposition: the series (name and labels as written) to its value text. A
// series written twice is kept in `duplicates`.
struct ParsedExposition {
    QHash<QByteArray, QByteArray> values;
    QList<QByteArray> duplicates;
};

inline ParsedExposition ParseExposition(const QByteArray& text) {
    ParsedExposition parsed;
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype blank = line.lastIndexOf(' ');
        const QByteArray series = line.left(blank);
        if (parsed.values.contains(series))
            parsed.duplicates.append(series);
        parsed.values.insert(series, line.mid(blank + 1));
    }
    return parsed;
}
