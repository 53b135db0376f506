#include "cycle_panel.h"

#include "cycle_status.h"

#include <algorithm>

CyclePanel::CyclePanel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("StatusBar1_CyclePanel"));
    // Two lines in a smaller font take no more height than one line of the other panels.
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 2));
    setFont(small);
    // Clear of the window's edge and of the amber's border.
    setContentsMargins(4, 0, 4, 0);
    // The status bar takes its height from its panels when they are added, not when their texts
    // change.
    setText(QStringLiteral("0\n0"));
    setMinimumHeight(sizeHint().height());
    clear();
    // The age is told in whole seconds.
    ageTimer_.setInterval(1000);
    connect(&ageTimer_, &QTimer::timeout, this, &CyclePanel::Refresh);
}

void CyclePanel::CycleEnded(qint64 cycleMs, int periodMs) {
    cycleMs_ = cycleMs;
    periodMs_ = periodMs;
    lastEnd_.start();
    Refresh();
}

void CyclePanel::ValuesShown() {
    shownEnd_ = lastEnd_;
    ageTimer_.start();
    Refresh();
}

void CyclePanel::Refresh() {
    const CycleStatus status =
        CycleStatusText(cycleMs_, periodMs_, shownEnd_.isValid() ? shownEnd_.elapsed() : -1);
    setText(status.text);
    if (status.late != late_) {
        late_ = status.late;
        setStyleSheet(late_ ? QStringLiteral("background-color: #FFBF00") : QString());
    }
}
