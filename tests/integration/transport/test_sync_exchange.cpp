#include "connection_settings.h"
#include "fast_exchange.h"
#include "modbus_frames.h"
#include "pty_peer.h"
#include "scripted_prompts.h"
#include "sync_exchange.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <array>
#include <atomic>
#include <thread>

using namespace std::chrono_literals;

namespace {

// How the device on the other end answers one request.
struct Answer {
    QByteArray reply;
    std::chrono::milliseconds delay{20};
    int piece = 1 << 16;
    std::chrono::milliseconds pause{0};
    // When set, the delay counts from the moment this turns true instead of from the request.
    const std::atomic<bool>* after = nullptr;
};

// Plays the device on its own thread: takes one request of `length` bytes, records it and answers.
std::jthread AnswerOnce(const PtyPeer& peer, int length, Answer answer, QByteArray& request) {
    return std::jthread([&peer, length, answer, &request] {
        request = peer.read(length, 5000);
        if (request.size() != length || answer.reply.isEmpty())
            return;
        // (at most 10 s, so that a failed test is not held up)
        for (int wait = 0; answer.after != nullptr && !*answer.after && wait < 2000; ++wait)
            std::this_thread::sleep_for(5ms);
        std::this_thread::sleep_for(answer.delay);
        peer.writeSlowly(answer.reply, answer.piece, answer.pause);
    });
}

QByteArray ReadReplyFrame(int registers) {
    QByteArray frame;
    frame.append(char(238)).append(char(FunctionReadHolding)).append(char(2 * registers));
    for (int i = 0; i < registers; ++i)
        frame.append(char(i >> 8)).append(char(i * 3));
    AppendCrc(frame);
    return frame;
}

QByteArray ExceptionFrame(quint8 code) {
    QByteArray frame;
    frame.append(char(238)).append(char(0x80 | FunctionReadHolding)).append(char(code));
    AppendCrc(frame);
    return frame;
}

QByteArray Pattern(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i + 1);
    return bytes;
}

} // namespace

class TestSyncExchange : public QObject {
    Q_OBJECT

    PtyPeer peer;
    ConnectionSettings settings;
    QByteArray request;
    quint16 requestLength = 0;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(peer.isOpen());
        SetConnectionSettingsSource([this] { return settings; });
    }
    void init() {
        settings = {peer.slavePath(), 4, 0, QStringLiteral("238")};
        requestLength = LoadSyncTxFrame(BuildReadRequest(238, 0, 125));
        request.clear();
        // What a previous exchange left behind must not show through a shorter reply.
        SyncRxFrame.fill(0xEE);
    }
    void cleanupTestCase() { SetConnectionSettingsSource(nullptr); }

    void replyIsReadWhole_data() {
        QTest::addColumn<int>("baudIndex");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("piece"); // 0: the reply in one piece
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("fast");
        QTest::newRow("25 registers") << 4 << ReadReplyFrame(25) << 0 << 0 << 55 << false;
        QTest::newRow("125 registers at 115200")
            << 4 << ReadReplyFrame(125) << 0 << 0 << 255 << false;
        // The reply still arriving when the first byte is seen is waited for.
        QTest::newRow("125 registers in pieces at 9600")
            << 0 << ReadReplyFrame(125) << 64 << 10 << 255 << false;
        QTest::newRow("exception") << 4 << ExceptionFrame(2) << 0 << 0 << 5 << false;
        // Only the longest reply fits; the rest is dropped.
        QTest::newRow("300 bytes of garbage") << 4 << Pattern(300) << 0 << 0 << 255 << false;
        // The fast exchange: complete by the announced length, or by 3.5 characters of silence.
        QTest::newRow("fast: 125 registers") << 4 << ReadReplyFrame(125) << 0 << 0 << 255 << true;
        QTest::newRow("fast: single bytes 1 ms apart at 9600")
            << 0 << ReadReplyFrame(2) << 1 << 1 << 9 << true;
        QTest::newRow("fast: exception") << 4 << ExceptionFrame(2) << 0 << 0 << 5 << true;
        QTest::newRow("fast: short reply ended by silence")
            << 4 << ReadReplyFrame(25).first(20) << 0 << 0 << 20 << true;
        QTest::newRow("fast: overlong reply taken at its length")
            << 4 << ReadReplyFrame(2) + QByteArray("\x01\x02\x03") << 0 << 0 << 9 << true;
        QTest::newRow("fast: garbage of no known length")
            << 4 << Pattern(300) << 0 << 0 << 255 << true;
    }
    void replyIsReadWhole() {
        QFETCH(int, baudIndex);
        QFETCH(QByteArray, reply);
        QFETCH(int, piece);
        QFETCH(int, pauseMs);
        QFETCH(int, expected);
        QFETCH(bool, fast);
        ScriptedPrompts prompts;
        settings.baudIndex = baudIndex;
        settings.fastExchange = fast;
        if (piece == 0)
            piece = int(reply.size());
        quint16 count = 0;
        {
            const auto device =
                AnswerOnce(peer, requestLength,
                           {reply, 20ms, piece, std::chrono::milliseconds(pauseMs)}, request);
            count = ExchangeSync(requestLength);
        }
        QCOMPARE(request, BuildReadRequest(238, 0, 125));
        QCOMPARE(count, quint16(expected));
        QCOMPARE(SyncRxCount, count);
        QCOMPARE(SyncReply().toByteArray(), reply.first(expected));
        for (int i = expected; i < SyncRxFrameBytes; ++i)
            QCOMPARE(SyncRxFrame[i], quint8(0));
        QVERIFY(prompts.shown.isEmpty());
    }

    void noReplyGivesNothingAfterAboutASecond() {
        ScriptedPrompts prompts;
        QElapsedTimer clock;
        quint16 count = 1;
        {
            const auto device = AnswerOnce(peer, requestLength, {}, request);
            clock.start();
            count = ExchangeSync(requestLength);
        }
        QCOMPARE(count, quint16(0));
        QCOMPARE(SyncRxCount, quint16(0));
        QCOMPARE(SyncRxFrame[0], quint8(0));
        QVERIFY2(clock.elapsed() >= 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(request.size(), int(requestLength));
        QVERIFY(prompts.shown.isEmpty());
    }

    // The fast exchange gives up after its own time-out, never before it.
    void fastNoReply() {
        ScriptedPrompts prompts;
        settings.fastExchange = true;
        const int timeoutMs = FastReplyTimeoutMs(LineSettingsFor(4, 0), requestLength, 255, 1010);
        QElapsedTimer clock;
        {
            const auto device = AnswerOnce(peer, requestLength, {}, request);
            clock.start();
            QCOMPARE(ExchangeSync(requestLength), quint16(0));
        }
        qInfo("fast no-answer wait: %lld ms for a time-out of %d ms", clock.elapsed(), timeoutMs);
        QVERIFY(clock.elapsed() >= timeoutMs);
        QVERIFY(prompts.shown.isEmpty());
    }

    // A reply beginning after the first-byte wait is not read, and it does not show up as the
    // reply to the next request either.
    void lateReplyIsIgnored() {
        ScriptedPrompts prompts;
        {
            const auto device =
                AnswerOnce(peer, requestLength, {ReadReplyFrame(125), 2500ms}, request);
            QCOMPARE(ExchangeSync(requestLength), quint16(0));
        }
        const QByteArray fresh = ReadReplyFrame(2);
        {
            const auto device = AnswerOnce(peer, requestLength, {fresh}, request);
            QCOMPARE(ExchangeSync(requestLength), quint16(fresh.size()));
        }
        QCOMPARE(SyncReply().toByteArray(), fresh);
        QVERIFY(prompts.shown.isEmpty());
    }

    // The wait once more, for a reply still on its way, sends nothing and reads that reply.
    void awaitedReplyComesAfterTheWait() {
        ScriptedPrompts prompts;
        const QByteArray reply = ReadReplyFrame(2);
        // The reply leaves once the exchange has given up, however slow the machine.
        std::atomic<bool> gaveUp = false;
        {
            const auto device =
                AnswerOnce(peer, requestLength, {reply, 100ms, 1 << 16, 0ms, &gaveUp}, request);
            QCOMPARE(ExchangeSync(requestLength), quint16(0));
            gaveUp = true;
            QCOMPARE(AwaitSyncReply(requestLength), quint16(reply.size()));
        }
        QCOMPARE(SyncReply().toByteArray(), reply);
        QVERIFY(peer.read(1, 100).isEmpty());
        QVERIFY(prompts.shown.isEmpty());
    }

    void missingPortIsReportedAndTheNextExchangeWorks() {
        ScriptedPrompts prompts;
        settings.portName = QStringLiteral("/dev/velmora-no-such-port");
        QCOMPARE(ExchangeSync(requestLength), quint16(0));
        QCOMPARE(SyncRxCount, quint16(0));
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].text, QStringLiteral("Ошибка открытия порта"));
        QCOMPARE(prompts.shown[0].caption, QStringLiteral("Error"));
        // The box says why under its text.
        QVERIFY(prompts.shown[0].details.contains(QStringLiteral("адаптер отключен")));

        settings.portName = peer.slavePath();
        const QByteArray reply = ReadReplyFrame(1);
        {
            const auto device = AnswerOnce(peer, requestLength, {reply}, request);
            QCOMPARE(ExchangeSync(requestLength), quint16(reply.size()));
        }
        QCOMPARE(SyncReply().toByteArray(), reply);
        QCOMPARE(prompts.shown.size(), 1);
    }

    // The long wait looks for its reply every half second; a reply caught while still arriving
    // at 9600 baud (half of an erase reply in, the rest 100 ms later) is read once complete.
    void longWaitReadsAReplyCaughtHalfWay() {
        ScriptedPrompts prompts;
        settings.baudIndex = 0;
        const QByteArray reply = QByteArray::fromHex("ee200001f506");
        quint16 count = 0;
        {
            const auto device = AnswerOnce(peer, requestLength, {reply, 450ms, 3, 100ms}, request);
            count = ExchangeSyncLongWait(requestLength);
        }
        QCOMPARE(count, quint16(reply.size()));
        QCOMPARE(SyncReply().toByteArray(), reply);
    }

    // The long wait keeps the window alive; an exchange started from one of its events is
    // refused and does not disturb the reply the long wait then receives.
    void longWaitRefusesASecondExchange() {
        ScriptedPrompts prompts;
        const QByteArray reply = QByteArray::fromHex("ee300155aa");
        quint16 innerCount = 1;
        bool busyInside = false;
        QTimer::singleShot(100, [&] {
            busyInside = SyncExchangeBusy();
            innerCount = ExchangeSync(requestLength);
        });
        QElapsedTimer clock;
        quint16 count = 0;
        {
            const auto device = AnswerOnce(peer, requestLength, {reply, 1200ms}, request);
            clock.start();
            count = ExchangeSyncLongWait(requestLength);
        }
        QVERIFY(busyInside);
        QCOMPARE(innerCount, quint16(0));
        QCOMPARE(prompts.messageTexts(),
                 QStringList{QStringLiteral(
                     "Идёт другой обмен с контроллером, повторите команду после него")});
        QCOMPARE(prompts.shown[0].caption, QStringLiteral("Error"));
        // Later than the short exchange would have waited: only the long wait can see it.
        QVERIFY(clock.elapsed() >= 1200);
        QCOMPARE(count, quint16(reply.size()));
        QCOMPARE(SyncReply().toByteArray(), reply);
        QVERIFY(!SyncExchangeBusy());
        // The refused exchange sent nothing.
        QVERIFY(peer.read(1, 100).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSyncExchange)
#include "test_sync_exchange.moc"
