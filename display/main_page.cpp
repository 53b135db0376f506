#include "main_page.h"

#include "bit_tables.h"
#include "labeled_edit.h"
#include "lamp.h"
#include "mnemonics.h"
#include "page_main.h"
#include "register_image.h"
#include "shown_text.h"
#include "table_page.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>

namespace {

const QString kPasswordButton = QStringLiteral("SpeedButton_PASSWORD_");

struct FieldSpec {
    const char* name;
    const char* caption;
    const char* hint;
    int row; // the field's place in its frame's grid
    int column;
};

// The main page fills the smallest window, so its frames stand close and keep tight margins.
constexpr int kFrameSpacing = 2;
const QMargins kFrameMargins(4, 2, 4, 4);

QHBoxLayout* FrameRow() {
    auto* row = new QHBoxLayout;
    row->setSpacing(kFrameSpacing);
    return row;
}

// A frame of fields.
QGroupBox* AddFieldGroup(QBoxLayout* row, const char* caption,
                         std::initializer_list<FieldSpec> fields) {
    auto* group = new QGroupBox(QCoreApplication::translate("MainPage", caption));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(kFrameMargins);
    grid->setVerticalSpacing(kFrameSpacing);
    // Captions side by side need a gap to read as two.
    grid->setHorizontalSpacing(6);
    for (const FieldSpec& f : fields)
        AddLabeledEdit(grid, f.row, f.column, QString::fromUtf8(f.name),
                       QCoreApplication::translate("MainPage", f.caption),
                       QCoreApplication::translate("MainPage", f.hint));
    row->addWidget(group);
    return group;
}

// The charge bar drawn flat in its given colour (the palette's highlight): styles shade or
// animate a progress bar's chunk.
class FlatProgressBar final : public QProgressBar {
public:
    using QProgressBar::QProgressBar;

    // Drawn flat, it reads at any size from a square of a text line up.
    QSize minimumSizeHint() const override {
        const int line = fontMetrics().height();
        return {line, line};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect frame = rect().adjusted(0, 0, -1, -1);
        painter.fillRect(rect(), palette().color(QPalette::Base));
        const int span = maximum() - minimum();
        const double share = span > 0 ? double(value() - minimum()) / span : 0;
        const QRect inside = rect().adjusted(1, 1, -1, -1);
        QRect filled = inside;
        if (orientation() == Qt::Vertical)
            filled.setTop(inside.bottom() + 1 - int(inside.height() * share));
        else
            filled.setWidth(int(inside.width() * share));
        painter.fillRect(filled, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(frame);
    }
};

struct LampSpec {
    QString name;
    QString caption;
};

QGroupBox* AddLampGroup(QBoxLayout* column, const char* caption, const QList<LampSpec>& lamps,
                        int lampColumns) {
    auto* group = new QGroupBox(QCoreApplication::translate("MainPage", caption));
    auto* layout = new QGridLayout(group);
    layout->setContentsMargins(kFrameMargins);
    layout->setVerticalSpacing(kFrameSpacing);
    // A lamp stands close to its own caption and apart from the next lamp.
    layout->setHorizontalSpacing(4);
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
    column->addWidget(group);
    return group;
}

QList<LampSpec> BatteryLamps() {
    QList<LampSpec> lamps;
    // Laid out in bit order, the order of their captions' meanings.
    for (const BatteryStatusBit& b : BatteryStatusBits)
        lamps.append({b.lamp.toString(), ShownText(b.caption.toString())});
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
    QWidget* content = ScrollingPageContent(page);

    // Everything fits the smallest window: the single fields make a band on top, the cell and
    // charge frames stand beside the status lamps, the alarm lamps take two rows at the bottom.
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(kFrameSpacing, kFrameSpacing, kFrameSpacing, kFrameSpacing);
    grid->setSpacing(kFrameSpacing);

    QBoxLayout* row = FrameRow();
    grid->addLayout(row, 0, 0, 1, 2);
    AddFieldGroup(row, QT_TRANSLATE_NOOP("MainPage", "Напряжение АБ"),
                  {{"LabeledEdit_VOLTDCU_", QT_TRANSLATE_NOOP("MainPage", "Напр-е,В"), "", 0, 0}});
    AddFieldGroup(row, QT_TRANSLATE_NOOP("MainPage", "Ток АБ"),
                  {{"LabeledEdit_CURRDCI_", QT_TRANSLATE_NOOP("MainPage", "Ток, А"),
                    QT_TRANSLATE_NOOP("MainPage", "С учетом тока утечки!"), 0, 0},
                   {"LabeledEdit_CURRAVG_", QT_TRANSLATE_NOOP("MainPage", " Ср. ток, А"),
                    QT_TRANSLATE_NOOP("MainPage", "Усреднение за минуту."), 0, 1}});
    AddFieldGroup(
        row, QT_TRANSLATE_NOOP("MainPage", "Мощность"),
        {{"LabeledEdit_POWER_", QT_TRANSLATE_NOOP("MainPage", "Мощность, Вт"), "", 0, 0},
         {"LabeledEdit_POWERAVG_", QT_TRANSLATE_NOOP("MainPage", "Ср. мощность, Вт"), "", 0, 1}});
    AddFieldGroup(row, QT_TRANSLATE_NOOP("MainPage", "Температура"),
                  {{"LabeledEdit_TEMPAMB_", QT_TRANSLATE_NOOP("MainPage", "Помещения"), "", 0, 0}});
    AddFieldGroup(row, QT_TRANSLATE_NOOP("MainPage", "Балансировка"),
                  {{"LabeledEdit_BALANCECELLNMB_", QT_TRANSLATE_NOOP("MainPage", "Кол-во эл-тов"),
                    "", 0, 0}});

    auto* fields = new QVBoxLayout;
    fields->setSpacing(kFrameSpacing);
    grid->addLayout(fields, 1, 0);
    row = FrameRow();
    fields->addLayout(row);
    // The cell numbers stand under the extremes they belong to.
    AddFieldGroup(
        row, QT_TRANSLATE_NOOP("MainPage", "Напряжение  элементов"),
        {{"LabeledEdit_VOLTCAVG_", QT_TRANSLATE_NOOP("MainPage", "Среднее"), "", 0, 0},
         {"LabeledEdit_VOLTCMAX_", QT_TRANSLATE_NOOP("MainPage", "Макс."), "", 0, 1},
         {"LabeledEdit_VOLTCMIN_", QT_TRANSLATE_NOOP("MainPage", "Мин."), "", 0, 2},
         {"LabeledEdit_VOLTCMAXCELL_", QT_TRANSLATE_NOOP("MainPage", "№ элемента"), "", 1, 1},
         {"LabeledEdit_VOLTCMINCELL_", QT_TRANSLATE_NOOP("MainPage", "№ элемента"), "", 1, 2}});
    AddFieldGroup(
        row, QT_TRANSLATE_NOOP("MainPage", "Температура"),
        {{"LabeledEdit_TEMPAVG_", QT_TRANSLATE_NOOP("MainPage", "Средняя"), "", 0, 0},
         {"LabeledEdit_TEMPMAX_", QT_TRANSLATE_NOOP("MainPage", "Макс."), "", 0, 1},
         {"LabeledEdit_TEMPMIN_", QT_TRANSLATE_NOOP("MainPage", "Мин."), "", 0, 2},
         {"LabeledEdit_TEMPMAXCELL_", QT_TRANSLATE_NOOP("MainPage", "№ элемента"), "", 1, 1},
         {"LabeledEdit_TEMPMINCELL_", QT_TRANSLATE_NOOP("MainPage", "№ элемента"), "", 1, 2}});
    row = FrameRow();
    fields->addLayout(row);
    // The charge in its two units on the left, the times it lasts on the right.
    QGroupBox* charge = AddFieldGroup(
        row, QT_TRANSLATE_NOOP("MainPage", "Состояние заряда АБ"),
        {{"LabeledEdit_SOCAH_", QT_TRANSLATE_NOOP("MainPage", "Степень заряда, А*ч"), "", 0, 0},
         {"LabeledEdit_SOCPERCENT_", QT_TRANSLATE_NOOP("MainPage", "Степень заряда, %"), "", 1, 0},
         {"LabeledEdit_TIMETOEMPTY_", QT_TRANSLATE_NOOP("MainPage", "Время до полного разряда, ч"),
          "", 0, 1},
         {"LabeledEdit_AVGTIMETOEMPTY_",
          QT_TRANSLATE_NOOP("MainPage", "Ср. время до полного разряда, ч."), "", 1, 1}});
    auto* bar = new FlatProgressBar;
    bar->setObjectName(QStringLiteral("ProgressBar_SOC_"));
    bar->setOrientation(Qt::Vertical);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    // The bar is as tall as the fields beside it, not as its own default length, and as wide as
    // a line of text is tall.
    bar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    bar->setFixedWidth(bar->fontMetrics().height());
    static_cast<QGridLayout*>(charge->layout())->addWidget(bar, 0, 2, 4, 1);
    AddFieldGroup(
        row, QT_TRANSLATE_NOOP("MainPage", "Характеристики АБ"),
        {{"LabeledEdit_CAPACITY_", QT_TRANSLATE_NOOP("MainPage", "Емкость АБ, А*ч"), "", 0, 0},
         {"LabeledEdit_CELLNUMBER_", QT_TRANSLATE_NOOP("MainPage", "Число элементов"),
          QT_TRANSLATE_NOOP("MainPage", "Реальное кол-во элементов."), 1, 0}});

    auto* side = new QVBoxLayout;
    grid->addLayout(side, 1, 1);
    AddLampGroup(side, QT_TRANSLATE_NOOP("MainPage", "Статус АБ"), BatteryLamps(), 1);
    side->addStretch();

    row = FrameRow();
    grid->addLayout(row, 2, 0, 1, 2);
    // The alarm lamps only show; the disabled frame keeps them from taking input, and keeps its
    // captions in the colours of an enabled one so that they stay legible.
    QGroupBox* alarms =
        AddLampGroup(row, QT_TRANSLATE_NOOP("MainPage", "Аварии"), AlarmLamps(), 10);
    QPalette legible = alarms->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        legible.setColor(QPalette::Disabled, role, legible.color(QPalette::Active, role));
    alarms->setPalette(legible);
    alarms->setEnabled(false);
    row->addStretch();
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
}

namespace {

void EnableValues(QWidget* page, bool enabled) {
    for (LabeledEdit* edit : page->findChildren<LabeledEdit*>())
        edit->setEnabled(enabled);
    if (auto* bar = page->findChild<QProgressBar*>(QStringLiteral("ProgressBar_SOC_")))
        bar->setEnabled(enabled);
}

} // namespace

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
            shape->SetColor(LampColor(lamp.set, lamp.alarm));
    EnableValues(page, true);
    if (auto* button = page->window()->findChild<QAbstractButton*>(kPasswordButton))
        ShowLoginState(button, view.loggedIn);
}

void ShowMainPageUnknown(QWidget* page) {
    EnableValues(page, false);
    for (Lamp* lamp : page->findChildren<Lamp*>())
        lamp->SetColor(UnknownLampColor());
}

void ShowLoginState(QAbstractButton* toggle, bool loggedIn) {
    toggle->setCheckable(true);
    toggle->setChecked(loggedIn);
    toggle->setText(
        KeepMnemonic(toggle->text(), loggedIn ? QCoreApplication::translate("MainPage", "Выйти")
                                              : QCoreApplication::translate("MainPage", "Войти")));
}
