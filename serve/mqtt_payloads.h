#pragma once

#include "fleet_snapshot.h"

#include <QByteArray>
#include <QList>
#include <QString>

// What the MQTT export sends, computed without a connection: topics, the state JSON of a
// controller and its Home Assistant discovery messages.

inline constexpr QStringView DefaultTopicPrefix = u"velmora";

// Everything the export sends is retained: the broker hands the latest to every newcomer.
struct MqttMessage {
    QString topic;
    QByteArray payload;
    int qos = 1;
};

// "<prefix>/<name>/state", "<prefix>/<name>/availability" and the exporter's own
// "<prefix>/serve/availability", which its last will sets to "offline".
QString StateTopic(const QString& topicPrefix, const QString& name);
QString AvailabilityTopic(const QString& topicPrefix, const QString& name);
QString ServeAvailabilityTopic(const QString& topicPrefix);

// The retained state of one controller at nowMs: the time, the link state and the age of the
// last answered cycle, the link counters, and only while the figures are current
// (SnapshotCurrent) the battery's values, its cells and its flags.
QByteArray MqttStateJson(const ControllerSnapshot& snapshot, qint64 nowMs);

// The retained config messages that make Home Assistant show the controller's main figures as
// sensors of one device, and its alarm flag as a binary sensor. An empty payload on the same
// topics removes them again.
QList<MqttMessage> DiscoveryMessages(const ControllerSpec& spec, const QString& topicPrefix);
