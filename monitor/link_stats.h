#pragma once

#include <QString>
#include <QtGlobal>

// Counts of the link test page: good replies, replies with a bad CRC and requests left unanswered.
struct LinkStats {
    quint32 successes = 0;
    quint32 crcErrors = 0;
    quint32 noAnswers = 0;
};

// (CRC errors + no answers) per success in percent, in the general format with 4 significant digits
// with the locale's decimal separator; "100" while nothing has succeeded.
QString LinkErrorPercentText(const LinkStats& stats);
