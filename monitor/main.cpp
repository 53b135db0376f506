#include "connection_dialog.h"
#include "main_window.h"
#include "qt_prompts.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Adds PATH to the port list and selects it."),
        QStringLiteral("PATH"));
    parser.addOption(portOption);
    parser.process(app);

    TForm1 form1;
    QtPrompts prompts(&form1, form1.OpenDialog1(), form1.SaveDialog1());
    SetPrompts(&prompts);
    if (parser.isSet(portOption))
        form1.Form4()->AddPort(parser.value(portOption));
    form1.show();
    const int result = QApplication::exec();
    SetPrompts(nullptr);
    return result;
}
