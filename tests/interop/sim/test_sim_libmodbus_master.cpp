#include "simulated_controller.h"

#include <QTest>

#include <modbus.h>

#include <cerrno>
#include <memory>
#include <vector>

// libmodbus, written by others, as the RTU master: proves the simulator's frames against an
// implementation nobody here wrote.
class TestSimLibmodbusMaster : public QObject {
    Q_OBJECT
    std::unique_ptr<SimulatedController> sim;
    modbus_t* master = nullptr;

private Q_SLOTS:
    void init() {
        sim = std::make_unique<SimulatedController>();
        QString error;
        QVERIFY2(sim->start(&error), qPrintable(error));
        master = modbus_new_rtu(sim->portPath().toLocal8Bit().constData(), 115200, 'N', 8, 1);
        QVERIFY(master);
        QCOMPARE(modbus_set_slave(master, 238), 0);
        QCOMPARE(modbus_set_response_timeout(master, 3, 0), 0);
        QCOMPARE(modbus_connect(master), 0);
    }
    void cleanup() {
        if (master) {
            modbus_close(master);
            modbus_free(master);
            master = nullptr;
        }
        sim.reset();
    }

    void readsAndWritesRoundTrip_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("status values before the mailbox") << 0 << 45;
        QTest::newRow("charge settings") << 0x6C00 << 47;
        QTest::newRow("alarm settings") << 0x7000 << 50;
        QTest::newRow("journal tail") << 0x7FFF - 122 << 123;
    }
    void readsAndWritesRoundTrip() {
        QFETCH(int, first);
        QFETCH(int, count);
        std::vector<uint16_t> written;
        for (int k = 0; k < count; ++k)
            written.push_back(uint16_t(0x8000 + 3 * k));
        // The cell count is one the controller takes: it keeps a count beyond its 200 cells.
        if (first == 0x6C00)
            written[40] = 24;
        QCOMPARE(modbus_write_registers(master, first, count, written.data()), count);
        std::vector<uint16_t> read(size_t(count), 0);
        QCOMPARE(modbus_read_registers(master, first, count, read.data()), count);
        QCOMPARE(read, written);
        QCOMPARE(sim->registerValues(quint16(first), count),
                 QList<quint16>(written.begin(), written.end()));
    }

    void readsWhatTheSimulatorHolds() {
        std::vector<uint16_t> cells(125, 0);
        QCOMPARE(modbus_read_registers(master, 50, 125, cells.data()), 125);
        const QList<quint16> expected = sim->registerValues(50, 125);
        QCOMPARE(QList<quint16>(cells.begin(), cells.end()), expected);
        QVERIFY(expected.first() > 0);
    }

    void refusalsAsLibmodbusSeesThem_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("singleWrite");
        QTest::addColumn<int>("error");
        QTest::newRow("read outside the map") << 650 << 1 << false << int(EMBXILADD);
        QTest::newRow("read spanning a block end") << 0x6805 << 2 << false << int(EMBXILADD);
        QTest::newRow("function 6 unsupported") << 0x6800 << 1 << true << int(EMBXILFUN);
    }
    void refusalsAsLibmodbusSeesThem() {
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(bool, singleWrite);
        QFETCH(int, error);
        std::vector<uint16_t> values(size_t(count), 0);
        const int result = singleWrite ? modbus_write_register(master, first, 1)
                                       : modbus_read_registers(master, first, count, values.data());
        QCOMPARE(result, -1);
        QCOMPARE(errno, error);
    }

    void corruptedReplyIsCaught() {
        sim->injectFault({.kind = FaultKind::BadCrc});
        uint16_t value = 0;
        QCOMPARE(modbus_read_registers(master, 2, 1, &value), -1);
        QCOMPARE(errno, int(EMBBADCRC));
        modbus_flush(master);
        QCOMPARE(modbus_read_registers(master, 2, 1, &value), 1);
        QCOMPARE(value, quint16(16));
    }
};

QTEST_GUILESS_MAIN(TestSimLibmodbusMaster)
#include "test_sim_libmodbus_master.moc"
