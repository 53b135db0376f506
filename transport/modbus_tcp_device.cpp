#include "modbus_tcp_device.h"

#include "mbap_frames.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

#include <algorithm>

QByteArray LastMbapHeader(const QIODevice* device, bool reply) {
    const auto* modbusTcp = qobject_cast<const ModbusTcpDevice*>(device);
    if (!modbusTcp)
        return {};
    return reply ? modbusTcp->ReplyHeader() : modbusTcp->RequestHeader();
}

ModbusTcpDevice::ModbusTcpDevice(QTcpSocket* socket, QObject* parent)
    : QIODevice(parent), socket_(socket) {
    socket_->setParent(this);
    connect(socket_, &QTcpSocket::readyRead, this, &ModbusTcpDevice::TakeFrames);
    connect(socket_, &QTcpSocket::bytesWritten, this, &ModbusTcpDevice::OnSocketWritten);
    open(QIODevice::ReadWrite);
}

void ModbusTcpDevice::Clear() {
    TakeFrames();
    if (!pending_.isEmpty())
        Q_EMIT StrayFrame(std::exchange(pending_, {}));
    awaiting_ = false;
}

qint64 ModbusTcpDevice::bytesAvailable() const {
    // The base counts what it has buffered already.
    return replies_.size() + QIODevice::bytesAvailable();
}

bool ModbusTcpDevice::waitForReadyRead(int msecs) {
    const QDeadlineTimer deadline(std::max(msecs, 0));
    const qsizetype before = replies_.size();
    TakeFrames();
    while (replies_.size() == before && socket_->state() == QAbstractSocket::ConnectedState &&
           socket_->waitForReadyRead(int(deadline.remainingTime()))) {
    }
    return replies_.size() != before;
}

bool ModbusTcpDevice::waitForBytesWritten(int msecs) {
    return socket_->waitForBytesWritten(msecs);
}

qint64 ModbusTcpDevice::readData(char* data, qint64 maxSize) {
    const qint64 n = std::min<qint64>(maxSize, replies_.size());
    std::copy_n(replies_.constData(), n, data);
    replies_.remove(0, n);
    return n;
}

qint64 ModbusTcpDevice::writeData(const char* data, qint64 size) {
    const QByteArray frame = WrapMbap(QByteArrayView(data, size), ++transactionId_);
    if (frame.isEmpty())
        return -1;
    unitId_ = quint8(data[0]);
    awaiting_ = true;
    requestHeader_ = frame.first(MbapHeaderBytes);
    replyHeader_.clear();
    if (socket_->write(frame) != frame.size())
        return -1;
    written_.append({frame.size(), size});
    return size;
}

void ModbusTcpDevice::TakeFrames() {
    pending_ += socket_->readAll();
    bool taken = false;
    for (;;) {
        const int length = MbapFrameLength(pending_);
        if (length == 0 || length > pending_.size())
            break;
        if (length < 0) {
            // No frame begins here, so no frame boundary can be found after it either.
            Q_EMIT StrayFrame(std::exchange(pending_, {}));
            break;
        }
        const QByteArray frame = pending_.first(length);
        pending_.remove(0, length);
        if (awaiting_ && MbapTransactionId(frame) == transactionId_ && MbapUnitId(frame) == unitId_) {
            awaiting_ = false;
            replyHeader_ = frame.first(MbapHeaderBytes);
            replies_ += MbapToRtu(frame);
            taken = true;
        } else {
            Q_EMIT StrayFrame(frame);
        }
    }
    if (taken)
        Q_EMIT readyRead();
}

void ModbusTcpDevice::OnSocketWritten(qint64 bytes) {
    qint64 done = 0;
    while (bytes > 0 && !written_.isEmpty()) {
        Written& first = written_.first();
        const qint64 step = std::min(bytes, first.wire);
        first.wire -= step;
        bytes -= step;
        if (first.wire == 0) {
            done += first.rtu;
            written_.removeFirst();
        }
    }
    if (done > 0)
        Q_EMIT bytesWritten(done);
}
