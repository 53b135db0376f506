#include "console.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace {

void Print(std::FILE* stream, const QString& text) {
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stream);
    std::fflush(stream);
}

bool IsYes(const QString& answer) {
    static const QStringList yes = {QStringLiteral("y"), QStringLiteral("yes"), QStringLiteral("д"),
                                    QStringLiteral("да")};
    return yes.contains(answer.trimmed().toLower());
}

} // namespace

void PrintOut(const QString& text) {
    Print(stdout, text);
}

void PrintError(const QString& text) {
    Print(stderr, text);
}

Prompts::Answer ConsolePrompts::Message(const QString& text, const QString& caption,
                                        Buttons buttons, Icon) {
    if (buttons == Buttons::YesNo) {
        const QString question = text + QCoreApplication::translate("Cli", " [д/н]: ");
        if (assumeYes_) {
            PrintError(question + QCoreApplication::translate("Cli", "да"));
            return Answer::Yes;
        }
        std::fputs(question.toUtf8().constData(), stderr);
        std::fflush(stderr);
        char line[256];
        inputClosed_ = std::fgets(line, sizeof line, stdin) == nullptr;
        // An answer from a pipe has no echo of its own to end the question's line.
        if (inputClosed_ || !::isatty(::fileno(stdin)))
            PrintError(inputClosed_ ? QString() : QString::fromUtf8(line).trimmed());
        return !inputClosed_ && IsYes(QString::fromUtf8(line)) ? Answer::Yes : Answer::No;
    }
    const bool named = !caption.isEmpty() && caption != QCoreApplication::applicationName();
    PrintError(named ? caption + QStringLiteral(": ") + text : text);
    return Answer::Ok;
}
