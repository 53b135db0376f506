#include "connection_settings.h"
#include "mbap_frames.h"
#include "modbus_frames.h"
#include "poll_worker.h"
#include "register_map.h"
#include "scripted_prompts.h"
#include "simulated_controller.h"
#include "sync_exchange.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

// The network links against the simulated controller on loopback sockets: what they give is what
// the serial link gives, and what goes wrong on a network is told and kept out of the image.

Q_DECLARE_METATYPE(SimNetwork)

namespace {

constexpr quint8 Address = 238;
constexpr int SignalWaitMs = 20000; // generous: the machine may be slow

std::unique_ptr<SimulatedController> StartedSim(SimNetwork network) {
    SimulatedControllerOptions options;
    options.network = network;
    options.cellCount = 200;
    auto sim = std::make_unique<SimulatedController>(options);
    return sim->start() ? std::move(sim) : nullptr;
}

ConnectionSettings SettingsFor(const QString& portName) {
    ConnectionSettings settings{portName, 4, 0, QStringLiteral("238")};
    settings.networkTimeoutMs = 300;
    return settings;
}

// One whole cycle with the settings and the journal: the blocks it stored.
QList<PolledBlock> OneCycle(const QString& portName) {
    PollController polling;
    QSignalSpy cycles(&polling, &PollController::CycleFinished);
    polling.SetReadOptions(true, true);
    ConnectionSettings settings = SettingsFor(portName);
    settings.fastExchange = true;
    if (!polling.OpenPollPort(settings, Address) || !polling.StartPollCycle() ||
        !cycles.wait(SignalWaitMs) || !cycles.first().at(1).toBool())
        return {};
    return cycles.first().at(0).value<QList<PolledBlock>>();
}

QList<TrafficFrame> Strays(const QList<TrafficFrame>& frames) {
    QList<TrafficFrame> strays;
    for (const TrafficFrame& frame : frames)
        if (frame.verdict == TrafficVerdict::Stray)
            strays.append(frame);
    return strays;
}

// A loopback port nobody listens on.
quint16 ClosedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

} // namespace

class TestNetworkLinks : public QObject {
    Q_OBJECT

    ConnectionSettings settings;

private Q_SLOTS:
    void initTestCase() {
        qRegisterMetaType<QList<PolledBlock>>();
        SetConnectionSettingsSource([this] { return settings; });
    }
    void cleanupTestCase() { SetConnectionSettingsSource(nullptr); }

    void bothNetworkLinks_data() {
        QTest::addColumn<SimNetwork>("network");
        QTest::newRow("Modbus TCP") << SimNetwork::ModbusTcp;
        QTest::newRow("RTU over TCP") << SimNetwork::RtuOverTcp;
    }

    // The 34 blocks of a full cycle are the serial link's, register for register (the running
    // clock aside).
    void cycleImageIsTheSerialLinks_data() { bothNetworkLinks_data(); }
    void cycleImageIsTheSerialLinks() {
        QFETCH(SimNetwork, network);
        const auto sim = StartedSim(network);
        QVERIFY(sim);
        sim->preloadJournal(900);
        QList<PolledBlock> serial = OneCycle(sim->portPath());
        QList<PolledBlock> overNetwork = OneCycle(sim->masterPortName());
        QCOMPARE(serial.size(), 34);
        QCOMPARE(overNetwork.size(), serial.size());
        for (QList<PolledBlock>* blocks : {&serial, &overNetwork})
            (*blocks)[0].words.remove(SimMap::Status::RtcTimeValue, 2);
        QCOMPARE(overNetwork, serial);
    }

    // A Modbus TCP reply with another transaction id answers no request of ours: it is shown as
    // stray, and the request counts as unanswered, in the exchange and in polling alike.
    void replyWithAnotherTransactionIsStray() {
        const auto sim = StartedSim(SimNetwork::ModbusTcp);
        QVERIFY(sim);
        settings = SettingsFor(sim->masterPortName());
        QList<TrafficFrame> shown;
        SetSyncTrafficSink([&](const TrafficFrame& frame) { shown.append(frame); });
        ScriptedPrompts prompts;
        sim->injectFault({FaultKind::StrayTransaction});
        QCOMPARE(ExchangeSync(LoadSyncTxFrame(BuildReadRequest(Address, 0, 10))), quint16(0));
        QCOMPARE(Strays(shown).size(), 1);
        QCOMPARE(ExchangeSync(LoadSyncTxFrame(BuildReadRequest(Address, 0, 10))), quint16(25));
        SetSyncTrafficSink({});

        PollController polling;
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        QSignalSpy traffic(&polling, &PollController::TrafficRecorded);
        QVERIFY(polling.OpenPollPort(settings, Address));
        sim->injectFault({.kind = FaultKind::StrayTransaction, .after = 1});
        QVERIFY(polling.StartPollCycle());
        QVERIFY(cycles.wait(SignalWaitMs));
        QCOMPARE(cycles.first().at(1).toBool(), false);
        // Block 1 is stored; the stray reply to block 2 is not stored as anything.
        QCOMPARE(cycles.first().at(0).value<QList<PolledBlock>>().size(), 1);
        QList<TrafficFrame> recorded;
        for (const QList<QVariant>& batch : traffic)
            recorded += batch.at(0).value<QList<TrafficFrame>>();
        QCOMPARE(Strays(recorded).size(), 1);
        // The monitor shows every frame with the header it travelled behind (a missing reply
        // has none).
        for (const TrafficFrame& frame : recorded)
            QCOMPARE(frame.header.size(), frame.bytes.isEmpty() ? 0 : MbapHeaderBytes);
        QVERIFY(prompts.shown.isEmpty());
    }

    // A host that refuses is told in the program's words, by the exchange and by polling.
    void refusedConnectionIsTold_data() {
        QTest::addColumn<QString>("scheme");
        QTest::newRow("Modbus TCP") << "tcp";
        QTest::newRow("RTU over TCP") << "rtu+tcp";
    }
    void refusedConnectionIsTold() {
        QFETCH(QString, scheme);
        const quint16 port = ClosedPort();
        settings = SettingsFor(QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(port));
        const QString text = QStringLiteral("Узел 127.0.0.1:%1 отказал в соединении").arg(port);
        ScriptedPrompts prompts;
        QCOMPARE(ExchangeSync(LoadSyncTxFrame(BuildReadRequest(Address, 0, 10))), quint16(0));
        QCOMPARE(prompts.messageTexts(), QStringList{text});
        PollController polling;
        QSignalSpy texts(&polling, &PollController::PortStateText);
        QVERIFY(!polling.OpenPollPort(settings, Address));
        QTRY_VERIFY(!texts.isEmpty());
        QCOMPARE(texts.last().at(0).toString(), text);
    }

    // A connection dropped in the middle of a cycle is a lost port; connecting again polls on.
    void droppedConnectionIsALostPort_data() { bothNetworkLinks_data(); }
    void droppedConnectionIsALostPort() {
        QFETCH(SimNetwork, network);
        const auto sim = StartedSim(network);
        QVERIFY(sim);
        settings = SettingsFor(sim->masterPortName());
        PollController polling;
        QSignalSpy lost(&polling, &PollController::PortLost);
        QSignalSpy texts(&polling, &PollController::PortStateText);
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        QVERIFY(polling.OpenPollPort(settings, Address));
        sim->injectFault({.kind = FaultKind::DropConnection, .after = 2});
        QVERIFY(polling.StartPollCycle());
        QVERIFY(lost.wait(SignalWaitMs));
        QVERIFY(!polling.IsOpen());
        QVERIFY(texts.last().at(0).toString().startsWith(QStringLiteral("Соединение с 127.0.0.1:")));
        QCOMPARE(cycles.size(), 1);
        QCOMPARE(cycles.first().at(0).value<QList<PolledBlock>>().size(), 2);

        QVERIFY(polling.OpenPollPort(settings, Address));
        QVERIFY(polling.StartPollCycle());
        QVERIFY(cycles.wait(SignalWaitMs));
        QCOMPARE(cycles.last().at(1).toBool(), true);
    }
};

QTEST_GUILESS_MAIN(TestNetworkLinks)
#include "test_network_links.moc"
