// A soak run: polling a 200-cell battery every 250 ms for a long time with the journal, the
// monitoring log and all 17 trend series on, against the simulated controller at line speed
// (115200 baud, the fast exchange). Prints the memory at the start and the end, the longest stall
// of the window's thread, and the log's data lines against the cycles that got their replies.
//
// Run: QT_QPA_PLATFORM=offscreen build/tests/bench/soak/bench_soak [--minutes 30]

#include "bench_figures.h"
#include "connection_dialog.h"
#include "main_window.h"
#include "polling_cycle.h"
#include "scripted_prompts.h"
#include "simulated_controller.h"
#include "trend_graph_page.h"
#include "window_on_sim.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void Select(TForm1& form, const char* name, int index) {
    form.findChild<QComboBox*>(QLatin1String(name))->setCurrentIndex(index);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int minutesAt = int(args.indexOf(QStringLiteral("--minutes")));
    const double minutes = minutesAt >= 0 ? args.value(minutesAt + 1).toDouble() : 30;

    SimulatedControllerOptions options;
    options.cellCount = 200;
    options.animate = true;
    options.pacedBaudRate = 115200;
    SimulatedController sim(options);
    if (!sim.start())
        return 1;
    sim.preloadJournal(1000);

    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("soak_log.csv"));
    ScriptedPrompts prompts;
    prompts.files = {logPath};
    TForm1 form;
    ConnectDialogTo(form, sim.portPath());
    Select(form, "ComboBox_FREQ_", 0); // 250 ms
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox_FASTEXCHANGE_"))->setChecked(true);
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox_READLOG_"))->setChecked(true);
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox_READSETTINGS_"))->setChecked(true);
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox_LOGEN_"))->setChecked(true);
    form.TrendGraph()->SetActiveRows(TrendRows().set());
    form.PageControlMain()->setCurrentWidget(form.Page(MainPage::Graph));
    form.show();
    QApplication::processEvents();

    int answered = 0;
    QObject::connect(&form.Polling()->Controller(), &PollController::CycleFinished,
                     [&](const QList<PolledBlock>&, bool ok) { answered += ok ? 1 : 0; });
    auto* connect = form.findChild<QPushButton*>(QStringLiteral("SpeedButton_CONNECT_"));
    const double startMb = ProcessMegabytes("VmRSS");
    connect->click();
    if (!connect->isChecked()) {
        std::fprintf(stderr, "polling did not start: %s\n", qPrintable(form.StatusPanel(0)));
        return 1;
    }
    QElapsedTimer sinceLast;
    qint64 longest = 0;
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout,
                     [&] { longest = std::max(longest, sinceLast.restart()); });
    sinceLast.start();
    probe.start();
    // The memory every five minutes: a leak keeps growing, a bounded store levels off.
    QList<double> samples;
    QTimer sampler;
    sampler.setInterval(5 * 60 * 1000);
    QObject::connect(&sampler, &QTimer::timeout,
                     [&] { samples.append(ProcessMegabytes("VmRSS")); });
    sampler.start();
    QTest::qWait(int(minutes * 60 * 1000));
    sampler.stop();
    probe.stop();
    connect->click();
    const double endMb = ProcessMegabytes("VmRSS");

    QFile log(logPath);
    qint64 logLines = 0;
    if (log.open(QIODevice::ReadOnly))
        while (!log.atEnd())
            logLines += log.readLine().count(';') > 36 ? 1 : 0;
    std::printf("soak of %.1f min, 200 cells, journal, log, 17 series, 250 ms, fast exchange\n",
                minutes);
    std::printf("  memory at the start %8.1f MB, at the end %8.1f MB\n", startMb, endMb);
    std::printf("  memory every 5 min ");
    for (const double mb : samples)
        std::printf(" %.1f", mb);
    std::printf(" MB\n");
    std::printf("  longest window-thread stall %lld ms (probe every 5 ms)\n", longest);
    // The first answered cycle writes the header alone, each later one a data line.
    std::printf("  cycles answered %d, log lines %lld (the header and data lines)\n", answered,
                logLines);
    return 0;
}
