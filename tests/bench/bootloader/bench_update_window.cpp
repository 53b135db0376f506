// The firmware update as the window runs it, at 9600 baud against the paced simulated controller:
// the longest stall of the window's thread while the packets go, and how many counter texts the
// page showed, with the fixed waits and with the fast exchange. Given a folder, it also saves a
// picture of the update page half-way through the first update there (update_page.png).
//
// Run: QT_QPA_PLATFORM=offscreen build/tests/bench/bootloader/bench_update_window [docs]

#include "bench_figures.h"
#include "bootloader_handlers.h"
#include "bootloader_model.h"
#include "main_window.h"
#include "scripted_prompts.h"
#include "simulated_controller.h"
#include "window_on_sim.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int ImageBytes = 8 * 1024;
constexpr int BaudRate = 9600;

// picturePath: where to save the page half-way through, or empty.
void BenchUpdate(const QString& imagePath, bool fast, const QString& picturePath) {
    SimulatedControllerOptions options = DemoControllerOptions();
    options.pacedBaudRate = BaudRate;
    SimulatedController sim(options);
    QString error;
    if (!sim.start(&error)) {
        std::printf("  simulator: %s\n", qPrintable(error));
        return;
    }
    sim.enterBootloader();
    ScriptedPrompts prompts;
    prompts.files = {imagePath};
    TForm1 form;
    ConnectDialogTo(form, sim.portPath());
    auto* baud = form.findChild<QComboBox*>(QStringLiteral("ComboBox_BAUDRATE_"));
    baud->setCurrentIndex(baud->findText(QString::number(BaudRate)));
    form.findChild<QCheckBox*>(QStringLiteral("CheckBox_FASTEXCHANGE_"))->setChecked(fast);
    form.PageControlMain()->setCurrentWidget(form.Page(MainPage::Bootloader));
    form.show();

    auto* progress = form.findChild<QProgressBar*>(QStringLiteral("ProgressBar_BOOTLOADER_"));
    bool pictured = picturePath.isEmpty();
    auto* counter = form.findChild<QLabel*>(QStringLiteral("Label_BOOTLOADERPROGRESS_"));
    QSet<QString> counts;
    auto* handlers = form.findChild<BootloaderHandlers*>();
    QSignalSpy ended(handlers, &BootloaderHandlers::Ended);
    QElapsedTimer clock;
    clock.start();
    qint64 longest = 0;
    {
        const StallProbe probe;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (!counter->text().isEmpty())
                counts.insert(counter->text());
            if (!pictured && progress->value() >= 50) {
                SaveWindowPicture(form, picturePath);
                pictured = true;
            }
        });
        watch.start(20);
        form.findChild<QPushButton*>(QStringLiteral("BitBtn_BOOTLOADERAUTOBOOT_"))->click();
        ended.wait(600000);
        longest = probe.LongestMs();
    }
    const QStringList lines =
        form.findChild<QPlainTextEdit*>(QStringLiteral("Memo2"))->toPlainText().split(u'\n');
    std::printf("  %-14s update %6lld ms, longest window stall %4lld ms, %lld counter texts "
                "seen of %d packets; last line: %s\n",
                fast ? "fast exchange" : "fixed waits", clock.elapsed(), longest,
                qlonglong(counts.size()), ImageBytes / 240 + 1, qPrintable(lines.last()));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("firmware.bin"));
    QFile file(path);
    const QByteArray image = DemoImage(ImageBytes);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        return 1;
    file.close();
    std::printf("%d-byte image from the bootloader at %d baud, paced simulator\n", ImageBytes,
                BaudRate);
    const QString picture =
        argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("update_page.png"))
                 : QString();
    BenchUpdate(path, false, picture);
    BenchUpdate(path, true, QString());
    return 0;
}
