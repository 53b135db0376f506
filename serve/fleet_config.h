#pragma once

#include "fleet_snapshot.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The configuration of velmora-cli serve, an INI file read line by line so that every refusal
// names its line:
//
//   # a comment; so is a line starting with ";"
//   [serve]                           optional, at most once
//   metrics-listen = 127.0.0.1:9870   HOST:PORT of the metrics endpoint
//   mqtt = mqtt://host:1883           the broker (mqtt:// or mqtts://)
//   log-folder = /var/log/velmora     where "log = yes" puts a controller's monitoring log
//   metrics-user = NAME               with metrics-password-sha256 (64 hex digits) the endpoint
//   metrics-password-sha256 = HEX     asks for basic authentication
//   tls-certificate = FILE            with tls-key the endpoint speaks HTTPS
//   tls-key = FILE
//   mqtt-ca = FILE                    the broker's authority, and the client's own certificate
//   mqtt-certificate = FILE
//   mqtt-key = FILE
//
//   [controller NAME]                 one per controller; NAME of [A-Za-z0-9_-]
//   link = /dev/ttyUSB0               a serial port, tcp://HOST[:PORT] or rtu+tcp://HOST:PORT
//   address = 238                     1..247
//   baud = 115200                     9600, 19200, 38400, 57600 or 115200
//   format = 8N1                      8N1, 8E1 or 8O1
//   period = 1                        seconds between cycle starts, 0.25..600, decimal point
//   journal = no                      yes: the journal is read in every cycle
//   log = yes                         yes (NAME.log in log-folder), no, or a file
//   timeout = 1000                    network reply time-out, ms, 100..10000
//   fast = no                         yes: a reply is taken as soon as its last byte has come
//
// Keys are the same on the command line: --controller "NAME=LINK,address=N,baud=B,...".

// The [serve] section; every value as written, empty when not given.
struct ServeOptions {
    QString metricsListen;
    QString mqtt;
    QString logFolder;
    QString metricsUser;
    QString metricsPasswordSha256;
    QString tlsCertificate;
    QString tlsKey;
    QString mqttCa;
    QString mqttCertificate;
    QString mqttKey;
};

struct FleetConfig {
    ServeOptions serve;
    QList<ControllerSpec> controllers; // in the order of the file
};

// The configuration and every refusal found in it ("FILE:LINE: ..."); taken only when there is
// none.
struct FleetConfigReading {
    FleetConfig config;
    QStringList errors;
    bool unreadable = false; // the file itself could not be read
};

// `source` names the text in the messages: the file as given.
FleetConfigReading ParseFleetConfig(const QString& text, const QString& source);
// The file read as UTF-8; a file that cannot be read is one refusal.
FleetConfigReading ReadFleetConfig(const QString& path);

// One controller of the command line, "NAME=LINK[,key=value]...", with the keys of a
// [controller] section; nothing, and the reason in `error`, when it is refused. "log=yes" puts
// the log in logFolder.
std::optional<ControllerSpec> ParseControllerOption(const QString& text, const QString& logFolder,
                                                    QString* error);

// Checks a value of the [serve] section as the command line may give it too ("metrics-listen",
// "mqtt"): the reason it is refused, or empty.
QString ServeValueRefusal(const QString& key, const QString& value);

// The controllers of both lists, the second after the first, with the reason of a refusal when a
// name comes twice.
std::optional<QList<ControllerSpec>> JoinControllers(const QList<ControllerSpec>& first,
                                                     const QList<ControllerSpec>& second,
                                                     QString* error);

// Whether two specs poll the same way (the line of the file is no part of it).
bool SamePolling(const ControllerSpec& a, const ControllerSpec& b);
