#pragma once

#include <QString>
#include <QtGlobal>

// What the status bar says about polling: how long the last cycle took against the period, and
// how old the values on screen are.
struct CycleStatus {
    QString text;
    bool late = false; // the cycle took longer than the period, so the period is not held
};

// cycleMs below 0: no cycle measured yet; ageMs below 0: no values shown yet.
// "цикл 0,14 с, обновлено 2 с назад", or "цикл 9,4 с при периоде 1 с, ..." when late.
CycleStatus CycleStatusText(qint64 cycleMs, int periodMs, qint64 ageMs);

// "обновлено 2 с назад", "обновлено 5 мин назад", "обновлено 1 ч 20 мин назад".
QString DataAgeText(qint64 ageMs);
