#include "fast_exchange.h"
#include "poll_worker.h"
#include "pty_peer.h"
#include "register_image.h"
#include "serial_port.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

// The real polling worker on its own thread against a scripted device on a pseudo-terminal. The
// test thread plays the device with blocking reads; the worker's signals are looked at between.

namespace {

constexpr quint8 Address = 238;
constexpr int RequestWaitMs = 8000; // generous: the machine may be slow
constexpr int SignalWaitMs = 10000;

// Register r of the scripted device holds r * 3 + 1.
quint16 DeviceWord(int reg) {
    return quint16(reg * 3 + 1);
}

QByteArray Reply(PollRequest request) {
    QByteArray frame;
    frame.append(char(Address)).append(char(FunctionReadHolding)).append(char(2 * request.count));
    for (int k = 0; k < request.count; ++k) {
        const quint16 word = DeviceWord(request.firstRegister + k);
        frame.append(char(word >> 8)).append(char(word & 0xFF));
    }
    AppendCrc(frame);
    return frame;
}

QByteArray ExceptionReply(quint8 code) {
    QByteArray frame;
    frame.append(char(Address)).append(char(0x83)).append(char(code));
    AppendCrc(frame);
    return frame;
}

QByteArray Request(PollRequest request) {
    return BuildReadRequest(Address, request.firstRegister, request.count);
}

QList<PollRequest> StatusAndSettings() {
    return {{0, 50},    {50, 125},   {175, 125},   {300, 125},  {425, 125},
            {550, 100}, {0x6800, 6}, {0x6C00, 47}, {0x7000, 49}};
}

ConnectionSettings Line115200(const QString& port, int formatIndex = 0) {
    return {port, 4, formatIndex, QStringLiteral("238")};
}

template <typename T> QList<T> Column(const QSignalSpy& spy, int column) {
    QList<T> values;
    for (const QList<QVariant>& call : spy)
        values.append(call.at(column).value<T>());
    return values;
}

} // namespace

class TestPollWorker : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One cycle with the settings: the requests in order, an exception to block 3 that keeps its
    // registers and lets the cycle go on, and the blocks handed over at the end.
    void fullCycleHandsOverItsBlocks() {
        PtyPeer peer;
        QVERIFY(peer.isOpen());
        PollController polling;
        QSignalSpy portTexts(&polling, &PollController::PortStateText);
        QSignalSpy reports(&polling, &PollController::PollReported);
        QSignalSpy totals(&polling, &PollController::RxTotalChanged);
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        polling.SetReadOptions(true, false);
        QVERIFY(polling.OpenPollPort(Line115200(peer.slavePath()), Address));
        QVERIFY(polling.StartPollCycle());
        QVERIFY(!polling.StartPollCycle()); // a tick inside a running cycle does nothing
        QVERIFY(!polling.PollIdle());

        quint32 sent = 0;
        const QList<PollRequest> requests = StatusAndSettings();
        for (int i = 0; i < requests.size(); ++i) {
            QCOMPARE(peer.read(8, RequestWaitMs), Request(requests[i]));
            const QByteArray reply = i == 2 ? ExceptionReply(2) : Reply(requests[i]);
            QVERIFY(peer.write(reply));
            sent += quint32(reply.size());
        }
        QTRY_COMPARE_WITH_TIMEOUT(cycles.size(), 1, SignalWaitMs);
        QVERIFY(peer.read(1, 500).isEmpty()); // nothing asked after the last block
        QVERIFY(polling.PollIdle());
        QVERIFY(!polling.LastPollNoAnswer());
        QCOMPARE(cycles[0][1].toBool(), true);

        RegisterImage image;
        image.StatusBlock.fill(0xFFFF);
        image.AlarmSettingsBlock.fill(0xFFFF);
        StorePolledBlocks(cycles[0][0].value<QList<PolledBlock>>(), image);
        for (int reg = 0; reg < 650; ++reg)
            QCOMPARE(image.StatusBlock[reg], reg >= 175 && reg < 300 ? 0xFFFF : DeviceWord(reg));
        for (int k = 0; k < 6; ++k)
            QCOMPARE(image.CommSettingsBlock[k], DeviceWord(0x6800 + k));
        for (int k = 0; k < 47; ++k)
            QCOMPARE(image.ChargeSettingsBlock[k], DeviceWord(0x6C00 + k));
        for (int k = 0; k < 49; ++k)
            QCOMPARE(image.AlarmSettingsBlock[k], DeviceWord(0x7000 + k));
        QCOMPARE(image.AlarmSettingsBlock[49], 0xFFFF);

        QList<PollVerdict> verdicts;
        for (const PollReport& report : Column<PollReport>(reports, 0))
            verdicts.append(report.verdict);
        QList<PollVerdict> expected(requests.size(), PollVerdict::Stored);
        expected[2] = PollVerdict::Exception;
        QCOMPARE(verdicts, expected);
        QCOMPARE(totals.size(), requests.size());
        QCOMPARE(totals.last()[0].value<quint32>(), sent);
        QCOMPARE(totals.last()[1].toString(), QStringLiteral("Всего принято %1 байт").arg(sent));
        QCOMPARE(portTexts.first()[0].toString(), QStringLiteral("Порт открыт успешно."));
        QCOMPARE(portTexts.last()[0].toString(), QStringLiteral("Передача прошла успешно"));
    }

    // A time-out ends the cycle; its late reply, before or during the next cycle, is never stored
    // as the answer to another block; every byte counts in the received total.
    void lateRepliesAreNeverStoredAsOtherBlocks() {
        PtyPeer peer;
        PollController polling;
        QSignalSpy reports(&polling, &PollController::PollReported);
        QSignalSpy totals(&polling, &PollController::RxTotalChanged);
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        polling.SetReadOptions(false, false);
        QVERIFY(polling.OpenPollPort(Line115200(peer.slavePath()), Address));
        QVERIFY(polling.StartPollCycle());
        QCOMPARE(peer.read(8, RequestWaitMs), Request({0, 50}));
        quint32 sent = 0;
        QByteArray reply = Reply({0, 50});
        QVERIFY(peer.write(reply));
        sent += quint32(reply.size());
        QCOMPARE(peer.read(8, RequestWaitMs), Request({50, 125}));

        QTRY_COMPARE_WITH_TIMEOUT(cycles.size(), 1, SignalWaitMs);
        QCOMPARE(cycles[0][1].toBool(), false);
        QVERIFY(polling.LastPollNoAnswer());
        const QList<PolledBlock> firstBlocks = cycles[0][0].value<QList<PolledBlock>>();
        QCOMPARE(firstBlocks.size(), 1);
        QCOMPARE(firstBlocks[0].index, 0);
        const PollReport noAnswer = reports.last()[0].value<PollReport>();
        QCOMPARE(noAnswer.verdict, PollVerdict::NoAnswer);
        QCOMPARE(noAnswer.memoLines, QStringList{"Нет ответа! Адрес=50 Кол-во=125"});

        // Late between the cycles: dropped.
        reply = Reply({50, 125});
        QVERIFY(peer.write(reply));
        sent += quint32(reply.size());
        QTest::qWait(300);
        QVERIFY(polling.StartPollCycle());
        QCOMPARE(peer.read(8, RequestWaitMs), Request({0, 50}));
        // Late just ahead of the real reply (as one reply from another block would be): refused.
        reply = Reply({0x6800, 6}) + Reply({0, 50});
        QVERIFY(peer.write(reply));
        sent += quint32(reply.size());
        const QList<PollRequest> requests = StatusAndSettings().mid(1, 5);
        for (const PollRequest& request : requests) {
            QCOMPARE(peer.read(8, RequestWaitMs), Request(request));
            reply = Reply(request);
            QVERIFY(peer.write(reply));
            sent += quint32(reply.size());
        }
        QTRY_COMPARE_WITH_TIMEOUT(cycles.size(), 2, SignalWaitMs);
        QCOMPARE(cycles[1][1].toBool(), true);
        QVERIFY(!polling.LastPollNoAnswer());
        const QList<PolledBlock> blocks = cycles[1][0].value<QList<PolledBlock>>();
        QCOMPARE(blocks.size(), requests.size());
        for (int i = 0; i < blocks.size(); ++i) {
            QCOMPARE(blocks[i].index, int(requests[i].firstRegister));
            QCOMPARE(blocks[i].words.size(), int(requests[i].count));
            QCOMPARE(blocks[i].words.first(), DeviceWord(requests[i].firstRegister));
        }
        QCOMPARE(reports[2][0].value<PollReport>().verdict, PollVerdict::WrongLength);
        QCOMPARE(totals.last()[0].value<quint32>(), sent);
    }

    // The fast exchange takes each reply at its announced length (whole, in single bytes, or with
    // bytes after it), judges a short one after the frame silence, and keeps every verdict.
    void fastExchangeTakesRepliesByLength() {
        PtyPeer peer;
        PollController polling;
        QSignalSpy reports(&polling, &PollController::PollReported);
        QSignalSpy totals(&polling, &PollController::RxTotalChanged);
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        ConnectionSettings line = Line115200(peer.slavePath());
        line.fastExchange = true;
        QVERIFY(polling.OpenPollPort(line, Address));
        QVERIFY(polling.StartPollCycle());
        quint32 sent = 0;
        const QList<PollRequest> requests = StatusAndSettings().first(6);
        for (int i = 0; i < requests.size(); ++i) {
            QCOMPARE(peer.read(8, RequestWaitMs), Request(requests[i]));
            QByteArray reply = Reply(requests[i]);
            if (i == 1)
                reply += QByteArray("\x01\x02\x03"); // bytes after a whole reply
            if (i == 3)
                reply = reply.first(40); // cut short: ended by the silence
            if (i == 2)
                QVERIFY(peer.writeSlowly(reply, 1, std::chrono::microseconds(100)));
            else
                QVERIFY(peer.write(reply));
            sent += quint32(reply.size());
        }
        QTRY_COMPARE_WITH_TIMEOUT(cycles.size(), 1, SignalWaitMs);
        QCOMPARE(cycles[0][1].toBool(), true);
        QList<PollVerdict> verdicts;
        for (const PollReport& report : Column<PollReport>(reports, 0))
            verdicts.append(report.verdict);
        QList<PollVerdict> expected(requests.size(), PollVerdict::Stored);
        expected[3] = PollVerdict::CrcError;
        QCOMPARE(verdicts, expected);
        QCOMPARE(cycles[0][0].value<QList<PolledBlock>>().size(), 5);
        // The bytes after the second reply are counted when the next request purges them.
        QTRY_COMPARE_WITH_TIMEOUT(totals.last()[0].value<quint32>(), sent, SignalWaitMs);
    }

    // With the fast exchange a request nobody answers ends the cycle after the fast time-out.
    void fastExchangeTimeOut() {
        PtyPeer peer;
        PollController polling;
        QSignalSpy reports(&polling, &PollController::PollReported);
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        ConnectionSettings line = Line115200(peer.slavePath());
        line.fastExchange = true;
        QVERIFY(polling.OpenPollPort(line, Address));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(polling.StartPollCycle());
        QTRY_COMPARE_WITH_TIMEOUT(cycles.size(), 1, SignalWaitMs);
        qInfo("fast time-out after %lld ms", clock.elapsed());
        QCOMPARE(cycles[0][1].toBool(), false);
        QCOMPARE(reports.last()[0].value<PollReport>().verdict, PollVerdict::NoAnswer);
        QVERIFY(clock.elapsed() >= FastReplyTimeoutMs(LineSettingsFor(4, 0), 8, 105, 3000));
    }

    // Stopping while a reply is awaited ends the worker within the bound and releases the port;
    // the blocks judged so far come back from the stop, and nothing of the stopped session
    // arrives afterwards.
    void stopWhileAReplyIsAwaited() {
        PtyPeer peer;
        PollController polling;
        QSignalSpy reports(&polling, &PollController::PollReported);
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        QVERIFY(polling.OpenPollPort(Line115200(peer.slavePath()), Address));
        QVERIFY(polling.StartPollCycle());
        const QList<PollRequest> judged = {{0, 50}, {50, 125}};
        for (const PollRequest& request : judged) {
            QCOMPARE(peer.read(8, RequestWaitMs), Request(request));
            QVERIFY(peer.write(Reply(request)));
        }
        QCOMPARE(peer.read(8, RequestWaitMs), Request({175, 125}));
        QVERIFY(peer.write(Reply({175, 125}).left(20))); // a reply under way
        QElapsedTimer stopping;
        stopping.start();
        const QList<PolledBlock> handed = polling.ClosePollPort();
        QVERIFY(stopping.elapsed() < PollController::StopWaitMs);
        QCOMPARE(handed.size(), judged.size());
        for (int i = 0; i < judged.size(); ++i) {
            QCOMPARE(handed[i].index, int(judged[i].firstRegister));
            QCOMPARE(handed[i].words.size(), int(judged[i].count));
        }
        reports.clear();
        QVERIFY(!polling.IsOpen());
        QVERIFY(polling.PollIdle());
        QVERIFY(!polling.StartPollCycle());

        QSerialPort probe;
        probe.setPortName(peer.slavePath());
        QVERIFY(probe.open(QIODevice::ReadWrite));
        probe.close();
        QTest::qWait(PollWorker::ReplyTimeoutMs + 500);
        QCOMPARE(reports.size(), 0);
        QCOMPARE(cycles.size(), 0);
        QVERIFY(peer.drain(100).isEmpty());

        QVERIFY(polling.OpenPollPort(Line115200(peer.slavePath()), Address));
        QVERIFY(polling.StartPollCycle());
        QCOMPARE(peer.read(8, RequestWaitMs), Request({0, 50}));
    }

    // The device vanishing stops polling by itself, closes the port and says why, whenever it
    // happens.
    void vanishedPortStopsPolling_data() {
        QTest::addColumn<int>("when");
        QTest::newRow("awaiting a reply") << 0;
        QTest::newRow("as a cycle starts") << 1;
        QTest::newRow("between cycles") << 2;
    }
    void vanishedPortStopsPolling() {
        QFETCH(int, when);
        PtyPeer peer;
        PollController polling;
        QSignalSpy portTexts(&polling, &PollController::PortStateText);
        QSignalSpy lost(&polling, &PollController::PortLost);
        QVERIFY(polling.OpenPollPort(Line115200(peer.slavePath()), Address));
        if (when == 0) {
            QVERIFY(polling.StartPollCycle());
            QCOMPARE(peer.read(8, RequestWaitMs), Request({0, 50}));
        }
        peer.closeMaster();
        if (when == 1)
            QVERIFY(polling.StartPollCycle());
        QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, SignalWaitMs);
        QCOMPARE(portTexts.last()[0].toString(), QStringLiteral("Порт отключен, опрос остановлен"));
        QVERIFY(polling.PollIdle());
        QVERIFY(!polling.IsOpen());
        QVERIFY(!polling.StartPollCycle());
        polling.ClosePollPort(); // what the window's stop does: harmless now
    }

    // The reason is the one a command on the same port gives.
    void failedOpeningsLeaveNothingOpen_data() {
        QTest::addColumn<int>("port"); // 0 missing, 1 held by the synchronous port, 2 free
        QTest::addColumn<int>("formatIndex");
        QTest::addColumn<QString>("text");
        QTest::newRow("no such port")
            << 0 << 0
            << QStringLiteral("Не удалось открыть порт. Устройства /dev/velmora-no-such-port нет");
        QTest::newRow("held by another user")
            << 1 << 0 << QStringLiteral("занят другой программой");
        // A pseudo-terminal has no parity.
        QTest::newRow("even parity refused")
            << 2 << 1 << QStringLiteral("Не удалось установить DCB");
    }
    void failedOpeningsLeaveNothingOpen() {
        QFETCH(int, port);
        QFETCH(int, formatIndex);
        QFETCH(QString, text);
        PtyPeer peer;
        PollController polling;
        QSignalSpy portTexts(&polling, &PollController::PortStateText);
        const QString name =
            port == 0 ? QStringLiteral("/dev/velmora-no-such-port") : peer.slavePath();
        SerialPort holder;
        if (port == 1)
            QVERIFY(holder.Open(name, LineSettingsFor(4, 0)));
        QVERIFY(!polling.OpenPollPort(Line115200(name, formatIndex), Address));
        QVERIFY(!polling.IsOpen());
        QVERIFY(!polling.StartPollCycle());
        QTRY_COMPARE_WITH_TIMEOUT(portTexts.size(), 1, SignalWaitMs);
        const QString said = portTexts[0][0].toString();
        QVERIFY2(said.contains(text), qPrintable(said));
        holder.Close();
        QVERIFY(polling.OpenPollPort(Line115200(peer.slavePath()), Address));
    }
};

QTEST_GUILESS_MAIN(TestPollWorker)
#include "test_poll_worker.moc"
