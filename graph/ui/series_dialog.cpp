#include "series_dialog.h"

#include "cell_series_dialog.h"
#include "named_widget.h"

#include <QListWidget>
#include <QVBoxLayout>

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(tr("Добавить график"));
    setMinimumSize(300, 300);
    setMaximumSize(395, 400);

    checkList_ = Named<QListWidget>("CheckListBox_FORM2_");
    for (int i = 0; i < TrendRowCount; ++i) {
        auto* item = new QListWidgetItem(checkList_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    auto* cells = Named<QPushButton>("Button_FORM2CELLS_", tr("Элементы..."));
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(checkList_, 1);
    column->addWidget(cells, 0, Qt::AlignLeft);
    const auto [ok, cancel] =
        LayOutDialog(this, content, "Button_FORM2OK_", "Button_FORM2CANCEL_", 1);
    connect(ok, &QPushButton::clicked, this, &TForm2::Button_FORM2OK_Click);
    connect(cancel, &QPushButton::clicked, this, &TForm2::Button_FORM2CANCEL_Click);
    connect(cells, &QPushButton::clicked, this, &TForm2::Button_FORM2CELLS_Click);
    cellsDialog_ = new TFormCells(this);
}

void TForm2::SetCells(const TrendSelection& cells) {
    cells_ = shownCells_ = cells;
}

void TForm2::Button_FORM2CELLS_Click() {
    cellsDialog_->SetSelection(cells_);
    if (cellsDialog_->exec() == QDialog::Accepted)
        cells_ = cellsDialog_->Selection();
}

void TForm2::SetMarks(TrendRows marks) {
    shownMarks_ = marks;
    for (int i = 0; i < TrendRowCount; ++i)
        checkList_->item(i)->setCheckState(marks[std::size_t(i)] ? Qt::Checked : Qt::Unchecked);
}

TrendRows TForm2::Marks() const {
    TrendRows marks;
    for (int i = 0; i < TrendRowCount; ++i)
        marks[std::size_t(i)] = checkList_->item(i)->checkState() == Qt::Checked;
    return marks;
}

void TForm2::showEvent(QShowEvent* event) {
    Form2Create();
    QDialog::showEvent(event);
}

void TForm2::Form2Create() {
    for (int i = 0; i < TrendRowCount; ++i)
        checkList_->item(i)->setText(ShownTrendSeriesTitle(i));
}

void TForm2::Button_FORM2OK_Click() {
    accept();
}

void TForm2::Button_FORM2CANCEL_Click() {
    SetMarks(shownMarks_);
    cells_ = shownCells_;
    reject();
}
