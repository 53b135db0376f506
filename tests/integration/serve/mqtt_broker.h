#pragma once

#include <QHash>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

// A mosquitto broker of the test's own on a free loopback port, without persistence: a broker
// started again knows nothing retained.
class Broker {
public:
    Broker() {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        port_ = probe.serverPort();
        QFile config(dir_.filePath("mosquitto.conf"));
        config.open(QIODevice::WriteOnly);
        config.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\n"
                                    "persistence false\nlog_dest file %2\n")
                         .arg(port_)
                         .arg(dir_.filePath("mosquitto.log"))
                         .toUtf8());
    }
    ~Broker() { Kill(); }

    bool Start() {
        process_.start("/usr/sbin/mosquitto", {"-c", dir_.filePath("mosquitto.conf")});
        return process_.waitForStarted(10000);
    }
    void Kill() {
        process_.kill();
        process_.waitForFinished(10000);
    }
    bool Listening() const {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port_);
        return socket.waitForConnected(1000);
    }
    int Port() const { return port_; }
    QString Url() const { return QStringLiteral("mqtt://127.0.0.1:%1").arg(port_); }

private:
    QTemporaryDir dir_;
    int port_ = 0;
    QProcess process_;
};

// mosquitto_sub on every topic of the exporter: the last message of each topic.
class Subscriber {
public:
    struct Received {
        QByteArray payload;
        bool retained = false;
    };

    explicit Subscriber(int port) {
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] { Read(); });
        process_.start("mosquitto_sub", {"-h", "127.0.0.1", "-p", QString::number(port), "-F",
                                         "%r %t %p", "-t", "velmora/#", "-t", "homeassistant/#"});
    }
    ~Subscriber() {
        process_.kill();
        process_.waitForFinished(10000);
    }

    Received Last(const QString& topic) const { return last_.value(topic); }
    bool Has(const QString& topic) const { return last_.contains(topic); }

private:
    // "1 topic payload": the retained flag, the topic, the payload to the end of the line.
    void Read() {
        while (process_.canReadLine()) {
            const QByteArray line = process_.readLine().chopped(1);
            const qsizetype topicEnd = line.indexOf(' ', 2);
            const QByteArray topic = line.mid(2, topicEnd < 0 ? -1 : topicEnd - 2);
            last_[QString::fromUtf8(topic)] = {topicEnd < 0 ? QByteArray() : line.mid(topicEnd + 1),
                                               line.startsWith('1')};
        }
    }

    QProcess process_;
    QHash<QString, Received> last_;
};
