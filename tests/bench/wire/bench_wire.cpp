// Measures the exchanges against the simulated controller delivering its replies at line speed,
// with the fixed waits and with the fast exchange, beside the time the frames take on the line
// (and, for the fixed waits, beside what the waiting rules add up to).
#include "bootloader.h"
#include "bootloader_model.h"
#include "connection_settings.h"
#include "fast_exchange.h"
#include "line_settings.h"
#include "poll_worker.h"
#include "simulated_controller.h"
#include "sync_boot_exchange.h"
#include "sync_exchange.h"
#include "update_procedures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int TurnaroundUs = 2000;
constexpr int Cells = 200;
constexpr int Runs = 3;

struct Baud {
    int index;
    int rate;
};
constexpr Baud Bauds[] = {{0, 9600}, {1, 19200}, {4, 115200}};

class QuietView final : public BootView {
public:
    void AddLine(const QString&) override {}
};

double CharMs(const LineSettings& line) {
    return CharacterTimeUs(line) / 1000.0;
}

// The frames' time on the line: each request, the controller's turnaround, each reply; with the
// fast exchange also the frame silence before the next request.
double WireMs(const QList<QByteArray>& requests, const LineSettings& line, bool gaps) {
    double ms = 0;
    for (const QByteArray& request : requests)
        ms += (request.size() + ExpectedReplyLengthFor(request)) * CharMs(line) +
              TurnaroundUs / 1000.0 + (gaps ? FrameSilenceUs(line) / 1000.0 : 0);
    return ms;
}

// What the polling rules give: each reply's first byte, then the settle wait of 250 ms plus the
// line time of 255 characters.
double PollRulesMs(const QList<QByteArray>& requests, const LineSettings& line) {
    double ms = 0;
    for (const QByteArray& request : requests)
        ms += (request.size() + 1) * CharMs(line) + TurnaroundUs / 1000.0 + line.settleDelayMs +
              PollWorker::SettleMarginMs;
    return ms;
}

// The synchronous rules: 10 ms, then rounds of 10 ms while no byte has come, then the settle
// wait.
double SyncRulesMs(const QByteArray& request, const LineSettings& line) {
    const double firstByte = (request.size() + 1) * CharMs(line) + TurnaroundUs / 1000.0;
    const double rounds = firstByte <= 10 ? 0 : std::ceil((firstByte - 10) / 10);
    return 10 + rounds * 10 + SettleWaitMs(line.bitTimeMs);
}

void Row(const char* what, double measuredMs, double wireMs, double rulesMs) {
    if (rulesMs > 0)
        std::printf("  %-34s %9.1f ms   rules %9.1f ms  (%.3f x)\n", what, measuredMs, rulesMs,
                    measuredMs / rulesMs);
    else
        std::printf("  %-34s %9.1f ms   wire  %9.1f ms  (%.3f x)\n", what, measuredMs, wireMs,
                    measuredMs / wireMs);
}

double Median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void BenchCycle(SimulatedController& sim, const ConnectionSettings& settings, bool journal,
                const char* what) {
    const LineSettings line = LineSettingsFor(settings.baudIndex, 0);
    PollController polling;
    QSignalSpy cycles(&polling, &PollController::CycleFinished);
    polling.SetReadOptions(journal, journal);
    if (!polling.OpenPollPort(settings, 238))
        return;
    QList<double> times;
    QList<QByteArray> requests;
    for (int run = 0; run < Runs; ++run) {
        sim.clearReceivedFrames();
        QElapsedTimer clock;
        clock.start();
        polling.StartPollCycle();
        cycles.wait(120000);
        times.append(clock.nsecsElapsed() / 1e6);
        requests = sim.receivedFrames();
    }
    polling.ClosePollPort();
    Row(what, Median(times), WireMs(requests, line, settings.fastExchange),
        settings.fastExchange ? 0 : PollRulesMs(requests, line));
}

void BenchRead(const ConnectionSettings& settings) {
    const LineSettings line = LineSettingsFor(settings.baudIndex, 0);
    const QByteArray request = BuildReadRequest(238, 0, 50);
    QList<double> times;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const quint16 received = ExchangeSync(LoadSyncTxFrame(request));
        times.append(clock.nsecsElapsed() / 1e6);
        if (received != ExpectedReplyLengthFor(request))
            std::printf("  (reply of %d bytes, %d expected)\n", received,
                        ExpectedReplyLengthFor(request));
    }
    Row("50-register command read", Median(times), WireMs({request}, line, false),
        settings.fastExchange ? 0 : SyncRulesMs(request, line));
}

void BenchPackets(SimulatedController& sim, const ConnectionSettings& settings, int imageBytes) {
    const LineSettings line = LineSettingsFor(settings.baudIndex, 0);
    QuietView view;
    Bootloader boot(SyncBootExchange, view, 238, false);
    if (!boot.BootInit() || !boot.BootErase(EraseProgramArea))
        return;
    sim.clearReceivedFrames();
    QElapsedTimer clock;
    clock.start();
    boot.BootWriteImage(DemoImage(imageBytes));
    const double measured = clock.nsecsElapsed() / 1e6;
    const QList<QByteArray> requests = sim.receivedFrames();
    double rules = 0;
    for (const QByteArray& request : requests)
        rules += SyncRulesMs(request, line);
    const QByteArray label = QByteArray::number(imageBytes / 1024) + " KiB image, packet loop";
    Row(label.constData(), measured, WireMs(requests, line, false),
        settings.fastExchange ? 0 : rules);
    boot.BootFinish();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // --quick: a 16 KiB image instead of 128 KiB, for a run of a few minutes.
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    const int imageBytes = (quick ? 16 : 128) * 1024;
    std::printf("Paced simulator: %d cells, turnaround %d us; medians of %d runs\n", Cells,
                TurnaroundUs, Runs);
    // --baud N: only that rate.
    const int onlyBaud =
        app.arguments().indexOf(QStringLiteral("--baud")) >= 0
            ? app.arguments().value(app.arguments().indexOf(QStringLiteral("--baud")) + 1).toInt()
            : 0;
    for (const Baud& baud : Bauds) {
        if (onlyBaud != 0 && baud.rate != onlyBaud)
            continue;
        for (const bool fast : {false, true}) {
            SimulatedControllerOptions options;
            options.cellCount = Cells;
            options.pacedBaudRate = baud.rate;
            options.turnaroundUs = TurnaroundUs;
            options.bootTiming = {100, 100};
            SimulatedController sim(options);
            QString error;
            if (!sim.start(&error)) {
                std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
                return 1;
            }
            sim.preloadJournal(900);
            const ConnectionSettings settings{sim.portPath(), baud.index, 0, QStringLiteral("238"),
                                              fast};
            SetConnectionSettingsSource([&] { return settings; });
            std::printf("%d baud, %s:\n", baud.rate, fast ? "fast exchange" : "fixed waits");
            BenchCycle(sim, settings, false, "6-block status cycle");
            BenchCycle(sim, settings, true, "34-block cycle (settings, journal)");
            BenchRead(settings);
            BenchPackets(sim, settings, imageBytes);
            std::fflush(stdout);
            SetConnectionSettingsSource({});
        }
    }
    return 0;
}
