#include "connection_options.h"

#include "address_check.h"
#include "line_settings.h"
#include "port_list.h"

#include <QFileInfo>
#include <QLocale>

namespace {

// The lists of the connection dialog, in its item order.
const QStringList BaudRates = {QStringLiteral("9600"), QStringLiteral("19200"),
                               QStringLiteral("38400"), QStringLiteral("57600"),
                               QStringLiteral("115200")};
const QStringList Formats = {QStringLiteral("8N1"), QStringLiteral("8E1"), QStringLiteral("8O1")};

} // namespace

std::optional<ConnectionSettings> ConnectionFrom(const CliCall& call, QString* error) {
    ConnectionSettings settings;
    settings.portName = call.value("port");
    settings.baudIndex =
        int(BaudRates.indexOf(call.has("baud") ? call.value("baud") : BaudRates.last()));
    settings.formatIndex =
        int(Formats.indexOf(call.has("format") ? call.value("format").toUpper() : Formats.first()));
    settings.addressText = call.has("address") ? call.value("address") : QStringLiteral("238");
    settings.fastExchange = call.has("fast");

    if (settings.portName.isEmpty())
        *error = QStringLiteral("Не задан порт: укажите --port (список портов: velmora-cli ports)");
    else if (settings.baudIndex < 0)
        *error = QStringLiteral("--baud: скорость должна быть одной из %1, задано \"%2\"")
                     .arg(BaudRates.join(QStringLiteral(", ")), call.value("baud"));
    else if (settings.formatIndex < 0)
        *error = QStringLiteral("--format: формат должен быть одним из %1, задано \"%2\"")
                     .arg(Formats.join(QStringLiteral(", ")), call.value("format"));
    else if (const QString refusal = AddressRefusal(settings.addressText); !refusal.isEmpty())
        *error = QStringLiteral("--address: ") + refusal;
    if (!error->isEmpty())
        return std::nullopt;
    return settings;
}

QString AbsentPortText(const ConnectionSettings& connection) {
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
        *error = QStringLiteral("--locale: неизвестная локаль \"%1\"").arg(name);
        return false;
    }
    QLocale::setDefault(locale);
    return true;
}
