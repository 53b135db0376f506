#pragma once

#include "prompts.h"

#include <QList>
#include <QStringList>

// Records every prompt shown and answers from queues the test fills; installs itself for its
// lifetime. An empty queue answers Ok / Yes, cancels inputs and file dialogs.
class ScriptedPrompts final : public Prompts {
public:
    struct Shown {
        QString kind; // "message", "input", "open", "save"
        QString text; // message text, input prompt, or file filter
        QString caption; // message caption, input caption, or dialog directory
        QString extra = {}; // proposed file name or initial input text
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString details = {}; // the explanation under a message
    };

    ScriptedPrompts() { SetPrompts(this); }
    ~ScriptedPrompts() override { SetPrompts(nullptr); }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    QList<Shown> shown;
    QList<Answer> answers;
    QList<std::optional<QString>> inputs;
    QStringList files;

    Answer Message(const QString& text, const QString& caption, Buttons buttons, Icon icon) override {
        shown.append({QStringLiteral("message"), text, caption, QString(), icon, buttons});
        return answers.isEmpty() ? (buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok)
                                 : answers.takeFirst();
    }
    void Explained(const QString& text, const QString& caption, const QString& details) override {
        Shown s{QStringLiteral("message"), text, caption};
        s.details = details;
        shown.append(s);
    }
    std::optional<QString> Input(const QString& caption, const QString& prompt,
                                 const QString& initial) override {
        shown.append({QStringLiteral("input"), prompt, caption, initial});
        return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
    }
    QString OpenFile(const QString& directory, const QString& filter,
                     const QString& proposedName) override {
        shown.append({QStringLiteral("open"), filter, directory, proposedName});
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    QString SaveFile(const QString& directory, const QString& filter,
                     const QString& proposedName) override {
        shown.append({QStringLiteral("save"), filter, directory, proposedName});
        return files.isEmpty() ? QString() : files.takeFirst();
    }

    // The texts of the message boxes shown so far.
    QStringList messageTexts() const {
        QStringList texts;
        for (const Shown& s : shown)
            if (s.kind == QLatin1String("message"))
                texts.append(s.text);
        return texts;
    }
};
