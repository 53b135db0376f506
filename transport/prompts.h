#pragma once

#include "number_format.h"

#include <QString>

#include <optional>

// Every message box, input box and file dialog the program shows goes through this seam, so that
// tests can read what was shown and answer as a person would. The window installs the Qt
// implementation at start; code below the widgets reaches it through CurrentPrompts().
class Prompts {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Prompts() = default;

    virtual Answer Message(const QString& text, const QString& caption,
                           Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
    // A message with one OK button and an explanation under its text; where there is no room
    // for one, the explanation follows the text.
    virtual void Explained(const QString& text, const QString& caption, const QString& details) {
        Message(details.isEmpty() ? text : text + QStringLiteral("\n") + details, caption);
    }
    // The text typed, or nothing when the box was cancelled.
    virtual std::optional<QString> Input(const QString& caption, const QString& prompt,
                                         const QString& initial) = 0;
    // filter uses the "Description|*.ext|Description|*.ext" form; an empty result means cancelled.
    virtual QString OpenFile(const QString& directory, const QString& filter,
                             const QString& proposedName) = 0;
    virtual QString SaveFile(const QString& directory, const QString& filter,
                             const QString& proposedName) = 0;
};

// The program-wide prompts; the default one shows nothing, answers Ok and cancels every input.
Prompts& CurrentPrompts();
// Installs prompts (not owned); nullptr restores the silent default.
void SetPrompts(Prompts* prompts);

class QObject;

// For work off the window thread: while it lives, CurrentPrompts() on the thread that made it
// puts every question to the prompts of home's thread (CurrentPrompts() there) and waits for the
// answer, so that boxes are shown by the window and answered before the work goes on. home must
// outlive it and its thread must keep processing events.
class ForwardedPrompts final {
public:
    explicit ForwardedPrompts(QObject* home);
    ~ForwardedPrompts();
    ForwardedPrompts(const ForwardedPrompts&) = delete;
    ForwardedPrompts& operator=(const ForwardedPrompts&) = delete;

private:
    class Forwarder;
    Forwarder* forwarder_;
};

// The program's general error report: an error box captioned with the application's name, for
// a typed value that did not convert or a file that could not be written or read. The operation
// that failed then stops.
void ReportError(const QString& message);

// The two refusals of a typed whole number that must lie in a range.
struct RangeMessages {
    QString notNumber;
    QString outOfRange;
};
// True when the text is a decimal integer from low to high; otherwise shows the refusal for the
// way it failed in an error box captioned "Ошибка!".
bool ConfirmIntegerText(const QString& text, int low, int high, const RangeMessages& messages);
