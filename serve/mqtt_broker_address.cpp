#include "mqtt_broker_address.h"

#include <QCoreApplication>
#include <QUrl>

QString MqttBrokerAddress::Text() const {
    return host + u':' + QString::number(port);
}

std::optional<MqttBrokerAddress> ParseBrokerAddress(const QString& text, QString* error) {
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    const bool knownScheme = scheme == u"mqtt" || scheme == u"mqtts";
    const QString path = url.path();
    // The text is not repeated in the message: it may hold a password.
    if (!url.isValid() || !knownScheme || url.host().isEmpty() || url.port() == 0 ||
        !(path.isEmpty() || path == u"/") || url.hasQuery() || url.hasFragment()) {
        *error = QCoreApplication::translate("Serve", "MQTT: адрес брокера не понят; нужен "
                                "mqtt://[пользователь:пароль@]узел[:порт] или mqtts://…");
        return std::nullopt;
    }
    MqttBrokerAddress address;
    address.tls = scheme == u"mqtts";
    address.host = url.host();
    address.port = url.port(address.tls ? 8883 : 1883);
    address.user = url.userName();
    address.password = url.password();
    if (address.user.isEmpty() && !address.password.isEmpty()) {
        *error = QCoreApplication::translate("Serve", "MQTT: в адресе брокера пароль указан без пользователя");
        return std::nullopt;
    }
    return address;
}
