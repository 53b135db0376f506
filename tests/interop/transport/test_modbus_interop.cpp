// Our requests and our judging of replies against a Modbus RTU slave nobody here wrote.

#include "connection_settings.h"
#include "modbus_frames.h"
#include "pty_peer.h"
#include "scripted_prompts.h"
#include "sync_exchange.h"

#include <QScopeGuard>
#include <QTest>

#include <atomic>
#include <thread>

#include <modbus.h>

namespace {

constexpr int SlaveAddress = 238;
constexpr int MappedRegisters = 0x7100;

// A libmodbus RTU slave serving on the master side of the pseudo-terminal from its own thread.
class LibmodbusSlave {
public:
    explicit LibmodbusSlave(int fd)
        : ctx(modbus_new_rtu("/dev/null", 115200, 'N', 8, 1)),
          map(modbus_mapping_new(0, 0, MappedRegisters, 0)) {
        modbus_set_slave(ctx, SlaveAddress);
        // The descriptor is already open: no modbus_connect, and no modbus_close on it later.
        modbus_set_socket(ctx, fd);
        // Lets the serving loop look at the stop flag five times a second.
        modbus_set_indication_timeout(ctx, 0, 200000);
    }
    ~LibmodbusSlave() {
        stop();
        modbus_mapping_free(map);
        modbus_free(ctx);
    }
    LibmodbusSlave(const LibmodbusSlave&) = delete;
    LibmodbusSlave& operator=(const LibmodbusSlave&) = delete;

    bool isReady() const { return ctx && map; }
    // Registers may be set before start() and read after stop() only.
    uint16_t* registers() { return map->tab_registers; }

    void start() {
        serving = std::jthread([this] {
            uint8_t request[MODBUS_RTU_MAX_ADU_LENGTH];
            while (!stopping) {
                const int length = modbus_receive(ctx, request);
                if (length > 0)
                    modbus_reply(ctx, request, length, map);
            }
        });
    }
    void stop() {
        stopping = true;
        if (serving.joinable())
            serving.join();
    }

private:
    modbus_t* ctx;
    modbus_mapping_t* map;
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
    void readAndWriteRoundTrip() {
        ScriptedPrompts prompts;
        PtyPeer peer;
        QVERIFY(peer.isOpen());
        LibmodbusSlave slave(peer.masterFd());
        QVERIFY(slave.isReady());
        for (int i = 0; i < 650; ++i)
            slave.registers()[i] = uint16_t(0x1000 + i * 37);
        SetConnectionSettingsSource([&peer] {
            return ConnectionSettings{peer.slavePath(), 4, 0, QStringLiteral("238")};
        });
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

        slave.stop();
        for (int k = 0; k < 5; ++k)
            QCOMPARE(slave.registers()[0x7000 + k], values[k]);
        QVERIFY(prompts.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestModbusInterop)
#include "test_modbus_interop.moc"
