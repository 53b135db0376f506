#pragma once

#include <QSerialPort>
#include <QString>
#include <QStringList>

// Line settings chosen by the item indexes of the connection dialog's baud-rate and format lists.
struct LineSettings {
    qint32 baudRate = 115200;
    // Time of one bit in milliseconds, kept in single precision as the exchange timing uses it.
    float bitTimeMs = 0.008681f;
    // Line time of 255 ten-bit characters at this rate, in whole milliseconds.
    int settleDelayMs = 22;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// The connection dialog's baud-rate and frame-format lists, in item order.
const QStringList& BaudRateItems();
const QStringList& FrameFormatItems();

// Any index outside the lists gives 115200 baud and 8N1.
LineSettings LineSettingsFor(int baudIndex, int formatIndex);

// The name handed to QSerialPort for a port list item: on Windows "\\.\" + the item; elsewhere a
// bare item is a device under /dev and a full path is taken as it is.
QString PortSystemName(const QString& portItem);
