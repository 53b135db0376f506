#include "options_dialog.h"

#include "named_widget.h"
#include "view_options.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A radio group whose item indexes are the button ids: index 0 stands for false, 1 for true.
QButtonGroup* AddRadioGroup(QVBoxLayout* layout, const char* name, const QString& caption,
                            const QString& item0, const QString& item1) {
    auto* box = Named<QGroupBox>(name, caption);
    auto* group = new QButtonGroup(box);
    auto* items = new QVBoxLayout(box);
    int id = 0;
    for (const QString& text : {item0, item1}) {
        auto* button = new QRadioButton(text);
        group->addButton(button, id++);
        items->addWidget(button);
    }
    layout->addWidget(box);
    return group;
}

// Stores the group's choice into the flag; true when that changed the flag.
bool StoreIfChanged(const QButtonGroup* group, bool& flag) {
    const bool chosen = group->checkedId() == 1;
    if (chosen == flag)
        return false;
    flag = chosen;
    return true;
}

} // namespace

TForm3::TForm3(std::function<void()> setupTables, std::function<void()> refillTables,
               QWidget* parent)
    : QDialog(parent), setupTables_(std::move(setupTables)),
      refillTables_(std::move(refillTables)) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(tr("Настройки"));
    setMinimumSize(300, 300);
    setMaximumSize(395, 400);

    auto* viewPage = Named<QWidget>("TabSheet_VIEW_");
    auto* viewLayout = new QVBoxLayout(viewPage);
    viewName_ = AddRadioGroup(viewLayout, "RadioGroup_VIEWNAME_", tr("Названия параметров"),
                              tr("Мнемоимя регистра Modbus"), tr("Русское наименование"));
    viewValue_ = AddRadioGroup(viewLayout, "RadioGroup_VIEWVALUE_", tr("Значения параметров"),
                               tr("Значения из регистров Modbus"), tr("Приведенные ед. изм."));
    viewLayout->addStretch(1);

    auto* logPage = Named<QWidget>("TabSheet_LOGOPTIONS_");
    auto* fileGroup = new QGroupBox(tr("Запись в файл"));
    logSaveError_ =
        Named<QCheckBox>("CheckBox_LOGSAVEERROR_", tr("Сохранять информацию о ошибках связи"));
    logSaveError_->setChecked(LogLinkErrors);
    (new QVBoxLayout(fileGroup))->addWidget(logSaveError_);
    auto* logLayout = new QVBoxLayout(logPage);
    logLayout->addWidget(fileGroup);
    logLayout->addStretch(1);

    auto* tabs = Named<QTabWidget>("PageControl_OPTIONS_");
    tabs->addTab(viewPage, tr("Вид"));
    tabs->addTab(logPage, tr("Лог"));

    const auto [ok, cancel] = LayOutDialog(this, tabs, "Button_FORM3OK_", "Button_FORM3CANCEL_", 1);

    // The close box (and Escape) only hides the dialog: nothing is committed or restored.
    connect(ok, &QPushButton::clicked, this, &TForm3::Button_FORM3OK_Click);
    connect(cancel, &QPushButton::clicked, this, &TForm3::Button_FORM3CANCEL_Click);
    SetRadioGroupsFromFlags();
}

void TForm3::ShowFromFlags() {
    SetRadioGroupsFromFlags();
    exec();
}

void TForm3::Button_FORM3OK_Click() {
    if (StoreIfChanged(viewName_, UseRussianNames) && setupTables_)
        setupTables_();
    if (StoreIfChanged(viewValue_, UseScaledUnits) && refillTables_)
        refillTables_();
    LogLinkErrors = logSaveError_->isChecked();
    accept();
}

void TForm3::Button_FORM3CANCEL_Click() {
    SetRadioGroupsFromFlags();
    logSaveError_->setChecked(LogLinkErrors);
    reject();
}

void TForm3::SetRadioGroupsFromFlags() {
    viewName_->button(UseRussianNames ? 1 : 0)->setChecked(true);
    viewValue_->button(UseScaledUnits ? 1 : 0)->setChecked(true);
}
