#include "port_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// The name the kernel gives the device behind a port path (a by-id link leads to ttyUSB0).
QString KernelName(const QString& port) {
    const QString target = QFileInfo(port).canonicalFilePath();
    return QFileInfo(target.isEmpty() ? port : target).fileName();
}

} // namespace

QList<PortEntry> ListSerialPortEntries(const QStringList& extraPorts) {
    QList<PortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString stable = StablePortName(info.systemLocation());
        QString label = info.portName();
        if (!info.description().isEmpty())
            label += QStringLiteral(" — ") + info.description();
        if (!stable.isEmpty())
            label += QStringLiteral(" (") + stable + QLatin1Char(')');
        ports.append({stable.isEmpty() ? info.portName() : stable, label});
    }
    for (const QString& extra : extraPorts) {
        const bool listed = std::any_of(ports.begin(), ports.end(),
                                        [&](const PortEntry& p) { return p.openName == extra; });
        if (!extra.isEmpty() && !listed)
            ports.append({extra, extra});
    }
    return ports;
}

QStringList ListSerialPorts(const QStringList& extraPorts) {
    QStringList names;
    for (const PortEntry& entry : ListSerialPortEntries(extraPorts))
        names.append(entry.openName);
    return names;
}

QString StablePortName(const QString& device, const QString& byIdFolder) {
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return {};
    const QDir folder(byIdFolder);
    for (const QFileInfo& link : folder.entryInfoList(QDir::System | QDir::Files))
        if (link.canonicalFilePath() == target)
            return link.absoluteFilePath();
    return {};
}

std::optional<int> UsbLatencyTimerMs(const QString& port, const QString& sysRoot) {
    const QString device =
        QFileInfo(port.startsWith(QLatin1Char('/')) ? port : QStringLiteral("/dev/") + port)
            .canonicalFilePath();
    if (device.isEmpty())
        return std::nullopt;
    QFile timer(sysRoot + QStringLiteral("/bus/usb-serial/devices/") +
                QFileInfo(device).fileName() + QStringLiteral("/latency_timer"));
    if (!timer.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const int ms = timer.readAll().trimmed().toInt(&ok);
    return ok ? std::optional<int>(ms) : std::nullopt;
}

QString LatencyAdvice(const QString& port, int latencyMs) {
    if (latencyMs <= 1)
        return {};
    const QString name = QFileInfo(QFileInfo(port).canonicalFilePath()).fileName();
    return QCoreApplication::translate("PortList",
                                       "Таймер задержки адаптера %1: %2 мс, каждый ответ приходит "
                                       "до %2 мс позже. Уменьшить до 1 мс: echo 1 | sudo tee "
                                       "/sys/bus/usb-serial/devices/%1/latency_timer")
        .arg(name.isEmpty() ? port : name)
        .arg(latencyMs);
}

QString OpenFailureDetails(QSerialPort::SerialPortError error, const QString& port) {
    const QFileInfo info(port);
    bool accessible = false;
#ifdef Q_OS_UNIX
    accessible = ::access(QFile::encodeName(port).constData(), R_OK | W_OK) == 0;
#else
    accessible = info.isReadable() && info.isWritable();
#endif
    return OpenFailureDetails(error, port, info.exists(), accessible, info.group());
}

QString PortOpenFailureText(QSerialPort::SerialPortError error, const QString& port) {
    return QCoreApplication::translate("PortList", "Не удалось открыть порт. ") +
           OpenFailureDetails(error, port);
}

QString OpenFailureDetails(QSerialPort::SerialPortError error, const QString& port, bool exists,
                           bool accessible, const QString& group) {
    if (!exists || error == QSerialPort::DeviceNotFoundError)
        return QCoreApplication::translate(
                   "PortList", "Устройства %1 нет: адаптер отключен или выбран не тот порт.")
            .arg(port);
    // Joining root would give the user the whole machine: the device gets a group of its own.
    if (!accessible && group == QLatin1String("root"))
        return QCoreApplication::translate(
                   "PortList",
                   "Нет прав на порт %1, а принадлежит он группе root. Дайте ему группу "
                   "dialout правилом udev: строка SUBSYSTEM==\"tty\", KERNEL==\"%2\", "
                   "GROUP=\"dialout\", MODE=\"0660\" в файле "
                   "/etc/udev/rules.d/99-velmora.rules, затем sudo udevadm trigger; "
                   "добавьте пользователя в группу dialout: sudo usermod -aG dialout "
                   "$USER и войдите в систему заново.")
            .arg(port, KernelName(port));
    if (!accessible) {
        const QString joined = group.isEmpty() ? QStringLiteral("dialout") : group;
        return QCoreApplication::translate(
                   "PortList", "Нет прав на порт %1. Добавьте пользователя в группу %2: "
                               "sudo usermod -aG %2 $USER, затем войдите в систему заново.")
            .arg(port, joined);
    }
    if (error == QSerialPort::PermissionError)
        return QCoreApplication::translate("PortList", "Порт %1 занят другой программой.")
            .arg(port);
    return QCoreApplication::translate("PortList", "Порт %1 не открылся.").arg(port);
}
