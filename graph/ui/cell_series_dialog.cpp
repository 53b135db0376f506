#include "cell_series_dialog.h"

#include "cell_list.h"
#include "named_widget.h"
#include "prompts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// The cells of one kind of series, first at `base`.
std::vector<int> CellsOf(const TrendSelection& selection, int base) {
    std::vector<int> cells;
    for (int cell = 1; cell <= MaxCells; ++cell)
        if (selection[std::size_t(base + cell - 1)])
            cells.push_back(cell);
    return cells;
}

} // namespace

TFormCells::TFormCells(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormCells"));
    setWindowTitle(tr("Элементы"));
    voltages_ = Named<QLineEdit>("Edit_CELLSVOLTAGE_");
    temperatures_ = Named<QLineEdit>("Edit_CELLSTEMPERATURE_");
    spread_ = Named<QCheckBox>("CheckBox_CELLSSPREAD_",
                               tr("Разброс напряжений элементов (макс. - мин.)"));
    auto* hint =
        Named<QLabel>("Label_CELLSHINT_",
                      tr("Номера элементов через запятую, промежутки через дефис: 1-4, 17. Из "
                         "лога точки элементов читаются, если элементы выбраны до его открытия."));
    hint->setWordWrap(true);
    auto* content = new QWidget;
    auto* form = new QFormLayout(content);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("Напряжения элементов:"), voltages_);
    form->addRow(tr("Температуры элементов:"), temperatures_);
    form->addRow(spread_);
    form->addRow(hint);
    const auto [ok, cancel] = LayOutDialog(this, content, "Button_CELLSOK_", "Button_CELLSCANCEL_");
    connect(ok, &QPushButton::clicked, this, &TFormCells::Button_CELLSOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormCells::SetSelection(const TrendSelection& cells) {
    selection_ = cells;
    voltages_->setText(CellListText(CellsOf(cells, CellVoltageSeries)));
    temperatures_->setText(CellListText(CellsOf(cells, CellTemperatureSeries)));
    spread_->setChecked(cells[CellSpreadSeries]);
}

void TFormCells::Button_CELLSOK_Click() {
    TrendSelection selection;
    for (const auto& [edit, base] :
         {std::pair{voltages_, CellVoltageSeries}, {temperatures_, CellTemperatureSeries}}) {
        QString error;
        const std::optional<std::vector<int>> cells = ParseCellList(edit->text(), MaxCells, &error);
        if (!cells) {
            CurrentPrompts().Message(error, tr("Ошибка!"), Prompts::Buttons::Ok,
                                     Prompts::Icon::Error);
            edit->setFocus();
            return;
        }
        for (const int cell : *cells)
            selection.set(std::size_t(base + cell - 1));
    }
    selection[CellSpreadSeries] = spread_->isChecked();
    selection_ = selection;
    accept();
}
