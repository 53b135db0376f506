#pragma once

#include "trend_parameters.h"

#include <QDialog>

class QListWidget;
class TFormCells;

// "Добавить график": the check list of the 17 trend rows, and "Элементы..." for the cells'
// series. It is created at start with the other dialogs and only shown and hidden; the graph
// page sets the marks and cells from its series before showing it and takes them back after OK.
class TForm2 final : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // The marks, and the ones Cancel goes back to.
    void SetMarks(TrendRows marks);
    TrendRows Marks() const;
    // The cells' series, and the ones Cancel goes back to.
    void SetCells(const TrendSelection& cells);
    TrendSelection Cells() const { return cells_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Runs each time the dialog is shown: the item texts in the current name view.
    void Form2Create();
    void Button_FORM2OK_Click();
    void Button_FORM2CANCEL_Click();
    void Button_FORM2CELLS_Click();

    QListWidget* checkList_ = nullptr;
    TFormCells* cellsDialog_ = nullptr;
    TrendRows shownMarks_;
    TrendSelection cells_;
    TrendSelection shownCells_;
};
