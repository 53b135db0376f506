#include "poll_worker.h"
#include "register_image.h"
#include "simulated_controller.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <span>

// The polling worker against the project's simulated controller: a whole cycle of 34 blocks lands
// in the register image exactly as the controller holds it, and unplugging it stops polling.

namespace {

constexpr int CycleWaitMs = 60000; // 34 blocks take about 9.3 s at 115200 baud; slow machines more

// Registers first .. first + count - 1 of an image block that starts at register blockStart.
template <std::size_t N>
QList<quint16> Run(const std::array<quint16, N>& block, quint16 blockStart, quint16 first,
                   int count) {
    const auto begin = block.begin() + (first - blockStart);
    return QList<quint16>(begin, begin + count);
}

} // namespace

class TestPollSimulator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The reply time-out never ends early: a reply that leaves 2.8 s after its request is stored.
    void lateReplyWithinTheTimeOutIsStored() {
        SimulatedController sim;
        QString error;
        QVERIFY2(sim.start(&error), qPrintable(error));
        PollController polling;
        QSignalSpy reports(&polling, &PollController::PollReported);
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        polling.SetReadOptions(false, false);
        QVERIFY(polling.OpenPollPort({sim.portPath(), 4, 0, QStringLiteral("238")}, 238));
        Fault late;
        late.kind = FaultKind::Delay;
        late.delayMs = 2800;
        sim.injectFault(late, 1);
        QVERIFY(polling.StartPollCycle());
        QTRY_COMPARE_WITH_TIMEOUT(cycles.size(), 1, CycleWaitMs);
        QCOMPARE(cycles[0][1].toBool(), true);
        QCOMPARE(reports.size(), 6);
        QCOMPARE(reports[0][0].value<PollReport>().verdict, PollVerdict::Stored);
        QCOMPARE(cycles[0][0].value<QList<PolledBlock>>().size(), 6);
    }

    // Both exchange modes give the image the controller holds.
    void wholeCycleMatchesTheController_data() {
        QTest::addColumn<bool>("fast");
        QTest::newRow("fixed waits") << false;
        QTest::newRow("fast exchange") << true;
    }
    void wholeCycleMatchesTheController() {
        QFETCH(bool, fast);
        SimulatedController sim;
        QString error;
        QVERIFY2(sim.start(&error), qPrintable(error));
        sim.preloadJournal(900); // a wrapped journal: every record holds an event
        PollController polling;
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        QSignalSpy lost(&polling, &PollController::PortLost);
        polling.SetReadOptions(true, true);
        QVERIFY(polling.OpenPollPort({sim.portPath(), 4, 0, QStringLiteral("238"), fast}, 238));
        QElapsedTimer cycleTime;
        cycleTime.start();
        QVERIFY(polling.StartPollCycle());
        QTRY_COMPARE_WITH_TIMEOUT(cycles.size(), 1, CycleWaitMs);
        qInfo("34-block cycle at 115200 baud: %lld ms", cycleTime.elapsed());
        QCOMPARE(cycles[0][1].toBool(), true);
        QCOMPARE(sim.receivedFrames().size(), 34);

        RegisterImage image;
        const QList<PolledBlock> blocks = cycles[0][0].value<QList<PolledBlock>>();
        QCOMPARE(blocks.size(), 34);
        StorePolledBlocks(blocks, image);
        // Registers 48 and 49 hold the controller's running clock.
        QCOMPARE(Run(image.StatusBlock, 0, 0, 48), sim.registerValues(0, 48));
        QVERIFY(Word32(sim.registerValues(48, 2), 0) - Word32(image.StatusBlock, 48) < 120);
        QCOMPARE(Run(image.StatusBlock, 0, 50, 600), sim.registerValues(50, 600));
        QCOMPARE(Run(image.CommSettingsBlock, 0x6800, 0x6800, 6), sim.registerValues(0x6800, 6));
        QCOMPARE(Run(image.ChargeSettingsBlock, 0x6C00, 0x6C00, 47),
                 sim.registerValues(0x6C00, 47));
        QCOMPARE(Run(image.AlarmSettingsBlock, 0x7000, 0x7000, 49), sim.registerValues(0x7000, 49));
        QCOMPARE(Run(image.JournalBlock, 0x7400, 0x7400, 3072), sim.registerValues(0x7400, 3072));

        // Unplugged during a cycle: polling ends by itself.
        QVERIFY(polling.StartPollCycle());
        sim.stop();
        QElapsedTimer t;
        t.start();
        QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, 10000);
        QVERIFY(!polling.IsOpen());
    }
};

QTEST_GUILESS_MAIN(TestPollSimulator)
#include "test_poll_simulator.moc"
