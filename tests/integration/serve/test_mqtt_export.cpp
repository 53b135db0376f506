#include "mqtt_broker.h"
#include "mqtt_export.h"
#include "mqtt_payloads.h"
#include "mqtt_test_snapshot.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int Wait = 30000; // generous: a loaded machine takes its time, a fault never arrives

QJsonObject Json(const Subscriber::Received& received) {
    return QJsonDocument::fromJson(received.payload).object();
}

QStringList DiscoveryTopics(const QString& name) {
    ControllerSpec spec;
    spec.name = name;
    QStringList topics;
    for (const MqttMessage& m : DiscoveryMessages(spec, "velmora"))
        topics << m.topic;
    return topics;
}

bool Connect(MqttExport& exporter, const Broker& broker) {
    QString error;
    if (!exporter.Start(broker.Url(), &error))
        qWarning("%s", qPrintable(error));
    return error.isEmpty() && QTest::qWaitFor([&] { return exporter.IsConnected(); }, Wait);
}

int Count(const QStringList& lines, const QString& part) {
    return int(std::count_if(lines.begin(), lines.end(),
                             [&](const QString& line) { return line.contains(part); }));
}

} // namespace

class TestMqttExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A subscriber that comes after the publishing sees only what the broker retained.
    void retainedStateDiscoveryAndRemoval() {
        Broker broker;
        QVERIFY(broker.Start());
        MqttExport exporter;
        QVERIFY(Connect(exporter, broker));

        // Cycles far faster than any broker takes them: the last state still gets through.
        Subscriber live(broker);
        QTRY_VERIFY_WITH_TIMEOUT(live.Has("velmora/serve/availability"), Wait);
        ControllerSnapshot s = TestSnapshot("bat1");
        for (int cycle = 1; cycle <= 300; ++cycle) {
            s.cycles = cycle;
            exporter.Publish(s);
        }
        QTRY_COMPARE_WITH_TIMEOUT(
            Json(live.Last("velmora/bat1/state")).value("counters").toObject().value("cycles"),
            QJsonValue(300), Wait);
        Subscriber late(broker);
        QTRY_VERIFY_WITH_TIMEOUT(late.Has("velmora/bat1/state"), Wait);
        const Subscriber::Received state = late.Last("velmora/bat1/state");
        QVERIFY(state.retained);
        QCOMPARE(Json(state).value("pack_voltage"), QJsonValue(52.345));
        QCOMPARE(Json(state).value("counters").toObject().value("cycles"), QJsonValue(300));
        QCOMPARE(Json(state).value("link"), QJsonValue("up"));
        QTRY_COMPARE_WITH_TIMEOUT(late.Last("velmora/bat1/availability").payload, "online", Wait);
        QTRY_COMPARE_WITH_TIMEOUT(late.Last("velmora/serve/availability").payload, "online", Wait);
        for (const QString& topic : DiscoveryTopics("bat1")) {
            QTRY_VERIFY2_WITH_TIMEOUT(late.Has(topic), qPrintable(topic), Wait);
            QVERIFY(late.Last(topic).retained);
            QCOMPARE(Json(late.Last(topic)).value("state_topic"), QJsonValue("velmora/bat1/state"));
        }

        // A controller that stops answering goes offline and its figures go with it.
        s.link = LinkState::NoAnswer;
        s.lastGoodCycleMs = 1;
        exporter.Publish(s);
        QTRY_COMPARE_WITH_TIMEOUT(late.Last("velmora/bat1/availability").payload, "offline", Wait);
        QTRY_COMPARE_WITH_TIMEOUT(Json(late.Last("velmora/bat1/state")).value("link"),
                                  QJsonValue("no_answer"), Wait);
        QVERIFY(!Json(late.Last("velmora/bat1/state")).contains("pack_voltage"));

        exporter.Publish(TestSnapshot("bat1"));
        QTRY_COMPARE_WITH_TIMEOUT(late.Last("velmora/bat1/availability").payload, "online", Wait);
        exporter.Remove("bat1");
        QTRY_COMPARE_WITH_TIMEOUT(late.Last("velmora/bat1/availability").payload, "offline", Wait);
        for (const QString& topic : DiscoveryTopics("bat1"))
            QTRY_VERIFY2_WITH_TIMEOUT(late.Last(topic).payload.isEmpty(), qPrintable(topic), Wait);

        exporter.Stop();
        QTRY_COMPARE_WITH_TIMEOUT(late.Last("velmora/serve/availability").payload, "offline", Wait);
    }

    // The broker tells everyone that an exporter killed without a word is gone.
    void lastWillOfAKilledExporter() {
        Broker broker;
        QVERIFY(broker.Start());
        Subscriber subscriber(broker);
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(MQTT_EXPORT_CHILD_PATH, {broker.Url()});
        QVERIFY(child.waitForStarted(Wait));
        QTRY_VERIFY_WITH_TIMEOUT(subscriber.Has("velmora/child/state"), Wait);
        QCOMPARE(subscriber.Last("velmora/serve/availability").payload, "online");

        child.kill();
        QVERIFY(child.waitForFinished(Wait));
        QTRY_COMPARE_WITH_TIMEOUT(subscriber.Last("velmora/serve/availability").payload, "offline",
                                  Wait);
    }

    // The retained state lives in the broker; a broker started afresh gets it again.
    void brokerRestartIsSurvived() {
        Broker broker;
        QVERIFY(broker.Start());
        MqttExport exporter;
        QStringList lines;
        connect(&exporter, &MqttExport::Message, [&lines](const QString& line) { lines << line; });
        QVERIFY(Connect(exporter, broker));
        exporter.Publish(TestSnapshot("bat1"));

        broker.Kill();
        QTRY_VERIFY_WITH_TIMEOUT(!exporter.IsConnected(), Wait);
        QVERIFY(broker.Start());
        QTRY_VERIFY_WITH_TIMEOUT(exporter.IsConnected(), Wait);
        Subscriber late(broker);
        QTRY_COMPARE_WITH_TIMEOUT(Json(late.Last("velmora/bat1/state")).value("pack_voltage"),
                                  QJsonValue(52.345), Wait);
        QTRY_COMPARE_WITH_TIMEOUT(late.Last("velmora/serve/availability").payload, "online", Wait);

        // However many attempts the outage took, the operator reads one line of it.
        const QString broker127 = broker.Url().mid(QStringLiteral("mqtt://").size());
        QCOMPARE(Count(lines, "нет связи с брокером " + broker127), 1);
        QCOMPARE(Count(lines, "повтор через 1 с"), 1);
        QCOMPARE(Count(lines, "связь с брокером " + broker127 + " есть"), 2);
    }

    // The broker's certificate is checked against the CA file given, else the system's CAs.
    void tlsBroker_data() {
        QTest::addColumn<bool>("trusted");
        QTest::newRow("its CA given") << true;
        QTest::newRow("system CAs") << false;
    }
    void tlsBroker() {
        QFETCH(bool, trusted);
        Broker broker(BrokerLink::Tls);
        QVERIFY(broker.Start());
        MqttExport exporter;
        QSignalSpy messages(&exporter, &MqttExport::Message);
        if (trusted)
            exporter.SetCaFile(broker.CaFile());
        QString error;
        QVERIFY2(exporter.Start(broker.Url(), &error), qPrintable(error));
        exporter.Publish(TestSnapshot("bat1"));
        QTRY_VERIFY_WITH_TIMEOUT(!messages.isEmpty(), Wait);
        const QString line = messages.first().first().toString();
        if (!trusted) {
            QVERIFY2(line.contains("нет связи") && line.contains("TLS"), qPrintable(line));
            QVERIFY(!exporter.IsConnected());
            return;
        }
        QVERIFY2(line.contains("есть"), qPrintable(line));
        Subscriber late(broker);
        QTRY_COMPARE_WITH_TIMEOUT(Json(late.Last("velmora/bat1/state")).value("pack_voltage"),
                                  QJsonValue(52.345), Wait);
    }

    void unusableSettingsAreRefused_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("caFile");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad address") << "tcp://h"
                                     << ""
                                     << "адрес брокера не понят";
        QTest::newRow("TLS file without TLS") << "mqtt://h"
                                              << "/etc/hostname"
                                              << "не mqtts://";
        QTest::newRow("missing CA file") << "mqtts://h"
                                         << "/nonexistent/ca.pem"
                                         << "\"/nonexistent/ca.pem\" не читается";
    }
    void unusableSettingsAreRefused() {
        QFETCH(QString, url);
        QFETCH(QString, caFile);
        QFETCH(QString, message);
        MqttExport exporter;
        exporter.SetCaFile(caFile);
        QString error;
        QVERIFY(!exporter.Start(url, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestMqttExport)
#include "test_mqtt_export.moc"
