// Figures of the polling road, printed, not judged: the time of one display refresh with 200 cells
// and a full journal (with the cell overview hidden and shown), the longest stall of the window's
// thread while polling runs every 250 ms, and the time of a 6-block and a 34-block cycle at
// 115200 baud against the simulated controller.
// All 17 trend series are active throughout.
//
// Run: QT_QPA_PLATFORM=offscreen build/tests/bench/polling/bench_polling

#include "bench_figures.h"
#include "cell_overview.h"
#include "connection_dialog.h"
#include "journal_page.h"
#include "main_page.h"
#include "main_window.h"
#include "polling_cycle.h"
#include "simulated_controller.h"
#include "traffic_window.h"
#include "trend_graph_page.h"
#include "window_on_sim.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Cells = 200;
constexpr int RefreshRuns = 30;

// Copies every register the cycle reads from the controller into the window's image.
void CopyController(const SimulatedController& sim, RegisterImage& image) {
    const auto copy = [&sim](auto& block, quint16 first) {
        const QList<quint16> words = sim.registerValues(first, int(block.size()));
        std::copy(words.begin(), words.begin() + std::min(block.size(), std::size_t(words.size())),
                  block.begin());
    };
    copy(image.StatusBlock, StatusBlockStart);
    copy(image.CommSettingsBlock, CommSettingsBlockStart);
    copy(image.ChargeSettingsBlock, ChargeSettingsBlockStart);
    copy(image.AlarmSettingsBlock, AlarmSettingsBlockStart);
    copy(image.JournalBlock, JournalBlockStart);
}

void SetReadOptions(TForm1& form, bool settings, bool journal) {
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox_READSETTINGS_"))->setChecked(settings);
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox_READLOG_"))->setChecked(journal);
}

void ShowCellPage(TForm1& form) {
    form.PageControlMain()->setCurrentWidget(form.Page(MainPage::Info));
    form.findChild<QTabWidget*>(QStringLiteral("PageControl_INFO_"))
        ->setCurrentWidget(form.Page(InfoPage::Cells));
}

void BenchRefresh(TForm1& form, SimulatedController& sim) {
    std::printf("Refresh of the display, %d cells, 768 journal records (ms per call):\n", Cells);
    SetReadOptions(form, true, true);
    RegisterImage& image = form.Image();
    // A cycle of this start has ended, so each tick shows the image (the first one shows nothing).
    Q_EMIT form.Polling()->Controller().CycleFinished({}, true);
    // Each call sees new values, as a live battery gives them.
    const auto nextImage = [&] {
        sim.stepBattery();
        CopyController(sim, image);
    };
    Print("whole tick (all fills)",
          TimeCalls(RefreshRuns, nextImage, [&] { form.Polling()->Timer_POLLING_Timer(); }), "ms");
    // The same with the page on screen drawn afterwards.
    const auto tickAndPaint = [&] {
        form.Polling()->Timer_POLLING_Timer();
        form.repaint();
    };
    ShowCellPage(form);
    Print("whole tick, cell page shown (overview)",
          TimeCalls(RefreshRuns, nextImage, [&] { form.Polling()->Timer_POLLING_Timer(); }), "ms");
    auto* overview = form.findChild<CellOverview*>();
    Print("cell overview alone, shown",
          TimeCalls(RefreshRuns, nextImage, [&] { overview->Refresh(); }), "ms");
    Print("tick + repaint, cell page shown", TimeCalls(RefreshRuns, nextImage, tickAndPaint), "ms");
    form.PageControlMain()->setCurrentWidget(form.Page(MainPage::Journal));
    Print("tick + repaint, journal page shown", TimeCalls(RefreshRuns, nextImage, tickAndPaint),
          "ms");
    form.PageControlMain()->setCurrentWidget(form.Page(MainPage::Main));
    Print("state tables (status, cells+chart, alarm, charge)",
          TimeCalls(RefreshRuns, nextImage, [&] { form.FillStateTables(); }), "ms");
    Print(
        "main page",
        TimeCalls(RefreshRuns, nextImage, [&] { FillMainPage(image, form.Page(MainPage::Main)); }),
        "ms");
    Print("settings tables", TimeCalls(RefreshRuns, nextImage, [&] { form.FillSettingsTables(); }),
          "ms");
    Print("journal", TimeCalls(RefreshRuns, nextImage, [&] { FillJournal(image, &form); }), "ms");
}

// Runs polling through the window's own button for `seconds` and reports the longest gap between
// two ticks of a 5 ms probe timer on the window's thread.
void BenchStall(TForm1& form, bool settings, bool journal, int seconds) {
    SetReadOptions(form, settings, journal);
    // The first period of the list, 250 ms (its text follows the locale's decimal separator).
    form.findChild<QComboBox*>(QStringLiteral("ComboBox_FREQ_"))->setCurrentIndex(0);
    auto* connect = form.findChild<QPushButton*>(QStringLiteral("SpeedButton_CONNECT_"));
    // Owns this run's connections, so that none outlives it.
    QObject run;
    QElapsedTimer running;
    QList<qint64> cycleEnds;
    QObject::connect(&form.Polling()->Controller(), &PollController::CycleFinished, &run,
                     [&] { cycleEnds.append(running.elapsed()); });
    running.start();
    connect->click();
    if (!connect->isChecked()) {
        std::printf("  polling did not start: %s\n", qPrintable(form.StatusPanel(0)));
        return;
    }
    qint64 longest = 0;
    {
        const StallProbe probe;
        QTest::qWait(seconds * 1000);
        longest = probe.LongestMs();
    }
    connect->click();
    std::printf("  %-44s %lld ms (probe every 5 ms, tick every %d ms)\n",
                settings ? "longest stall, 34-block cycles" : "longest stall, 6-block cycles",
                longest, form.PollingTimer()->interval());
    QStringList ends;
    for (qint64 end : cycleEnds)
        ends << QString::number(end);
    std::printf("  %-44s %s ms\n", "cycle ends after the start", qPrintable(ends.join(u' ')));
}

void BenchCycle(const QString& port, bool settings, bool journal, int runs) {
    PollController polling;
    polling.SetReadOptions(settings, journal);
    if (!polling.OpenPollPort({port, 4, 0, QStringLiteral("238")}, 238)) {
        std::printf("  the port did not open\n");
        return;
    }
    QSignalSpy cycles(&polling, &PollController::CycleFinished);
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        polling.StartPollCycle();
        if (!cycles.wait(60000))
            break;
        ms.push_back(double(timer.elapsed()));
    }
    polling.ClosePollPort();
    if (ms.empty()) {
        std::printf("  no cycle ended\n");
        return;
    }
    Print(settings ? "34-block cycle at 115200 baud" : "6-block cycle at 115200 baud",
          Summarise(ms), "ms");
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SimulatedController::Options options;
    options.cellCount = Cells;
    SimulatedController sim(options);
    QString error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "the simulated controller did not start: %s\n", qPrintable(error));
        return 1;
    }
    sim.preloadJournal(1000); // wrapped: all 768 records hold an event

    TForm1 form;
    ConnectDialogTo(form, sim.portPath());
    form.TrendGraph()->SetActiveRows(TrendRows().set());
    form.show();
    QApplication::processEvents();

    BenchRefresh(form, sim);

    std::printf("Window thread while polling every 250 ms against the simulated controller:\n");
    sim.setAnimated(true);
    BenchStall(form, false, false, 10);
    BenchStall(form, true, true, 25);
    std::printf("The same with the cell page and its overview shown:\n");
    ShowCellPage(form);
    BenchStall(form, true, true, 25);
    std::printf("The same with the graph page shown:\n");
    form.PageControlMain()->setCurrentWidget(form.Page(MainPage::Graph));
    BenchStall(form, false, false, 10);
    std::printf("The same with the traffic monitor open:\n");
    form.FormMonitor()->show();
    BenchStall(form, true, true, 25);
    form.FormMonitor()->hide();

    std::printf("Cycle time (ms from the first request to the cycle's end):\n");
    BenchCycle(sim.portPath(), false, false, 3);
    BenchCycle(sim.portPath(), true, true, 2);
    return 0;
}
