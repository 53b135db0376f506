// flash: the automatic firmware update from an image file, every line of the window's update log
// on standard output and its progress on one line of standard error.

#include "connection_settings.h"
#include "console.h"
#include "exit_codes.h"
#include "handlers.h"
#include "packet_plan.h"
#include "stop_signals.h"
#include "sync_boot_exchange.h"
#include "update_procedures.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace {

// The update's view and prompts on the terminal. The progress line is redrawn in place; a log
// line or a message takes it off a terminal first and puts it back after a log line. The one
// question of an update (an image whose length is not a multiple of 4) is answered by
// --allow-unaligned; SIGINT and SIGTERM stop the update before its next exchange.
class ConsoleUpdate final : public BootView, public Prompts {
public:
    explicit ConsoleUpdate(bool allowUnaligned)
        : console_(allowUnaligned), allowUnaligned_(allowUnaligned),
          terminal_(::isatty(::fileno(stderr)) != 0) {}

    void AddLine(const QString& line) override {
        lines_.append(line);
        Erase();
        PrintOut(line);
        Draw();
    }
    void ShowProgress(const PacketProgress& progress) override {
        // The reset before a transfer has nothing to show.
        if (progress.total == 0)
            return;
        Erase();
        progress_ = ProgressText(progress);
        Draw();
    }
    bool StopRequested() override { return stop_.Received(); }

    Answer Message(const QString& text, const QString& caption, Buttons buttons,
                   Icon icon) override {
        EndProgress();
        if (buttons == Buttons::YesNo && !allowUnaligned_) {
            PrintError(text + QCoreApplication::translate(
                                  "Cli", " [д/н]: нет (если образ верен, повторите с "
                                         "--allow-unaligned)"));
            return Answer::No;
        }
        return console_.Message(text, caption, buttons, icon);
    }
    std::optional<QString> Input(const QString& caption, const QString& prompt,
                                 const QString& initial) override {
        return console_.Input(caption, prompt, initial);
    }
    QString OpenFile(const QString& directory, const QString& filter,
                     const QString& proposedName) override {
        return console_.OpenFile(directory, filter, proposedName);
    }
    QString SaveFile(const QString& directory, const QString& filter,
                     const QString& proposedName) override {
        return console_.SaveFile(directory, filter, proposedName);
    }

    // Ends the progress line; the next progress starts a new one.
    void EndProgress() {
        if (progress_.isEmpty())
            return;
        std::fputs("\n", stderr);
        std::fflush(stderr);
        progress_.clear();
    }
    const QStringList& Lines() const { return lines_; }

private:
    // A terminal shows standard output and the progress line together: the line is taken away
    // while a log line is printed. Elsewhere (a file, a pipe) the updates stay on one line.
    void Erase() {
        if (terminal_ && !progress_.isEmpty())
            std::fputs("\r\033[K", stderr);
    }
    void Draw() {
        if (progress_.isEmpty())
            return;
        std::fputs(("\r" + progress_ + (terminal_ ? "\033[K" : "")).toUtf8().constData(), stderr);
        std::fflush(stderr);
    }

    ConsolePrompts console_;
    bool allowUnaligned_;
    bool terminal_;
    StopSignals stop_;
    QString progress_;
    QStringList lines_;
};

// Installs prompts for the lifetime of the object and puts back the ones before.
class PromptsScope {
public:
    explicit PromptsScope(Prompts& prompts) : before_(CurrentPrompts()) { SetPrompts(&prompts); }
    ~PromptsScope() { SetPrompts(&before_); }
    PromptsScope(const PromptsScope&) = delete;
    PromptsScope& operator=(const PromptsScope&) = delete;

private:
    Prompts& before_;
};

} // namespace

int RunFlash(const CliCall& call, const QStringList& arguments) {
    ConsoleUpdate update(call.has("allow-unaligned"));
    const PromptsScope prompts(update);
    const std::optional<QByteArray> image = LoadImage(update, arguments.value(0));
    if (!image)
        return ExitFileError;
    Bootloader boot(SyncBootExchange, update,
                    quint8(CurrentConnectionSettings().addressText.toInt()), false);
    const qsizetype before = update.Lines().size();
    const UpdateOutcome outcome = AutomaticUpdate(
        boot, *image,
        call.has("from-bootloader") ? UpdateStart::FromBootloader : UpdateStart::FromApplication);
    update.EndProgress();
    switch (outcome) {
    case UpdateOutcome::BadImage:
        // Refused before any frame: said where errors go too.
        for (const QString& line : update.Lines().mid(before))
            PrintError(line);
        return ExitUsage;
    case UpdateOutcome::Refused:
        return ExitRefused;
    case UpdateOutcome::Failed:
        return ExitNoAnswer;
    case UpdateOutcome::Done:
        break;
    }
    return ExitDone;
}
