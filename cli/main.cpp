// velmora-cli: the controller from a shell, on the libraries of the window without any widget.

#include "subcommands.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    return RunCli(QCoreApplication::arguments().mid(1));
}
