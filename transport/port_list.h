#pragma once

#include <QList>
#include <QSerialPort>
#include <QString>
#include <QStringList>

#include <optional>

// A port of the port list: the name it is opened by, and what the list shows for it.
struct PortEntry {
    QString openName; // a stable /dev/serial/by-id path where the adapter has one
    QString label;    // the short name, the adapter's description, the stable path
    friend bool operator==(const PortEntry&, const PortEntry&) = default;
};

// The serial ports present on this computer, followed by the extra ports the program was given
// (full device paths such as the simulator's terminal) that are not already listed.
QList<PortEntry> ListSerialPortEntries(const QStringList& extraPorts = {});
// Their names to open, in the same order.
QStringList ListSerialPorts(const QStringList& extraPorts = {});

// The link in byIdFolder that leads to the device, or nothing. Such a name stays the same when
// the adapter is plugged in again, where ttyUSB0 may come back as ttyUSB1.
QString StablePortName(const QString& device,
                       const QString& byIdFolder = QStringLiteral("/dev/serial/by-id"));

// The latency timer of the USB serial adapter behind the port, in milliseconds, where it has one.
std::optional<int> UsbLatencyTimerMs(const QString& port,
                                     const QString& sysRoot = QStringLiteral("/sys"));
// What the monitor says of a latency timer above 1 ms; empty otherwise.
QString LatencyAdvice(const QString& port, int latencyMs);

// Why the port could not be opened, with what to do about it: missing rights (and the group to
// join, or a udev rule when the device belongs to root), a port held by another program, a device
// that is gone. The synchronous exchange and polling both say it.
QString OpenFailureDetails(QSerialPort::SerialPortError error, const QString& port);
// The status text of a port that did not open: "Не удалось открыть порт." and the reason.
QString PortOpenFailureText(QSerialPort::SerialPortError error, const QString& port);
// The same for the facts given: whether the device exists and can be read and written, and its
// group.
QString OpenFailureDetails(QSerialPort::SerialPortError error, const QString& port, bool exists,
                           bool accessible, const QString& group);
