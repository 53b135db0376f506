#pragma once

#include "line_settings.h"

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

// The fast exchange: Modbus itself tells when a reply is complete, so nothing waits the fixed
// time for the longest reply. A reply is complete when the length its function (and byte count)
// announces has arrived, or, when that length cannot be told, when the line has been silent for
// 3.5 characters. Verdicts, texts and counters are the same as with the fixed waits.

// Microseconds one character takes on the line: start, 8 data bits, the parity bit if any, stop.
double CharacterTimeUs(const LineSettings& line);

// The silence that ends a frame: 3.5 characters, and at least 1750 us above 19200 baud, where a
// character is too short to time reliably.
qint64 FrameSilenceUs(const LineSettings& line);
// The same in whole milliseconds, rounded up, for the timers.
int FrameSilenceMs(const LineSettings& line);

// The silence, as the program sees it, that ends a reply still short of its length: the frame
// silence, but at least ReplySilenceFloorMs. The bytes of a steady reply reach the program in
// chunks (a USB adapter's latency timer holds them up to 16 ms, the terminal layer of the kernel
// a few ms), so a pause of 3.5 characters between chunks is no pause on the line.
inline constexpr int ReplySilenceFloorMs = 20;
int ReplySilenceMs(const LineSettings& line);

// The whole length of the reply whose first bytes have arrived: function 3 five bytes plus its
// byte count, function 16 eight, an exception five, the bootloader's 0x30 and 0x21 five and its
// 0x20 and 0x31 six. Nothing while too few bytes have come to tell, or for any other function.
std::optional<int> ExpectedReplyLength(QByteArrayView received);

// The length a well-formed reply to the request will have (a function-3 read of n registers:
// 5 + 2n), or the longest frame when the request does not tell.
int ExpectedReplyLengthFor(QByteArrayView request);

// Whether the controller answers the request only after writing its flash: the bootloader's
// packet (0x21) and finish (0x31). A flash write may take longer than the line's time-out, so
// these replies get the whole fixed first-byte wait.
bool AnsweredAfterFlashWrite(QByteArrayView request);

// The margin for the controller to turn the line around and start its reply.
inline constexpr int TurnaroundMarginMs = 200;

// How long a request may go unanswered: twice the wire time of the request and of the expected
// reply, plus the turnaround margin, in whole milliseconds; never longer than the fixed wait
// (limitMs) it replaces.
int FastReplyTimeoutMs(const LineSettings& line, int requestBytes, int replyBytes, int limitMs);
