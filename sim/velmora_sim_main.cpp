// velmora-sim: the simulated controller on a pseudo-terminal, for work without hardware.
// Prints the terminal's path on standard output and answers until SIGINT or SIGTERM. With
// --write-image it writes a firmware image the simulated bootloader accepts, and ends.

#include "register_map.h"
#include "simulated_controller.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <pthread.h>

namespace {

// The value of a numeric option within [low, high]; reports and returns false otherwise.
bool NumberOption(const QCommandLineParser& parser, const QString& name, int low, int high,
                  int* value) {
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    *value = parser.value(name).toInt(&ok);
    if (ok && *value >= low && *value <= high)
        return true;
    std::fprintf(stderr, "%s\n",
                 qPrintable(QStringLiteral("--%1: нужно целое число от %2 до %3, задано \"%4\"")
                                .arg(name)
                                .arg(low)
                                .arg(high)
                                .arg(parser.value(name))));
    return false;
}

// Writes a demo image of `kilobytes`; the exit code.
int WriteImage(const QString& path, int kilobytes) {
    QFile file(path);
    const QByteArray image = DemoImage(kilobytes * 1024);
    if (file.open(QIODevice::WriteOnly) && file.write(image) == image.size() && file.flush())
        return 0;
    std::fprintf(
        stderr, "%s\n",
        qPrintable(QStringLiteral("Не удалось записать %1: %2").arg(path, file.errorString())));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // Blocked before any thread starts, so that only sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Имитатор контроллера АБ: отвечает по Modbus RTU на псевдотерминале."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("address"), QStringLiteral("Адрес контроллера (1..255), по умолчанию 238."),
         QStringLiteral("N")},
        {QStringLiteral("cells"), QStringLiteral("Число элементов АБ (1..200), по умолчанию 16."),
         QStringLiteral("N")},
        {QStringLiteral("link"), QStringLiteral("Символьная ссылка на псевдотерминал."),
         QStringLiteral("PATH")},
        {QStringLiteral("static"), QStringLiteral("Не менять значения от цикла к циклу.")},
        {QStringLiteral("paced"),
         QStringLiteral("Отдавать ответы со скоростью линии (бод: 9600..115200), как настоящий "
                        "контроллер."),
         QStringLiteral("BAUD")},
        {QStringLiteral("turnaround"),
         QStringLiteral("Задержка перед ответом в мс при --paced (0..1000), по умолчанию 2."),
         QStringLiteral("MS")},
        {QStringLiteral("write-delay"),
         QStringLiteral("Время записи пакета прошивки во флэш в мс (0..5000): ответ на пакет "
                        "уходит после него, по умолчанию 0."),
         QStringLiteral("MS")},
        {QStringLiteral("write-image"),
         QStringLiteral("Записать файл прошивки, который примет загрузчик, и выйти."),
         QStringLiteral("PATH")},
        {QStringLiteral("image-kb"),
         QStringLiteral("Размер файла прошивки в килобайтах (1..248), по умолчанию 32."),
         QStringLiteral("N")},
    });
    parser.process(app);

    if (parser.isSet(QStringLiteral("write-image"))) {
        int kilobytes = 32;
        if (!NumberOption(parser, QStringLiteral("image-kb"), 1, SimMap::Boot::FlashFreeKb,
                          &kilobytes))
            return 2;
        return WriteImage(parser.value(QStringLiteral("write-image")), kilobytes);
    }

    SimulatedController::Options options;
    options.animate = !parser.isSet(QStringLiteral("static"));
    options.linkPath = parser.value(QStringLiteral("link"));
    int address = options.address;
    if (!NumberOption(parser, QStringLiteral("address"), 1, 255, &address) ||
        !NumberOption(parser, QStringLiteral("cells"), 1, 200, &options.cellCount))
        return 2;
    options.address = quint8(address);
    int turnaroundMs = options.turnaroundUs / 1000;
    if (!NumberOption(parser, QStringLiteral("paced"), 9600, 115200, &options.pacedBaudRate) ||
        !NumberOption(parser, QStringLiteral("turnaround"), 0, 1000, &turnaroundMs) ||
        !NumberOption(parser, QStringLiteral("write-delay"), 0, 5000,
                      &options.bootTiming.writeDelayMs))
        return 2;
    options.turnaroundUs = turnaroundMs * 1000;

    SimulatedController controller(options);
    QString error;
    if (!controller.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(controller.portPath()));
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n",
                 qPrintable(QStringLiteral("Контроллер с адресом %1 и %2 элементами слушает порт "
                                           "%3%4. Остановка: Ctrl+C.")
                                .arg(options.address)
                                .arg(options.cellCount)
                                .arg(controller.portPath(),
                                     options.linkPath.isEmpty()
                                         ? QString()
                                         : QStringLiteral(" (ссылка %1)").arg(options.linkPath))));

    int received = 0;
    sigwait(&stopSignals, &received);
    controller.stop();
    return 0;
}
