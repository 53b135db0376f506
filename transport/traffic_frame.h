#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QtGlobal>

// The frames on the line, as the traffic monitor shows them: every request sent and every reply
// (or its absence) received by polling, by commands and by the bootloader.

enum class TrafficDirection { Sent, Received };
enum class TrafficSource { Polling, Command, Bootloader };
// A request has no verdict; a reply (or the lack of one) has. UnexpectedFunction: a reply with
// another function code than the request's, or a bootloader reply without the byte it must carry.
// Stray: a well-formed reply that answers another request (a late reply to an earlier one).
enum class TrafficVerdict {
    None,
    Correct,
    CrcError,
    NoAnswer,
    TooLong,
    WrongLength,
    Exception,
    UnexpectedFunction,
    Stray
};

struct TrafficFrame {
    qint64 timeMs = 0; // milliseconds since the epoch
    TrafficDirection direction = TrafficDirection::Sent;
    TrafficSource source = TrafficSource::Command;
    QByteArray bytes;
    QByteArray request; // for a reply: the request it answers, which tells what it carries
    // For a reply: how the program judged it. The traffic monitor judges a reply as it keeps it,
    // with the judging functions of the part of the program that sent the request.
    TrafficVerdict verdict = TrafficVerdict::None;
};

// The request and reply as frames of the given source, stamped now; the reply not yet judged.
TrafficFrame SentFrame(TrafficSource source, QByteArrayView request);
TrafficFrame ReceivedFrame(TrafficSource source, QByteArrayView request, QByteArrayView reply);

// The word at `at`, high byte first; 0 past the end of the bytes.
quint16 FrameWord(QByteArrayView bytes, qsizetype at);

// "адрес 238, чтение 0..49 (50)", "исключение 2: Недоступный адрес регистра",
// "загрузчик: стирание" ...
QString DecodeFrame(const TrafficFrame& frame);
QString VerdictText(TrafficVerdict verdict);
QString SourceText(TrafficSource source);
QString DirectionText(TrafficDirection direction);
// The bytes as two hexadecimal digits each, a blank between.
QString HexText(QByteArrayView bytes);
