#include "trend_graph_page.h"

#include "axis_labels.h"
#include "decimation.h"
#include "file_names.h"
#include "named_widget.h"
#include "prompts.h"
#include "recent_files.h"
#include "register_image.h"
#include "series_dialog.h"
#include "text_file.h"
#include "trend_chart_view.h"
#include "trend_csv.h"
#include "trend_plot_item.h"

#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

// Series18 to Series20 belong to no trend row and never take points.
constexpr quint32 SpareColours[] = {0xFFFFFF, 0x808080, 0xFF00FF};
// The room one bottom axis label needs.
constexpr int LabelSpacingPx = 90;
// An export shows its progress once it has taken this long; a log read shows it at once.
constexpr int ExportProgressAfterMs = 1000;

const QString PictureFilter = QStringLiteral("Bitmap files (*.bmp)|*.bmp|PNG files (*.png)|*.png|"
                                             "Comma-Separated Values files (*.csv)|*.csv");

QSpinBox* MakeSpinner(const char* name) {
    auto* spin = Named<QSpinBox>(name);
    // A typed position counts when it is complete, not at every digit.
    spin->setKeyboardTracking(false);
    return spin;
}

} // namespace

TrendGraphPage::TrendGraphPage(QWidget* page, const RegisterImage& image, TForm2& dialog)
    : QObject(page), image_(image), dialog_(dialog) {
    BuildChart();
    BuildControls(page);
    work_ = new BackgroundWork(this);
    connect(work_, &BackgroundWork::Progress, this, &TrendGraphPage::ShowProgress);
    connect(work_, &BackgroundWork::Finished, this, &TrendGraphPage::WorkFinished);
}

// A work still running is cancelled and has ended before the page's members go.
TrendGraphPage::~TrendGraphPage() {
    delete work_;
}

void TrendGraphPage::BuildChart() {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setLocalizeNumbers(true);
    // Beside the plot, one title a line: seventeen long names do not fit in one row below it.
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);

    timeAxis_ = new QCategoryAxis;
    timeAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    valueAxis_ = new QValueAxis;
    valueAxis_->setLabelFormat(QStringLiteral("%.6g"));
    chart->addAxis(timeAxis_, Qt::AlignBottom);
    chart->addAxis(valueAxis_, Qt::AlignLeft);
    plot_ = new TrendPlotItem(chart, timeAxis_, valueAxis_, TrendSeriesCount);

    for (int i = 0; i < SeriesCount; ++i) {
        auto* series = new QLineSeries;
        series->setObjectName(QStringLiteral("Series%1").arg(i + 1));
        const bool spare = i >= TrendRowCount;
        const quint32 colour =
            spare ? SpareColours[i - TrendRowCount] : TrendParameters[std::size_t(i)].colour;
        QPen pen{QColor(QRgb(colour))};
        pen.setWidth(spare ? 1 : TrendParameters[std::size_t(i)].lineWidth);
        series->setPen(pen);
        if (spare)
            series->setName(QStringLiteral("C%1").arg(i + 1));
        else
            plot_->SetPen(i, pen);
        chart->addSeries(series);
        series->attachAxis(timeAxis_);
        series->attachAxis(valueAxis_);
        series->setVisible(false);
        series_[std::size_t(i)] = series;
    }

    view_ = new TrendChartView(chart);
    view_->setObjectName(QStringLiteral("Chart_GRAPH_"));
    connect(view_, &TrendChartView::WholeViewRequested, this, &TrendGraphPage::ShowWholeView);
    connect(view_, &TrendChartView::Shown, this, [this] {
        if (dirty_)
            Redraw();
    });
    connect(timeAxis_, &QValueAxis::rangeChanged, this, &TrendGraphPage::XRangeChanged);
    connect(valueAxis_, &QValueAxis::rangeChanged, this, [this] { plot_->update(); });
    connect(chart, &QChart::plotAreaChanged, this, [this](const QRectF& area) {
        plot_->PlotAreaChanged();
        // A wider or narrower plot has other pixel columns.
        if (int(area.width()) != columns_)
            RedrawIfVisible();
    });
}

void TrendGraphPage::BuildControls(QWidget* page) {
    auto* caption = Named<QLabel>("Label_GRAPHCAPTION_", tr("График параметров АБ"));
    caption->setAlignment(Qt::AlignHCenter);
    top_ = MakeSpinner("UpDown_GRAPHBOTMAX_");
    bottom_ = MakeSpinner("UpDown_GRAPHBOTMIN_");
    connect(top_, &QSpinBox::valueChanged, this, &TrendGraphPage::UpDown_GRAPHBOTMAX_Click);
    connect(bottom_, &QSpinBox::valueChanged, this, &TrendGraphPage::UpDown_GRAPHBOTMIN_Click);

    auto* add = Named<QPushButton>("BitBtn_GRAPHADD_", tr("Добавить"));
    save_ = Named<QPushButton>("BitBtn_GRAPHSAVE_", tr("Сохранить"));
    auto* clear = Named<QPushButton>("BitBtn_GRAPHCLEAR_", tr("Очистить"));
    openLog_ = Named<QPushButton>("BitBtn_GRAPHOPENLOG_", tr("Открыть лог"));
    cancelLog_ = Named<QPushButton>("BitBtn_GRAPHLOGCANCEL_", tr("Отмена"));
    logProgress_ = Named<QProgressBar>("ProgressBar_GRAPHLOG_");
    logProgress_->setRange(0, BackgroundWork::ProgressSteps);
    logProgress_->hide();
    cancelLog_->hide();
    connect(add, &QPushButton::clicked, this, &TrendGraphPage::BitBtn_GRAPHADD_Click);
    connect(save_, &QPushButton::clicked, this, &TrendGraphPage::BitBtn_GRAPHSAVE_Click);
    connect(clear, &QPushButton::clicked, this, &TrendGraphPage::BitBtn_GRAPHCLEAR_Click);
    connect(openLog_, &QPushButton::clicked, this, &TrendGraphPage::BitBtn_GRAPHOPENLOG_Click);
    connect(cancelLog_, &QPushButton::clicked, this, &TrendGraphPage::BitBtn_GRAPHLOGCANCEL_Click);

    auto* row = new QHBoxLayout;
    row->addWidget(Named<QLabel>("Label_GRAPHBOTMAX_", tr("Максимум:")));
    row->addWidget(top_);
    row->addWidget(Named<QLabel>("Label_GRAPHBOTMIN_", tr("Минимум:")));
    row->addWidget(bottom_);
    row->addStretch(1);
    row->addWidget(logProgress_);
    row->addWidget(cancelLog_);
    for (QPushButton* button : {add, save_, clear, openLog_})
        row->addWidget(button);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(view_, 1);
    layout->addWidget(caption);
    layout->addLayout(row);
}

void TrendGraphPage::AddTrendPoints() {
    ::AddTrendPoints(store_, active_, image_.StatusBlock, clock_());
    RedrawIfVisible();
}

void TrendGraphPage::SetupTables() {
    for (int i = 0; i < TrendRowCount; ++i)
        series_[std::size_t(i)]->setName(ShownTrendSeriesTitle(i));
}

void TrendGraphPage::SetScaleSpinners() {
    // The positions are set, not clicked: the step stays 1 until the first click.
    const QSignalBlocker blockTop(top_);
    const QSignalBlocker blockBottom(bottom_);
    top_->setRange(3, 2000);
    top_->setValue(300);
    top_->setSingleStep(1);
    bottom_->setRange(-200, 0);
    bottom_->setValue(0);
    bottom_->setSingleStep(1);
    valueAxis_->setRange(bottom_->value(), top_->value());
}

void TrendGraphPage::SetActiveRows(TrendRows rows) {
    SetActiveSeries((active_ & ~RowSelection(TrendRows().set())) | RowSelection(rows));
}

void TrendGraphPage::SetActiveSeries(const TrendSelection& series) {
    active_ = series;
    for (int i = 0; i < TrendSeriesCount; ++i) {
        const bool shown = series[std::size_t(i)];
        if (i < TrendRowCount)
            series_[std::size_t(i)]->setVisible(shown);
        else if (shown)
            CellLegendSeries(i)->setVisible(true);
        else if (const auto it = cellSeries_.find(i); it != cellSeries_.end())
            it->second->setVisible(false);
        // A hidden series keeps its points in the store only.
        if (!shown)
            plot_->SetPoints(i, {});
    }
    RedrawIfVisible();
}

QLineSeries* TrendGraphPage::CellLegendSeries(int series) {
    QLineSeries*& line = cellSeries_[series];
    if (line != nullptr)
        return line;
    line = new QLineSeries;
    line->setObjectName(QStringLiteral("SeriesCell%1").arg(series - TrendRowCount + 1));
    line->setName(ShownTrendSeriesTitle(series));
    QPen pen{QColor(QRgb(TrendSeriesColour(series)))};
    // Temperatures dashed, so that a cell's two lines are told apart.
    if (series >= CellTemperatureSeries && series < CellSpreadSeries)
        pen.setStyle(Qt::DashLine);
    pen.setWidth(series == CellSpreadSeries ? 2 : 1);
    line->setPen(pen);
    plot_->SetPen(series, pen);
    view_->chart()->addSeries(line);
    line->attachAxis(timeAxis_);
    line->attachAxis(valueAxis_);
    return line;
}

void TrendGraphPage::UpDown_GRAPHBOTMAX_Click(int position) {
    top_->setSingleStep(ScaleStep(position));
    valueAxis_->setMax(position);
}

void TrendGraphPage::UpDown_GRAPHBOTMIN_Click(int position) {
    bottom_->setSingleStep(ScaleStep(-position));
    valueAxis_->setMin(position);
}

void TrendGraphPage::RedrawIfVisible() {
    if (view_->isVisible())
        Redraw();
    else
        dirty_ = true;
}

void TrendGraphPage::Redraw() {
    dirty_ = false;
    columns_ = int(view_->chart()->plotArea().width());
    double xMin = 0, xMax = 1;
    if (zoomed_) {
        xMin = timeAxis_->min();
        xMax = timeAxis_->max();
    } else {
        qint64 most = 0;
        for (int i = 0; i < TrendSeriesCount; ++i)
            if (active_[std::size_t(i)])
                most = std::max(most, store_.PointCount(i));
        xMax = double(std::max<qint64>(most - 1, 1));
    }
    UpdateLabels(xMin, xMax);
    const ColumnGrid grid{xMin, xMax, std::max(1, columns_)};
    for (int i = 0; i < TrendSeriesCount; ++i)
        if (active_[std::size_t(i)])
            plot_->SetPoints(i, DecimateSeries(store_.Values(i), grid));
}

void TrendGraphPage::UpdateLabels(double xMin, double xMax) {
    settingRange_ = true;
    for (const QString& label : timeAxis_->categoriesLabels())
        timeAxis_->remove(label);
    timeAxis_->setStartValue(xMin);
    // The labels of the first active series that has a point there.
    for (const qint64 x : LabelPositions(xMin, xMax, std::max(1, columns_ / LabelSpacingPx))) {
        for (int i = 0; i < TrendSeriesCount; ++i) {
            if (!active_[std::size_t(i)] || store_.PointCount(i) <= x)
                continue;
            const QString text = Chart_GRAPH_GetAxisLabel(
                TrendLabelText(store_.PollStamp(store_.PollOfPoint(i, x))), parser_);
            // Labels name their categories, so two equal texts cannot both be shown.
            if (!timeAxis_->categoriesLabels().contains(text))
                timeAxis_->append(text, double(x));
            break;
        }
    }
    timeAxis_->setRange(xMin, xMax);
    settingRange_ = false;
}

void TrendGraphPage::XRangeChanged() {
    if (settingRange_)
        return;
    zoomed_ = true;
    Redraw();
}

void TrendGraphPage::ShowWholeView() {
    zoomed_ = false;
    valueAxis_->setRange(bottom_->value(), top_->value());
    Redraw();
}

void TrendGraphPage::ClearLines() {
    for (int i = 0; i < TrendSeriesCount; ++i)
        plot_->SetPoints(i, {});
    zoomed_ = false;
}

void TrendGraphPage::BitBtn_GRAPHADD_Click() {
    dialog_.SetMarks(ActiveRows());
    dialog_.SetCells(active_ & ~RowSelection(TrendRows().set()));
    if (dialog_.exec() == QDialog::Accepted)
        SetActiveSeries(RowSelection(dialog_.Marks()) | dialog_.Cells());
}

void TrendGraphPage::BitBtn_GRAPHCLEAR_Click() {
    if (CurrentPrompts().Message(tr("Очистить график?"), tr("Вы уверены?"),
                                 Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
        return;
    store_.Clear();
    ClearLines();
    RedrawIfVisible();
}

QByteArray TrendGraphPage::ChartImage(const char* format) {
    if (dirty_)
        Redraw();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    view_->grab().save(&buffer, format);
    return bytes;
}

void TrendGraphPage::BitBtn_GRAPHSAVE_Click() {
    if (work_->Running())
        return;
    const QString path =
        AskSaveFile(FileKind::GraphExport, QStringLiteral("picture"), PictureFilter,
                    FileNameStamp(clock_()) + QStringLiteral("_pic.bmp"));
    if (path.isEmpty())
        return;
    // The name says what to write; a name without .png or .csv gets the bitmap.
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv")) {
        ExportCsv(path);
        return;
    }
    const FileError error =
        SaveWholeFile(path, ChartImage(suffix == QLatin1String("png") ? "PNG" : "BMP"));
    if (!error.isEmpty())
        CurrentPrompts().Message(error, tr("Ошибка!"), Prompts::Buttons::Ok, Prompts::Icon::Error);
}

void TrendGraphPage::ExportCsv(const QString& path) {
    // The points as they are now: polling goes on adding to the page's own store meanwhile.
    const auto points = std::make_shared<const TrendStore>(store_);
    const auto progress = std::make_shared<CsvExportProgress>();
    const auto error = std::make_shared<FileError>();
    const qint64 polls = std::max<qint64>(1, points->PollCount());
    BeginWork(ExportProgressAfterMs, [this, error] {
        if (!error->isEmpty())
            CurrentPrompts().Message(*error, tr("Ошибка!"), Prompts::Buttons::Ok,
                                     Prompts::Icon::Error);
        Q_EMIT CsvExportFinished();
    });
    work_->Start(
        [points, progress, error, path, titles = AllTrendSeriesTitles()] {
            const QByteArray bytes = TrendCsvBytes(*points, titles, progress.get());
            if (!progress->cancel.load())
                *error = SaveWholeFile(path, bytes);
        },
        [progress, polls] {
            return int(progress->polls.load() * BackgroundWork::ProgressSteps / polls);
        },
        [progress] { progress->cancel.store(true); });
}

void TrendGraphPage::BitBtn_GRAPHOPENLOG_Click() {
    if (work_->Running())
        return;
    // The log polling wrote last is the likeliest one to look at.
    const QString path = AskOpenFile(FileKind::Log, MonitorLogUse, MonitorLogFilter());
    if (path.isEmpty())
        return;
    if (store_.PollCount() > 0 &&
        CurrentPrompts().Message(tr("Точки графика будут заменены точками лога. Продолжить?"),
                                 tr("Вы уверены?"),
                                 Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
        return;
    const auto read = std::make_shared<MonitorLogRead>();
    // A day's log of a large battery is over a gigabyte: it is read on a thread of its own.
    BeginWork(0, [this, read, path] { TakeLogRead(*read, path); });
    work_->StartLogRead(path,
                        [read, cells = active_](const QString& log, MonitorLogProgress* progress) {
                            *read = ReadMonitorLog(log, progress, cells);
                        });
}

void TrendGraphPage::BeginWork(int showAfterMs, std::function<void()> done) {
    done_ = std::move(done);
    showAfterMs_ = showAfterMs;
    openLog_->setEnabled(false);
    save_->setEnabled(false);
    workTime_.start();
    ShowProgress(0);
}

void TrendGraphPage::BitBtn_GRAPHLOGCANCEL_Click() {
    work_->Cancel();
}

void TrendGraphPage::ShowProgress(int steps) {
    if (workTime_.elapsed() < showAfterMs_)
        return;
    logProgress_->setValue(steps);
    logProgress_->show();
    cancelLog_->show();
}

void TrendGraphPage::WorkFinished() {
    logProgress_->hide();
    cancelLog_->hide();
    openLog_->setEnabled(true);
    save_->setEnabled(true);
    const std::function<void()> done = std::move(done_);
    done();
}

void TrendGraphPage::TakeLogRead(MonitorLogRead& read, const QString& path) {
    if (read.cancelled) {
        Q_EMIT LogReadFinished();
        return;
    }
    if (!read.error.isEmpty()) {
        CurrentPrompts().Message(read.error, tr("Ошибка!"), Prompts::Buttons::Ok,
                                 Prompts::Icon::Error);
        Q_EMIT LogReadFinished();
        return;
    }
    QString text = LogReadText(read, path);
    // A log without a line to show leaves the points as they were.
    if (read.dataLines == 0) {
        CurrentPrompts().Message(text, tr("Открыть лог"), Prompts::Buttons::Ok,
                                 Prompts::Icon::Warning);
        Q_EMIT LogReadFinished();
        return;
    }
    store_ = std::move(read.store);
    ClearLines();
    RedrawIfVisible();
    if (active_.none())
        text += tr(" Графики для показа выбираются кнопкой «Добавить».");
    CurrentPrompts().Message(text, tr("Открыть лог"), Prompts::Buttons::Ok,
                             Prompts::Icon::Information);
    Q_EMIT LogReadFinished();
}
