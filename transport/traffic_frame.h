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
// A request has no verdict; a reply (or the lack of one) has.
enum class TrafficVerdict { None, Correct, CrcError, NoAnswer, TooLong, WrongLength, Exception };

struct TrafficFrame {
    qint64 timeMs = 0; // milliseconds since the epoch
    TrafficDirection direction = TrafficDirection::Sent;
    TrafficSource source = TrafficSource::Command;
    QByteArray bytes;
    QByteArray request; // for a reply: the request it answers, which tells what it carries
    TrafficVerdict verdict = TrafficVerdict::None;
};

// The request and reply as frames of the given source, stamped now.
TrafficFrame SentFrame(TrafficSource source, QByteArrayView request);
TrafficFrame ReceivedFrame(TrafficSource source, QByteArrayView request, QByteArrayView reply);

// The verdict on a reply to a request, the same for every source: nothing came, a bad CRC, an
// exception, more registers than asked for, fewer, or a correct reply.
TrafficVerdict JudgeTraffic(QByteArrayView request, QByteArrayView reply);

// "адрес 238, чтение 0..49 (50)", "исключение 2: Недоступный адрес регистра",
// "загрузчик: стирание" ...
QString DecodeFrame(const TrafficFrame& frame);
QString VerdictText(TrafficVerdict verdict);
QString SourceText(TrafficSource source);
QString DirectionText(TrafficDirection direction);
// The bytes as two hexadecimal digits each, a blank between.
QString HexText(QByteArrayView bytes);
