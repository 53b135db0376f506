#include "connection_options.h"

#include "address_check.h"
#include "line_settings.h"
#include "network_link.h"
#include "port_list.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTcpSocket>

std::optional<ConnectionSettings> ConnectionFrom(const CliCall& call, QString* error) {
    const QStringList& BaudRates = BaudRateItems();
    const QStringList& Formats = FrameFormatItems();
    ConnectionSettings settings;
    settings.portName = call.value("port");
    settings.baudIndex =
        int(BaudRates.indexOf(call.has("baud") ? call.value("baud") : BaudRates.last()));
    settings.formatIndex =
        int(Formats.indexOf(call.has("format") ? call.value("format").toUpper() : Formats.first()));
    settings.addressText = call.has("address") ? call.value("address") : QStringLiteral("238");
    settings.fastExchange = call.has("fast");
    bool timeoutValid = true;
    if (call.has("timeout"))
        settings.networkTimeoutMs = call.value("timeout").toInt(&timeoutValid);
    QString linkError;
    const bool network = LinkKindOf(settings.portName) != LinkKind::Serial;

    if (settings.portName.isEmpty())
        *error = QCoreApplication::translate(
            "Cli", "Не задан порт: укажите --port (список портов: velmora-cli ports)");
    else if (settings.baudIndex < 0)
        *error = QCoreApplication::translate(
                     "Cli", "--baud: скорость должна быть одной из %1, задано \"%2\"")
                     .arg(BaudRates.join(QStringLiteral(", ")), call.value("baud"));
    else if (settings.formatIndex < 0)
        *error = QCoreApplication::translate(
                     "Cli", "--format: формат должен быть одним из %1, задано \"%2\"")
                     .arg(Formats.join(QStringLiteral(", ")), call.value("format"));
    else if (const QString refusal = AddressRefusal(settings.addressText); !refusal.isEmpty())
        *error = QStringLiteral("--address: ") + refusal;
    else if (network && !ParseNetworkTarget(settings.portName, &linkError))
        *error = QStringLiteral("--port: ") + linkError;
    else if (!timeoutValid || settings.networkTimeoutMs < MinNetworkTimeoutMs ||
             settings.networkTimeoutMs > MaxNetworkTimeoutMs)
        *error = QCoreApplication::translate(
                     "Cli", "--timeout: нужно целое число мс от %1 до %2, задано \"%3\"")
                     .arg(MinNetworkTimeoutMs)
                     .arg(MaxNetworkTimeoutMs)
                     .arg(call.value("timeout"));
    if (!error->isEmpty())
        return std::nullopt;
    return settings;
}

QString AbsentPortText(const ConnectionSettings& connection) {
    if (LinkKindOf(connection.portName) != LinkKind::Serial) {
        QString error;
        const std::optional<NetworkTarget> target = ParseNetworkTarget(connection.portName, &error);
        QTcpSocket socket;
        return target ? ConnectSocket(socket, *target, connection.networkTimeoutMs) : error;
    }
#ifdef Q_OS_UNIX
    const QString device = PortSystemName(connection.portName);
    if (!QFileInfo::exists(device))
        return PortOpenFailureText(QSerialPort::DeviceNotFoundError, device);
#else
    Q_UNUSED(connection);
#endif
    return {};
}

bool ApplyLocale(const CliCall& call, QString* error) {
    if (!call.has("locale"))
        return true;
    const QString name = call.value("locale");
    const QLocale locale(name);
    // QLocale falls back to C for a name it does not know.
    if (locale == QLocale::c() && name != QLatin1String("C") && name != QLatin1String("POSIX")) {
        *error =
            QCoreApplication::translate("Cli", "--locale: неизвестная локаль \"%1\"").arg(name);
        return false;
    }
    QLocale::setDefault(locale);
    return true;
}
