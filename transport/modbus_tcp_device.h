#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>

class QTcpSocket;

// The Modbus TCP header of the last request (or of its reply) on the device; none when the
// device is no ModbusTcpDevice.
QByteArray LastMbapHeader(const QIODevice* device, bool reply);

// A Modbus TCP connection seen as a line that carries RTU frames, so that polling and the
// synchronous exchange use it as they use a serial port. Each write is one whole RTU request: it
// leaves wrapped in a Modbus TCP frame with the next transaction id and the request's address as
// the unit id. A reply with that transaction and unit id is read back as the RTU frame it stands
// for; any other frame answers no request of ours: it is dropped and told through StrayFrame.
class ModbusTcpDevice final : public QIODevice {
    Q_OBJECT
public:
    // Takes the connected socket over.
    explicit ModbusTcpDevice(QTcpSocket* socket, QObject* parent = nullptr);

    QTcpSocket* Socket() const { return socket_; }
    // The headers of the last request written and of the reply read back to it.
    QByteArray RequestHeader() const { return requestHeader_; }
    QByteArray ReplyHeader() const { return replyHeader_; }
    // Takes what the socket holds: the awaited reply stays to be read, the rest is told through
    // StrayFrame. No reply is awaited until the next write, so anything later is stray.
    void Clear();

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool waitForReadyRead(int msecs) override;
    bool waitForBytesWritten(int msecs) override;

Q_SIGNALS:
    // A frame that answers no request: a late reply to an earlier one, another unit's, or bytes
    // with no Modbus TCP header. As received, header and all.
    void StrayFrame(const QByteArray& frame);

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    void TakeFrames();
    void OnSocketWritten(qint64 bytes);

    QTcpSocket* socket_;
    QByteArray pending_; // received, not yet a whole frame
    QByteArray replies_; // the awaited replies as RTU frames
    QByteArray requestHeader_;
    QByteArray replyHeader_;
    quint16 transactionId_ = 0;
    quint8 unitId_ = 0;
    bool awaiting_ = false;
    // Per request written: its bytes on the socket and as RTU, to tell bytesWritten in RTU bytes.
    struct Written {
        qint64 wire;
        qint64 rtu;
    };
    QList<Written> written_;
};
