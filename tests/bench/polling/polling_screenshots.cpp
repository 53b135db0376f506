// Pictures of the window at its start size while it polls a simulated battery of 200 cells, for
// the README: the main page, the cell page with its overview and the traffic monitor after a few
// cycles. A manual step, not a test.
//
// Run: QT_QPA_PLATFORM=offscreen build/tests/bench/polling/polling_screenshots docs

#include "connection_dialog.h"
#include "main_window.h"
#include "polling_cycle.h"
#include "simulated_controller.h"
#include "traffic_window.h"
#include "window_on_sim.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // As an operator in the Russian locale sees it: decimal commas.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    SimulatedController::Options options;
    options.animate = true;
    options.cellCount = 200;
    SimulatedController sim(options);
    QString error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "the simulated controller did not start: %s\n", qPrintable(error));
        return 1;
    }
    sim.preloadJournal(40);

    TForm1 form;
    ConnectDialogTo(form, sim.portPath());
    form.FormMonitor()->show();
    form.show();

    auto* connect = form.findChild<QPushButton*>(QStringLiteral("SpeedButton_CONNECT_"));
    connect->click();
    if (!connect->isChecked()) {
        std::fprintf(stderr, "polling did not start: %s\n", qPrintable(form.StatusPanel(0)));
        return 1;
    }
    // Three cycles, and the tick that shows the third.
    QSignalSpy cycles(&form.Polling()->Controller(), &PollController::CycleFinished);
    while (cycles.size() < 3 && cycles.wait(30000)) {
    }
    QTest::qWait(1500);

    bool saved = SaveWindowPicture(form, out.filePath(QStringLiteral("main_page.png")));
    form.PageControlMain()->setCurrentWidget(form.Page(MainPage::Info));
    form.findChild<QTabWidget*>(QStringLiteral("PageControl_INFO_"))
        ->setCurrentWidget(form.Page(InfoPage::Cells));
    saved = SaveWindowPicture(form, out.filePath(QStringLiteral("cell_page.png"))) && saved;
    saved = SaveWindowPicture(*form.FormMonitor(), out.filePath(QStringLiteral("traffic_monitor.png"))) && saved;
    connect->click();
    return saved ? 0 : 1;
}
