#pragma once

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;

// "Настройки": how tables name their rows and show their values, and whether link errors go into
// the monitoring log. The controls only edit the flags UseRussianNames, UseScaledUnits and
// LogLinkErrors; "OK" commits them.
class TForm3 final : public QDialog {
    Q_OBJECT
public:
    // setupTables rewrites the tables' name columns; refillTables redraws every state and
    // settings table from the register image. Each runs only when its option has changed.
    TForm3(std::function<void()> setupTables, std::function<void()> refillTables,
           QWidget* parent = nullptr);

    // N6Click: the radio groups show the flags, the check box keeps its last state; modal.
    void ShowFromFlags();

private:
    void Button_FORM3OK_Click();
    void Button_FORM3CANCEL_Click();
    void SetRadioGroupsFromFlags();

    std::function<void()> setupTables_;
    std::function<void()> refillTables_;
    QButtonGroup* viewName_ = nullptr;
    QButtonGroup* viewValue_ = nullptr;
    QCheckBox* logSaveError_ = nullptr;
};
