#include "connection_dialog.h"
#include "main_window.h"
#include "qt_prompts.h"
#include "simulated_controller.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

const QCommandLineOption PortOption(QStringLiteral("port"),
                                    QStringLiteral("Добавить ПУТЬ в список портов и выбрать его."),
                                    QStringLiteral("ПУТЬ"));
const QCommandLineOption
    DemoOption(QStringLiteral("demo"),
               QStringLiteral("Запустить в программе имитатор контроллера и выбрать его порт."));

void NameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
}

void AddOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Обслуживание и мониторинг контроллера АБ по Modbus RTU."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(PortOption);
    parser.addOption(DemoOption);
}

// The help and the version need no window system: they are answered before the window's
// application is made, which ends the program where there is no display. Nothing when the
// command line asks for neither.
std::optional<int> AnswerWithoutWindow(int argc, char* argv[]) {
    QCoreApplication core(argc, argv);
    NameApplication();
    QCommandLineParser parser;
    AddOptions(parser);
    // The window system's own options (-platform ...) are unknown here; the window's parser
    // judges the command line again.
    parser.parse(QCoreApplication::arguments());
    QString answer;
    if (parser.isSet(QStringLiteral("help")))
        answer = parser.helpText();
    else if (parser.isSet(QStringLiteral("version")))
        answer = QCoreApplication::applicationName() + QLatin1Char(' ') +
                 QCoreApplication::applicationVersion() + QLatin1Char('\n');
    else
        return std::nullopt;
    std::fputs(answer.toLocal8Bit().constData(), stdout);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = AnswerWithoutWindow(argc, argv))
        return *answered;

    QApplication app(argc, argv);
    NameApplication();
    QCommandLineParser parser;
    AddOptions(parser);
    parser.process(app);

    // The simulated controller answers on its own thread, so the window's blocking exchanges
    // still get their replies.
    std::unique_ptr<SimulatedController> demo;
    if (parser.isSet(DemoOption)) {
        demo = std::make_unique<SimulatedController>(DemoControllerOptions());
        QString error;
        if (!demo->start(&error)) {
            std::fprintf(stderr, "velmora: the simulated controller did not start: %s\n",
                         qPrintable(error));
            return 1;
        }
    }

    TForm1 form1;
    QtPrompts prompts(&form1, form1.OpenDialog1(), form1.SaveDialog1());
    SetPrompts(&prompts);
    if (parser.isSet(PortOption))
        form1.Form4()->AddPort(parser.value(PortOption));
    if (demo)
        form1.Form4()->AddPort(demo->portPath());
    form1.show();
    const int result = QApplication::exec();
    SetPrompts(nullptr);
    return result;
}
