#pragma once

#include <QString>
#include <QtGlobal>

// What the status bar says about polling: how long the last cycle took against the period, and
// how old the values on screen are.
struct CycleStatus {
    QString text;
    bool late = false; // the cycle took longer than the period, so the period is not held
};

// cycleMs below 0: no cycle measured yet; ageMs below 0: no values shown yet. Two lines, for
// a status bar that has room for them only one above the other: "цикл 0,14 с" or, when late,
// "цикл 9,4 с при периоде 1 с", then "обновлено 2 с назад".
CycleStatus CycleStatusText(qint64 cycleMs, int periodMs, qint64 ageMs);

// "обновлено 2 с назад", "обновлено 5 мин назад", "обновлено 1 ч 20 мин назад".
QString DataAgeText(qint64 ageMs);
