#include "cycle_panel.h"

#include "cycle_status.h"

CyclePanel::CyclePanel(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("StatusBar1_CyclePanel"));
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
