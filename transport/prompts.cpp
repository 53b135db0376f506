#include "prompts.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>

namespace {

class SilentPrompts final : public Prompts {
public:
    Answer Message(const QString&, const QString&, Buttons, Icon) override { return Answer::Ok; }
    std::optional<QString> Input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString OpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&) override { return {}; }
};

SilentPrompts silentPrompts;
Prompts* installedPrompts = &silentPrompts;
// The prompts of a thread that forwards its questions; none on the window thread.
thread_local Prompts* threadPrompts = nullptr;

// Runs ask on home's thread and waits for its answer.
template <class Ask> auto AskOn(QObject* home, const Ask& ask) {
    decltype(ask()) answer{};
    QMetaObject::invokeMethod(
        home, [&] { answer = ask(); }, Qt::BlockingQueuedConnection);
    return answer;
}

} // namespace

class ForwardedPrompts::Forwarder final : public Prompts {
public:
    explicit Forwarder(QObject* home) : home_(home) {}

    Answer Message(const QString& text, const QString& caption, Buttons buttons,
                   Icon icon) override {
        return AskOn(home_, [&] { return CurrentPrompts().Message(text, caption, buttons, icon); });
    }
    void Explained(const QString& text, const QString& caption, const QString& details) override {
        AskOn(home_, [&] {
            CurrentPrompts().Explained(text, caption, details);
            return 0;
        });
    }
    std::optional<QString> Input(const QString& caption, const QString& prompt,
                                 const QString& initial) override {
        return AskOn(home_, [&] { return CurrentPrompts().Input(caption, prompt, initial); });
    }
    QString OpenFile(const QString& directory, const QString& filter,
                     const QString& proposedName) override {
        return AskOn(home_,
                     [&] { return CurrentPrompts().OpenFile(directory, filter, proposedName); });
    }
    QString SaveFile(const QString& directory, const QString& filter,
                     const QString& proposedName) override {
        return AskOn(home_,
                     [&] { return CurrentPrompts().SaveFile(directory, filter, proposedName); });
    }

private:
    QObject* home_;
};

ForwardedPrompts::ForwardedPrompts(QObject* home) : forwarder_(new Forwarder(home)) {
    threadPrompts = forwarder_;
}

ForwardedPrompts::~ForwardedPrompts() {
    threadPrompts = nullptr;
    delete forwarder_;
}

Prompts& CurrentPrompts() {
    return threadPrompts ? *threadPrompts : *installedPrompts;
}

void SetPrompts(Prompts* prompts) {
    installedPrompts = prompts ? prompts : &silentPrompts;
}

void ReportError(const QString& message) {
    CurrentPrompts().Message(message, QCoreApplication::applicationName(), Prompts::Buttons::Ok,
                             Prompts::Icon::Error);
}

bool ConfirmIntegerText(const QString& text, int low, int high, const RangeMessages& messages) {
    const RangeCheck check = CheckIntegerText(text, low, high);
    if (check == RangeCheck::Valid)
        return true;
    CurrentPrompts().Message(check == RangeCheck::NotNumber ? messages.notNumber
                                                            : messages.outOfRange,
                             QCoreApplication::translate("Prompts", "Ошибка!"),
                             Prompts::Buttons::Ok, Prompts::Icon::Error);
    return false;
}
