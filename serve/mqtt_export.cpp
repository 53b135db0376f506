#include "mqtt_export.h"

#include "mqtt_payloads.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QSysInfo>

#include <mosquitto.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr int KeepAliveS = 30;
constexpr int MaxRetryDelayS = 60;
// Messages handed to the client and not yet written or acknowledged; beyond this the states
// wait in the latest-per-controller store instead of piling up in the client's queue.
constexpr int MaxUnsentMessages = 64;
// States are sent at most once: the next cycle's state replaces a lost one, and every reconnect
// sends them again. Availability and discovery change rarely and must arrive: at least once.
constexpr int StateQos = 0;
constexpr int RetainedQos = 1;

const QByteArray Online = QByteArrayLiteral("online");
const QByteArray Offline = QByteArrayLiteral("offline");

// The client's frequent errors in our words, the rest in the client's own.
QString ClientError(int rc) {
    switch (rc) {
    case MOSQ_ERR_CONN_LOST:
        return QCoreApplication::translate("Serve", "соединение потеряно");
    case MOSQ_ERR_KEEPALIVE:
        return QCoreApplication::translate("Serve", "брокер не отвечает");
    case MOSQ_ERR_EAI:
    case MOSQ_ERR_LOOKUP:
        return QCoreApplication::translate("Serve", "узел не найден");
    case MOSQ_ERR_TLS:
    case MOSQ_ERR_TLS_HANDSHAKE:
        return QCoreApplication::translate("Serve", "ошибка TLS");
    case MOSQ_ERR_ERRNO:
        return QString::fromLocal8Bit(std::strerror(errno));
    default:
        return QString::fromUtf8(mosquitto_strerror(rc));
    }
}

MqttExport* Self(void* self) {
    return static_cast<MqttExport*>(self);
}

} // namespace

MqttExport::MqttExport(QObject* parent) : QObject(parent), prefix_(DefaultTopicPrefix.toString()) {
    static const int libraryReady = mosquitto_lib_init();
    Q_UNUSED(libraryReady);
    keepAlive_.setInterval(1000);
    connect(&keepAlive_, &QTimer::timeout, this, [this] {
        if (socket_ != -1)
            Service();
    });
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &MqttExport::Connect);
}

MqttExport::~MqttExport() {
    Stop();
}

void MqttExport::SetTopicPrefix(const QString& prefix) {
    prefix_ = prefix;
}

void MqttExport::SetCaFile(const QString& path) {
    caFile_ = path;
}

void MqttExport::SetCertFile(const QString& path) {
    certFile_ = path;
}

void MqttExport::SetKeyFile(const QString& path) {
    keyFile_ = path;
}

bool MqttExport::Start(const QString& url, QString* error) {
    const auto broker = ParseBrokerAddress(url, error);
    if (!broker)
        return false;
    broker_ = *broker;
    // The id is the broker's key for the session and the last will: one per process.
    const QByteArray id = QStringLiteral("velmora-%1-%2")
                              .arg(QSysInfo::machineHostName())
                              .arg(QCoreApplication::applicationPid())
                              .toUtf8();
    client_ = mosquitto_new(id.constData(), true, this);
    if (!client_) {
        *error = QCoreApplication::translate("Serve", "MQTT: клиент не создан (%1)").arg(ClientError(MOSQ_ERR_ERRNO));
        return false;
    }
    if (!Configure(error)) {
        Stop();
        return false;
    }
    mosquitto_connect_callback_set(client_, &MqttExport::OnConnect);
    mosquitto_disconnect_callback_set(client_, &MqttExport::OnDisconnect);
    mosquitto_publish_callback_set(client_, &MqttExport::OnPublish);
    keepAlive_.start();
    Connect();
    return true;
}

bool MqttExport::Configure(QString* error) {
    const QByteArray will = ServeAvailabilityTopic(prefix_).toUtf8();
    if (mosquitto_will_set(client_, will.constData(), int(Offline.size()), Offline.constData(),
                           RetainedQos, true) != MOSQ_ERR_SUCCESS) {
        *error = QCoreApplication::translate("Serve", "MQTT: префикс тем \"%1\" не годится").arg(prefix_);
        return false;
    }
    if (!broker_.user.isEmpty()) {
        const QByteArray user = broker_.user.toUtf8();
        const QByteArray password = broker_.password.toUtf8();
        mosquitto_username_pw_set(client_, user.constData(),
                                  broker_.password.isEmpty() ? nullptr : password.constData());
    }
    const QStringList files = {caFile_, certFile_, keyFile_};
    if (!broker_.tls) {
        if (files.join(QString()).isEmpty())
            return true;
        *error = QCoreApplication::translate("Serve", "MQTT: файлы TLS заданы, но адрес брокера не mqtts://");
        return false;
    }
    for (const QString& file : files)
        if (!file.isEmpty() && !QFileInfo(file).isReadable()) {
            *error = QCoreApplication::translate("Serve", "MQTT: файл TLS \"%1\" не читается").arg(file);
            return false;
        }
    if (caFile_.isEmpty())
        mosquitto_int_option(client_, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
    if (caFile_.isEmpty() && certFile_.isEmpty())
        return true;
    const auto path = [](const QString& file) { return QFile::encodeName(file); };
    const QByteArray ca = path(caFile_), cert = path(certFile_), key = path(keyFile_);
    const int rc = mosquitto_tls_set(client_, ca.isEmpty() ? nullptr : ca.constData(), nullptr,
                                     cert.isEmpty() ? nullptr : cert.constData(),
                                     key.isEmpty() ? nullptr : key.constData(), nullptr);
    if (rc != MOSQ_ERR_SUCCESS) {
        *error = QCoreApplication::translate("Serve", "MQTT: файлы TLS не приняты (%1)").arg(ClientError(rc));
        return false;
    }
    return true;
}

void MqttExport::Connect() {
    // The client resolves the broker's name itself; an address or a name in the hosts file
    // comes back at once.
    const QByteArray host = broker_.host.toUtf8();
    const int rc = mosquitto_connect_async(client_, host.constData(), broker_.port, KeepAliveS);
    if (rc != MOSQ_ERR_SUCCESS) {
        Failed(ClientError(rc));
        return;
    }
    WatchSocket();
}

void MqttExport::Service() {
    const int rc = mosquitto_loop(client_, 0, 1);
    if (rc != MOSQ_ERR_SUCCESS && failure_.isEmpty())
        failure_ = ClientError(rc);
    WatchSocket();
}

// Follows the client's socket after every call into it: a new socket gets notifiers, a closed
// one loses them before the event loop can poll it, and writing is watched only while the
// client has something to write.
void MqttExport::WatchSocket() {
    const int socket = mosquitto_socket(client_);
    if (socket != socket_) {
        DropNotifiers();
        const bool lost = socket_ != -1;
        socket_ = socket;
        if (socket != -1) {
            reader_ = new QSocketNotifier(socket, QSocketNotifier::Read, this);
            writer_ = new QSocketNotifier(socket, QSocketNotifier::Write, this);
            connect(reader_, &QSocketNotifier::activated, this, &MqttExport::Service);
            connect(writer_, &QSocketNotifier::activated, this, &MqttExport::Service);
        }
        if (lost)
            ConnectionLost();
    }
    if (writer_)
        writer_->setEnabled(mosquitto_want_write(client_));
}

// The notifier being handled may be among them: it goes once its signal has returned.
void MqttExport::DropNotifiers() {
    for (QSocketNotifier* notifier : {reader_, writer_})
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    reader_ = writer_ = nullptr;
}

void MqttExport::OnConnect(mosquitto*, void* self, int rc) {
    if (rc == 0) {
        Self(self)->Connected();
        return;
    }
    // The client closes the connection itself after a refusal.
    Self(self)->failure_ = QCoreApplication::translate("Serve", "брокер отказал в подключении: %1")
                               .arg(QString::fromUtf8(mosquitto_connack_string(rc)));
}

void MqttExport::OnDisconnect(mosquitto*, void* self, int rc) {
    if (Self(self)->failure_.isEmpty() && rc != 0)
        Self(self)->failure_ = ClientError(rc);
}

void MqttExport::OnPublish(mosquitto*, void* self, int mid) {
    Self(self)->unsent_.remove(mid);
    Self(self)->PostFlush();
}

void MqttExport::Connected() {
    connected_ = true;
    retryDelayS_ = 1;
    failure_.clear();
    outageReported_ = false;
    // A new session knows nothing retained of ours, or it may have lost it: all is sent again.
    for (Controller& c : controllers_) {
        c.stateDue = c.discoveryDue = true;
        c.onlineSent.reset();
    }
    Send(ServeAvailabilityTopic(prefix_), Online, RetainedQos);
    PostFlush();
    Q_EMIT Message(QCoreApplication::translate("Serve", "MQTT: связь с брокером %1 есть").arg(broker_.Text()));
    Q_EMIT ConnectedChanged(true);
}

void MqttExport::ConnectionLost() {
    unsent_.clear();
    if (connected_) {
        connected_ = false;
        Q_EMIT ConnectedChanged(false);
    }
    Failed(failure_.isEmpty() ? ClientError(MOSQ_ERR_CONN_LOST) : failure_);
}

// One message when the broker goes away, not one per attempt.
void MqttExport::Failed(const QString& reason) {
    failure_.clear();
    if (!outageReported_) {
        outageReported_ = true;
        Q_EMIT Message(QCoreApplication::translate("Serve", "MQTT: нет связи с брокером %1 (%2), повтор через %3 с")
                           .arg(broker_.Text(), reason)
                           .arg(retryDelayS_));
    }
    retry_.start(retryDelayS_ * 1000);
    retryDelayS_ = std::min(retryDelayS_ * 2, MaxRetryDelayS);
}

void MqttExport::Publish(const ControllerSnapshot& snapshot) {
    removals_.remove(snapshot.spec.name);
    Controller& c = controllers_[snapshot.spec.name];
    c.latest = snapshot;
    c.stateDue = true;
    Flush();
}

void MqttExport::Remove(const QString& name) {
    const auto known = controllers_.constFind(name);
    ControllerSpec spec;
    spec.name = name;
    removals_.insert(name, known != controllers_.cend() ? known->latest.spec : spec);
    controllers_.remove(name);
    Flush();
}

// The client's callbacks run inside its calls, so they post this instead of sending from there.
void MqttExport::PostFlush() {
    if (flushPosted_)
        return;
    flushPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            flushPosted_ = false;
            Flush();
        },
        Qt::QueuedConnection);
}

void MqttExport::Flush() {
    const auto room = [this] { return unsent_.size() < MaxUnsentMessages; };
    if (!connected_ || !room())
        return;
    for (auto it = removals_.begin(); it != removals_.end() && room(); it = removals_.erase(it)) {
        for (const MqttMessage& m : DiscoveryMessages(*it, prefix_))
            Send(m.topic, {}, RetainedQos);
        Send(AvailabilityTopic(prefix_, it.key()), Offline, RetainedQos);
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (auto it = controllers_.begin(); it != controllers_.end() && room(); ++it) {
        Controller& c = *it;
        if (c.discoveryDue) {
            for (const MqttMessage& m : DiscoveryMessages(c.latest.spec, prefix_))
                Send(m.topic, m.payload, m.qos);
            c.discoveryDue = false;
        }
        const bool online = c.latest.link == LinkState::Up;
        if (c.onlineSent != online) {
            Send(AvailabilityTopic(prefix_, it.key()), online ? Online : Offline, RetainedQos);
            c.onlineSent = online;
        }
        if (c.stateDue) {
            Send(StateTopic(prefix_, it.key()), MqttStateJson(c.latest, now), StateQos);
            c.stateDue = false;
        }
    }
    WatchSocket();
}

void MqttExport::Send(const QString& topic, const QByteArray& payload, int qos) {
    const QByteArray name = topic.toUtf8();
    int mid = 0;
    const int rc = mosquitto_publish(client_, &mid, name.constData(), int(payload.size()),
                                     payload.constData(), qos, true);
    if (rc == MOSQ_ERR_SUCCESS) {
        unsent_.insert(mid);
        return;
    }
    // A lost connection is noticed and told by the socket's watch; anything else is this topic's.
    if (rc != MOSQ_ERR_NO_CONN && rc != MOSQ_ERR_CONN_LOST && rc != MOSQ_ERR_ERRNO)
        Q_EMIT Message(
            QCoreApplication::translate("Serve", "MQTT: сообщение в %1 не отправлено (%2)").arg(topic, ClientError(rc)));
}

void MqttExport::Stop() {
    if (!client_)
        return;
    retry_.stop();
    keepAlive_.stop();
    // Written at once when the socket takes them; the broker keeps the retained "offline".
    if (connected_) {
        Send(ServeAvailabilityTopic(prefix_), Offline, RetainedQos);
        mosquitto_disconnect(client_);
    }
    mosquitto_destroy(client_);
    client_ = nullptr;
    DropNotifiers();
    socket_ = -1;
    connected_ = false;
}
