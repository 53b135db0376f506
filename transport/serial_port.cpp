#include "serial_port.h"

#include "port_list.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <algorithm>

namespace {

const QString ErrorCaption = QStringLiteral("Error");

// Time the line needs for n ten-bit characters, plus a second for the system to take them.
int WriteTimeoutMs(qint32 baudRate, int n) {
    return int(qint64(n) * 10 * 1000 / std::max(baudRate, 1)) + 1000;
}

} // namespace

bool SerialPort::Open(const QString& systemName, const LineSettings& line) {
    Close();
    port = std::make_unique<QSerialPort>();
    port->setPortName(systemName);
    if (!port->open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = port->error();
        port.reset();
        CurrentPrompts().Explained(
            QCoreApplication::translate("SerialPort", "Ошибка открытия порта"), ErrorCaption,
            OpenFailureDetails(error, systemName));
        return false;
    }
    if (!port->clear(QSerialPort::AllDirections)) {
        Close();
        Fail(QT_TRANSLATE_NOOP("SerialPort", "Ошибка сброса порта"));
        return false;
    }
    // The input queue: bytes beyond it stay with the system until the queue is read or purged.
    port->setReadBufferSize(SerialQueueBytes);
    const bool configured = port->setBaudRate(line.baudRate) && port->setDataBits(line.dataBits) &&
                            port->setParity(line.parity) && port->setStopBits(line.stopBits) &&
                            port->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        Close();
        Fail(QT_TRANSLATE_NOOP("SerialPort", "Ошибка записи настроек порта"));
        return false;
    }
    // DTR raised and RTS dropped for the line driver; pseudo-terminals and many adapters have no
    // modem lines, so a refusal here is no reason to give up the port.
    port->setDataTerminalReady(true);
    port->setRequestToSend(false);
    port->clearError();
    PurgeRx();
    PurgeTx();
    return true;
}

void SerialPort::Close() {
    if (port)
        port->close();
    port.reset();
}

bool SerialPort::IsOpen() const {
    return port != nullptr;
}

bool SerialPort::PurgeRx() {
    return port && port->clear(QSerialPort::Input);
}

bool SerialPort::PurgeTx() {
    return port && port->clear(QSerialPort::Output);
}

quint16 SerialPort::BytesWaiting() {
    if (!port)
        return 0;
    Fetch();
    return quint16(std::min<qint64>(port->bytesAvailable(), 0xFFFF));
}

QByteArray SerialPort::Peek() {
    if (!port)
        return {};
    Fetch();
    return port->peek(port->bytesAvailable());
}

bool SerialPort::WaitForBytes(int ms) {
    if (!port)
        return false;
    const bool arrived = port->waitForReadyRead(std::max(ms, 0));
    if (port->error() == QSerialPort::TimeoutError)
        port->clearError();
    return arrived;
}

quint16 SerialPort::Read(quint8* buffer, quint16 n) {
    if (port)
        Fetch();
    if (!port || TakePendingError()) {
        Fail(QT_TRANSLATE_NOOP("SerialPort", "Ошибка сброса ошибок порта перед чтением"));
        return 0;
    }
    const qint64 got = port->read(reinterpret_cast<char*>(buffer), n);
    if (got < 0) {
        Fail(QT_TRANSLATE_NOOP("SerialPort", "Ошибка чтения из порта в буфер"));
        return 0;
    }
    return quint16(got);
}

quint16 SerialPort::Write(const quint8* buffer, quint16 n) {
    if (n == 0)
        return 0;
    if (!port || TakePendingError()) {
        Fail(QT_TRANSLATE_NOOP("SerialPort", "Ошибка сброса ошибок порта перед записью"));
        return 0;
    }
    if (!FitsOutputQueue(port->bytesToWrite(), n)) {
        CurrentPrompts().Message(
            QCoreApplication::translate("SerialPort", "Невозможно поместить в выходной буфер "),
            QString());
        return 0;
    }
    bool written = port->write(reinterpret_cast<const char*>(buffer), n) == n;
    // QSerialPort hands its buffer to the system piece by piece, only while someone waits on it.
    const QDeadlineTimer deadline(WriteTimeoutMs(port->baudRate(), n));
    while (written && port->bytesToWrite() > 0)
        written = port->waitForBytesWritten(int(deadline.remainingTime()));
    if (!written) {
        Fail(QT_TRANSLATE_NOOP("SerialPort", "Ошибка записи в порт"));
        return 0;
    }
    return n;
}

void SerialPort::Fetch() {
    // Bounded: each round moves at least one byte and the buffer holds SerialQueueBytes at most.
    while (port->waitForReadyRead(0)) {
    }
    if (port->error() == QSerialPort::TimeoutError)
        port->clearError();
}

bool SerialPort::TakePendingError() {
    const QSerialPort::SerialPortError error = port->error();
    port->clearError();
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

void SerialPort::Fail(const char* text) {
    CurrentPrompts().Message(QCoreApplication::translate("SerialPort", text), ErrorCaption);
}

SerialPort& SyncSerialPort() {
    static SerialPort port;
    return port;
}
