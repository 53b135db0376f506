#pragma once

#include <QString>

#include <optional>

// Where the MQTT export connects: mqtt://[user:password@]host[:port] (1883 by default) or
// mqtts://... over TLS (8883 by default).
struct MqttBrokerAddress {
    QString host;
    int port = 0;
    bool tls = false;
    QString user; // empty: no login
    QString password;
    // "host:port", as messages name the broker.
    QString Text() const;
};

// Nothing, and the operator's message in `error`, when the text is no such address.
std::optional<MqttBrokerAddress> ParseBrokerAddress(const QString& text, QString* error);
