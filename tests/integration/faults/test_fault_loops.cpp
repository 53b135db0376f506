#include "poll_worker.h"
#include "pty_peer.h"
#include "simulated_controller.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <thread>

// Polling under faults again and again: unplugs and stops at random points of a cycle, and a
// device that answers late, in single bytes, with garbage or not at all. Whatever happens, a
// port is released and no block ever holds another block's words.

namespace {

constexpr quint8 Address = 238;
constexpr int WaitMs = 20000;

int OpenDescriptors() {
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::System | QDir::NoDotAndDotDot)
                   .size());
}

// Every register of the scripted device tells its own address.
quint16 DeviceWord(int reg) {
    return quint16(reg * 7 + 3);
}

QByteArray Reply(quint16 first, quint16 count) {
    QByteArray frame;
    frame.append(char(Address)).append(char(FunctionReadHolding)).append(char(2 * count));
    for (int k = 0; k < count; ++k)
        frame.append(char(DeviceWord(first + k) >> 8)).append(char(DeviceWord(first + k) & 0xFF));
    AppendCrc(frame);
    return frame;
}

// A device on the pseudo-terminal that answers each request in one of five ways at random.
class UnreliableDevice {
public:
    explicit UnreliableDevice(const PtyPeer& peer)
        : thread_([&peer](std::stop_token stop) { Run(peer, stop); }) {}

private:
    static void Run(const PtyPeer& peer, const std::stop_token& stop) {
        QRandomGenerator random(20261209);
        while (!stop.stop_requested()) {
            const QByteArray request = peer.read(8, 50);
            if (request.size() != 8)
                continue;
            const quint16 first = quint16(quint8(request[2]) << 8 | quint8(request[3]));
            const quint16 count = quint16(quint8(request[4]) << 8 | quint8(request[5]));
            const QByteArray reply = Reply(first, count);
            switch (random.bounded(5)) {
            case 0:
                peer.write(reply);
                break;
            case 1: // after the fast time-out: its bytes must never count for a later block
                std::this_thread::sleep_for(std::chrono::milliseconds(300 + random.bounded(200)));
                peer.write(reply);
                break;
            case 2: // single bytes with gaps of up to a millisecond
                for (const char byte : reply) {
                    peer.write(QByteArrayView(&byte, 1));
                    std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(1000)));
                }
                break;
            case 3: // nothing
                break;
            default: // noise before the reply
                peer.write(QByteArray::fromHex("FF00A5") + reply);
                break;
            }
        }
    }

    std::jthread thread_;
};

ConnectionSettings FastLine(const QString& port) {
    return {port, 4, 0, QStringLiteral("238"), true};
}

} // namespace

class TestFaultLoops : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Blocks are stored only with the words of their own registers, whatever the device does.
    void noBlockHoldsAnotherBlocksWords() {
        PtyPeer peer;
        QVERIFY(peer.isOpen());
        const UnreliableDevice device(peer);
        PollController polling;
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        polling.SetReadOptions(true, false);
        QVERIFY(polling.OpenPollPort(FastLine(peer.slavePath()), Address));
        int stored = 0;
        for (int cycle = 0; cycle < 20; ++cycle) {
            QVERIFY(polling.StartPollCycle());
            QVERIFY(cycles.wait(WaitMs));
            for (const PolledBlock& block : cycles.last()[0].value<QList<PolledBlock>>()) {
                const int first = PollAreaLayouts[int(block.area)].firstRegister + block.index;
                for (int k = 0; k < block.words.size(); ++k)
                    QCOMPARE(block.words[k], DeviceWord(first + k));
                ++stored;
            }
        }
        QVERIFY(stored > 0);
        polling.ClosePollPort();
    }

    // A hundred unplugs at random points of a cycle: each ends polling, says so and releases the
    // port; no descriptor is left behind.
    void unplugsInTheMiddleOfACycle() {
        const int before = OpenDescriptors();
        QRandomGenerator random(7);
        for (int i = 0; i < 100; ++i) {
            SimulatedControllerOptions options;
            options.pacedBaudRate = 115200; // a cycle that lasts long enough to be cut
            SimulatedController sim(options);
            QVERIFY(sim.start());
            PollController polling;
            QSignalSpy texts(&polling, &PollController::PortStateText);
            QSignalSpy lost(&polling, &PollController::PortLost);
            QVERIFY(polling.OpenPollPort(FastLine(sim.portPath()), Address));
            QVERIFY(polling.StartPollCycle());
            QTest::qWait(int(random.bounded(40)));
            sim.stop();
            QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, WaitMs);
            QCOMPARE(texts.last()[0].toString(), QStringLiteral("Порт отключен, опрос остановлен"));
            QVERIFY(!polling.IsOpen());
        }
        QCOMPARE(OpenDescriptors(), before);
    }

    // A hundred stops and starts at random points: the port is free each time, and the last
    // start still polls whole cycles.
    void stopsAndStarts() {
        SimulatedControllerOptions options;
        options.pacedBaudRate = 115200;
        SimulatedController sim(options);
        QVERIFY(sim.start());
        const int before = OpenDescriptors();
        QRandomGenerator random(11);
        PollController polling;
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        for (int i = 0; i < 100; ++i) {
            QVERIFY(polling.OpenPollPort(FastLine(sim.portPath()), Address));
            QVERIFY(polling.StartPollCycle());
            QTest::qWait(int(random.bounded(40)));
            polling.ClosePollPort();
            QVERIFY(!polling.IsOpen());
        }
        QCOMPARE(OpenDescriptors(), before);
        // The first cycle may still meet the tail of a reply to a stopped one; the next is whole.
        QVERIFY(polling.OpenPollPort(FastLine(sim.portPath()), Address));
        for (int cycle = 0; cycle < 2; ++cycle) {
            const qsizetype ended = cycles.size();
            QVERIFY(polling.StartPollCycle());
            QTRY_VERIFY_WITH_TIMEOUT(cycles.size() > ended, WaitMs);
        }
        QCOMPARE(cycles.last()[1].toBool(), true);
        QCOMPARE(cycles.last()[0].value<QList<PolledBlock>>().size(), 6);
    }
};

QTEST_GUILESS_MAIN(TestFaultLoops)
#include "test_fault_loops.moc"
