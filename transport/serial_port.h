#pragma once

#include "line_settings.h"
#include "link.h"

#include <QSerialPort>
#include <QString>
#include <QtGlobal>

#include <memory>

// Size of the port's input and output queues; a write that would fill the output queue is refused.
inline constexpr int SerialQueueBytes = 2048;

// True when n more bytes fit beside the queued ones: the queue may never become full.
constexpr bool FitsOutputQueue(qint64 queued, int n) {
    return queued + n < SerialQueueBytes;
}

// The port of the synchronous exchange: opened, used for one request and reply, and closed again
// with blocking calls on the thread of the exchange. Every failure is shown to the operator in a
// message box and returned as false or 0.
class SerialPort final : public Link {
public:
    SerialPort() = default;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // systemName is the name the operating system knows the port by (PortSystemName).
    bool Open(const QString& systemName, const LineSettings& line);
    void Close() override;
    bool IsOpen() const;

    bool PurgeRx() override;
    bool PurgeTx() override;
    quint16 BytesWaiting() override;
    QByteArray Peek() override;
    bool WaitForBytes(int ms) override;
    quint16 Read(quint8* buffer, quint16 n) override;
    // Hands n bytes to the port and waits until the system has taken them.
    quint16 Write(const quint8* buffer, quint16 n) override;

private:
    // Moves whatever the system has received into the port's buffer: QSerialPort only learns of
    // new bytes when asked, and nothing runs its notifier while the exchange blocks.
    void Fetch();
    // A read or write failure (such as a vanished device) that happened since the last check;
    // clears it, as the check before each read and write does.
    bool TakePendingError();
    // An error box with the translation of the source text.
    void Fail(const char* text);

    std::unique_ptr<QSerialPort> port;
};

// The one port object of the synchronous exchange, shared by every exchange of the program.
SerialPort& SyncSerialPort();
