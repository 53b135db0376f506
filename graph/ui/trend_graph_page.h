#pragma once

#include "background_work.h"
#include "date_time_text.h"
#include "monitor_log_reader.h"
#include "trend_store.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QCategoryAxis;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QValueAxis;
class TForm2;
class TrendChartView;
class TrendPlotItem;
struct RegisterImage;

// The "График" page: the chart Chart_GRAPH_ with Series1 to Series20, the vertical range
// spinners, the buttons and the caption. It keeps every point in its store and draws only what
// each pixel column of the visible range needs, once per poll and only while the page is on
// screen. The series carry the titles, colours and active states for the legend; the lines
// themselves are drawn by a plot item of the page.
class TrendGraphPage final : public QObject {
    Q_OBJECT
public:
    static constexpr int SeriesCount = 20;

    // Builds the page's controls inside page (which has no layout yet). The points are read from
    // image; dialog is the series dialog. Both must outlive the page.
    TrendGraphPage(QWidget* page, const RegisterImage& image, TForm2& dialog);
    ~TrendGraphPage() override;

    // One poll's points for the active series, then the chart when it is on screen.
    void AddTrendPoints();
    // The series titles in the current name view (run by SetupTables).
    void SetupTables();
    // The spinners' ranges and start positions, and the value axis set from them.
    void SetScaleSpinners();

    const TrendStore& Store() const { return store_; }
    TrendRows ActiveRows() const { return SelectedRows(active_); }
    // The rows; the cells' series stay as they are.
    void SetActiveRows(TrendRows rows);
    // Every series, the rows and the cells' series.
    const TrendSelection& ActiveSeries() const { return active_; }
    void SetActiveSeries(const TrendSelection& series);
    // The clock of the poll labels and the proposed file name.
    void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // A monitoring log is being read, or the points exported, on a thread of its own.
    bool LogReading() const { return work_->Running(); }

Q_SIGNALS:
    // The log read has been taken in, refused or cancelled, and its message shown.
    void LogReadFinished();
    // The points' export has been written, has failed (its message shown) or was cancelled.
    void CsvExportFinished();

private:
    void BuildChart();
    void BuildControls(QWidget* page);

    void BitBtn_GRAPHADD_Click();
    void BitBtn_GRAPHSAVE_Click();
    void BitBtn_GRAPHCLEAR_Click();
    void BitBtn_GRAPHOPENLOG_Click();
    void BitBtn_GRAPHLOGCANCEL_Click();
    void UpDown_GRAPHBOTMAX_Click(int position);
    void UpDown_GRAPHBOTMIN_Click(int position);

    // The chart from the store now when it is on screen, otherwise when it is next shown.
    void RedrawIfVisible();
    void Redraw();
    void UpdateLabels(double xMin, double xMax);
    void ShowWholeView();
    // The store has been emptied or replaced: no line is drawn until the next redraw.
    void ClearLines();
    // The legend's line series of a cell's series, made when it is first shown.
    QLineSeries* CellLegendSeries(int series);
    void XRangeChanged();
    QByteArray ChartImage(const char* format);
    void ExportCsv(const QString& path);
    // Before a work starts on its thread: the progress bar and the cancel button are shown once
    // it has run for showAfterMs; done runs on the page's thread when the work has ended.
    void BeginWork(int showAfterMs, std::function<void()> done);
    void ShowProgress(int steps);
    void WorkFinished();
    void TakeLogRead(MonitorLogRead& read, const QString& path);

    const RegisterImage& image_;
    TForm2& dialog_;
    TrendStore store_;
    TrendSelection active_;
    DateTimeTextParser parser_;
    std::function<QDateTime()> clock_ = &QDateTime::currentDateTime;

    TrendChartView* view_ = nullptr;
    std::array<QLineSeries*, SeriesCount> series_{};
    std::map<int, QLineSeries*> cellSeries_;
    QValueAxis* valueAxis_ = nullptr;
    TrendPlotItem* plot_ = nullptr;
    QCategoryAxis* timeAxis_ = nullptr;
    QSpinBox* top_ = nullptr;
    QSpinBox* bottom_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* openLog_ = nullptr;
    QPushButton* cancelLog_ = nullptr;
    QProgressBar* logProgress_ = nullptr;

    bool dirty_ = false;
    // The operator zoomed: the X range stays where the rubber band put it.
    bool zoomed_ = false;
    // Set while the page itself moves the X axis, so that only the operator's moves count.
    bool settingRange_ = false;
    int columns_ = 0;

    BackgroundWork* work_ = nullptr; // one work at a time
    QElapsedTimer workTime_;
    int showAfterMs_ = 0;
    std::function<void()> done_;
};
