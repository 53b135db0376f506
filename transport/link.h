#pragma once

#include <QByteArray>
#include <QtGlobal>

// What the synchronous exchange needs of a link to the controller: RTU frames out, RTU bytes in,
// and a wait for them. The serial port and the network links give the same bytes, so framing,
// judging, texts and counters never know which link carried them.
class Link {
public:
    virtual ~Link() = default;

    virtual void Close() = 0;
    // Discard what was received / what is still to be sent.
    virtual bool PurgeRx() = 0;
    virtual bool PurgeTx() = 0;
    // Received bytes ready to be read.
    virtual quint16 BytesWaiting() = 0;
    // The received bytes, left to be read.
    virtual QByteArray Peek() = 0;
    // Waits at most ms for more bytes to arrive; false when none came.
    virtual bool WaitForBytes(int ms) = 0;
    // Reads up to n of the bytes already received; never waits.
    virtual quint16 Read(quint8* buffer, quint16 n) = 0;
    // Sends one whole request and waits until the system has taken it.
    virtual quint16 Write(const quint8* buffer, quint16 n) = 0;
    // The Modbus TCP headers the last request and its reply travelled behind; none on RTU links.
    virtual QByteArray RequestHeader() const { return {}; }
    virtual QByteArray ReplyHeader() const { return {}; }
};
