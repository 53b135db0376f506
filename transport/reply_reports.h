#pragma once

#include "modbus_frames.h"

#include <QString>

// What the operator is told about the reply to a command, without any exchange: the reporting of
// the synchronous exchange shows it, and anything else may build it.

// The link counter one reply adds to.
enum class LinkCount { None, CrcError, NoAnswer };

// What the operator is told about one reply of a command. An empty text means "nothing there".
struct ReplyReport {
    QString statusText;  // status-bar panel 1
    QString messageText; // a message box with one OK button and no icon
    QString messageCaption;
    QString memoLine; // a diagnostic memo line
    QString logEvent; // LinkErrorLogEvent of the link error, after the date and time
    LinkCount count = LinkCount::None;
    bool refreshPercent = false;
};

// A link error (a bad CRC or no reply) as the operator reads it; empty for None.
QString LinkErrorText(LinkCount count);
// The same error as the monitoring log keeps it after the date and time, with its leading blank:
// always in Russian, since the log reader looks for these words. Empty for None.
QString LinkErrorLogEvent(LinkCount count);
// "Ответ с ошибкой: " and the exception's name, for status-bar panel 1.
QString ExceptionReplyText(int code);
// Status-bar panel 1 after a reply that was taken.
QString CorrectReplyText();

// Reads report through the status bar, writes through message boxes; start is the first register.
ReplyReport ReadReplyReport(const ReplyVerdict& verdict, quint16 start);
ReplyReport WriteReplyReport(const ReplyVerdict& verdict, quint16 start);
