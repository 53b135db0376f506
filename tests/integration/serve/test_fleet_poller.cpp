#include "fleet_poller.h"
#include "simulated_controller.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>

// The fleet against the project's simulated controllers on a pseudo-terminal and on both network
// links: every controller's figures are its own, one that does not answer holds up no other, a
// port that fails is tried again, and a new list changes only what it changes.

namespace {

constexpr int WaitMs = 30000;
constexpr int Cells = 16;

// A simulated controller whose cells read 3000 + 100 * k + i millivolts.
std::unique_ptr<SimulatedController> StartedSim(int k, SimNetwork network, quint16 tcpPort = 0) {
    SimulatedControllerOptions options;
    options.network = network;
    options.tcpPort = tcpPort;
    auto sim = std::make_unique<SimulatedController>(options);
    if (!sim->start())
        return nullptr;
    QList<quint16> cells;
    for (int i = 0; i < Cells; ++i)
        cells.append(quint16(3000 + 100 * k + i));
    sim->setRegisters(CellVoltageOffset, cells);
    return sim;
}

ControllerSpec SpecOf(const QString& name, const QString& portName, int periodMs = 250) {
    ControllerSpec spec;
    spec.name = name;
    spec.connection.portName = portName;
    spec.connection.baudIndex = 4;
    spec.connection.addressText = QStringLiteral("238");
    spec.connection.fastExchange = true;
    spec.periodMs = periodMs;
    return spec;
}

ControllerSnapshot SnapshotOf(const FleetPoller& fleet, const QString& name) {
    for (const ControllerSnapshot& snapshot : fleet.Snapshots())
        if (snapshot.spec.name == name)
            return snapshot;
    return {};
}

QList<quint16> CellVoltages(const ControllerSnapshot& snapshot) {
    const auto first = snapshot.image.StatusBlock.begin() + CellVoltageOffset;
    return QList<quint16>(first, first + Cells);
}

// The names of the controllers whose cycles were reported, in order.
QStringList CycledNames(const QSignalSpy& cycled) {
    QStringList names;
    for (const QList<QVariant>& arguments : cycled)
        names.append(arguments[0].value<ControllerSnapshot>().spec.name);
    return names;
}

} // namespace

Q_DECLARE_METATYPE(ControllerSnapshot)

class TestFleetPoller : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<ControllerSnapshot>(); }

    void threeControllersEachGiveTheirOwnCells() {
        const std::unique_ptr<SimulatedController> sims[] = {StartedSim(0, SimNetwork::None),
                                                             StartedSim(1, SimNetwork::ModbusTcp),
                                                             StartedSim(2, SimNetwork::RtuOverTcp)};
        for (const auto& sim : sims)
            QVERIFY(sim);
        FleetPoller fleet;
        fleet.Apply({SpecOf("pty", sims[0]->masterPortName()),
                     SpecOf("tcp", sims[1]->masterPortName()),
                     SpecOf("rtu", sims[2]->masterPortName())});
        QTRY_VERIFY_WITH_TIMEOUT(
            std::ranges::all_of(fleet.Snapshots(),
                                [](const ControllerSnapshot& s) { return s.answeredCycles >= 2; }),
            WaitMs);
        const QList<ControllerSnapshot> snapshots = fleet.Snapshots();
        QCOMPARE(snapshots.size(), 3);
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(snapshots[k].link, LinkState::Up);
            QCOMPARE(snapshots[k].timeouts, 0u);
            QCOMPARE(CellVoltages(snapshots[k]), sims[k]->registerValues(CellVoltageOffset, Cells));
        }
    }

    // The silent one waits out its reply time-out (3 s on a serial line) while the other goes on
    // at its period; the silent one is "no answer" before its first answer and stale after one.
    void silentControllerHoldsUpNoOther() {
        const auto silent = StartedSim(0, SimNetwork::None);
        const auto talking = StartedSim(1, SimNetwork::ModbusTcp);
        QVERIFY(silent && talking);
        Fault noReply;
        noReply.kind = FaultKind::NoReply;
        silent->injectFault(noReply, PersistentFault);
        FleetPoller fleet;
        QSignalSpy cycled(&fleet, &FleetPoller::ControllerCycled);
        ControllerSpec slow = SpecOf("silent", silent->masterPortName());
        slow.connection.fastExchange = false;
        fleet.Apply({slow, SpecOf("talking", talking->masterPortName())});
        QTRY_VERIFY_WITH_TIMEOUT(CycledNames(cycled).contains("silent"), WaitMs);
        const QStringList names = CycledNames(cycled);
        QVERIFY2(names.indexOf("silent") >= 3, qPrintable(names.join(' ')));
        QCOMPARE(SnapshotOf(fleet, "silent").link, LinkState::NoAnswer);
        QCOMPARE(SnapshotOf(fleet, "silent").timeouts, 1u);
        QCOMPARE(SnapshotOf(fleet, "talking").link, LinkState::Up);

        silent->clearFaults();
        QTRY_COMPARE_WITH_TIMEOUT(SnapshotOf(fleet, "silent").link, LinkState::Up, WaitMs);
        silent->injectFault(noReply, PersistentFault);
        QTRY_COMPARE_WITH_TIMEOUT(SnapshotOf(fleet, "silent").link, LinkState::Stale, WaitMs);
        const ControllerSnapshot stale = SnapshotOf(fleet, "silent");
        QVERIFY(!SnapshotCurrent(stale, QDateTime::currentMSecsSinceEpoch()));
        QCOMPARE(stale.cycles, stale.answeredCycles + stale.timeouts);
        QCOMPARE(SnapshotOf(fleet, "talking").link, LinkState::Up);
    }

    // Apply returns before the port is tried; each failure waits twice as long as the last.
    void portThatFailsIsRetriedWithAGrowingPause() {
        FleetPoller fleet;
        QSignalSpy changed(&fleet, &FleetPoller::LinkChanged);
        fleet.Apply({SpecOf("absent", QStringLiteral("/dev/velmora-no-such-port"))});
        QCOMPARE(fleet.Snapshots().first().link, LinkState::NeverAnswered);
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 3, WaitMs);
        const auto text = [&](int i) { return changed[i][0].value<ControllerSnapshot>().linkText; };
        QCOMPARE(changed[1][0].value<ControllerSnapshot>().link, LinkState::PortError);
        QVERIFY2(text(1).endsWith(QStringLiteral(", повтор через 1 с")), qPrintable(text(1)));
        QVERIFY2(text(2).endsWith(QStringLiteral(", повтор через 2 с")), qPrintable(text(2)));
    }

    // A dropped network link is a port error until the controller listens again.
    void lostLinkComesBack() {
        auto sim = StartedSim(0, SimNetwork::RtuOverTcp);
        QVERIFY(sim);
        const quint16 port = sim->tcpPort();
        FleetPoller fleet;
        fleet.Apply({SpecOf("gw", sim->masterPortName())});
        QTRY_COMPARE_WITH_TIMEOUT(SnapshotOf(fleet, "gw").link, LinkState::Up, WaitMs);
        sim.reset();
        QTRY_COMPARE_WITH_TIMEOUT(SnapshotOf(fleet, "gw").link, LinkState::PortError, WaitMs);
        sim = StartedSim(0, SimNetwork::RtuOverTcp, port);
        QVERIFY(sim);
        QTRY_COMPARE_WITH_TIMEOUT(SnapshotOf(fleet, "gw").link, LinkState::Up, WaitMs);
    }

    // Matched by name: one new, one gone, one untouched; then a changed one starts afresh.
    void applyChangesOnlyWhatChanged() {
        const std::unique_ptr<SimulatedController> sims[] = {StartedSim(0, SimNetwork::None),
                                                             StartedSim(1, SimNetwork::ModbusTcp),
                                                             StartedSim(2, SimNetwork::None)};
        for (const auto& sim : sims)
            QVERIFY(sim);
        const ControllerSpec kept = SpecOf("kept", sims[0]->masterPortName());
        FleetPoller fleet;
        QSignalSpy removed(&fleet, &FleetPoller::ControllerRemoved);
        fleet.Apply({kept, SpecOf("gone", sims[1]->masterPortName())});
        QTRY_VERIFY_WITH_TIMEOUT(SnapshotOf(fleet, "gone").answeredCycles >= 1, WaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(SnapshotOf(fleet, "kept").answeredCycles >= 2, WaitMs);

        const quint64 before = SnapshotOf(fleet, "kept").cycles;
        fleet.Apply({SpecOf("new", sims[2]->masterPortName()), kept});
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed[0][0].toString(), QStringLiteral("gone"));
        QCOMPARE(fleet.Snapshots().size(), 2);
        QCOMPARE(fleet.Snapshots()[0].spec.name, QStringLiteral("new"));
        QVERIFY(SnapshotOf(fleet, "kept").cycles >= before);
        QTRY_VERIFY_WITH_TIMEOUT(SnapshotOf(fleet, "kept").cycles > before + 1, WaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(SnapshotOf(fleet, "new").link, LinkState::Up, WaitMs);
        QCOMPARE(CellVoltages(SnapshotOf(fleet, "new")),
                 sims[2]->registerValues(CellVoltageOffset, Cells));

        ControllerSpec slower = kept;
        slower.periodMs = 500;
        const quint64 counted = SnapshotOf(fleet, "kept").cycles;
        fleet.Apply({SpecOf("new", sims[2]->masterPortName()), slower});
        QCOMPARE(removed.size(), 1);
        QCOMPARE(SnapshotOf(fleet, "kept").spec.periodMs, 500);
        QVERIFY(SnapshotOf(fleet, "kept").cycles < counted);
    }
};

QTEST_GUILESS_MAIN(TestFleetPoller)
#include "test_fleet_poller.moc"
