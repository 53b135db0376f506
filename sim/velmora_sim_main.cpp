// velmora-sim: the simulated controller on a pseudo-terminal, for work without hardware.
// Prints the terminal's path on standard output (and, with --tcp or --rtu-tcp, the network link
// on the next line) and answers until SIGINT or SIGTERM. With
// --write-image it writes a firmware image the simulated bootloader accepts, and ends.

#include "cell_list.h"
#include "language.h"
#include "register_map.h"
#include "simulated_controller.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <optional>
#include <pthread.h>
#include <vector>

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
                 qPrintable(QCoreApplication::translate(
                                "Sim", "--%1: нужно целое число от %2 до %3, задано \"%4\"")
                                .arg(name)
                                .arg(low)
                                .arg(high)
                                .arg(parser.value(name))));
    return false;
}

void Refuse(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// A number with a decimal point or comma within [low, high].
std::optional<double> Decimal(const QString& text, double low, double high) {
    bool ok = false;
    QString point = text.trimmed();
    const double value = point.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (ok && value >= low && value <= high)
        return value;
    return std::nullopt;
}

// The discharge test of --discharge and the options that shape it; false (and said why) when
// one does not read.
bool TestOptions(const QCommandLineParser& parser, int cells, BatteryTest* test) {
    const QString discharge = QStringLiteral("discharge");
    const QStringList shaping = {QStringLiteral("current-steps"), QStringLiteral("weak-cells"),
                                 QStringLiteral("cell-resistance"), QStringLiteral("speed")};
    if (!parser.isSet(discharge)) {
        for (const QString& name : shaping)
            if (parser.isSet(name)) {
                Refuse(
                    QCoreApplication::translate("Sim", "--%1 действует только вместе с --discharge")
                        .arg(name));
                return false;
            }
        return true;
    }
    const auto bad = [&](const QString& name, const QString& value, const QString& wanted) {
        Refuse(QCoreApplication::translate("Sim", "--%1: нужно %2, задано \"%3\"")
                   .arg(name, wanted, value));
        return false;
    };
    QString ignored;
    const auto cellList = [&](const QString& text) { return ParseCellList(text, cells, &ignored); };
    const std::optional<double> amps = Decimal(parser.value(discharge), 0.1, 2000);
    if (!amps)
        return bad(discharge, parser.value(discharge),
                   QCoreApplication::translate("Sim", "число ампер от 0,1 до 2000"));
    test->dischargeAmps = *amps;
    if (const QString steps = parser.value(shaping[0]); parser.isSet(shaping[0])) {
        const QStringList parts = steps.split(QLatin1Char(':'));
        const std::optional<double> other =
            parts.size() == 2 ? Decimal(parts[0], 0, 2000) : std::nullopt;
        const std::optional<double> seconds =
            parts.size() == 2 ? Decimal(parts[1], 1, 86400) : std::nullopt;
        if (!other || !seconds)
            return bad(shaping[0], steps,
                       QCoreApplication::translate(
                           "Sim", "ТОК:СЕКУНДЫ, ток от 0 до 2000 А, время от 1 до 86400 с"));
        test->stepAmps = *other;
        test->stepSeconds = *seconds;
    }
    if (parser.isSet(shaping[1])) {
        const std::optional<std::vector<int>> weak = cellList(parser.value(shaping[1]));
        if (!weak)
            return bad(shaping[1], parser.value(shaping[1]),
                       QCoreApplication::translate("Sim", "номера элементов от 1 до %1 (1-4, 17)")
                           .arg(cells));
        test->weakCells = *weak;
    }
    for (const QString& value : parser.values(shaping[2])) {
        const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
        const std::optional<std::vector<int>> list =
            colon > 0 ? cellList(value.left(colon)) : std::nullopt;
        const std::optional<double> milliohm =
            colon > 0 ? Decimal(value.mid(colon + 1), 0, 1000) : std::nullopt;
        if (!list || !milliohm)
            return bad(shaping[2], value,
                       QCoreApplication::translate(
                           "Sim", "СПИСОК:МОМ, номера элементов от 1 до %1 (1-4, 17) и "
                                  "сопротивление от 0 до 1000 мОм")
                           .arg(cells));
        for (const int cell : *list)
            test->milliohm[cell] = *milliohm;
    }
    if (parser.isSet(shaping[3])) {
        const std::optional<double> speed = Decimal(parser.value(shaping[3]), 1, 100000);
        if (!speed)
            return bad(shaping[3], parser.value(shaping[3]),
                       QCoreApplication::translate("Sim", "число от 1 до 100000"));
        test->speed = *speed;
    }
    return true;
}

// Writes a demo image of `kilobytes`; the exit code.
int WriteImage(const QString& path, int kilobytes) {
    QFile file(path);
    const QByteArray image = DemoImage(kilobytes * 1024);
    if (file.open(QIODevice::WriteOnly) && file.write(image) == image.size() && file.flush())
        return 0;
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate("Sim", "Не удалось записать %1: %2")
                                .arg(path, file.errorString())));
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
    if (const QString warning = InstallStartLanguage(QCoreApplication::arguments().mid(1));
        !warning.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(warning));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "Sim", "Имитатор контроллера АБ: отвечает по Modbus RTU на псевдотерминале."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("address"),
         QCoreApplication::translate("Sim", "Адрес контроллера (1..255), по умолчанию 238."),
         QStringLiteral("N")},
        {QStringLiteral("cells"),
         QCoreApplication::translate("Sim", "Число элементов АБ (1..200), по умолчанию 16."),
         QStringLiteral("N")},
        {QStringLiteral("link"),
         QCoreApplication::translate("Sim", "Символьная ссылка на псевдотерминал."),
         QStringLiteral("PATH")},
        {QStringLiteral("static"),
         QCoreApplication::translate("Sim", "Не менять значения от цикла к циклу.")},
        {QStringLiteral("paced"),
         QCoreApplication::translate(
             "Sim", "Отдавать ответы со скоростью линии (бод: 9600..115200), как настоящий "
                    "контроллер."),
         QStringLiteral("BAUD")},
        {QStringLiteral("turnaround"),
         QCoreApplication::translate(
             "Sim", "Задержка перед ответом в мс при --paced (0..1000), по умолчанию 2."),
         QStringLiteral("MS")},
        {QStringLiteral("write-delay"),
         QCoreApplication::translate(
             "Sim", "Время записи пакета прошивки во флэш в мс (0..5000): ответ на пакет "
                    "уходит после него, по умолчанию 0."),
         QStringLiteral("MS")},
        {QStringLiteral("write-image"),
         QCoreApplication::translate("Sim",
                                     "Записать файл прошивки, который примет загрузчик, и выйти."),
         QStringLiteral("PATH")},
        {QStringLiteral("tcp"),
         QCoreApplication::translate("Sim",
                                     "Отвечать также по Modbus TCP на этом TCP-порту (1..65535)."),
         QStringLiteral("PORT")},
        {QStringLiteral("rtu-tcp"),
         QCoreApplication::translate(
             "Sim", "Отвечать также кадрами RTU через TCP на этом TCP-порту (1..65535)."),
         QStringLiteral("PORT")},
        {QStringLiteral("listen"),
         QCoreApplication::translate("Sim",
                                     "Адрес IPv4 для приёма соединений, по умолчанию 127.0.0.1."),
         QStringLiteral("ADDR")},
        {QStringLiteral("net-delay"),
         QCoreApplication::translate("Sim",
                                     "Задержка ответа по сети в мс (0..10000), по умолчанию 0."),
         QStringLiteral("MS")},
        {QStringLiteral("image-kb"),
         QCoreApplication::translate(
             "Sim", "Размер файла прошивки в килобайтах (1..248), по умолчанию 32."),
         QStringLiteral("N")},
        {QStringLiteral("discharge"),
         QCoreApplication::translate(
             "Sim", "Испытание разрядом: АБ начинает полной и разряжается током AMPS "
                    "(0,1..2000 А), пока не опустеет первый элемент."),
         QStringLiteral("AMPS")},
        {QStringLiteral("current-steps"),
         QCoreApplication::translate(
             "Sim", "Ступени тока: ток разряда сменяется током AMPS и обратно каждые SECONDS "
                    "секунд."),
         QStringLiteral("AMPS:SECONDS")},
        {QStringLiteral("weak-cells"),
         QCoreApplication::translate(
             "Sim", "Слабые элементы (номера и промежутки: 1-4, 17): у них 80 % емкости."),
         QStringLiteral("LIST")},
        {QStringLiteral("cell-resistance"),
         QCoreApplication::translate(
             "Sim", "Сопротивление элементов из списка в мОм (у остальных 1 мОм); можно "
                    "задать несколько раз."),
         QStringLiteral("LIST:MILLIOHM")},
        {QStringLiteral("lang"),
         QCoreApplication::translate("Sim", "Язык сообщений: ru или en; по умолчанию VELMORA_LANG, "
                                            "иначе язык, выбранный в окне."),
         QStringLiteral("LANG")},
        {QStringLiteral("speed"),
         QCoreApplication::translate(
             "Sim", "Батарея и часы контроллера идут в K раз быстрее (1..100000)."),
         QStringLiteral("K")},
    });
    parser.process(app);
    if (parser.isSet(QStringLiteral("lang")) &&
        !LanguageFromCode(parser.value(QStringLiteral("lang")))) {
        Refuse(QCoreApplication::translate("Sim", "--lang: нужен язык ru или en, задано \"%1\"")
                   .arg(parser.value(QStringLiteral("lang"))));
        return 2;
    }

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
    const bool modbusTcp = parser.isSet(QStringLiteral("tcp"));
    if (modbusTcp && parser.isSet(QStringLiteral("rtu-tcp"))) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate("Sim", "--tcp и --rtu-tcp вместе не задаются")));
        return 2;
    }
    int tcpPort = 0;
    if (!NumberOption(parser, QStringLiteral("tcp"), 1, 65535, &tcpPort) ||
        !NumberOption(parser, QStringLiteral("rtu-tcp"), 1, 65535, &tcpPort) ||
        !NumberOption(parser, QStringLiteral("net-delay"), 0, 10000, &options.netDelayMs))
        return 2;
    if (tcpPort > 0)
        options.network = modbusTcp ? SimNetwork::ModbusTcp : SimNetwork::RtuOverTcp;
    options.tcpPort = quint16(tcpPort);
    if (parser.isSet(QStringLiteral("listen")))
        options.listenAddress = parser.value(QStringLiteral("listen"));
    if (!TestOptions(parser, options.cellCount, &options.batteryTest))
        return 2;

    SimulatedController controller(options);
    QString error;
    if (!controller.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(controller.portPath()));
    const QString network =
        options.network == SimNetwork::None ? QString() : controller.masterPortName();
    if (!network.isEmpty())
        std::printf("%s\n", qPrintable(network));
    std::fflush(stdout);
    std::fprintf(
        stderr, "%s\n",
        qPrintable(
            QCoreApplication::translate("Sim",
                                        "Контроллер с адресом %1 и %2 элементами слушает порт "
                                        "%3%4%5. Остановка: Ctrl+C.")
                .arg(options.address)
                .arg(options.cellCount)
                .arg(controller.portPath(),
                     options.linkPath.isEmpty()
                         ? QString()
                         : QCoreApplication::translate("Sim", " (ссылка %1)").arg(options.linkPath),
                     network.isEmpty()
                         ? QString()
                         : QCoreApplication::translate("Sim", " и %1").arg(network))));

    int received = 0;
    sigwait(&stopSignals, &received);
    controller.stop();
    return 0;
}
