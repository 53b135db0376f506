#include "bootloader_model.h"
#include "modbus_frames.h"
#include "pty_client.h"
#include "simulated_controller.h"

#include <QTest>
#include <QThread>

#include <memory>

// The simulated bootloader on the raw line: its private frames are taken by their length, it
// programs only erased flash, and it restarts only from an image that checks.

namespace {

QByteArray Frame(const char* hex) {
    QByteArray frame = QByteArray::fromHex(hex);
    AppendCrc(frame);
    return frame;
}

QByteArray Packet(quint32 flashAddress, const QByteArray& data) {
    QByteArray frame = QByteArray::fromHex("EE21");
    for (int shift = 24; shift >= 0; shift -= 8)
        frame.append(char(flashAddress >> shift & 0xFF));
    frame.append(char(data.size())).append(data);
    AppendCrc(frame);
    return frame;
}

} // namespace

class TestSimBootloader : public QObject {
    Q_OBJECT
    std::unique_ptr<SimulatedController> sim;
    std::unique_ptr<PtyClient> line;

private Q_SLOTS:
    void init() {
        SimulatedControllerOptions options;
        options.bootTiming = {200, 200};
        // A silence this long would end no frame: only their lengths can.
        options.frameGapMs = 2000;
        sim = std::make_unique<SimulatedController>(options);
        QVERIFY(sim->start());
        line = std::make_unique<PtyClient>(sim->portPath());
    }
    void cleanup() {
        line.reset();
        sim.reset();
    }

    void updateAndRestart() {
        // The application does not know the private functions.
        QCOMPARE(line->exchange(Frame("EE2000"), 5), Frame("EEA001"));
        QCOMPARE(line->exchange(Frame("EE3001"), 5), Frame("EE3001"));
        QVERIFY(sim->inBootloader());
        // Flash that holds the running program takes no other bytes before an erase.
        const QByteArray image = SealedImage(QByteArray(476, 'Z'));
        QCOMPARE(line->exchange(Packet(0x08002000, image.left(240)), 5), Frame("EEA104"));
        QCOMPARE(line->exchange(Frame("EE2000"), 6, 2000), Frame("EE200001"));
        QCOMPARE(line->exchange(Packet(0x08002000, image.left(240)), 5), Frame("EE21F0"));
        // A finish before the whole image is there: the flash does not check.
        QCOMPARE(line->exchange(Frame("EE3101"), 5), Frame("EEB103"));
        QCOMPARE(line->exchange(Packet(0x080020F0, image.mid(240)), 5), Frame("EE21F0"));
        QCOMPARE(line->exchange(Packet(0x080021E0, {}), 5), Frame("EE2100"));
        QCOMPARE(line->exchange(Frame("EE3102"), 5), Frame("EEB102"));
        QCOMPARE(line->exchange(Frame("EE3101"), 6), Frame("EE310101"));
        QCOMPARE(sim->programmedImage(), image);
        QVERIFY(sim->inBootloader());
        QThread::msleep(250);
        QVERIFY(!sim->inBootloader());
        const QByteArray status = line->exchange(BuildReadRequest(238, 6, 2), 9);
        QCOMPARE(JudgeReadReply(status, 2).words, (QList<quint16>{1206, 0}));
    }

    void registerBlocks() {
        sim->enterBootloader();
        sim->setFlashFree(10);
        const ReadReply registers =
            JudgeReadReply(line->exchange(BuildReadRequest(238, 0, 11), 27), 11);
        QCOMPARE(registers.words.value(9), quint16(10));
        const ReadReply data =
            JudgeReadReply(line->exchange(BuildReadRequest(238, 4248, 18), 41), 18);
        QCOMPARE(data.words.mid(2, 2), (QList<quint16>{1205, 0}));
        // The status values belong to the application.
        QCOMPARE(line->exchange(BuildReadRequest(238, 0, 50), 5), Frame("EE8302"));
    }
};

QTEST_GUILESS_MAIN(TestSimBootloader)
#include "test_sim_bootloader.moc"
