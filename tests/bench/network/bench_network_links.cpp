// Figures of polling over each link, printed, not judged: the 6-block status cycle and the
// 34-block cycle with settings and journal of a 200-cell controller, over the terminal (fast
// exchange at 115200 baud, unpaced), RTU over TCP and Modbus TCP on loopback, plain and with a
// 20 ms network delay. The expected figure of a delayed cycle is blocks x (delay + the
// simulator's own time per block, from the plain cycle).
//
// Run: build/tests/bench/network/bench_network_links

#include "bench_figures.h"
#include "poll_worker.h"
#include "simulated_controller.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <cstdio>

namespace {

constexpr int Runs = 10;
constexpr int NetDelayMs = 20;

struct LinkCase {
    const char* name;
    SimNetwork network;
};
constexpr LinkCase Links[] = {{"serial (pty, fast)", SimNetwork::None},
                              {"RTU over TCP", SimNetwork::RtuOverTcp},
                              {"Modbus TCP", SimNetwork::ModbusTcp}};

// Milliseconds of one whole cycle, Runs times; empty when a cycle went unanswered.
std::vector<double> Cycles(const QString& portName, bool settingsAndJournal) {
    PollController polling;
    ConnectionSettings settings{portName, 4, 0, QStringLiteral("238")};
    settings.fastExchange = true;
    polling.SetReadOptions(settingsAndJournal, settingsAndJournal);
    if (!polling.OpenPollPort(settings, 238))
        return {};
    QSignalSpy cycles(&polling, &PollController::CycleFinished);
    std::vector<double> ms;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        polling.StartPollCycle();
        if (!cycles.wait(60000) || !cycles.last().at(1).toBool())
            return {};
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    qRegisterMetaType<QList<PolledBlock>>();
    std::printf("| link | cycle | net delay, ms | median, ms | expected, ms | ratio |\n");
    std::printf("|---|---|---|---|---|---|\n");
    for (const LinkCase& link : Links)
        for (const bool full : {false, true}) {
            const int blocks = full ? 34 : 6;
            double ownPerBlockMs = 0;
            for (const int delay : {0, NetDelayMs}) {
                if (link.network == SimNetwork::None && delay > 0)
                    continue;
                SimulatedControllerOptions options;
                options.cellCount = 200;
                options.network = link.network;
                options.netDelayMs = delay;
                SimulatedController sim(options);
                if (!sim.start())
                    return 1;
                const std::vector<double> ms = Cycles(sim.masterPortName(), full);
                if (ms.empty()) {
                    std::printf("| %s | %d blocks | %d | no answer | | |\n", link.name, blocks,
                                delay);
                    continue;
                }
                const Figures f = Summarise(ms);
                if (delay == 0)
                    ownPerBlockMs = f.median / blocks;
                const double expected = blocks * (delay + ownPerBlockMs);
                std::printf("| %s | %d blocks | %d | %.1f | %.1f | %.2f |\n", link.name, blocks,
                            delay, f.median, expected, f.median / expected);
            }
        }
    return 0;
}
