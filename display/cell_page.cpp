#include "cell_page.h"

#include "cell_chart_window.h"
#include "cell_overview.h"
#include "frozen_column.h"
#include "register_image.h"
#include "string_grid.h"
#include "table_cells.h"
#include "table_page.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLinearGradient>
#include <QSpinBox>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>

namespace {

const QString kTable = QStringLiteral("StringGrid_INFOCELL_");
const QString kChart = QStringLiteral("Chart_INFOCELL_");
const QString kVolts = QStringLiteral("Series_VOLTC_");
const QString kDegrees = QStringLiteral("Series_TEMPC_");
const QString kPerScreen = QStringLiteral("UpDown_INFOCELLPT_");
const QString kPage = QStringLiteral("UpDown_INFOCELLPAGE_");
const QString kThreeD = QStringLiteral("CheckBox_INFOCELL3D_");

// The bar colour survives the shaded brush of the 3D drawing here.
const char* const kBaseColor = "baseColor";
const QColor kVoltColor(144, 238, 144); // light green
const QColor kDegreeColor(255, 165, 0); // orange

// The page's controls, found by name; any of them may be missing when a page stands alone.
struct CellPageControls {
    QTableWidget* table = nullptr;
    QHorizontalBarSeries* volts = nullptr;
    QHorizontalBarSeries* degrees = nullptr;
    QValueAxis* positions = nullptr;
    QSpinBox* perScreen = nullptr;
    QSpinBox* page = nullptr;
};

CellPageControls FindControls(QWidget* page) {
    CellPageControls c;
    c.table = page->findChild<QTableWidget*>(kTable);
    c.perScreen = page->findChild<QSpinBox*>(kPerScreen);
    c.page = page->findChild<QSpinBox*>(kPage);
    auto* view = page->findChild<QChartView*>(kChart);
    if (view == nullptr)
        return c;
    for (QAbstractSeries* s : view->chart()->series()) {
        if (s->objectName() == kVolts)
            c.volts = qobject_cast<QHorizontalBarSeries*>(s);
        else if (s->objectName() == kDegrees)
            c.degrees = qobject_cast<QHorizontalBarSeries*>(s);
    }
    const QList<QAbstractAxis*> left = view->chart()->axes(Qt::Vertical);
    c.positions = left.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(left.first());
    return c;
}

QValueAxis* MakeValueAxis(const QString& title, qreal min, qreal max) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(min, max);
    return axis;
}

// The chart sets the bars of its two series side by side at each position.
QHorizontalBarSeries* AddBarSeries(QChart* chart, const QString& name, const QString& title,
                                   const QColor& color) {
    auto* series = new QHorizontalBarSeries;
    series->setObjectName(name);
    series->setName(title);
    auto* set = new QBarSet(title);
    set->setColor(color);
    set->setProperty(kBaseColor, color);
    set->setBorderColor(color.darker(150));
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    series->setLabelsPrecision(4);
    chart->addSeries(series);
    return series;
}

// The chart gives each label of a vertical axis an equal share of the plot's height, less some
// padding, and shortens a label that does not fit it to "...".
constexpr int kLabelPaddingPx = 10;

void ThinPositionLabels(const QChart* chart, QValueAxis* positions) {
    const int labelHeight = QFontMetrics(positions->labelsFont()).height() + kLabelPaddingPx;
    const int step = PositionLabelStep(positions->max() - positions->min(),
                                       chart->plotArea().height(), labelHeight);
    if (positions->tickInterval() == step)
        return;
    positions->setTickInterval(step);
    // A grid line per bar still.
    positions->setMinorTickCount(step - 1);
}

QChartView* MakeCellChart() {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    // Value marks and axis labels with the user's decimal separator, like the tables.
    chart->setLocalizeNumbers(true);
    // The page is small: the plot takes what the frame would.
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);

    auto* volts = AddBarSeries(chart, kVolts, QCoreApplication::translate("CellPage", "Напряжение"),
                               kVoltColor);
    auto* degrees = AddBarSeries(
        chart, kDegrees, QCoreApplication::translate("CellPage", "Температура"), kDegreeColor);

    QValueAxis* voltAxis =
        MakeValueAxis(QCoreApplication::translate("CellPage", "Напряжение, В"), 2.7, 4.3);
    // Grid lines every 0.05 V; a label on every fourth keeps the labels legible.
    voltAxis->setTickType(QValueAxis::TicksDynamic);
    voltAxis->setTickAnchor(2.7);
    voltAxis->setTickInterval(0.2);
    voltAxis->setMinorTickCount(3);
    voltAxis->setLabelFormat(QStringLiteral("%.2f"));
    QValueAxis* degreeAxis =
        MakeValueAxis(QCoreApplication::translate("CellPage", "Температура, С"), -44, 84);
    degreeAxis->setLabelFormat(QStringLiteral("%.0f"));
    // A fresh chart shows positions 0 to 80 until the first paging.
    QValueAxis* positions =
        MakeValueAxis(QCoreApplication::translate("CellPage", "Элементы"), 0, 80);
    positions->setTickType(QValueAxis::TicksDynamic);
    positions->setTickAnchor(0);
    positions->setTickInterval(1);
    positions->setLabelFormat(QStringLiteral("%.0f"));
    // Eleven or more position labels share the small window's plot height.
    QFont small = positions->labelsFont();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 2));
    positions->setLabelsFont(small);
    // More bars than labels fit: a label every few bars, so that each one shows whole.
    const auto thinLabels = [chart, positions] { ThinPositionLabels(chart, positions); };
    QObject::connect(positions, &QValueAxis::rangeChanged, chart, thinLabels);
    QObject::connect(chart, &QChart::plotAreaChanged, chart, thinLabels);

    chart->addAxis(voltAxis, Qt::AlignBottom);
    chart->addAxis(degreeAxis, Qt::AlignTop);
    chart->addAxis(positions, Qt::AlignLeft);
    volts->attachAxis(voltAxis);
    volts->attachAxis(positions);
    degrees->attachAxis(degreeAxis);
    degrees->attachAxis(positions);

    auto* view = new QChartView(chart);
    view->setObjectName(kChart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setRubberBand(QChartView::NoRubberBand);
    SetCellChart3D(chart, false);
    return view;
}

// Until the first fill tells the cell count the spinners allow what the largest battery would.
QSpinBox* MakeSpinner(const QString& name, const QString& hint, int minimum, int maximum,
                      int step) {
    auto* spin = new QSpinBox;
    spin->setObjectName(name);
    spin->setToolTip(hint);
    spin->setRange(minimum, maximum);
    spin->setValue(minimum);
    spin->setSingleStep(step);
    return spin;
}

// Sets the spinners' ranges and the axis window; the spinners report no change of their own.
void ApplyWindow(const CellPageControls& c, quint16 n, quint16 k, quint16 p) {
    if (c.perScreen == nullptr || c.page == nullptr)
        return;
    const double axisMaximum = c.positions != nullptr ? c.positions->max() : 0;
    const CellChartWindow w = ComputeCellChartWindow(n, k, p, axisMaximum);
    const QSignalBlocker blockPerScreen(c.perScreen);
    const QSignalBlocker blockPage(c.page);
    c.perScreen->setRange(w.pointsMinimum, w.pointsMaximum);
    c.page->setRange(0, w.pageMaximum);
    if (w.correctedPage)
        c.page->setValue(*w.correctedPage);
    if (c.positions != nullptr)
        c.positions->setRange(w.axisMinimum, w.axisMaximum);
}

} // namespace

void BuildCellPage(QWidget* page, const RegisterImage& image) {
    QTableWidget* table = MakeStringGrid(kTable, false);
    SetGridRowCount(table, 2);
    FreezeFirstColumn(table);

    const CellChartWindow largest = ComputeCellChartWindow(MaxCells, kMinimumCellsPerScreen, 0, 0);
    auto* perScreen =
        MakeSpinner(kPerScreen, QCoreApplication::translate("CellPage", "Кол-во на экране"),
                    largest.pointsMinimum, largest.pointsMaximum, 5);
    auto* pageSpin = MakeSpinner(kPage, QCoreApplication::translate("CellPage", "Прокрутка"), 0,
                                 largest.pageMaximum, 1);
    auto* threeD = new QCheckBox(QStringLiteral("3D"));
    threeD->setObjectName(kThreeD);
    QChartView* chartView = MakeCellChart();

    auto* controls = new QVBoxLayout;
    controls->addWidget(perScreen);
    controls->addWidget(pageSpin);
    controls->addWidget(threeD);
    controls->addStretch();
    auto* tableColumn = new QVBoxLayout;
    tableColumn->addWidget(table);
    AddButtonRow(tableColumn,
                 {{"BitBtn_SAVEINFOCELL_", QT_TRANSLATE_NOOP("TablePage", "Сохранить в файл")},
                  {"BitBtn_LOADINFOCELL_", QT_TRANSLATE_NOOP("TablePage", "Загрузить из файла")}});
    // A click on a cell of the overview pages the chart to it and selects its row.
    auto* overview = new CellOverview(image, [table, perScreen, pageSpin](int cell) {
        pageSpin->setValue((cell - 1) / perScreen->value());
        table->selectRow(cell - 1);
    });
    auto* row = new QHBoxLayout;
    row->addLayout(tableColumn, 2);
    row->addWidget(chartView, 3);
    row->addLayout(controls);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(overview);
    layout->addLayout(row, 1);

    // A spinner change pages the chart only when the controller reports cells.
    const auto repage = [page, perScreen, pageSpin, &image] {
        const int n = ShownCellCount(image.StatusBlock);
        if (n != 0)
            SetCellChartWindow(page, quint16(n), quint16(perScreen->value()),
                               quint16(pageSpin->value()));
    };
    QObject::connect(perScreen, &QSpinBox::valueChanged, page, repage);
    QObject::connect(pageSpin, &QSpinBox::valueChanged, page, repage);
    QObject::connect(threeD, &QCheckBox::toggled, page,
                     [chartView](bool on) { SetCellChart3D(chartView->chart(), on); });
}

void SetCellChartWindow(QWidget* page, quint16 n, quint16 k, quint16 p) {
    ApplyWindow(FindControls(page), n, k, p);
}

void FillCellTable(const RegisterImage& image, QWidget* page) {
    const CellPageControls c = FindControls(page);
    if (auto* overview = page->findChild<CellOverview*>())
        overview->Refresh();
    const int n = ShownCellCount(image.StatusBlock);
    if (c.perScreen != nullptr && c.page != nullptr)
        ApplyWindow(c, quint16(n), quint16(c.perScreen->value()), quint16(c.page->value()));

    if (c.table != nullptr) {
        c.table->setUpdatesEnabled(false);
        SetGridRowCount(c.table, std::max(n, 1) + 1);
        const QStringList empty(CellTableColumns, QString());
        for (int row = 1; row < GridRowCount(c.table); ++row) {
            const QStringList texts = row <= n ? CellTableRow(image.StatusBlock, row) : empty;
            for (int column = 0; column < texts.size(); ++column)
                SetGridCell(c.table, row, column, texts[column]);
        }
        c.table->setUpdatesEnabled(true);
    }

    if (c.volts != nullptr && c.degrees != nullptr) {
        const CellChartBars bars = CellChartValues(image.StatusBlock);
        // One replacement per series instead of a point-by-point rebuild.
        QBarSet* degreeSet = c.degrees->barSets().first();
        QBarSet* voltSet = c.volts->barSets().first();
        degreeSet->remove(0, degreeSet->count());
        voltSet->remove(0, voltSet->count());
        degreeSet->append(bars.degrees);
        voltSet->append(bars.volts);
    }
}

void SetCellChart3D(QChart* chart, bool threeD) {
    // Charts have no depth here: shaded bars and a drop shadow give the raised look.
    chart->setDropShadowEnabled(threeD);
    for (QAbstractSeries* s : chart->series()) {
        auto* series = qobject_cast<QAbstractBarSeries*>(s);
        if (series == nullptr)
            continue;
        for (QBarSet* set : series->barSets()) {
            const QColor color = set->property(kBaseColor).value<QColor>();
            if (!threeD) {
                set->setBrush(color);
                continue;
            }
            QLinearGradient shade(0, 0, 0, 1);
            shade.setCoordinateMode(QGradient::ObjectMode);
            shade.setColorAt(0, color.lighter(150));
            shade.setColorAt(0.5, color);
            shade.setColorAt(1, color.darker(160));
            set->setBrush(shade);
        }
    }
}
