// Times synchronous exchanges with the simulated controller on a pseudo-terminal: a 50-register
// read and an unanswered request, at each baud rate of the connection dialog.
#include "connection_settings.h"
#include "line_settings.h"
#include "modbus_frames.h"
#include "simulated_controller.h"
#include "sync_exchange.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Runs = 5;

struct Figures {
    qint64 best = 0;
    qint64 worst = 0;
    int bytes = 0;
};

Figures Time(const QByteArray& request) {
    Figures figures{std::numeric_limits<qint64>::max(), 0, 0};
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        figures.bytes = ExchangeSync(LoadSyncTxFrame(request));
        const qint64 ms = clock.elapsed();
        figures.best = std::min(figures.best, ms);
        figures.worst = std::max(figures.worst, ms);
    }
    return figures;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    SimulatedController sim;
    QString error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
        return 1;
    }
    const QByteArray read50 = BuildReadRequest(238, 0, 50);
    std::printf("%-8s %-22s %8s %8s %6s %12s\n", "baud", "exchange", "best ms", "worst ms", "bytes",
                "settle ms");
    for (int baudIndex = 0; baudIndex < 5; ++baudIndex) {
        SetConnectionSettingsSource([&] {
            return ConnectionSettings{sim.portPath(), baudIndex, 0, QStringLiteral("238")};
        });
        const LineSettings line = LineSettingsFor(baudIndex, 0);
        const int settle = SettleWaitMs(line.bitTimeMs);
        sim.clearFaults();
        const Figures answered = Time(read50);
        std::printf("%-8d %-22s %8lld %8lld %6d %12d\n", line.baudRate, "read of 50 registers",
                    answered.best, answered.worst, answered.bytes, settle);
        sim.injectFault(Fault{FaultKind::NoReply}, PersistentFault);
        const Figures silent = Time(read50);
        std::printf("%-8d %-22s %8lld %8lld %6d %12d\n", line.baudRate, "no reply", silent.best,
                    silent.worst, silent.bytes, settle);
    }
    sim.clearFaults();
    SetConnectionSettingsSource({});
    return 0;
}
