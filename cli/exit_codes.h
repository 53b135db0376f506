#pragma once

#include "modbus_frames.h"

#include <QString>

// What velmora-cli tells its caller by its exit status.
enum ExitCode : int {
    ExitDone = 0,
    ExitNoAnswer = 1, // no answer or a reply that cannot be taken (a bad CRC, a wrong length)
    ExitUsage = 2,    // a wrong command line or input that does not parse
    ExitRefused = 3,  // an exception reply, or a written value the controller did not take
    ExitFileError = 4,
};

ExitCode ExitCodeOf(const ReplyVerdict& verdict);

// The outcome of a reply in the operator's words; empty for a correct one.
QString VerdictText(const ReplyVerdict& verdict);
