#include "modbus_frames.h"
#include "pty_client.h"
#include "simulated_controller.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace {

constexpr quint8 Address = 238;

QByteArray WithCrc(QByteArray frame) {
    AppendCrc(frame);
    return frame;
}

QByteArray Read(quint16 first, quint16 count, quint8 address = Address) {
    return BuildReadRequest(address, first, count);
}

QByteArray Write(quint16 first, const std::vector<quint16>& values) {
    return BuildWriteRequest(Address, first, values);
}

QByteArray ExceptionReplyFrame(quint8 function, quint8 code) {
    QByteArray frame;
    frame.append(char(Address)).append(char(function | 0x80)).append(char(code));
    return WithCrc(frame);
}

QList<quint16> Words(const QByteArray& reply, int count) {
    const ReadReply judged = JudgeReadReply(reply, count);
    return judged.verdict.status == ReplyStatus::Correct ? judged.words : QList<quint16>();
}

} // namespace

class TestSimulatedController : public QObject {
    Q_OBJECT
    std::unique_ptr<SimulatedController> sim;
    std::unique_ptr<PtyClient> line;

private Q_SLOTS:
    void init() {
        sim = std::make_unique<SimulatedController>();
        QString error;
        QVERIFY2(sim->start(&error), qPrintable(error));
        QVERIFY(QFileInfo(sim->portPath()).exists());
        line = std::make_unique<PtyClient>(sim->portPath());
        QVERIFY(line->isOpen());
    }
    void cleanup() {
        line.reset();
        sim.reset();
    }

    // Paced, a reply takes at least the line time of its request, the turnaround and its own
    // bytes.
    void pacedRepliesTakeLineTime() {
        SimulatedControllerOptions options;
        options.pacedBaudRate = 9600;
        SimulatedController paced(options);
        QVERIFY(paced.start());
        PtyClient client(paced.portPath());
        QElapsedTimer clock;
        clock.start();
        const QByteArray reply = client.exchange(Read(0, 50), 105);
        const qint64 elapsedUs = clock.nsecsElapsed() / 1000;
        QCOMPARE(reply.size(), 105);
        QVERIFY(HasValidCrc(reply));
        QVERIFY(elapsedUs >= qint64((8 + 105) * 10 * 1e6 / 9600) + options.turnaroundUs);
    }

    void readsWhatIsSet() {
        const std::vector<quint16> values{1, 0xFFFF, 0x1234, 0};
        QVERIFY(sim->setRegisters(40, values));
        const QByteArray reply = line->exchange(Read(40, 4), 5 + 8);
        QCOMPARE(Words(reply, 4), QList<quint16>(values.begin(), values.end()));
    }

    void writeIsStoredAndReadBack_data() {
        QTest::addColumn<quint16>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("communication settings") << quint16(0x6800) << 6;
        QTest::newRow("charge settings") << quint16(0x6C00) << 47;
        QTest::newRow("alarm settings, all 50") << quint16(0x7000) << 50;
        QTest::newRow("last journal registers") << quint16(0x7FFF - 122) << 123;
    }
    void writeIsStoredAndReadBack() {
        QFETCH(quint16, first);
        QFETCH(int, count);
        std::vector<quint16> values;
        for (int k = 0; k < count; ++k)
            values.push_back(quint16(0xA000 + k));
        // The cell count is one the controller takes: it keeps a count beyond its 200 cells.
        if (first == 0x6C00)
            values[40] = 24;
        const QByteArray request = Write(first, values);
        QCOMPARE(line->exchange(request, 8), WithCrc(request.left(6)));
        QCOMPARE(sim->registerValues(first, count), QList<quint16>(values.begin(), values.end()));
        QCOMPARE(
            Words(line->exchange(Read(first, quint16(qMin(count, 125))), 5 + 2 * count), count),
            QList<quint16>(values.begin(), values.end()));
    }

    void largestReadIsWhole() {
        const QByteArray reply = line->exchange(Read(0x7400, 125), 255);
        QCOMPARE(reply.size(), 255);
        QCOMPARE(JudgeReadReply(reply, 125).verdict.status, ReplyStatus::Correct);
    }

    void cellCountIsTakenOnlyWhenWorkable_data() {
        QTest::addColumn<quint16>("written");
        QTest::addColumn<quint16>("kept");
        QTest::newRow("one cell") << quint16(1) << quint16(1);
        QTest::newRow("200 cells") << quint16(200) << quint16(200);
        QTest::newRow("no cells") << quint16(0) << quint16(16);
        QTest::newRow("201 cells") << quint16(201) << quint16(16);
    }
    void cellCountIsTakenOnlyWhenWorkable() {
        QFETCH(quint16, written);
        QFETCH(quint16, kept);
        // Acknowledged like any write, together with its neighbour, which is taken.
        const QByteArray request = Write(0x6C00 + 40, {written, 77});
        QCOMPARE(line->exchange(request, 8), WithCrc(request.left(6)));
        QCOMPARE(sim->registerValues(0x6C00 + 40, 2), (QList<quint16>{kept, 77}));
    }

    void exceptions_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        const auto illegalAddress = ExceptionReplyFrame(3, 2);
        const auto writeIllegalAddress = ExceptionReplyFrame(16, 2);
        const auto illegalValue = ExceptionReplyFrame(3, 3);
        QTest::newRow("past the status block") << Read(650, 1) << illegalAddress;
        QTest::newRow("spanning the status block's end") << Read(649, 2) << illegalAddress;
        QTest::newRow("past communication settings") << Read(0x6806, 1) << illegalAddress;
        QTest::newRow("before charge settings") << Read(0x6BFF, 2) << illegalAddress;
        QTest::newRow("past alarm settings") << Read(0x7032, 1) << illegalAddress;
        QTest::newRow("past the journal") << Read(0x7FFF, 2) << illegalAddress;
        QTest::newRow("top of the address space") << Read(0xFFFF, 1) << illegalAddress;
        QTest::newRow("write past a block") << Write(0x6805, {1, 2}) << writeIllegalAddress;
        QTest::newRow("read of 0 registers") << Read(0, 0) << illegalValue;
        QTest::newRow("read of 126 registers") << Read(0, 126) << illegalValue;
        QTest::newRow("write of 124 registers")
            << Write(0x7400, std::vector<quint16>(124, 0)) << ExceptionReplyFrame(16, 3);
        QTest::newRow("byte count not twice the count")
            << WithCrc(QByteArray::fromHex("EE106800000103000100")) << ExceptionReplyFrame(16, 3);
        QTest::newRow("unknown function")
            << WithCrc(QByteArray::fromHex("EE0400000001")) << ExceptionReplyFrame(4, 1);
    }
    void exceptions() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        const QList<quint16> before = sim->registerValues(0x6800, 6);
        QCOMPARE(line->exchange(request, reply.size()), reply);
        QCOMPARE(sim->registerValues(0x6800, 6), before);
    }

    void blockEdgesAreInside_data() {
        QTest::addColumn<quint16>("first");
        QTest::addColumn<quint16>("count");
        QTest::newRow("status up to 649") << quint16(550) << quint16(100);
        QTest::newRow("communication settings") << quint16(0x6800) << quint16(6);
        QTest::newRow("alarm settings up to 0x7031") << quint16(0x7000) << quint16(50);
        QTest::newRow("journal up to 0x7FFF") << quint16(0x7FB8) << quint16(72);
    }
    void blockEdgesAreInside() {
        QFETCH(quint16, first);
        QFETCH(quint16, count);
        const QByteArray reply = line->exchange(Read(first, count), 5 + 2 * count);
        QCOMPARE(Words(reply, count), sim->registerValues(first, count));
    }

    void faults_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("extra");
        QTest::newRow("bad CRC") << int(FaultKind::BadCrc) << QByteArray();
        QTest::newRow("exception 6") << int(FaultKind::Exception) << QByteArray();
        QTest::newRow("extra bytes") << int(FaultKind::ExtraBytes) << QByteArray::fromHex("0102");
        QTest::newRow("garbage, default bytes") << int(FaultKind::Garbage) << QByteArray();
        QTest::newRow("garbage") << int(FaultKind::Garbage) << QByteArray::fromHex("FFFFFF");
        QTest::newRow("delay") << int(FaultKind::Delay) << QByteArray();
    }
    void faults() {
        QFETCH(int, kind);
        QFETCH(QByteArray, extra);
        QVERIFY(sim->setRegister(0, 0x0102));
        const QByteArray good = line->exchange(Read(0, 1), 7);
        QCOMPARE(Words(good, 1), QList<quint16>{0x0102});

        Fault fault{.kind = FaultKind(kind), .exceptionCode = 6, .bytes = extra};
        if (fault.kind == FaultKind::Delay)
            fault.delayMs = 400;
        sim->injectFault(fault);
        QByteArray expected = good;
        switch (fault.kind) {
        case FaultKind::BadCrc:
            expected[6] = char(expected[6] ^ 0xFF);
            break;
        case FaultKind::Exception:
            expected = ExceptionReplyFrame(3, 6);
            break;
        case FaultKind::ExtraBytes:
            expected += extra;
            break;
        case FaultKind::Garbage:
            expected = extra.isEmpty() ? DefaultFaultBytes : extra;
            break;
        default:
            break;
        }
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(line->exchange(Read(0, 1), expected.size()), expected);
        if (fault.kind == FaultKind::Delay)
            QVERIFY(timer.elapsed() >= 390);
        // Nothing more follows, and the next request is answered normally again.
        QCOMPARE(line->exchange(Read(0, 1), 7), good);
    }

    void noReplyForTheNextRequestsOnly() {
        sim->injectFault({.kind = FaultKind::NoReply}, 2);
        QVERIFY(line->exchange(Read(0, 1), 1, 300).isEmpty());
        QVERIFY(line->exchange(Read(0, 1), 1, 300).isEmpty());
        QCOMPARE(line->exchange(Read(0, 1), 7).size(), 7);
    }

    void exceptionFaultLeavesTheWriteUndone() {
        sim->injectFault({.kind = FaultKind::Exception, .exceptionCode = 4}, PersistentFault);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(line->exchange(Write(0x6800, {99}), 5), ExceptionReplyFrame(16, 4));
        QVERIFY(sim->registerValue(0x6800) != 99);
        sim->clearFaults();
        QCOMPARE(line->exchange(Write(0x6800, {99}), 8).size(), 8);
        QCOMPARE(sim->registerValue(0x6800), quint16(99));
    }

    // Nothing is answered to these; the good request sent after them gets the only reply.
    void ignoredRequests_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("another address") << Read(0, 1, 17);
        QTest::newRow("broadcast") << Read(0, 1, 0);
        QByteArray badCrc = Read(0, 1);
        badCrc[7] = char(badCrc[7] ^ 0x01);
        QTest::newRow("bad CRC") << badCrc;
        QTest::newRow("cut short") << Read(0, 1).left(5);
    }
    void ignoredRequests() {
        QFETCH(QByteArray, request);
        QVERIFY(line->send(request));
        QTest::qWait(50); // the silence that ends the frame
        const QByteArray reply = line->exchange(Read(0, 1), 7);
        QCOMPARE(reply.size(), 7);
        QCOMPARE(line->receive(1, 100), QByteArray());
        QCOMPARE(sim->receivedFrames(), (QList<QByteArray>{request, Read(0, 1)}));
    }

    void framesArrivingInPieces() {
        const QByteArray request = Write(0x6C00, {7, 8, 9});
        for (char byte : request)
            QVERIFY(line->send(QByteArray(1, byte)));
        QCOMPARE(line->receive(8), WithCrc(request.left(6)));
        // Two requests in one burst get two replies.
        QVERIFY(line->send(Read(0x6C00, 3) + Read(0x6C01, 1)));
        const QByteArray replies = line->receive(11 + 7);
        QCOMPARE(Words(replies.left(11), 3), (QList<quint16>{7, 8, 9}));
        QCOMPARE(Words(replies.mid(11), 1), QList<quint16>{8});
        QCOMPARE(sim->receivedFrames().size(), 3);
    }

    void stopHangsUpAndRemovesTheLink() {
        QTemporaryDir dir;
        SimulatedController::Options options;
        options.linkPath = dir.filePath(QStringLiteral("bms"));
        SimulatedController linked(options);
        QVERIFY(linked.start());
        QCOMPARE(QFileInfo(options.linkPath).symLinkTarget(), linked.portPath());
        PtyClient viaLink(options.linkPath);
        QCOMPARE(viaLink.exchange(Read(2, 1), 7).size(), 7);
        QElapsedTimer timer;
        timer.start();
        linked.stop();
        QVERIFY(timer.elapsed() < 2000);
        QVERIFY(!linked.isRunning());
        QVERIFY(linked.portPath().isEmpty());
        QVERIFY(!QFileInfo::exists(options.linkPath) && !QFileInfo(options.linkPath).isSymLink());
        QVERIFY(viaLink.hungUp(1000));
    }

    void badOptionsRefused_data() {
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("address");
        QTest::newRow("no cells") << 0 << 238;
        QTest::newRow("201 cells") << 201 << 238;
        QTest::newRow("broadcast address") << 16 << 0;
    }
    void badOptionsRefused() {
        QFETCH(int, cells);
        QFETCH(int, address);
        SimulatedController::Options options;
        options.cellCount = cells;
        options.address = quint8(address);
        SimulatedController refused(options);
        QString error;
        QVERIFY(!refused.start(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!refused.isRunning());
    }

    void linkOverAnOrdinaryFileRefused() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("taken"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        SimulatedController::Options options;
        options.linkPath = path;
        SimulatedController refused(options);
        QString error;
        QVERIFY(!refused.start(&error));
        QVERIFY(error.contains(path));
        QVERIFY(QFileInfo(path).isFile());
    }
};

QTEST_GUILESS_MAIN(TestSimulatedController)
#include "test_simulated_controller.moc"
