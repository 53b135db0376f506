// Our requests and our judging of replies against a Modbus slave nobody here wrote: an RTU slave
// on a pseudo-terminal and a Modbus TCP server on loopback.

#include "connection_settings.h"
#include "modbus_frames.h"
#include "poll_worker.h"
#include "pty_peer.h"
#include "scripted_prompts.h"
#include "sync_exchange.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <poll.h>
#include <unistd.h>
#include <thread>

#include <arpa/inet.h>
#include <modbus.h>
#include <netinet/in.h>

namespace {

constexpr int SlaveAddress = 238;
constexpr int MappedRegisters = 0x7100;

// A libmodbus slave serving from its own thread: an RTU slave on the master side of the
// pseudo-terminal (fd), or a Modbus TCP server on a free loopback port (fd < 0) that takes one
// connection after the other, as the exchange connects for each request.
class LibmodbusSlave {
public:
    explicit LibmodbusSlave(int fd)
        : ctx(fd >= 0 ? modbus_new_rtu("/dev/null", 115200, 'N', 8, 1)
                      : modbus_new_tcp("127.0.0.1", 0)),
          map(modbus_mapping_new(0, 0, MappedRegisters, 0)) {
        modbus_set_slave(ctx, SlaveAddress);
        // Lets the serving loop look at the stop flag five times a second.
        modbus_set_indication_timeout(ctx, 0, 200000);
        if (fd >= 0) {
            // The descriptor is already open: no modbus_connect, and no modbus_close on it later.
            modbus_set_socket(ctx, fd);
            return;
        }
        listenFd = modbus_tcp_listen(ctx, 1);
        sockaddr_in address{};
        socklen_t length = sizeof address;
        if (listenFd >= 0 &&
            ::getsockname(listenFd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            tcpPort = ntohs(address.sin_port);
    }
    ~LibmodbusSlave() {
        stop();
        if (listenFd >= 0)
            ::close(listenFd);
        modbus_mapping_free(map);
        modbus_free(ctx);
    }
    LibmodbusSlave(const LibmodbusSlave&) = delete;
    LibmodbusSlave& operator=(const LibmodbusSlave&) = delete;

    bool isReady() const { return ctx && map && (listenFd >= 0) == (tcpPort != 0); }
    // The port name the program reaches the Modbus TCP server by.
    QString tcpPortName() const { return QStringLiteral("tcp://127.0.0.1:%1").arg(tcpPort); }
    // Registers may be set before start() and read after stop() only.
    uint16_t* registers() { return map->tab_registers; }

    void start() {
        serving = std::jthread([this] {
            uint8_t request[MODBUS_TCP_MAX_ADU_LENGTH];
            while (!stopping) {
                if (listenFd >= 0 && modbus_get_socket(ctx) < 0 && !Accept())
                    continue;
                const int length = modbus_receive(ctx, request);
                if (length > 0)
                    modbus_reply(ctx, request, length, map);
                else if (length < 0 && errno != ETIMEDOUT && listenFd >= 0)
                    modbus_close(ctx); // the master has gone: wait for the next
            }
        });
    }
    void stop() {
        stopping = true;
        if (serving.joinable())
            serving.join();
    }

private:
    bool Accept() {
        pollfd listening{listenFd, POLLIN, 0};
        return ::poll(&listening, 1, 200) > 0 && modbus_tcp_accept(ctx, &listenFd) >= 0;
    }

    modbus_t* ctx;
    modbus_mapping_t* map;
    int listenFd = -1;
    quint16 tcpPort = 0;
    std::atomic<bool> stopping{false};
    std::jthread serving;
};

quint16 Send(const QByteArray& request) {
    return ExchangeSync(LoadSyncTxFrame(request));
}

} // namespace

class TestModbusInterop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readAndWriteRoundTrip_data() {
        QTest::addColumn<bool>("overTcp");
        QTest::newRow("RTU slave on a terminal") << false;
        QTest::newRow("Modbus TCP server") << true;
    }
    void readAndWriteRoundTrip() {
        QFETCH(bool, overTcp);
        ScriptedPrompts prompts;
        PtyPeer peer;
        QVERIFY(peer.isOpen());
        LibmodbusSlave slave(overTcp ? -1 : peer.masterFd());
        QVERIFY(slave.isReady());
        for (int i = 0; i < 650; ++i)
            slave.registers()[i] = uint16_t(0x1000 + i * 37);
        const ConnectionSettings settings{overTcp ? slave.tcpPortName() : peer.slavePath(), 4, 0,
                                          QStringLiteral("238")};
        SetConnectionSettingsSource([settings] { return settings; });
        const auto restoreSettings = qScopeGuard([] { SetConnectionSettingsSource(nullptr); });
        slave.start();

        // The largest read: 125 registers in a 255-byte reply.
        QCOMPARE(Send(BuildReadRequest(SlaveAddress, 500, 125)), quint16(255));
        const ReadReply status = JudgeReadReply(SyncReply(), 125);
        QCOMPARE(status.verdict.status, ReplyStatus::Correct);
        QCOMPARE(status.words.size(), 125);
        for (int k = 0; k < 125; ++k)
            QCOMPARE(status.words[k], quint16(0x1000 + (500 + k) * 37));

        const std::array<quint16, 5> values{0x0001, 0xFFFF, 0x8000, 0x1234, 0x00EE};
        QCOMPARE(Send(BuildWriteRequest(SlaveAddress, 0x7000, values)), quint16(8));
        QCOMPARE(JudgeWriteReply(SyncReply()).status, ReplyStatus::Correct);

        QVERIFY(Send(BuildReadRequest(SlaveAddress, 0x7000, 5)) > 0);
        const ReadReply back = JudgeReadReply(SyncReply(), 5);
        QCOMPARE(back.verdict.status, ReplyStatus::Correct);
        QCOMPARE(back.words, QList<quint16>(values.begin(), values.end()));

        // Registers the slave does not have: its exception reply is understood.
        QCOMPARE(Send(BuildReadRequest(SlaveAddress, MappedRegisters, 2)), quint16(5));
        QCOMPARE(JudgeReadReply(SyncReply(), 2).verdict, (ReplyVerdict{ReplyStatus::Exception, 2}));

        // A polling cycle shows the slave's status block.
        PollController polling;
        QSignalSpy cycles(&polling, &PollController::CycleFinished);
        QVERIFY(polling.OpenPollPort(settings, SlaveAddress));
        QVERIFY(polling.StartPollCycle());
        QVERIFY(cycles.wait(20000));
        const auto blocks = cycles.first().at(0).value<QList<PolledBlock>>();
        QCOMPARE(blocks.size(), 6);
        for (const PolledBlock& block : blocks)
            for (qsizetype k = 0; k < block.words.size(); ++k)
                QCOMPARE(block.words[k], quint16(0x1000 + (block.index + k) * 37));
        polling.ClosePollPort();

        slave.stop();
        for (int k = 0; k < 5; ++k)
            QCOMPARE(slave.registers()[0x7000 + k], values[k]);
        QVERIFY(prompts.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestModbusInterop)
#include "test_modbus_interop.moc"
