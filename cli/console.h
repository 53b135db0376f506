#pragma once

#include "prompts.h"

#include <QString>

// The operator's terminal: results on standard output, everything said to the operator on
// standard error, answers read from standard input. Text goes out as UTF-8.

void PrintOut(const QString& text); // one line
void PrintError(const QString& text);

// Message boxes become lines on standard error ("caption: text"); a yes/no question is asked on
// standard error and answered by a line on standard input, or at once with yes when the
// operator said so on the command line. The tool asks for no typed values or file names.
class ConsolePrompts final : public Prompts {
public:
    explicit ConsolePrompts(bool assumeYes) : assumeYes_(assumeYes) {}

    Answer Message(const QString& text, const QString& caption, Buttons buttons,
                   Icon icon) override;
    std::optional<QString> Input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }

    // The last question found standard input closed, so its "no" was nobody's answer.
    bool InputClosed() const { return inputClosed_; }

private:
    bool assumeYes_;
    bool inputClosed_ = false;
};
