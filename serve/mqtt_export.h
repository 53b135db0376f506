#pragma once

#include "fleet_snapshot.h"
#include "mqtt_broker_address.h"

#include <QMap>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <optional>

struct mosquitto;
class QSocketNotifier;

// Publishes the fleet's snapshots to an MQTT broker from the main thread's event loop: the
// client's socket is watched by socket notifiers and its keep-alive runs on a timer, so nothing
// waits on the network. A broker that goes away is tried again after 1, 2, 4 ... 60 s. Only the
// latest state of each controller is kept while it cannot be sent, and everything retained
// (states, availability, discovery) is sent again after every reconnect.
class MqttExport final : public QObject {
    Q_OBJECT

public:
    explicit MqttExport(QObject* parent = nullptr);
    ~MqttExport() override;

    // Settings taken by Start.
    void SetTopicPrefix(const QString& prefix); // "velmora" unless set
    // For mqtts://: the broker's CA certificate (the system's CAs when none), and a client
    // certificate with its key for brokers that ask for one.
    void SetCaFile(const QString& path);
    void SetCertFile(const QString& path);
    void SetKeyFile(const QString& path);

    // Takes the broker's address, mqtt://[user:password@]host[:port] or mqtts://..., and starts
    // connecting; a broker that does not answer yet is tried again. False, with the operator's
    // message in `error`, when the address or a TLS file is not usable. Called once.
    bool Start(const QString& url, QString* error);

    // The controller's retained state and availability; its discovery the first time it is seen
    // in a connection.
    void Publish(const ControllerSnapshot& snapshot);
    // Clears the controller's retained discovery and marks it offline.
    void Remove(const QString& name);
    // Marks the exporter offline and disconnects; the destructor does it too.
    void Stop();

    bool IsConnected() const { return connected_; }

Q_SIGNALS:
    // A line for the operator (standard error): connection lost, restored, refused.
    void Message(const QString& line);
    void ConnectedChanged(bool connected);

private:
    struct Controller {
        ControllerSnapshot latest;
        bool stateDue = true;
        bool discoveryDue = true;
        std::optional<bool> onlineSent;
    };

    static void OnConnect(mosquitto*, void* self, int rc);
    static void OnDisconnect(mosquitto*, void* self, int rc);
    static void OnPublish(mosquitto*, void* self, int mid);

    bool Configure(QString* error);
    void Connect();
    void Service();
    void WatchSocket();
    void DropNotifiers();
    void Connected();
    void ConnectionLost();
    void Failed(const QString& reason);
    void Flush();
    void PostFlush();
    void Send(const QString& topic, const QByteArray& payload, int qos);

    mosquitto* client_ = nullptr;
    MqttBrokerAddress broker_;
    QString prefix_;
    QString caFile_, certFile_, keyFile_;

    int socket_ = -1;
    QSocketNotifier* reader_ = nullptr;
    QSocketNotifier* writer_ = nullptr;
    QTimer keepAlive_;
    QTimer retry_;
    int retryDelayS_ = 1;
    bool connected_ = false;
    QString failure_; // why the attempt under way failed, told by the client's callbacks
    bool outageReported_ = false;

    QMap<QString, Controller> controllers_;
    QMap<QString, ControllerSpec> removals_; // discovery still to be cleared
    QSet<int> unsent_;                       // message ids the client has not finished
    bool flushPosted_ = false;
};
