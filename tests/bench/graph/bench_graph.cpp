// Figures of the trend graph over long runs, printed, not judged: the store's memory with 17
// active series of 345,600 points (a day at 250 ms) and of 1,000,000 points, the time of one
// polling tick (append + redraw + paint) with the page on screen and with it hidden, and the
// time to open and draw a monitoring log of 345,600 lines of 16 cells, plus the reading rate of
// a 200-cell log.
//
// Run: QT_QPA_PLATFORM=offscreen build/tests/bench/graph/bench_graph

#include "bench_figures.h"
#include "decimation.h"
#include "monitor_log_text.h"
#include "scripted_prompts.h"
#include "series_dialog.h"
#include "text_file.h"
#include "trend_csv.h"
#include "trend_graph_page.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

double ResidentMegabytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 / 1e6 : 0;
}

// A battery that drifts: every trend row changes from poll to poll.
void StepImage(RegisterImage& image, qint64 poll) {
    const double t = double(poll);
    const auto set = [&](const char16_t* mnemonic, qint64 value) {
        StoreField(image.StatusBlock, StatusByMnemonic(mnemonic).field, quint32(value));
    };
    set(u"Pack_Voltage_Sum", 52000 + qint64(800 * std::sin(t / 5000)) + poll % 7);
    set(u"Pack_Current", qint64(20000 * std::sin(t / 700)) - poll % 13);
    set(u"Pack_Current_Average", qint64(15000 * std::sin(t / 900)));
    set(u"Cell_Voltage_Average", 3250 + poll % 11);
    set(u"Cell_Voltage_Max", 3300 + poll % 17);
    set(u"Cell_Voltage_Min", 3200 - poll % 19);
    set(u"Cell_Temp_Average", 25 + poll / 20000 % 5);
    set(u"Cell_Temp_Max", 30 + poll % 3);
    set(u"Cell_Temp_Min", 20 - poll % 3);
    set(u"Temperature_Ambient", 215 + qint64(40 * std::sin(t / 40000)));
    set(u"Relative_State_of_Charge", 50 + qint64(40 * std::sin(t / 30000)));
    set(u"Absolute_State_of_Charge", 48 + qint64(40 * std::sin(t / 30000)));
    set(u"Remaining_Pack_Capacity", 50000 + qint64(40000 * std::sin(t / 30000)));
    set(u"Full_Charge_Capacity", 100000 - poll / 100000);
    set(u"Run_Time_to_Empty", 120 + poll % 60);
    set(u"Average_Time_to_Empty", 180 + poll % 90);
    set(u"Average_Time_to_Full", 240 - poll % 120);
}

class Bench {
public:
    static constexpr qint64 DayAt250Ms = 345600;

    Bench() : graph_(nullptr) {
        window_.resize(792, 554);
        auto* layout = new QVBoxLayout(&window_);
        layout->addWidget(tabs_);
        tabs_->addTab(graphPage_, QStringLiteral("График"));
        tabs_->addTab(new QWidget, QStringLiteral("Главная"));
        dialog_ = new TForm2(&window_);
        graph_ = new TrendGraphPage(graphPage_, image_, *dialog_);
        graph_->SetupTables();
        graph_->SetScaleSpinners();
        graph_->SetActiveRows(TrendRows().set());
        graph_->SetClock([this] { return now_; });
        window_.show();
        QApplication::processEvents();
    }

    void Run(qint64 points) {
        std::printf("17 active series of %lld points:\n", points);
        Click("BitBtn_GRAPHCLEAR_"); // the scripted prompt answers Yes
        ShowGraph(false);
        const double before = ResidentMegabytes();
        // All but the last ticks with the page hidden, then those with it on screen.
        qint64 poll = 0;
        const auto next = [&] { StepPoll(poll++); };
        const auto tick = [this] { graph_->AddTrendPoints(); };
        const Figures hidden = TimeCalls(int(points - Ticks), next, tick);
        std::printf("  store memory %.1f MB (resident grew by %.1f MB)\n",
                    double(graph_->Store().MemoryBytes()) / 1e6, ResidentMegabytes() - before);
        Print("tick, page hidden", {hidden.min * 1e3, hidden.median * 1e3, hidden.max * 1e3}, "us");
        ShowGraph(true);
        // With the events the tick leaves: one paint of the chart.
        Print("tick, page visible",
              TimeCalls(Ticks, next,
                        [&] {
                            tick();
                            QApplication::processEvents();
                        }),
              "ms");
        const ColumnGrid grid{0, double(points - 1), PlotColumns()};
        Print("  of which decimation, 17 series",
              TimeCalls(
                  20, [] {},
                  [&] {
                      for (int i = 0; i < TrendRowCount; ++i)
                          DecimateSeries(graph_->Store().Values(i), grid);
                  }),
              "ms");
        if (points == DayAt250Ms) {
            QElapsedTimer timer;
            timer.start();
            const QByteArray csv = TrendCsvBytes(graph_->Store(), TrendSeriesTitles());
            std::printf("  CSV export of the %lld polls: %.2f s, %.0f MB\n", points,
                        double(timer.nsecsElapsed()) / 1e9, double(csv.size()) / 1e6);
        }
        Print("  of which one paint",
              TimeCalls(
                  20, [] {}, [&] { graphPage_->findChild<QChartView*>()->viewport()->repaint(); }),
              "ms");
    }

    void OpenLog(const QString& path, int cells, qint64 lines) {
        WriteLog(path, cells, lines);
        const double megabytes = double(QFileInfo(path).size()) / 1e6;
        ShowGraph(true);
        prompts_.files.append(path);
        QSignalSpy finished(graph_, &TrendGraphPage::LogReadFinished);
        QElapsedTimer timer;
        timer.start();
        Click("BitBtn_GRAPHOPENLOG_");
        finished.wait(600000);
        graphPage_->findChild<QChartView*>()->viewport()->repaint();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        std::printf("  %lld lines of %d cells, %.0f MB: %.2f s to open and draw, %.0f MB/s, %.0f "
                    "lines/s (%lld points a series)\n",
                    lines, cells, megabytes, seconds, megabytes / seconds, double(lines) / seconds,
                    graph_->Store().PointCount(0));
        QFile::remove(path);
    }

private:
    static constexpr int Ticks = 200;

    void Click(const char* name) {
        graphPage_->findChild<QPushButton*>(QLatin1String(name))->click();
    }
    void ShowGraph(bool shown) {
        tabs_->setCurrentIndex(shown ? 0 : 1);
        QApplication::processEvents();
    }
    // The battery and the clock of one poll.
    void StepPoll(qint64 poll) {
        StepImage(image_, poll);
        now_ = start_.addMSecs(poll * 250);
    }
    int PlotColumns() const {
        return int(graphPage_->findChild<QChartView*>()->chart()->plotArea().width());
    }
    void WriteLog(const QString& path, int cells, qint64 lines) {
        RegisterImage image;
        SetWord16(image.StatusBlock, 2, quint16(cells));
        QStringList batch{TestLogHeader(cells)};
        for (qint64 i = 0; i < lines; ++i) {
            StepImage(image, i);
            batch.append(TestLogRow(start_.addMSecs(i * 250), image.StatusBlock, cells, true));
            if (batch.size() == 10000 || i + 1 == lines) {
                AppendToFile(path, EncodeLines(batch));
                batch.clear();
            }
        }
    }

    QWidget window_;
    QTabWidget* tabs_ = new QTabWidget;
    QWidget* graphPage_ = new QWidget;
    TForm2* dialog_ = nullptr;
    RegisterImage image_;
    TrendGraphPage* graph_;
    ScriptedPrompts prompts_;
    const QDateTime start_{QDate(2024, 3, 1), QTime(8, 0)};
    QDateTime now_ = start_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    Bench bench;
    bench.Run(Bench::DayAt250Ms);
    bench.Run(1000000);
    QTemporaryDir dir;
    std::printf("Monitoring logs opened into the graph:\n");
    bench.OpenLog(dir.filePath(QStringLiteral("day_log.csv")), 16, 345600);
    bench.OpenLog(dir.filePath(QStringLiteral("large_log.csv")), 200, 100000);
    return 0;
}
