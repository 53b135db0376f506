#include "main_page.h"

#include "bit_tables.h"
#include "labeled_edit.h"
#include "lamp.h"
#include "page_main.h"
#include "register_image.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>

namespace {

const QString kPasswordButton = QStringLiteral("SpeedButton_PASSWORD_");

struct FieldSpec {
    const char* name;
    const char* caption;
    const char* hint;
};

QGroupBox* AddFieldGroup(QGridLayout* grid, int row, int column, const char* caption,
                         std::initializer_list<FieldSpec> fields, Qt::Orientation direction) {
    auto* group = new QGroupBox(QString::fromUtf8(caption));
    // The outer row leaves room for a widget beside the fields (the charge bar).
    auto* outer = new QHBoxLayout(group);
    auto* layout = new QBoxLayout(direction == Qt::Vertical ? QBoxLayout::TopToBottom
                                                            : QBoxLayout::LeftToRight);
    outer->addLayout(layout);
    for (const FieldSpec& f : fields)
        AddLabeledEdit(layout, QString::fromUtf8(f.name), QString::fromUtf8(f.caption),
                       QString::fromUtf8(f.hint));
    layout->addStretch();
    grid->addWidget(group, row, column);
    return group;
}

struct LampSpec {
    QString name;
    QString caption;
};

QGroupBox* AddLampGroup(QGridLayout* grid, int row, int column, int rowSpan, const char* caption,
                        const QList<LampSpec>& lamps, int lampColumns) {
    auto* group = new QGroupBox(QString::fromUtf8(caption));
    auto* layout = new QGridLayout(group);
    const int perColumn = int(lamps.size() + lampColumns - 1) / lampColumns;
    for (int i = 0; i < int(lamps.size()); ++i) {
        auto* lamp = new Lamp(lamps[i].name);
        auto* label = new QLabel(lamps[i].caption);
        label->setObjectName(lamp->objectName() + QStringLiteral("Label"));
        const int r = i % perColumn;
        const int c = 2 * (i / perColumn);
        layout->addWidget(lamp, r, c);
        layout->addWidget(label, r, c + 1);
    }
    layout->setRowStretch(perColumn, 1);
    grid->addWidget(group, row, column, rowSpan, 1);
    return group;
}

QList<LampSpec> BatteryLamps() {
    QList<LampSpec> lamps;
    // Laid out in bit order, the order of their captions' meanings.
    for (const BatteryStatusBit& b : BatteryStatusBits)
        lamps.append({b.lamp.toString(), b.caption.toString()});
    return lamps;
}

QList<LampSpec> AlarmLamps() {
    QList<LampSpec> lamps;
    for (const SafetyBit& b : SafetyBits)
        lamps.append({b.lamp.toString(), AlarmLampLabel(b.lamp)});
    return lamps;
}

} // namespace

void BuildMainPage(QWidget* page) {
    auto* grid = new QGridLayout(page);
    AddFieldGroup(grid, 0, 0, "Напряжение АБ", {{"LabeledEdit_VOLTDCU_", "Напр-е,В", ""}},
                  Qt::Vertical);
    AddFieldGroup(grid, 0, 1, "Ток АБ",
                  {{"LabeledEdit_CURRDCI_", "Ток, А", "С учетом тока утечки!"},
                   {"LabeledEdit_CURRAVG_", " Ср. ток, А", "Усреднение за минуту."}},
                  Qt::Horizontal);
    AddFieldGroup(grid, 0, 2, "Мощность",
                  {{"LabeledEdit_POWER_", "Мощность, Вт", ""},
                   {"LabeledEdit_POWERAVG_", "Ср. мощность, Вт", ""}},
                  Qt::Horizontal);
    AddFieldGroup(grid, 1, 0, "Напряжение  элементов",
                  {{"LabeledEdit_VOLTCAVG_", "Среднее", ""},
                   {"LabeledEdit_VOLTCMAX_", "Макс.", ""},
                   {"LabeledEdit_VOLTCMAXCELL_", "№ элемента", ""},
                   {"LabeledEdit_VOLTCMIN_", "Мин.", ""},
                   {"LabeledEdit_VOLTCMINCELL_", "№ элемента", ""}},
                  Qt::Vertical);
    AddFieldGroup(grid, 1, 1, "Температура",
                  {{"LabeledEdit_TEMPAVG_", "Средняя", ""},
                   {"LabeledEdit_TEMPMAX_", "Макс.", ""},
                   {"LabeledEdit_TEMPMAXCELL_", "№ элемента", ""},
                   {"LabeledEdit_TEMPMIN_", "Мин.", ""},
                   {"LabeledEdit_TEMPMINCELL_", "№ элемента", ""}},
                  Qt::Vertical);

    auto* charge =
        AddFieldGroup(grid, 1, 2, "Состояние заряда АБ",
                      {{"LabeledEdit_SOCAH_", "Степень заряда, А*ч", ""},
                       {"LabeledEdit_SOCPERCENT_", "Степень заряда, %", ""},
                       {"LabeledEdit_TIMETOEMPTY_", "Время до полного разряда, ч", ""},
                       {"LabeledEdit_AVGTIMETOEMPTY_", "Ср. время до полного разряда, ч.", ""}},
                      Qt::Vertical);
    auto* bar = new QProgressBar;
    bar->setObjectName(QStringLiteral("ProgressBar_SOC_"));
    bar->setOrientation(Qt::Vertical);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    charge->layout()->addWidget(bar);

    AddFieldGroup(grid, 2, 0, "Температура", {{"LabeledEdit_TEMPAMB_", "Помещения", ""}},
                  Qt::Vertical);
    AddFieldGroup(grid, 2, 1, "Характеристики АБ",
                  {{"LabeledEdit_CAPACITY_", "Емкость АБ, А*ч", ""},
                   {"LabeledEdit_CELLNUMBER_", "Число элементов", "Реальное кол-во элементов."}},
                  Qt::Vertical);
    AddFieldGroup(grid, 2, 2, "Балансировка",
                  {{"LabeledEdit_BALANCECELLNMB_", "Кол-во эл-тов", ""}}, Qt::Vertical);

    AddLampGroup(grid, 0, 3, 2, "Статус АБ", BatteryLamps(), 1);
    // The alarm lamps only show; the disabled frame keeps them from taking input.
    AddLampGroup(grid, 2, 3, 1, "Аварии", AlarmLamps(), 4)->setEnabled(false);
    grid->setRowStretch(3, 1);
}

void FillMainPage(const RegisterImage& image, QWidget* page) {
    const MainPageView view = ComputeMainPage(image.StatusBlock);
    for (const PageFieldText& field : view.fields)
        if (auto* edit = page->findChild<LabeledEdit*>(field.name))
            edit->setText(field.text);
    if (auto* bar = page->findChild<QProgressBar*>(QStringLiteral("ProgressBar_SOC_"))) {
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Highlight,
                         view.chargeLow ? QColor(255, 0, 0) : QColor(0, 128, 0));
        bar->setPalette(palette);
        bar->setValue(qBound(bar->minimum(), view.stateOfCharge, bar->maximum()));
    }
    for (const PageLampState& lamp : view.lamps)
        if (auto* shape = page->findChild<Lamp*>(lamp.name))
            shape->SetColor(LampColor(lamp.set));
    if (auto* button = page->window()->findChild<QAbstractButton*>(kPasswordButton)) {
        button->setCheckable(true);
        button->setChecked(view.loggedIn);
        button->setText(view.loggedIn ? QStringLiteral("Выйти") : QStringLiteral("Войти"));
    }
}
