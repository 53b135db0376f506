#include "cycle_status.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

// Two significant digits below ten seconds ("0,14", "9,4"), whole seconds above.
QString DurationText(qint64 ms) {
    if (ms < 9950)
        return QLocale().toString(double(ms) / 1000.0, 'g', 2) +
               QCoreApplication::translate("CycleStatus", " с");
    return QString::number((ms + 500) / 1000) + QCoreApplication::translate("CycleStatus", " с");
}

} // namespace

CycleStatus CycleStatusText(qint64 cycleMs, int periodMs, qint64 ageMs) {
    CycleStatus status;
    QStringList parts;
    if (cycleMs >= 0) {
        status.late = cycleMs > periodMs;
        QString cycle = QCoreApplication::translate("CycleStatus", "цикл ") + DurationText(cycleMs);
        if (status.late)
            cycle += QCoreApplication::translate("CycleStatus", " при периоде ") +
                     QLocale().toString(double(periodMs) / 1000.0) +
                     QCoreApplication::translate("CycleStatus", " с");
        parts.append(cycle);
    }
    if (ageMs >= 0)
        parts.append(DataAgeText(ageMs));
    status.text = parts.join(QLatin1Char('\n'));
    return status;
}

QString DataAgeText(qint64 ageMs) {
    const qint64 seconds = ageMs / 1000;
    QString age;
    if (seconds < 60)
        age = QCoreApplication::translate("CycleStatus", "%1 с").arg(seconds);
    else if (seconds < 3600)
        age = QCoreApplication::translate("CycleStatus", "%1 мин").arg(seconds / 60);
    else
        age = QCoreApplication::translate("CycleStatus", "%1 ч %2 мин")
                  .arg(seconds / 3600)
                  .arg(seconds / 60 % 60);
    return QCoreApplication::translate("CycleStatus", "обновлено ") + age +
           QCoreApplication::translate("CycleStatus", " назад");
}
