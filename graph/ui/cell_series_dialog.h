#pragma once

#include "trend_parameters.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

// "Элементы": the cells whose voltages and temperatures, and whether the spread of the cell
// voltages, the graph plots beside its 17 rows. Opened from the series dialog.
class TFormCells final : public QDialog {
    Q_OBJECT
public:
    explicit TFormCells(QWidget* parent = nullptr);

    // The cells' series shown, and those the last OK took.
    void SetSelection(const TrendSelection& cells);
    TrendSelection Selection() const { return selection_; }

private:
    // Takes the lists when they read; otherwise says why and stays open.
    void Button_CELLSOK_Click();

    QLineEdit* voltages_ = nullptr;
    QLineEdit* temperatures_ = nullptr;
    QCheckBox* spread_ = nullptr;
    TrendSelection selection_;
};
