#include "prompts.h"

#include <QCoreApplication>

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

} // namespace

Prompts& CurrentPrompts() {
    return *installedPrompts;
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
                             QStringLiteral("Ошибка!"), Prompts::Buttons::Ok, Prompts::Icon::Error);
    return false;
}
