#pragma once

// A Modbus reply as the controller might send it, built from the fuzz input, for the targets that
// judge replies.

#include "fuzz_input.h"
#include "modbus_frames.h"

// Raw bytes, or address, function and body with the CRC of them (a read reply's byte count
// usually the one `count` asks for), then perhaps cut short, and whatever input is left after it.
inline QByteArray ModbusReplyBytes(FuzzInput& in, quint16 count) {
    const quint8 shape = in.Byte();
    if (shape % 5 == 0)
        return in.Rest().toByteArray();
    QByteArray reply;
    reply.append(char(in.Byte()));
    switch (shape % 5) {
    case 1: // a read reply: its byte count and the words
        reply.append(char(FunctionReadHolding));
        reply.append(char(in.Flag() ? quint8(2 * count) : in.Byte()));
        reply.append(in.Part(255));
        break;
    case 2: // a write reply: the first register and the count
        reply.append(char(FunctionWriteMultiple));
        reply.append(in.Take(4));
        break;
    case 3: // an exception
        reply.append(char(in.Flag() ? 0x83 : 0x90));
        reply.append(char(in.Byte()));
        break;
    default:
        reply.append(in.Part(255));
    }
    AppendCrc(reply);
    if (in.Flag())
        reply.chop(in.Byte() % (reply.size() + 1));
    reply.append(in.Rest());
    return reply;
}
