#include "connection_dialog.h"
#include "diagnostic_mode.h"
#include "main_window.h"
#include "modbus_frames.h"
#include "reply_reporting.h"
#include "scripted_prompts.h"
#include "simulated_controller.h"
#include "sync_exchange.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <memory>

namespace {

constexpr quint8 Address = 238;
constexpr quint16 AlarmSettings = 0x7000;

QByteArray WithCrc(QByteArray frame) {
    AppendCrc(frame);
    return frame;
}

Fault Garbage(const QByteArray& bytes) {
    Fault fault;
    fault.kind = FaultKind::Garbage;
    fault.bytes = bytes;
    return fault;
}

Fault Kind(FaultKind kind, quint8 exceptionCode = 0) {
    Fault fault;
    fault.kind = kind;
    fault.exceptionCode = exceptionCode;
    return fault;
}

} // namespace

Q_DECLARE_METATYPE(Fault)

// Commands' reply reporting against the simulated controller, with the main window as display.
class TestReplyReporting : public QObject {
    Q_OBJECT

    std::unique_ptr<SimulatedController> sim;
    std::unique_ptr<TForm1> form;
    QTemporaryDir dir;
    bool savedDiagnostic = false;

    QString Label(const char* name) {
        return form->findChild<QLabel*>(QLatin1String(name))->text();
    }
    QStringList LogLines() {
        QFile file(MonitorLogPath);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringDecoder decoder("windows-1251");
        // Every line ends in CR LF.
        return QString(decoder(file.readAll())).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        savedDiagnostic = DiagnosticMode;
        sim = std::make_unique<SimulatedController>();
        QString error;
        QVERIFY2(sim->start(&error), qPrintable(error));
    }
    void cleanupTestCase() {
        sim->stop();
        DiagnosticMode = savedDiagnostic;
    }
    void init() {
        DiagnosticMode = true;
        form = std::make_unique<TForm1>();
        form->Form4()->AddPort(sim->portPath());
        sim->clearFaults();
        sim->clearReceivedFrames();
        MonitorLogPath =
            dir.filePath(QStringLiteral("%1_log.csv").arg(QTest::currentTestFunction()));
        QFile::remove(MonitorLogPath);
        form->findChild<QCheckBox*>(QStringLiteral("CheckBox_LOGEN_"))->setChecked(true);
    }
    void cleanup() {
        form.reset();
        MonitorLogPath.clear();
    }

    void write_data() {
        QTest::addColumn<bool>("faulty");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("logEvent");
        QTest::newRow("accepted") << false << Fault{} << "Настройки изменены"
                                  << "Успешная запись"
                                  << ""
                                  << "";
        QTest::newRow("exception 2")
            << true << Kind(FaultKind::Exception, 2) << "Недоступный адрес регистра (0x02)"
            << "Ответ с ошибкой"
            << "Недоступный адрес регистра (0x02)"
            << "";
        QTest::newRow("bad CRC") << true << Kind(FaultKind::BadCrc) << "Ошибка CRC ответа"
                                 << "Ошибка"
                                 << "Ошибка CRC ответа: 28672"
                                 << " Ошибка CRC ответа";
        QTest::newRow("no answer") << true << Kind(FaultKind::NoReply) << "Нет ответа"
                                   << "Ошибка"
                                   << "Нет ответа: 28672"
                                   << " Нет ответа";
        // Only the echoed function counts: another address and count are still a success.
        QTest::newRow("echo with a wrong count")
            << true << Garbage(WithCrc(QByteArray::fromHex("0510700000FF"))) << "Настройки изменены"
            << "Успешная запись"
            << ""
            << "";
        QTest::newRow("another function")
            << true << Garbage(WithCrc(QByteArray::fromHex("EE0670000003")))
            << "Что-то пошло не так"
            << "Ошибка"
            << ""
            << "";
    }
    void write() {
        QFETCH(bool, faulty);
        QFETCH(Fault, fault);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(QString, memo);
        QFETCH(QString, logEvent);
        if (faulty)
            sim->injectFault(fault);
        ScriptedPrompts prompts;
        const std::array<quint16, 3> values = {11, 22, 33};
        const std::optional<ReplyVerdict> verdict = ShowWriteReply(AlarmSettings, values);
        QVERIFY(verdict.has_value());

        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].text, text);
        QCOMPARE(prompts.shown[0].caption, caption);
        QCOMPARE(prompts.shown[0].buttons, Prompts::Buttons::Ok);
        QCOMPARE(prompts.shown[0].icon, Prompts::Icon::None);
        QCOMPARE(form->Memo1()->toPlainText(), memo);
        const QStringList log = LogLines();
        QCOMPARE(log.size(), logEvent.isEmpty() ? 0 : 1);
        if (!logEvent.isEmpty())
            QVERIFY(log[0].endsWith(logEvent));
        QCOMPARE(Label("Label12"), verdict->status == ReplyStatus::CrcError ? "1" : "0");
        QCOMPARE(Label("Label13"), verdict->status == ReplyStatus::NoAnswer ? "1" : "0");
        // Every outcome but an exception refreshes the percentage; with no success it reads 100.
        QCOMPARE(Label("Label15"), verdict->status == ReplyStatus::Exception ? "0" : "100");
        QCOMPARE(sim->receivedFrames().size(), 1);
        QCOMPARE(sim->receivedFrames()[0],
                 WithCrc(QByteArray::fromHex("EE107000000306000B00160021")));
    }

    void readStoresACorrectReply() {
        sim->setRegisters(AlarmSettings, std::array<quint16, 3>{7, 8, 9});
        std::array<quint16, 6> target{1, 1, 1, 1, 1, 1};
        form->SetStatusPanel(1, QStringLiteral("before"));
        const auto verdict = ShowReadReply(AlarmSettings, 2, target, 3);
        QCOMPARE(verdict->status, ReplyStatus::Correct);
        QCOMPARE(target, (std::array<quint16, 6>{1, 1, 7, 8, 9, 1}));
        QCOMPARE(form->StatusPanel(1), QStringLiteral("Ответ принят корректно"));
        QCOMPARE(form->Memo1()->toPlainText(), QStringLiteral("Ответ получен по: 28672"));
        QVERIFY(LogLines().isEmpty());
    }

    void readNoAnswerChangesNothingButTheLog() {
        sim->injectFault(Kind(FaultKind::NoReply));
        ScriptedPrompts prompts;
        std::array<quint16, 3> target{5, 5, 5};
        form->SetStatusPanel(1, QStringLiteral("before"));
        const auto verdict = ShowReadReply(AlarmSettings, 0, target, 3);
        QCOMPARE(verdict->status, ReplyStatus::NoAnswer);
        QCOMPARE(target, (std::array<quint16, 3>{5, 5, 5}));
        QCOMPARE(form->StatusPanel(1), QStringLiteral("before"));
        QVERIFY(prompts.shown.isEmpty());
        const QStringList log = LogLines();
        QCOMPARE(log.size(), 1);
        QVERIFY(log[0].endsWith(QStringLiteral(" Нет ответа")));
        QCOMPARE(Label("Label13"), QStringLiteral("1"));
    }

    void readFaults_data() {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("status");
        QTest::newRow("exception 2")
            << Kind(FaultKind::Exception, 2) << "Ответ с ошибкой: Недоступный адрес регистра";
        QTest::newRow("bad CRC") << Kind(FaultKind::BadCrc) << "Ошибка CRC ответа!";
        // More data than asked for is dropped without a word.
        QTest::newRow("too long") << Garbage(WithCrc(QByteArray::fromHex("EE030400010002")))
                                  << "before";
    }
    void readFaults() {
        QFETCH(Fault, fault);
        QFETCH(QString, status);
        sim->injectFault(fault);
        std::array<quint16, 1> target{5};
        form->SetStatusPanel(1, QStringLiteral("before"));
        ShowReadReply(AlarmSettings, 0, target, 1);
        QCOMPARE(form->StatusPanel(1), status);
        QCOMPARE(target[0], quint16(5));
    }

    void withoutLoggingOrDiagnostics() {
        DiagnosticMode = false;
        // One window at a time: the old one withdraws its display and settings when it goes.
        form.reset();
        form = std::make_unique<TForm1>();
        form->Form4()->AddPort(sim->portPath());
        sim->injectFault(Kind(FaultKind::BadCrc));
        ScriptedPrompts prompts;
        std::array<quint16, 1> target{};
        ShowReadReply(AlarmSettings, 0, target, 1);
        QVERIFY(LogLines().isEmpty());
        QVERIFY(form->Memo1()->toPlainText().isEmpty());
        QCOMPARE(Label("Label12"), QStringLiteral("0"));
        QCOMPARE(Label("Label15"), QStringLiteral("100"));
    }

    void commandDuringAnotherExchangeIsRefused() {
        Fault slow = Kind(FaultKind::Delay);
        slow.delayMs = 1500;
        sim->injectFault(slow);
        ScriptedPrompts prompts;
        std::optional<ReplyVerdict> nested = ReplyVerdict{};
        // The long wait lets the window run its events, and with them another command.
        QTimer::singleShot(100, [&] {
            const std::array<quint16, 1> values{1};
            nested = ShowWriteReply(AlarmSettings, values);
        });
        const quint16 length = LoadSyncTxFrame(BuildReadRequest(Address, 0, 1));
        const auto request = SyncTxFrame;
        QVERIFY(ExchangeSyncLongWait(length) > 0);
        QVERIFY(!nested.has_value());
        // The refused command did not build its frame over the one of the exchange under way.
        QVERIFY(SyncTxFrame == request);
        QCOMPARE(prompts.shown.size(), 1);
        QVERIFY(!prompts.shown[0].text.contains(QStringLiteral("Нет ответа")));
        QCOMPARE(Label("Label13"), QStringLiteral("0"));
        QCOMPARE(sim->receivedFrames().size(), 1);
    }

    void addressThatIsNoNumberSendsNothing() {
        ScriptedPrompts prompts;
        form->Form4()
            ->findChild<QLineEdit*>(QStringLiteral("Edit_ADDRESS_"))
            ->setText(QStringLiteral("12a"));
        const std::array<quint16, 1> values{1};
        QVERIFY(!ShowWriteReply(AlarmSettings, values).has_value());
        QCOMPARE(prompts.messageTexts(), QStringList{"'12a' is not a valid integer value"});
        QVERIFY(sim->receivedFrames().isEmpty());
    }
};

QTEST_MAIN(TestReplyReporting)
#include "test_reply_reporting.moc"
