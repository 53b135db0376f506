#pragma once

#include "modbus_frames.h"
#include "prompts.h"
#include "reply_reports.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <span>

// Where the reports of commands appear: the main window, which installs itself. With none
// installed only message boxes are shown.
class ReplyDisplay {
public:
    virtual ~ReplyDisplay() = default;
    virtual void ShowReplyStatus(const QString& text) = 0;
    // Memo lines and link counts exist only in diagnostic mode; the display decides.
    virtual void AddDiagnosticLine(const QString& line) = 0;
    virtual void CountLinkError(LinkCount count) = 0;
    virtual void RefreshLinkPercent() = 0;
    // A link error of a command, for the monitoring log while "Вести лог?" is checked.
    virtual void LogLinkError(const QDateTime& when, const QString& event) = 0;
};

// Installs the display (not owned); nullptr removes it.
void SetReplyDisplay(ReplyDisplay* display);

// The address byte of a request: the low 8 bits of the address typed in the connection dialog.
// Nothing, after the conversion error was shown, when the text is not a whole number.
std::optional<quint8> RequestAddress();

// Reads `count` registers from register `start` in one synchronous exchange and stores a correct
// reply's words into target from `index` on (words that would fall outside target are dropped).
// Nothing is sent, and nothing is returned, when the address typed in the connection dialog is
// not a whole number (reported as a conversion error); nothing is returned either when another
// exchange is still under way (the exchange refuses with its own message).
std::optional<ReplyVerdict> ShowReadReply(quint16 start, int index, std::span<quint16> target,
                                          quint16 count);
// Whether a write the controller took says so at once, or leaves that to its caller, which first
// checks what the write did (a login the controller refused is no success).
enum class WriteSuccess { Told, LeftToCaller };

// Writes the values to the registers from `start` on in one synchronous exchange.
std::optional<ReplyVerdict> ShowWriteReply(quint16 start, std::span<const quint16> values,
                                           WriteSuccess success = WriteSuccess::Told);
// The message of a write the controller took.
void TellWriteTaken();
