#include "modbus_frames.h"
#include "pty_client.h"
#include "register_map.h"
#include "simulated_controller.h"

#include <QTest>

#include <memory>
#include <vector>

using namespace SimMap;

namespace {

constexpr quint8 Address = 238;

QByteArray CommandFrame(quint16 code, quint32 value) {
    const std::vector<quint16> words{code, quint16(value & 0xFFFF), quint16(value >> 16)};
    return BuildWriteRequest(Address, Status::Command, words);
}

// Four code-page bytes, the first in the lowest bits.
quint32 Packed(const QByteArray& password) {
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value |= quint32(quint8(password[i])) << (8 * i);
    return value;
}

} // namespace

// The command mailbox at registers 45 to 47, driven by frames on the line.
class TestCommandMailbox : public QObject {
    Q_OBJECT
    std::unique_ptr<SimulatedController> sim;
    std::unique_ptr<PtyClient> line;

    // Sends a command and returns its verdict; an exception reply is 5 bytes, a normal one 8.
    ReplyVerdict command(quint16 code, quint32 value) {
        QByteArray reply = line->exchange(CommandFrame(code, value), 5);
        if (reply.size() == 5 && !(reply[1] & 0x80))
            reply += line->receive(3);
        return JudgeWriteReply(reply);
    }
    bool loggedIn() const { return sim->registerValue(Status::BatteryMode) & LoginBit; }
    quint32 dword(quint16 address) const {
        const QList<quint16> words = sim->registerValues(address, 2);
        return words[0] | quint32(words[1]) << 16;
    }

private Q_SLOTS:
    void init() {
        sim = std::make_unique<SimulatedController>();
        QVERIFY(sim->start());
        line = std::make_unique<PtyClient>(sim->portPath());
    }
    void cleanup() {
        line.reset();
        sim.reset();
    }

    void storedCommands_data() {
        QTest::addColumn<quint16>("code");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<quint16>("target");
        QTest::addColumn<bool>("wide");
        QTest::newRow("remaining capacity 100000")
            << CommandCode::SetRemainingCapacity << quint32(100000) << Status::RemainingPackCapacity
            << true;
        QTest::newRow("full charge capacity")
            << CommandCode::SetFullChargeCapacity << quint32(120000) << Status::FullChargeCapacity
            << true;
        QTest::newRow("cycle count")
            << CommandCode::SetCycleCount << quint32(321) << Status::CycleCount << false;
        QTest::newRow("clock 2001-01-01 12:00")
            << CommandCode::SetClock << quint32(31665600) << Status::RtcTimeValue << true;
    }
    void storedCommands() {
        QFETCH(quint16, code);
        QFETCH(quint32, value);
        QFETCH(quint16, target);
        QFETCH(bool, wide);
        QCOMPARE(command(code, value).status, ReplyStatus::Correct);
        const quint32 stored = wide ? dword(target) : sim->registerValue(target);
        // The clock runs on: allow the second or two a slow machine may take.
        QVERIFY2(stored >= value && stored <= value + (code == CommandCode::SetClock ? 2 : 0),
                 qPrintable(QString::number(stored)));
        QCOMPARE(sim->registerValues(Status::Command, 3),
                 (QList<quint16>{code, quint16(value & 0xFFFF), quint16(value >> 16)}));
    }

    void capacityCommandsMoveTheChargeFigures() {
        QCOMPARE(command(CommandCode::SetFullChargeCapacity, 100000).status, ReplyStatus::Correct);
        QCOMPARE(command(CommandCode::SetRemainingCapacity, 25000).status, ReplyStatus::Correct);
        QCOMPARE(sim->registerValue(Status::RelativeStateOfCharge), quint16(25));
    }

    void calibrationAcceptedAndNothingElseMoves() {
        const QList<quint16> before = sim->registerValues(0, 45);
        QCOMPARE(command(CommandCode::Calibrate, 0).status, ReplyStatus::Correct);
        QCOMPARE(command(CommandCode::Calibrate, quint32(-200)).status, ReplyStatus::Correct);
        QCOMPARE(sim->registerValues(0, 45), before);
    }

    void unknownCodeRefused() {
        const QList<quint16> before = sim->registerValues(Status::Command, 3);
        const ReplyVerdict verdict = command(99, 5);
        QCOMPARE(verdict.status, ReplyStatus::Exception);
        QCOMPARE(verdict.exceptionCode, quint8(3));
        QCOMPARE(sim->registerValues(Status::Command, 3), before);
    }

    void clearJournal() {
        sim->preloadJournal(768 + 300);
        QCOMPARE(command(CommandCode::ClearJournal, 0).status, ReplyStatus::Correct);
        QCOMPARE(sim->registerValues(JournalBlock.start, JournalBlock.size),
                 QList<quint16>(JournalBlock.size, 0xFFFF));
    }

    void loginLogoutAndNewPassword() {
        QVERIFY(!loggedIn());
        QCOMPARE(command(CommandCode::Login, Packed("1234")).status, ReplyStatus::Correct);
        QVERIFY(!loggedIn());
        QCOMPARE(command(CommandCode::Login, Packed("0000")).status, ReplyStatus::Correct);
        QVERIFY(loggedIn());
        QCOMPARE(command(CommandCode::Logout, 0).status, ReplyStatus::Correct);
        QVERIFY(!loggedIn());

        // A new password with a Cyrillic first letter (code page 1251 0xC0) replaces the old one.
        const QByteArray cyrillic = QByteArray("\xC0") + "bc1";
        QCOMPARE(command(CommandCode::NewPassword, Packed(cyrillic)).status, ReplyStatus::Correct);
        QCOMPARE(sim->password(), cyrillic);
        QCOMPARE(command(CommandCode::Login, Packed("0000")).status, ReplyStatus::Correct);
        QVERIFY(!loggedIn());
        QCOMPARE(command(CommandCode::Login, Packed(cyrillic)).status, ReplyStatus::Correct);
        QVERIFY(loggedIn());
        // The other mode bits are the controller's own and stay as they were.
        QVERIFY(sim->setRegister(Status::BatteryMode, quint16(LoginBit | 0x0101)));
        QCOMPARE(command(CommandCode::Logout, 0).status, ReplyStatus::Correct);
        QCOMPARE(sim->registerValue(Status::BatteryMode), quint16(0x0101));
    }

    // Only a write that reaches the command register runs a command.
    void parameterAloneRunsNothing() {
        const std::vector<quint16> value{quint16(Packed("0000") & 0xFFFF),
                                         quint16(Packed("0000") >> 16)};
        QVERIFY(sim->setRegister(Status::Command, CommandCode::Login));
        const QByteArray reply =
            line->exchange(BuildWriteRequest(Address, Status::CommandValue, value), 8);
        QCOMPARE(JudgeWriteReply(reply).status, ReplyStatus::Correct);
        QVERIFY(!loggedIn());
    }

    void settingsWrittenAreReadBack() {
        std::vector<quint16> alarms;
        for (int k = 0; k < 49; ++k)
            alarms.push_back(quint16(100 + k));
        QCOMPARE(
            JudgeWriteReply(line->exchange(BuildWriteRequest(Address, 0x7000, alarms), 8)).status,
            ReplyStatus::Correct);
        const ReadReply back =
            JudgeReadReply(line->exchange(BuildReadRequest(Address, 0x7000, 49), 103), 49);
        QCOMPARE(back.words, QList<quint16>(alarms.begin(), alarms.end()));
    }
};

QTEST_GUILESS_MAIN(TestCommandMailbox)
#include "test_command_mailbox.moc"
