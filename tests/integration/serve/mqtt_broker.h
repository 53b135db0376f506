#pragma once

#include <QHash>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

// A mosquitto broker of the test's own on a free loopback port, without persistence: a broker
// started again knows nothing retained. Over TLS it shows a certificate of its own for 127.0.0.1,
// which is also the CA file its clients trust.
enum class BrokerLink { Plain, Tls };

class Broker {
public:
    explicit Broker(BrokerLink link = BrokerLink::Plain) : tls_(link == BrokerLink::Tls) {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        port_ = probe.serverPort();
        // Run as root, the broker would change to its own user, who may not read our folder.
        QString config = QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\n"
                                        "persistence false\nlog_dest file %2\nuser %3\n")
                             .arg(port_)
                             .arg(dir_.filePath("mosquitto.log"), getpwuid(getuid())->pw_name);
        if (tls_) {
            QProcess openssl;
            openssl.setStandardErrorFile(QProcess::nullDevice());
            openssl.start("openssl",
                          {"req", "-x509", "-newkey", "ec", "-pkeyopt",
                           "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2", "-subj",
                           "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                           dir_.filePath("key.pem"), "-out", CaFile()});
            ready_ = openssl.waitForFinished(60000) && openssl.exitCode() == 0;
            config +=
                QStringLiteral("certfile %1\nkeyfile %2\n").arg(CaFile(), dir_.filePath("key.pem"));
        }
        QFile file(dir_.filePath("mosquitto.conf"));
        ready_ = ready_ && file.open(QIODevice::WriteOnly) && file.write(config.toUtf8()) > 0;
    }
    ~Broker() { Kill(); }

    // True once the broker takes connections; a generous bound for a loaded machine.
    bool Start() {
        if (!ready_)
            return false;
        process_.start("/usr/sbin/mosquitto", {"-c", dir_.filePath("mosquitto.conf")});
        return process_.waitForStarted(10000) &&
               QTest::qWaitFor(
                   [this] {
                       QTcpSocket socket;
                       socket.connectToHost(QHostAddress::LocalHost, port_);
                       return socket.waitForConnected(1000);
                   },
                   30000);
    }
    void Kill() {
        process_.kill();
        process_.waitForFinished(10000);
    }
    QString Url() const {
        return QStringLiteral("%1://127.0.0.1:%2").arg(tls_ ? "mqtts" : "mqtt").arg(port_);
    }
    QString CaFile() const { return dir_.filePath("cert.pem"); }
    // How mosquitto_sub reaches the broker.
    QStringList ClientArguments() const {
        QStringList arguments = {"-h", "127.0.0.1", "-p", QString::number(port_)};
        if (tls_)
            arguments << "--cafile" << CaFile();
        return arguments;
    }

private:
    QTemporaryDir dir_;
    bool tls_;
    bool ready_ = true;
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

    explicit Subscriber(const Broker& broker) {
        QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] { Read(); });
        process_.start("mosquitto_sub",
                       broker.ClientArguments() + QStringList{"-F", "%r %t %p", "-t", "velmora/#",
                                                              "-t", "homeassistant/#"});
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
