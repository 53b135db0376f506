#pragma once

#include "boot_frames.h"
#include "packet_plan.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

// The bootloader's commands, each one exchange with the controller that tells the operator how it
// went. They talk through three seams: the exchange, the view below, and the program's prompts
// (CurrentPrompts) for the message boxes of exception and unexpected replies.

// The erase is answered only after seconds: its exchange waits long.
// Again sends nothing: it waits as Normal does for a reply to the request that went out last.
enum class BootWait { Normal, Long, Again };

// Sends the request (Again: only names it) and returns the reply as it came, empty when nothing
// came (or the request could not be sent).
using BootExchange = std::function<QByteArray(QByteArrayView request, BootWait wait)>;

// The request, reply and "$" form of the last frame, for the page's frame fields.
struct FrameFields {
    QString request;
    QString reply;
    QString requestCode;
    friend bool operator==(const FrameFields&, const FrameFields&) = default;
};

// Where the commands and procedures show what they do. Only the update log is required; the
// window also shows the frame fields and the progress and locks its controls during a command.
class BootView {
public:
    virtual ~BootView() = default;
    virtual void AddLine(const QString& line) = 0;
    virtual void ShowFrameFields(const FrameFields& fields) { Q_UNUSED(fields); }
    virtual void ShowProgress(const PacketProgress& progress) { Q_UNUSED(progress); }
    // false before a command's exchange, true after it, on every path.
    virtual void SetControlsEnabled(bool enabled) { Q_UNUSED(enabled); }
    // The operator asked the update to stop: it stops before its next exchange.
    virtual bool StopRequested() { return false; }
    // The program area is about to be erased or written: from now on an update that stops
    // leaves the controller without a valid program. false when the operator stopped the update
    // before: the area is then left as it is.
    virtual bool BeginProgramChange() { return true; }
    // The finish was accepted: the program area holds a whole program again.
    virtual void EndProgramChange() {}
};

// How the last command ended: done, without a reply that can be taken, refused by the
// controller (an exception, or a status that is not done), or stopped by the operator.
enum class CommandEnd { Done, Failed, Refused, Stopped };

// Who answered after the restart: the application (with its firmware version), only the
// bootloader (something answered, but not the read only the application answers), or nobody.
struct RestartCheck {
    enum class Answered { Application, Bootloader, Nobody };
    Answered answered = Answered::Nobody;
    quint32 version = 0;
};

class Bootloader {
public:
    // address: the controller's, as the frames carry it; diagnostic: log the register block and
    // the per-packet details.
    Bootloader(BootExchange exchange, BootView& view, quint8 address, bool diagnostic);

    // Each returns true on success; a failure has been logged (and boxed where it says so).
    bool BootInit();
    CommandEnd LastEnd() const { return lastEnd_; }
    // True once the operator has asked the update to stop; the last command then counts as
    // stopped.
    bool Stopping();
    // From register 0 the reply fills BootloaderRegisters; from 4248 the program data is logged.
    bool BootReadRegisters(quint16 start, quint16 count);
    bool BootErase(quint8 area);
    bool BootFinish();
    // Sends the image in packets of 240 bytes to the flash from 0x08002000, each up to 3 times.
    bool BootWriteImage(QByteArrayView image);

    // Until the application answers or waitMs have passed, pausing pauseMs between tries: reads a
    // status register past the bootloader's (the first cell's voltage), which only the
    // application answers, and then registers 0 to 49 for its firmware version. No message box.
    // A stop ends the wait early (LastEnd tells it).
    RestartCheck CheckRestart(int waitMs, int pauseMs);

    void Log(const QString& line) { view_.AddLine(line); }
    BootView& View() { return view_; }
    bool Diagnostic() const { return diagnostic_; }

private:
    struct Exchanged {
        BootReply judged;
        QByteArray reply;
    };
    // Steps 2 to 7 of every command but the packet: frame fields, exchange, judging, and the lines
    // and boxes of the failures every command shares. Only an expected reply is left to the caller.
    std::optional<QByteArray> Run(const QByteArray& request, quint8 command, BootWait wait,
                                  const std::function<void(const BootReply&)>& beforeException);
    Exchanged Exchange(const QByteArray& request, BootWait wait);
    // The view's BeginProgramChange; when it refuses, the command counts as stopped.
    bool BeginProgramChange();
    void ReportException(quint8 code);
    void ReportUnexpected();

    BootExchange exchange_;
    BootView& view_;
    quint8 address_;
    bool diagnostic_;
    CommandEnd lastEnd_ = CommandEnd::Done;
};
