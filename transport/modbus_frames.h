#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <span>

// Modbus RTU frames of the two register functions, their CRC and the judging of replies.
// Register values travel high byte first; the CRC travels low-order byte first.

inline constexpr quint8 FunctionReadHolding = 0x03;
inline constexpr quint8 FunctionWriteMultiple = 0x10;
inline constexpr int MaxFrameBytes = 255;
inline constexpr int MaxReadRegisters = 125;

// The result holds the CRC byte sent first in its high byte and the one sent second in its low
// byte: a frame is finished by appending result >> 8, then result & 0xFF.
quint16 ModbusCrc16(QByteArrayView bytes);

// Appends the CRC of everything already in the frame.
void AppendCrc(QByteArray& frame);

// True when the frame is at least three bytes long and its last two bytes are the CRC of the rest.
bool HasValidCrc(QByteArrayView frame);

// The name of an exception code in the operator's language; codes without a name (12 and above,
// and the unused ones below) give a blank or nothing.
QString ExceptionName(int code);

// The code's name, then " (0xNN)".
QString ExceptionText(int code);

enum class ReplyStatus { Correct, Exception, TooLong, CrcError, NoAnswer, UnexpectedFunction };

struct ReplyVerdict {
    ReplyStatus status = ReplyStatus::NoAnswer;
    quint8 exceptionCode = 0;
    friend bool operator==(const ReplyVerdict&, const ReplyVerdict&) = default;
};

QByteArray BuildReadRequest(quint8 address, quint16 firstRegister, quint16 count);
QByteArray BuildWriteRequest(quint8 address, quint16 firstRegister,
                             std::span<const quint16> values);

struct ReadReply {
    ReplyVerdict verdict;
    // The registers the reply carries when it is Correct; a reply announcing fewer bytes than
    // requested yields fewer words, and the caller leaves the registers it lacks as they were.
    QList<quint16> words;
};

// Judges a function-3 reply to a request for requestedCount registers. Neither the address nor the
// function byte is compared with the request. A reply shorter than its own byte count announces
// is a CRC error: its missing bytes are never read.
ReadReply JudgeReadReply(QByteArrayView reply, int requestedCount);

// Judges a function-16 reply.
ReplyVerdict JudgeWriteReply(QByteArrayView reply);
