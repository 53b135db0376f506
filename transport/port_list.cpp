#include "port_list.h"

#include <QSerialPortInfo>

QStringList ListSerialPorts(const QStringList& extraPorts) {
    QStringList ports;
    const QList<QSerialPortInfo> present = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : present)
        ports.append(info.portName());
    for (const QString& extra : extraPorts)
        if (!extra.isEmpty() && !ports.contains(extra))
            ports.append(extra);
    return ports;
}
