#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

// The status-bar panel of the polling cycle: the measured cycle time and the age of the values on
// screen, counted on while they stay there (after polling stops too); amber while the cycle takes
// longer than the period.
class CyclePanel final : public QLabel {
    Q_OBJECT
public:
    explicit CyclePanel(QWidget* parent = nullptr);

    // A cycle ended after cycleMs with the polling period periodMs.
    void CycleEnded(qint64 cycleMs, int periodMs);
    // The display now shows the cycle that ended last.
    void ValuesShown();
    bool Late() const { return late_; }

private:
    void Refresh();

    QTimer ageTimer_;
    qint64 cycleMs_ = -1;
    int periodMs_ = 0;
    QElapsedTimer lastEnd_;  // the end of the last cycle
    QElapsedTimer shownEnd_; // the end of the cycle on screen
    bool late_ = false;
};
