// Times an automatic firmware update of a 128 KiB image at 115200 baud against the simulated
// controller on a pseudo-terminal, beside the time its frames take on a real line.
#include "bootloader_model.h"
#include "connection_settings.h"
#include "line_settings.h"
#include "simulated_controller.h"
#include "sync_boot_exchange.h"
#include "update_procedures.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int ImageBytes = 128 * 1024;
constexpr int BaudIndex = 4; // 115200
constexpr int EraseDelayMs = 500;

// Counts the log lines and keeps the last one.
class QuietView final : public BootView {
public:
    void AddLine(const QString& line) override {
        last = line;
        ++lines;
    }
    QString last;
    int lines = 0;
};

// The bytes of the reply each request of the update gets when all goes well.
int ReplyBytes(const QByteArray& request) {
    switch (quint8(request[1])) {
    case 0x03:
        return 5 + 2 * (quint8(request[4]) << 8 | quint8(request[5]));
    case 0x20:
    case 0x31:
        return 6;
    default:
        return 5;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    SimulatedControllerOptions options;
    options.bootTiming = {EraseDelayMs, 200};
    SimulatedController sim(options);
    QString error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
        return 1;
    }
    SetConnectionSettingsSource([&] {
        return ConnectionSettings{sim.portPath(), BaudIndex, 0, QStringLiteral("238")};
    });
    const LineSettings line = LineSettingsFor(BaudIndex, 0);

    QuietView view;
    Bootloader boot(SyncBootExchange, view, 238, false);
    const QByteArray image = DemoImage(ImageBytes);
    QElapsedTimer clock;
    clock.start();
    AutomaticUpdate(boot, image, UpdateStart::FromApplication);
    const qint64 updateMs = clock.elapsed();

    const QList<QByteArray> frames = sim.receivedFrames();
    qint64 bytes = 0;
    for (const QByteArray& frame : frames)
        bytes += frame.size() + ReplyBytes(frame);
    // Ten bits a character: start, eight data bits, stop.
    const double wireMs = double(bytes) * 10.0 * 1000.0 / line.baudRate;
    const bool programmed = sim.programmedImage() == image;
    std::printf("image %d bytes, %d packets, %lld exchanges at %d baud\n", ImageBytes,
                ImageBytes / 240 + 1, qlonglong(frames.size()), line.baudRate);
    std::printf("update            %8lld ms (erase answered after %d ms)\n", updateMs,
                EraseDelayMs);
    std::printf("frames on a line  %8.0f ms (%lld bytes both ways)\n", wireMs, bytes);
    std::printf("per packet        %8.1f ms against %.1f ms on the line\n",
                double(updateMs - EraseDelayMs) / (ImageBytes / 240 + 1),
                (249 + 5) * 10.0 * 1000.0 / line.baudRate);
    std::printf("programmed image  %s; last line: %s\n", programmed ? "matches" : "DIFFERS",
                qPrintable(view.last));
    SetConnectionSettingsSource({});
    return programmed ? 0 : 1;
}
