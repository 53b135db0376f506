#include "command_sending.h"
#include "connection_settings.h"
#include "english_texts.h"
#include "fault_plan.h"
#include "language.h"
#include "modbus_frames.h"
#include "register_image.h"
#include "reply_reporting.h"
#include "scripted_prompts.h"
#include "settings_write.h"
#include "simulated_controller.h"

#include <QTest>

#include <functional>
#include <memory>

using Command = std::function<void(RegisterImage&)>;
Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(Fault)

// The service commands, the password login and the settings write-back against the simulated
// controller in English mode: what the operator is told has no Cyrillic letter, and the link
// errors go to the monitoring log in the Russian words its reader knows.

namespace {

// What the window would show of the commands' replies, and what it would log.
class RecordingDisplay final : public ReplyDisplay {
public:
    RecordingDisplay() { SetReplyDisplay(this); }
    ~RecordingDisplay() override { SetReplyDisplay(nullptr); }
    RecordingDisplay(const RecordingDisplay&) = delete;
    RecordingDisplay& operator=(const RecordingDisplay&) = delete;

    void ShowReplyStatus(const QString& text) override { shown.append(text); }
    void AddDiagnosticLine(const QString& line) override { shown.append(line); }
    void CountLinkError(LinkCount) override {}
    void RefreshLinkPercent() override {}
    void LogLinkError(const QDateTime&, const QString& event) override { logged.append(event); }

    QStringList shown;
    QStringList logged;
};

// A reply with a good CRC that answers a write with a read's function code.
QByteArray ReadFunctionReply() {
    QByteArray reply = QByteArray::fromHex("EE03020000");
    AppendCrc(reply);
    return reply;
}

} // namespace

class TestCommandsEnglish : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
        SetConnectionSettingsSource([this] { return settings; });
        QVERIFY(InstallLanguage(Language::English));
    }
    void cleanupTestCase() {
        InstallLanguage(Language::Russian);
        SetConnectionSettingsSource(nullptr);
    }

    void outcomes_data() {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QStringList>("typed"); // the answers to the password box
        QTest::addColumn<Fault>("fault");
        const Command clearJournal = [](RegisterImage&) {
            SendCommand(CommandCode::ClearJournal, 0);
        };
        const Command login = [](RegisterImage& image) { PasswordToggled(true, image); };
        const Fault none{.kind = FaultKind::Delay};
        const QStringList nothing;
        QTest::newRow("command taken") << clearJournal << nothing << none;
        QTest::newRow("command unanswered") << clearJournal << nothing << Fault{};
        QTest::newRow("command with bad CRC")
            << clearJournal << nothing << Fault{.kind = FaultKind::BadCrc};
        QTest::newRow("command refused")
            << clearJournal << nothing << Fault{.kind = FaultKind::Exception, .exceptionCode = 2};
        QTest::newRow("command answered wrongly")
            << clearJournal << nothing
            << Fault{.kind = FaultKind::Garbage, .bytes = ReadFunctionReply()};
        QTest::newRow("login accepted") << login << QStringList{"0000"} << none;
        QTest::newRow("login refused") << login << QStringList{"1234"} << none;
        QTest::newRow("password too short") << login << QStringList{"123"} << none;
        QTest::newRow("new password")
            << Command([](RegisterImage&) { SendNewPassword(); }) << QStringList{"abcd"} << none;
        QTest::newRow("entry refused")
            << Command([](RegisterImage&) { EntryParameter(QStringLiteral("x")); }) << nothing
            << none;
        QTest::newRow("clock read unanswered")
            << Command([](RegisterImage& image) { ReadClock(image); }) << nothing << Fault{};
        QTest::newRow("settings written") << Command([](RegisterImage& image) {
            const TableStore store = WriteTable(
                WritableTable::ChargeSettings, [](int) { return ValueCell({}, 0); }, image);
            QVERIFY(store.complete);
        }) << nothing << none;
    }
    void outcomes() {
        QFETCH(Command, command);
        QFETCH(QStringList, typed);
        QFETCH(Fault, fault);
        SimulatedController sim;
        QString error;
        QVERIFY2(sim.start(&error), qPrintable(error));
        settings = {sim.masterPortName(), 4, 0, QStringLiteral("238")};
        sim.injectFault(fault, PersistentFault);
        ScriptedPrompts prompts;
        for (const QString& text : typed)
            prompts.inputs.append(text);
        RecordingDisplay display;
        RegisterImage image;
        command(image);
        const QStringList texts = WithPromptTexts(display.shown, prompts);
        QVERIFY(!texts.isEmpty());
        VerifyEnglish(texts);
        for (const QString& event : display.logged)
            VerifyLogEvent(event);
        QCOMPARE(display.logged.isEmpty(),
                 fault.kind != FaultKind::NoReply && fault.kind != FaultKind::BadCrc);
    }

    // The remarks of the communication table for values its link could not work with.
    void remarks() {
        const QStringList typed = {"300", "9", "9", "20000"};
        QList<Remark> remarks =
            CommSettingsEditRemarks([&](int row) { return ValueCell(typed.value(row - 1)); });
        QCOMPARE(remarks.size(), typed.size());
        RegisterImage image;
        image.CommSettingsBlock.fill(9);
        remarks.append(*CommSettingsLinkError(image.CommSettingsBlock));
        for (const Remark& remark : remarks)
            VerifyEnglish({remark.text});
    }

private:
    ConnectionSettings settings;
};

QTEST_GUILESS_MAIN(TestCommandsEnglish)
#include "test_commands_english.moc"
