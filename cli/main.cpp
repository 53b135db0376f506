// velmora-cli: the controller from a shell, on the libraries of the window without any widget.

#include "console.h"
#include "language.h"
#include "subcommands.h"

#include <QGuiApplication>

#include <memory>

int main(int argc, char* argv[]) {
    // The report draws pictures and pages, which needs Qt's gui part with its fonts; the tool
    // has no window, so it draws offscreen, display or not.
    bool drawing = false;
    for (int i = 1; i < argc; ++i)
        drawing = drawing || qstrcmp(argv[i], "report") == 0;
    if (drawing)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        drawing ? std::make_unique<QGuiApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (const QString warning = InstallStartLanguage(arguments); !warning.isEmpty())
        PrintError(warning);
    return RunCli(arguments);
}
