#include "service_controls.h"

#include "table_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <class Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* AddButton(QBoxLayout* layout, const char* name, const QString& caption) {
    auto* button = Named(new QPushButton(caption), name);
    layout->addWidget(button);
    return button;
}

// A caption above its field, as the labelled edits of the service tabs are drawn.
void AddLabelled(QGridLayout* grid, int column, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    grid->addWidget(label, 0, column);
    grid->addWidget(field, 1, column);
}

void AddLabelledEdit(QGridLayout* grid, int column, const char* name, const QString& caption,
                     const QString& text) {
    AddLabelled(grid, column, caption, Named(new QLineEdit(text), name));
}

// Items "1" to last, typed text allowed but never added to the list; the field starts showing
// `shown`.
void AddNumberCombo(QGridLayout* grid, int column, const char* name, const QString& caption,
                    int last, int shown) {
    auto* combo = Named(new QComboBox, name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 1; i <= last; ++i)
        combo->addItem(QString::number(i));
    combo->setCurrentIndex(shown - 1);
    AddLabelled(grid, column, caption, combo);
}

void AddInstruction(QBoxLayout* layout, const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    layout->addWidget(label);
}

QGroupBox* AddGroup(QBoxLayout* layout, const QString& caption) {
    auto* group = new QGroupBox(caption);
    layout->addWidget(group);
    return group;
}

void AddCalibrationGroup(QBoxLayout* page) {
    auto* box = new QVBoxLayout(
        AddGroup(page, QCoreApplication::translate("ServiceControls", "Калибровка датчика тока")));

    auto* zero = new QVBoxLayout(AddGroup(
        box, QCoreApplication::translate("ServiceControls", "Калибровка нуля  датчика тока")));
    AddInstruction(zero, QCoreApplication::translate(
                             "ServiceControls",
                             "Ток через АБ должен быть равен нулю. При необходимости "
                             "отключите нагрузку и зарядное устройство от АБ и нажмите "
                             "кнопку."));
    AddButton(zero, "BitBtn_CALIBERCURRNULL_",
              QCoreApplication::translate("ServiceControls", "Калибровать!"));

    auto* known = new QVBoxLayout(AddGroup(
        box, QCoreApplication::translate("ServiceControls", "Калибровка измерения датчика тока")));
    AddInstruction(known, QCoreApplication::translate(
                              "ServiceControls",
                              "Подключите к АБ нагрузку или зарядное устройство, чтобы задать "
                              "постоянный ток через АБ. Измерьте ток, впишите его значение в "
                              "мА в окно ниже и нажмите кнопку."));
    known->addWidget(Named(new QLineEdit(QStringLiteral("1")), "Edit_CALIBERCURR_"));
    AddButton(known, "BitBtn_CALIBERCURR_",
              QCoreApplication::translate("ServiceControls", "Калибровать!"));
}

void AddChargeLevelGroup(QBoxLayout* page) {
    auto* grid = new QGridLayout(
        AddGroup(page, QCoreApplication::translate("ServiceControls", "Уровни заряда")));
    AddLabelledEdit(grid, 0, "LabeledEdit_SETSOC_",
                    QCoreApplication::translate("ServiceControls", "Текущий заряд АБ, мА*ч"), {});
    grid->addWidget(
        Named(new QPushButton(QCoreApplication::translate("ServiceControls", "Установить")),
              "BitBtn_SETSOC_"),
        2, 0);
    AddLabelledEdit(grid, 1, "LabeledEdit_SETFCC_",
                    QCoreApplication::translate("ServiceControls", "Полный заряд АБ, мА*ч"), {});
    grid->addWidget(
        Named(new QPushButton(QCoreApplication::translate("ServiceControls", "Установить")),
              "BitBtn_SETFCC_"),
        2, 1);
}

void AddCycleGroup(QBoxLayout* page) {
    auto* row = new QHBoxLayout(
        AddGroup(page, QCoreApplication::translate("ServiceControls", "Кол-во циклов заряда")));
    row->addWidget(Named(new QLineEdit(QStringLiteral("0")), "Edit_SETCYCLE_"));
    AddButton(row, "BitBtn_SETCYCLE_",
              QCoreApplication::translate("ServiceControls", "Установить"));
}

// Only the buzzer box feeds the mode parameter; which bits the other options stand for is not
// settled, so all four boxes stay disabled and the button waits for a stopped polling run.
void AddModeGroup(QBoxLayout* page) {
    auto* box = new QVBoxLayout(
        AddGroup(page, QCoreApplication::translate("ServiceControls", "Режимы работы")));
    const struct {
        const char* name;
        QString caption;
    } boxes[] = {
        {"CheckBox_SETMODE_BUZZER_",
         QCoreApplication::translate("ServiceControls", "Вкл/выкл. зуммер ")},
        {"CheckBox_SETMODE_CAPACITY_",
         QCoreApplication::translate("ServiceControls", "Заряд АБ (1 - мВт*ч, 0 - мА*ч)")},
        {"CheckBox_SETMODE_ORDER_",
         QCoreApplication::translate("ServiceControls",
                                     "Нумерация элементов (1 - с плюса, 0 - с минуса)")},
        {"CheckBox_SETMODE_BALANCE_",
         QCoreApplication::translate("ServiceControls",
                                     "Алгоритм балансировки (1 - по разности, 0 - по уровню)")},
    };
    for (const auto& b : boxes) {
        auto* check = Named(new QCheckBox(b.caption), b.name);
        check->setEnabled(false);
        box->addWidget(check);
    }
    AddButton(box, "BitBtn_SETMODE_", QCoreApplication::translate("ServiceControls", "Установить"))
        ->setEnabled(false);
}

} // namespace

void BuildCalibrationControls(QWidget* page) {
    // Two columns fit the smallest window: the sensor calibration on the left, the levels, cycles
    // and modes on the right.
    auto* layout = new QVBoxLayout(ScrollingPageContent(page));
    AddInstruction(layout, QCoreApplication::translate(
                               "ServiceControls", "Перед калибровкой настройте параметры связи!"));
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    AddCalibrationGroup(left);
    left->addStretch();
    AddChargeLevelGroup(right);
    AddCycleGroup(right);
    AddModeGroup(right);
    right->addStretch();
}

void BuildClockControls(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    AddInstruction(layout, QCoreApplication::translate(
                               "ServiceControls",
                               "Перед установкой времени и даты настройте параметры связи!"));
    auto* group = AddGroup(
        layout, QCoreApplication::translate("ServiceControls", "Установка времени и даты"));
    auto* box = new QVBoxLayout(group);
    auto* grid = new QGridLayout;
    box->addLayout(grid);
    AddLabelledEdit(grid, 0, "LabeledEdit_HOUR_",
                    QCoreApplication::translate("ServiceControls", "Час"), QStringLiteral("16"));
    AddLabelledEdit(grid, 1, "LabeledEdit_MINUTE_",
                    QCoreApplication::translate("ServiceControls", "Мин"), QStringLiteral("41"));
    AddLabelledEdit(grid, 2, "LabeledEdit_SECOND_",
                    QCoreApplication::translate("ServiceControls", "Сек"), QStringLiteral("0"));
    AddNumberCombo(grid, 3, "ComboBox_DAY_", QCoreApplication::translate("ServiceControls", "День"),
                   31, 4);
    AddNumberCombo(grid, 4, "ComboBox_MONTH_",
                   QCoreApplication::translate("ServiceControls", "Месяц"), 12, 12);
    AddLabelledEdit(grid, 5, "LabeledEdit_YEAR_",
                    QCoreApplication::translate("ServiceControls", "Год"), QStringLiteral("2015"));
    auto* buttons = new QHBoxLayout;
    box->addLayout(buttons);
    AddButton(buttons, "BitBtn_TIMEREAD_",
              QCoreApplication::translate("ServiceControls", "Считать из блока"));
    AddButton(buttons, "BitBtn_TIMEWIN_",
              QCoreApplication::translate("ServiceControls", "Текущее время  Windows"));
    AddButton(buttons, "BitBtn_TIMEWRITE_",
              QCoreApplication::translate("ServiceControls", "Записать в блок"));
    layout->addStretch();
}
