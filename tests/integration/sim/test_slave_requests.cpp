#include "controller_model.h"
#include "fault_plan.h"
#include "modbus_frames.h"
#include "modbus_slave.h"
#include "register_map.h"

#include <QTest>

#include <vector>

using namespace SimMap;

namespace {

constexpr quint8 Address = 238;

QByteArray WithCrc(const char* hex) {
    QByteArray frame = QByteArray::fromHex(hex);
    AppendCrc(frame);
    return frame;
}

// Everything a request could change: every register block, the clock (which a read of the
// status block refreshes) and the bootloader.
struct ModelState {
    QList<QList<quint16>> blocks;
    bool inBootloader = false;
    QByteArray programmed;
    friend bool operator==(const ModelState&, const ModelState&) = default;
};

ModelState StateOf(ControllerModel& model) {
    ModelState state;
    for (const BlockSpan& block : Blocks)
        state.blocks.append(model.registers(block.start, block.size));
    state.inBootloader = model.inBootloader(0);
    state.programmed = model.bootloader().programmed();
    return state;
}

// The frame in a buffer of exactly its size, so that a read past its end is caught by the
// address sanitizer instead of landing on the terminating zero of a QByteArray.
SimReply RespondExactly(const QByteArray& frame, ControllerModel& model, FaultPlan& faults) {
    const std::vector<char> exact(frame.begin(), frame.end());
    return ModbusSlave::Respond(QByteArrayView(exact.data(), qsizetype(exact.size())), Address,
                                model, faults, 0);
}

} // namespace

// Requests the controller refuses or ignores, each after the frames that bring it into the state
// where it is heard: the reply, and that nothing changed.
class TestSlaveRequests : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusedAndIgnored_data() {
        QTest::addColumn<QList<QByteArray>>("before");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply"); // empty: none
        QTest::addColumn<bool>("refuseAll");   // an exception fault for every request
        const QList<QByteArray> application;
        const QList<QByteArray> bootloader = {WithCrc("EE3001")};
        // Command 99 with a new clock in registers 48 and 49 in the same write.
        QTest::newRow("refused command with the clock words")
            << application << WithCrc("EE10002D00050A006300000000FFFF0000") << WithCrc("EE9003")
            << false;
        QTest::newRow("packet cut short after its code")
            << bootloader << WithCrc("EE21") << WithCrc("EEA103") << false;
        QTest::newRow("packet header without its length")
            << bootloader << WithCrc("EE210800") << WithCrc("EEA103") << false;
        QTest::newRow("bootloader read cut short")
            << bootloader << WithCrc("EE03") << WithCrc("EE8303") << false;
        QTest::newRow("read cut short")
            << application << WithCrc("EE030000") << WithCrc("EE8303") << false;
        QTest::newRow("write cut short")
            << application << WithCrc("EE10") << WithCrc("EE9003") << false;
        QTest::newRow("erase cut short")
            << bootloader << WithCrc("EE20") << WithCrc("EEA003") << false;
        QTest::newRow("init cut short")
            << application << WithCrc("EE30") << WithCrc("EEB003") << false;
        QTest::newRow("exception code as a function")
            << application << WithCrc("EE8300000001") << QByteArray() << false;
        QTest::newRow("exception code as a function, bootloader")
            << bootloader << WithCrc("EEB001") << QByteArray() << false;
        QTest::newRow("exception code as a function, every request refused")
            << application << WithCrc("EEB001") << QByteArray() << true;
    }
    void refusedAndIgnored() {
        QFETCH(QList<QByteArray>, before);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QFETCH(bool, refuseAll);
        // A clock that stands still, so that only a request can move it.
        const ModelClock clock{[] { return quint32(788918400); }, [] { return qint64(0); }};
        ControllerModel model(Address, 16, false, {0, 0}, clock);
        FaultPlan faults;
        for (const QByteArray& frame : before)
            QVERIFY(!RespondExactly(frame, model, faults).bytes.isEmpty());
        if (refuseAll)
            faults.set({.kind = FaultKind::Exception, .exceptionCode = 6}, PersistentFault);
        const ModelState state = StateOf(model);
        QCOMPARE(RespondExactly(request, model, faults).bytes.toHex(), reply.toHex());
        QVERIFY(StateOf(model) == state);
    }
};

QTEST_APPLESS_MAIN(TestSlaveRequests)
#include "test_slave_requests.moc"
