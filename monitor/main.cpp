#include "connection_dialog.h"
#include "language_menu.h"
#include "main_window.h"
#include "qt_prompts.h"
#include "simulated_controller.h"
#include "window_settings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

constexpr int BadLanguageExit = 2;

// Built once a translation is installed, so that the help reads in the chosen language.
struct CommandLineOptions {
    QCommandLineOption port{
        QStringLiteral("port"),
        QCoreApplication::translate("Main", "Добавить ПУТЬ в список портов и выбрать его; "
                                            "tcp://УЗЕЛ[:ПОРТ] или rtu+tcp://УЗЕЛ:ПОРТ "
                                            "выбирает связь по сети."),
        QCoreApplication::translate("Main", "ПУТЬ")};
    QCommandLineOption demo{
        QStringLiteral("demo"),
        QCoreApplication::translate(
            "Main", "Запустить в программе имитатор контроллера и выбрать его порт.")};
    QCommandLineOption lang{QStringLiteral("lang"),
                            QCoreApplication::translate("Main", "Язык окна: ru или en."),
                            QStringLiteral("ru|en")};
};

// Every remembered setting of the window (its own, the connection dialog's network link) goes
// to the one file QSettings names from these.
void NameApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
}

void AddOptions(QCommandLineParser& parser, const CommandLineOptions& options) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "Main", "Обслуживание и мониторинг контроллера АБ по Modbus RTU."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.port);
    parser.addOption(options.demo);
    parser.addOption(options.lang);
}

// The language goes in before any text is made; a --lang naming no language ends the program.
bool InstallLanguageOrRefuse() {
    QString refusal;
    if (InstallStartLanguage(QCoreApplication::arguments().mid(1), &refusal))
        return true;
    std::fprintf(stderr, "%s\n", qPrintable(refusal));
    return false;
}

// The help and the version need no window system: they are answered before the window's
// application is made, which ends the program where there is no display. Nothing when the
// command line asks for neither.
std::optional<int> AnswerWithoutWindow(int argc, char* argv[]) {
    QCoreApplication core(argc, argv);
    NameApplication();
    if (!InstallLanguageOrRefuse())
        return BadLanguageExit;
    const CommandLineOptions options;
    QCommandLineParser parser;
    AddOptions(parser, options);
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
    if (!InstallLanguageOrRefuse())
        return BadLanguageExit;
    const CommandLineOptions options;
    QCommandLineParser parser;
    AddOptions(parser, options);
    parser.process(app);

    // The simulated controller answers on its own thread, so the window's blocking exchanges
    // still get their replies.
    std::unique_ptr<SimulatedController> demo;
    if (parser.isSet(options.demo)) {
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
    // The port of the last run is selected before the command line's, which wins.
    QSettings settings;
    RestoreWindowSettings(form1, settings);
    if (parser.isSet(options.port))
        form1.Form4()->AddPort(parser.value(options.port));
    if (demo)
        form1.Form4()->AddPort(demo->portPath());
    form1.show();
    const int result = QApplication::exec();
    SaveWindowSettings(form1, settings);
    SetPrompts(nullptr);
    return result;
}
