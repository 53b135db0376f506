#include "connection_dialog.h"
#include "diagnostic_mode.h"
#include "file_size_limit.h"
#include "main_window.h"
#include "page_main.h"
#include "polling_cycle.h"
#include "reply_reporting.h"
#include "scripted_prompts.h"
#include "simulated_controller.h"
#include "string_grid.h"
#include "table_cells.h"
#include "traffic_window.h"
#include "trend_graph_page.h"
#include "window_on_sim.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// The real main window polling the simulated controller through the real worker: what reaches the
// pages, the status bar and the log, and how polling ends.

namespace {

// A six-block cycle takes about 1.6 s at 115200 baud; a slow machine gets far more.
constexpr int CycleWaitMs = 30000;
// ClosePollPort waits at most PollController::StopWaitMs for the worker; the rest is margin.
constexpr int StopBoundMs = PollController::StopWaitMs + 5000;

quint32 ReceivedTotal(const QString& panelText) {
    static const QRegularExpression number(QStringLiteral("^Всего принято (\\d+) байт$"));
    const QRegularExpressionMatch match = number.match(panelText);
    return match.hasMatch() ? match.captured(1).toUInt() : 0;
}

} // namespace

class TestPollingWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void pollingFillsThePages();
    void timeOutKeepsTheScreenAndLogsTheError();
    void crcErrorIsLoggedWhenAsked_data();
    void crcErrorIsLoggedWhenAsked();
    void stopDuringACycleReleasesThePort();
    void unplugStopsPolling();
    void closingTheWindowReleasesThePort();
    void monitorShowsPollingAndCommands();
    void valuesGoStaleAndComeBack();
    void reconnectsWhenThePortReturns_data();
    void reconnectsWhenThePortReturns();
    void fullDiskKeepsPollingAndTables();

private:
    template <class W> W* Find(const char* name) const {
        return form->findChild<W*>(QLatin1String(name));
    }
    QPushButton* ConnectButton() const { return Find<QPushButton>("SpeedButton_CONNECT_"); }
    QString Panel(int i) const { return form->StatusPanel(i); }
    // Clicks the connect button down and checks that polling runs.
    void Connect();
    // Waits until `cycles` more cycles have ended and the tick after the last has shown it.
    void WaitForCycles(int cycles);

    std::unique_ptr<SimulatedController> sim;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<QSignalSpy> cycles;
    QTemporaryDir dir;
    bool savedDiagnosticMode = false;
};

void TestPollingWindow::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QVERIFY(dir.isValid());
    savedDiagnosticMode = DiagnosticMode;
}

void TestPollingWindow::init() {
    sim = std::make_unique<SimulatedController>();
    QString error;
    QVERIFY2(sim->start(&error), qPrintable(error));
    prompts = std::make_unique<ScriptedPrompts>();
    // Memo lines and link counters are part of what is checked.
    DiagnosticMode = true;
    form = std::make_unique<TForm1>();
    ConnectDialogTo(*form, sim->portPath());
    auto* period = Find<QComboBox>("ComboBox_FREQ_");
    period->setCurrentIndex(period->findText(QStringLiteral("0,25")));
    cycles = std::make_unique<QSignalSpy>(&form->Polling()->Controller(),
                                          &PollController::CycleFinished);
}

void TestPollingWindow::cleanup() {
    cycles.reset();
    form.reset();
    prompts.reset();
    sim.reset();
    DiagnosticMode = savedDiagnosticMode;
    MonitorLogPath.clear();
    LogLinkErrors = true;
}

void TestPollingWindow::Connect() {
    ConnectButton()->click();
    QVERIFY(ConnectButton()->isChecked());
    QVERIFY(form->Polling()->Controller().IsOpen());
    QVERIFY(form->PollingTimer()->isActive());
    QCOMPARE(form->PollingTimer()->interval(), 250);
    QVERIFY(form->IndicateTimer()->isActive());
}

void TestPollingWindow::WaitForCycles(int more) {
    const int target = int(cycles->size()) + more;
    QTRY_VERIFY_WITH_TIMEOUT(cycles->size() >= target, CycleWaitMs);
    // The tick after a cycle's end shows it and starts the next cycle.
    QTRY_VERIFY_WITH_TIMEOUT(!form->Polling()->Controller().PollIdle(), CycleWaitMs);
}

void TestPollingWindow::pollingFillsThePages() {
    Find<QCheckBox>("CheckBox_READSETTINGS_")->setChecked(true);
    form->TrendGraph()->SetActiveRows(TrendRows().set(0));
    Connect();
    QVERIFY(!Find<QWidget>("BitBtn_WRITESETRS_")->isEnabled());
    QVERIFY(!Find<QWidget>("ComboBox_PORT_")->isEnabled());
    QVERIFY(Find<QWidget>("CheckBox_READLOG_")->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(Panel(0), QStringLiteral("Передача прошла успешно"), CycleWaitMs);

    WaitForCycles(1);
    const quint32 firstTotal = ReceivedTotal(Panel(2));
    QVERIFY(firstTotal > 0);
    WaitForCycles(1);
    QCOMPARE(Panel(1), QStringLiteral("Ответ принят корректно"));
    // Every reply counts: nine replies of 105 to 255 bytes per cycle.
    QVERIFY(ReceivedTotal(Panel(2)) >= firstTotal + 9 * 105);

    // The window shows what the controller holds (its clock, registers 48 and 49, runs on).
    const QList<quint16> status = sim->registerValues(0, 650);
    const MainPageView expected = ComputeMainPage(status);
    QVERIFY(expected.fields.size() > 20);
    for (const PageFieldText& field : expected.fields)
        QCOMPARE(Find<QLineEdit>(qPrintable(field.name))->text(), field.text);
    const auto* cellTable = Find<QTableWidget>("StringGrid_INFOCELL_");
    QCOMPARE(GridRowCount(cellTable), 17);
    for (int cell : {1, 8, 16})
        for (int column = 0; column < 3; ++column)
            QCOMPARE(GridCell(cellTable, cell, column), CellTableRow(status, cell).at(column));
    const auto& image = form->Image();
    QCOMPARE(QList<quint16>(image.CommSettingsBlock.begin(), image.CommSettingsBlock.end()),
             sim->registerValues(0x6800, 6));
    QVERIFY(!GridCell(Find<QTableWidget>("StringGrid_SETRS_"), 1, 2).isEmpty());
    // Each shown cycle gives the active trend series a point, and no other series one.
    QVERIFY(form->TrendGraph()->Store().PointCount(0) >= 2);
    QCOMPARE(form->TrendGraph()->Store().PointCount(1), 0);

    // Diagnostic lines and counters of the replies.
    QVERIFY(
        form->Memo1()->toPlainText().contains(QStringLiteral("Ответ получен. Адрес=0 Кол-во=50")));
    QVERIFY(Find<QLabel>("Label11")->text().toInt() >= 18);

    // "Читать журнал" stays usable and brings in the journal blocks while polling runs.
    QVERIFY(Find<QCheckBox>("CheckBox_READLOG_")->isEnabled());
    Find<QCheckBox>("CheckBox_READLOG_")->setChecked(true);
    const auto journalAsked = [this] {
        for (const QByteArray& frame : sim->receivedFrames())
            if (frame.mid(1, 5).toHex() == QByteArrayLiteral("037400007d"))
                return true;
        return false;
    };
    sim->clearReceivedFrames();
    QTRY_VERIFY_WITH_TIMEOUT(journalAsked(), CycleWaitMs);
}

void TestPollingWindow::timeOutKeepsTheScreenAndLogsTheError() {
    const QString logPath = dir.filePath(QStringLiteral("timeout_log.csv"));
    QFile::remove(logPath);
    prompts->files = {logPath};
    Find<QCheckBox>("CheckBox_LOGEN_")->setChecked(true);
    LogLinkErrors = true;
    Connect();
    QCOMPARE(MonitorLogPath, logPath);
    WaitForCycles(1);
    {
        // The tick after the first completed cycle writes the header alone, with the cell
        // columns of the 16 cells that cycle read.
        QFile log(logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray header = log.readLine();
        QVERIFY(header.startsWith("\xc4\xe0\xf2\xe0-\xc2\xf0\xe5\xec\xff;")); // "Дата-Время;"
        QCOMPARE(header.count(';'), 1 + 35 + 3 * 16);
        QVERIFY(header.endsWith(";\r\n"));
    }
    auto* packVoltage = Find<QLineEdit>("LabeledEdit_VOLTDCU_");
    const QString shown = packVoltage->text();
    QVERIFY(!shown.isEmpty());

    // The controller falls silent.
    sim->injectFault({FaultKind::NoReply}, PersistentFault);
    QTRY_VERIFY_WITH_TIMEOUT(form->Polling()->Controller().LastPollNoAnswer(), CycleWaitMs);
    QCOMPARE(Panel(1), QStringLiteral("Нет ответа!"));
    QCOMPARE(Find<QLabel>("Label13")->text(), QStringLiteral("1"));
    QVERIFY(form->Memo1()->toPlainText().contains(QStringLiteral("Нет ответа! Адрес=")));
    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().endsWith(" \xcd\xe5\xf2 \xee\xf2\xe2\xe5\xf2\xe0\r\n")); // " Нет ответа"
    log.close();

    // The ticks after a time-out refresh nothing and start every cycle again from block 1.
    packVoltage->setText(QStringLiteral("untouched"));
    sim->clearReceivedFrames();
    const int before = int(cycles->size());
    QTRY_VERIFY_WITH_TIMEOUT(cycles->size() > before && !form->Polling()->Controller().PollIdle(),
                             CycleWaitMs);
    QCOMPARE(packVoltage->text(), QStringLiteral("untouched"));
    const QList<QByteArray> frames = sim->receivedFrames();
    QVERIFY(!frames.isEmpty());
    for (const QByteArray& frame : frames)
        QCOMPARE(frame.mid(1, 5).toHex(), QByteArrayLiteral("0300000032"));

    // Answers again: the tick after the first answered cycle shows its values.
    sim->clearFaults();
    QTRY_COMPARE_WITH_TIMEOUT(packVoltage->text(), shown, CycleWaitMs);
}

void TestPollingWindow::crcErrorIsLoggedWhenAsked_data() {
    QTest::addColumn<bool>("logLinkErrors");
    QTest::newRow("link errors logged") << true;
    QTest::newRow("link errors not logged") << false;
}

void TestPollingWindow::crcErrorIsLoggedWhenAsked() {
    QFETCH(bool, logLinkErrors);
    const QString logPath = dir.filePath(QStringLiteral("crc_log.csv"));
    QFile::remove(logPath);
    prompts->files = {logPath};
    Find<QCheckBox>("CheckBox_LOGEN_")->setChecked(true);
    LogLinkErrors = logLinkErrors;
    Connect();
    sim->injectFault({FaultKind::BadCrc}, 1);
    QTRY_COMPARE_WITH_TIMEOUT(Find<QLabel>("Label12")->text(), QStringLiteral("1"), CycleWaitMs);
    QVERIFY(form->Memo1()->toPlainText().contains(QStringLiteral("Ошибка CRC ответа! Адрес=0")));
    // The rest of the cycle goes on.
    WaitForCycles(1);
    QCOMPARE(Panel(1), QStringLiteral("Ответ принят корректно"));
    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    // " Ошибка CRC ответа" in code page 1251
    QCOMPARE(log.readAll().contains(" \xce\xf8\xe8\xe1\xea\xe0 CRC \xee\xf2\xe2\xe5\xf2\xe0\r\n"),
             logLinkErrors);
}

void TestPollingWindow::stopDuringACycleReleasesThePort() {
    Find<QCheckBox>("CheckBox_READLOG_")->setChecked(true); // 31 blocks: a long cycle
    Connect();
    WaitForCycles(1);
    QVERIFY(!form->Polling()->Controller().PollIdle());

    QElapsedTimer stopping;
    stopping.start();
    ConnectButton()->click();
    const qint64 stopMs = stopping.elapsed();
    qInfo("stop during a cycle took %lld ms", stopMs);
    QVERIFY(stopMs < StopBoundMs);
    QVERIFY(!ConnectButton()->isChecked());
    QVERIFY(!form->Polling()->Controller().IsOpen());
    QVERIFY(!form->PollingTimer()->isActive());
    QVERIFY(!form->IndicateTimer()->isActive());
    QVERIFY(Find<QWidget>("BitBtn_WRITESETRS_")->isEnabled());
    QVERIFY(Find<QWidget>("ComboBox_PORT_")->isEnabled());

    // The port is free again: polling starts anew and its first cycle completes.
    Find<QCheckBox>("CheckBox_READLOG_")->setChecked(false);
    const int before = int(cycles->size());
    Connect();
    QTRY_VERIFY_WITH_TIMEOUT(cycles->size() > before, CycleWaitMs);
    QCOMPARE(cycles->last().at(1).toBool(), true);
}

void TestPollingWindow::unplugStopsPolling() {
    Connect();
    WaitForCycles(1);
    sim->stop();
    QTRY_VERIFY_WITH_TIMEOUT(!ConnectButton()->isChecked(), CycleWaitMs);
    QCOMPARE(Panel(0), QStringLiteral("Порт отключен, опрос остановлен"));
    QVERIFY(!form->Polling()->Controller().IsOpen());
    QVERIFY(!form->PollingTimer()->isActive());
    QVERIFY(!form->IndicateTimer()->isActive());
    QVERIFY(Find<QWidget>("BitBtn_CLEARLOG_")->isEnabled());
    QVERIFY(Find<QWidget>("Edit_ADDRESS_")->isEnabled());
}

void TestPollingWindow::closingTheWindowReleasesThePort() {
    Connect();
    WaitForCycles(1);
    form->close();
    QVERIFY(!form->Polling()->Controller().IsOpen());
    QVERIFY(!form->PollingTimer()->isActive());
}

// The traffic monitor gets every frame of a polling cycle and of a command, with what they carry
// and how they were judged.
void TestPollingWindow::monitorShowsPollingAndCommands() {
    TFormMonitor* monitor = form->FormMonitor();
    monitor->show();
    Connect();
    WaitForCycles(1);
    ConnectButton()->click(); // stop
    const QList<TrafficFrame> polled = monitor->ShownFrames();
    QVERIFY(polled.size() >= 12);
    QCOMPARE(polled[0].source, TrafficSource::Polling);
    QCOMPARE(polled[0].direction, TrafficDirection::Sent);
    QCOMPARE(DecodeFrame(polled[0]), QStringLiteral("адрес 238, чтение 0..49 (50)"));
    QCOMPARE(polled[1].direction, TrafficDirection::Received);
    QCOMPARE(polled[1].verdict, TrafficVerdict::Correct);
    QCOMPARE(DecodeFrame(polled[11]), QStringLiteral("адрес 238, чтение 550..649 (100)"));

    // A command the controller refuses: its frames follow, judged as an exception.
    Fault refused;
    refused.kind = FaultKind::Exception;
    refused.exceptionCode = 3;
    sim->injectFault(refused);
    Find<QPushButton>("BitBtn_CLEARLOG_")->click();
    const QList<TrafficFrame> all = monitor->ShownFrames();
    QCOMPARE(all.last().source, TrafficSource::Command);
    QCOMPARE(all.last().verdict, TrafficVerdict::Exception);
    QCOMPARE(DecodeFrame(all.last()),
             QStringLiteral("адрес 238, исключение 3: Недопустимое значение регистра"));
    QCOMPARE(DecodeFrame(all[all.size() - 2]), QStringLiteral("адрес 238, запись 45..47 (3)"));
    // Only the errors: the refused command's reply.
    Find<QComboBox>("ComboBox_TRAFFICFILTER_")->setCurrentIndex(1);
    const QList<TrafficFrame> errors = monitor->ShownFrames();
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors[0].verdict, TrafficVerdict::Exception);
}

// Three cycles in a row without an answer grey the main page and say since when; the next good
// cycle shows the values normally again.
void TestPollingWindow::valuesGoStaleAndComeBack() {
    Find<QCheckBox>("CheckBox_FASTEXCHANGE_")->setChecked(true); // time-outs of ~0.2 s
    Connect();
    WaitForCycles(1);
    auto* volts = Find<QLineEdit>("LabeledEdit_VOLTDCU_");
    QVERIFY(volts->isEnabled());
    sim->injectFault({FaultKind::NoReply}, PersistentFault);
    QTRY_VERIFY_WITH_TIMEOUT(!volts->isEnabled(), CycleWaitMs);
    QVERIFY(Panel(0).startsWith(QStringLiteral("Нет ответа с ")));
    sim->clearFaults();
    QTRY_VERIFY_WITH_TIMEOUT(volts->isEnabled(), CycleWaitMs);
}

void TestPollingWindow::reconnectsWhenThePortReturns_data() {
    QTest::addColumn<bool>("logLinkErrors");
    QTest::newRow("link errors logged") << true;
    QTest::newRow("link errors not logged") << false;
}

// With the option on, a port that goes away is waited for; when it comes back under the same
// name polling goes on with the same log, and both events are in it when link errors are logged.
void TestPollingWindow::reconnectsWhenThePortReturns() {
    QFETCH(bool, logLinkErrors);
    LogLinkErrors = logLinkErrors;
    const QString link = dir.filePath(QStringLiteral("velmora-link"));
    SimulatedControllerOptions options;
    options.linkPath = link;
    sim = std::make_unique<SimulatedController>(options);
    QVERIFY(sim->start());
    form->Form4()->AddPort(link);
    Find<QCheckBox>("CheckBox_RECONNECT_")->setChecked(true);
    const QString logPath = dir.filePath(QStringLiteral("reconnect_log.csv"));
    QFile::remove(logPath);
    prompts->files = {logPath};
    Find<QCheckBox>("CheckBox_LOGEN_")->setChecked(true);
    Connect();
    WaitForCycles(1);

    sim->stop();
    QTRY_COMPARE_WITH_TIMEOUT(Panel(0), QStringLiteral("Порт отключен, ожидание переподключения"),
                              CycleWaitMs);
    QVERIFY(ConnectButton()->isChecked());
    QVERIFY(form->Polling()->WaitingForPort());
    QVERIFY(!Find<QWidget>("BitBtn_CLEARLOG_")->isEnabled());

    sim = std::make_unique<SimulatedController>(options);
    QVERIFY(sim->start());
    QTRY_VERIFY_WITH_TIMEOUT(!form->Polling()->WaitingForPort(), CycleWaitMs);
    const int before = int(cycles->size());
    QTRY_VERIFY_WITH_TIMEOUT(cycles->size() > before + 1, CycleWaitMs);
    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    // " Порт отключен" and " Порт снова подключен" in code page 1251
    QCOMPARE(text.contains(" \xcf\xee\xf0\xf2 \xee\xf2\xea\xeb\xfe\xf7\xe5\xed\r\n"),
             logLinkErrors);
    QCOMPARE(text.contains(" \xcf\xee\xf0\xf2 \xf1\xed\xee\xe2\xe0 "
                           "\xef\xee\xe4\xea\xeb\xfe\xf7\xe5\xed\r\n"),
             logLinkErrors);

    // A stop click ends polling, or the waiting.
    ConnectButton()->click();
    QVERIFY(!form->Polling()->Controller().IsOpen());
    QVERIFY(!form->Polling()->WaitingForPort());
}

// A disk that fills up (a file-size limit) while polling logs: the lines that do not fit are
// dropped and said once, polling goes on, a table saved meanwhile fails whole and leaves the old
// file, and the log takes lines again once there is room.
void TestPollingWindow::fullDiskKeepsPollingAndTables() {
    const QString logPath = dir.filePath(QStringLiteral("full_log.csv"));
    const QString tablePath = dir.filePath(QStringLiteral("full_info_data.csv"));
    QFile::remove(logPath);
    QFile table(tablePath);
    QVERIFY(table.open(QIODevice::WriteOnly));
    table.write("old\r\n");
    table.close();
    prompts->files = {logPath};
    Find<QCheckBox>("CheckBox_LOGEN_")->setChecked(true);
    Connect();
    WaitForCycles(1);

    FileSizeLimit full(QFileInfo(logPath).size() + 10);
    QVERIFY(full.IsSet());
    WaitForCycles(2);
    const QString told = form->LogStatusText();
    prompts->files = {tablePath};
    Find<QPushButton>("BitBtn_SAVEINFOBASE_")->click();
    const QStringList messages = prompts->messageTexts();
    QVERIFY(full.Lift());

    QVERIFY2(told.contains(QStringLiteral("на диске нет места")), qPrintable(told));
    QVERIFY(ConnectButton()->isChecked());
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(QStringLiteral("на диске нет места")));
    QVERIFY(table.open(QIODevice::ReadOnly));
    QCOMPARE(table.readAll(), QByteArray("old\r\n"));
    table.close();
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("full_*")}, QDir::Files),
             (QStringList{"full_info_data.csv", "full_log.csv"}));
    // Room again: the next line is written and the notice goes.
    QTRY_COMPARE_WITH_TIMEOUT(form->LogStatusText(), QString(), CycleWaitMs);
    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    // Whole lines only: every line ends in CR LF.
    const QByteArray bytes = log.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
}

QTEST_MAIN(TestPollingWindow)
#include "test_polling_window.moc"
