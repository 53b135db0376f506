#include "connection_dialog.h"
#include "main_window.h"
#include "qt_prompts.h"
#include "simulated_controller.h"
#include "window_settings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Adds PATH to the port list and selects it."),
        QStringLiteral("PATH"));
    const QCommandLineOption demoOption(
        QStringLiteral("demo"),
        QStringLiteral("Starts the simulated controller in this program and selects its port."));
    parser.addOption(portOption);
    parser.addOption(demoOption);
    parser.process(app);

    // The simulated controller answers on its own thread, so the window's blocking exchanges
    // still get their replies.
    std::unique_ptr<SimulatedController> demo;
    if (parser.isSet(demoOption)) {
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
    QSettings settings(QStringLiteral("Velmora"), QStringLiteral("velmora"));
    RestoreWindowSettings(form1, settings);
    if (parser.isSet(portOption))
        form1.Form4()->AddPort(parser.value(portOption));
    if (demo)
        form1.Form4()->AddPort(demo->portPath());
    form1.show();
    const int result = QApplication::exec();
    SaveWindowSettings(form1, settings);
    SetPrompts(nullptr);
    return result;
}
