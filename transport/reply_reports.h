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
    QString logEvent; // " Нет ответа" or " Ошибка CRC ответа", after the date and time
    LinkCount count = LinkCount::None;
    bool refreshPercent = false;
};

// Reads report through the status bar, writes through message boxes; start is the first register.
ReplyReport ReadReplyReport(const ReplyVerdict& verdict, quint16 start);
ReplyReport WriteReplyReport(const ReplyVerdict& verdict, quint16 start);
