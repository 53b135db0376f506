#include "connection_dialog.h"
#include "file_names.h"
#include "main_window.h"
#include "monitor_log.h"
#include "polling_cycle.h"
#include "reply_reporting.h"
#include "scripted_prompts.h"
#include "string_grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// The connect button, the lock of the controls and the polling tick, with no controller on the
// line: what a refused start leaves behind and what one tick refreshes.

namespace {

// The controls a running poll locks, as the window and its connection dialog hold them today.
const QStringList LockedControls = {
    "CheckBox_LOGEN_",
    "ComboBox_PORT_",
    "ComboBox_BAUDRATE_",
    "ComboBox_FORMAT_",
    "Edit_ADDRESS_",
    "ComboBox_FREQ_",
    "BitBtn_PORTSCAN_",
    "CheckBox_FASTEXCHANGE_",
    "BitBtn_WRITEINFOBASE_",
    "BitBtn_WRITESETRS_",
    "BitBtn_WRITESETALARM_",
    "BitBtn_WRITESETCHARGE_",
    "BitBtn_BOOTLOADERAUTO_",
    "BitBtn_BOOTLOADERAUTOBOOT_",
    "BitBtn_BOOTLOADER30_",
    "BitBtn_BOOTLOADER03_",
    "BitBtn_BOOTLOADER20_",
    "BitBtn_BOOTLOADER21_",
    "BitBtn_BOOTLOADER31_",
    "Edit_READREGADDRESS_",
    "Edit_READREGNUMBER_",
    "RadioButton_READVERSION_",
    "RadioButton_READBOOTREG_",
    "SpeedButton_PASSWORD_",
    "BitBtn_PASSWORDNEW_",
    "BitBtn_CALIBERCURRNULL_",
    "BitBtn_CALIBERCURR_",
    "BitBtn_SETSOC_",
    "BitBtn_SETFCC_",
    "BitBtn_SETCYCLE_",
    "BitBtn_SETMODE_",
    "BitBtn_TIMEREAD_",
    "BitBtn_TIMEWRITE_",
    "BitBtn_CLEARLOG_",
};

// Usable while polling runs.
const QStringList FreeControls = {
    "SpeedButton_CONNECT_", "CheckBox_READSETTINGS_", "CheckBox_READLOG_",
    "BitBtn_SAVEINFOBASE_", "BitBtn_LOADSETRS_",      "BitBtn_TIMEWIN_",
};

const QDateTime FixedNow(QDate(2024, 1, 31), QTime(14, 5, 9));

} // namespace

class TestPollingControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void fileNameStamp();
    void refusedStartLeavesEverythingStopped_data();
    void refusedStartLeavesEverythingStopped();
    void lockCoversTheListedControls();
    void firstTickShowsNothing();
    void tickRefreshesTheCheckedTables_data();
    void tickRefreshesTheCheckedTables();
    void logGetsItsHeaderOnlyWhenEmpty();
    void unwritableLogIsToldOnce();

private:
    template <class W> W* Find(const QString& name) const { return form->findChild<W*>(name); }
    QPushButton* ConnectButton() const { return Find<QPushButton>("SpeedButton_CONNECT_"); }
    void SetAddress(const QString& text) { Find<QLineEdit>("Edit_ADDRESS_")->setText(text); }
    // What the worker reports at the end of an answered cycle that read nothing new.
    void CycleEnded() { Q_EMIT form->Polling()->Controller().CycleFinished({}, true); }

    std::unique_ptr<TForm1> form;
    std::unique_ptr<ScriptedPrompts> prompts;
    QTemporaryDir dir;
};

void TestPollingControls::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QVERIFY(dir.isValid());
}

void TestPollingControls::init() {
    prompts = std::make_unique<ScriptedPrompts>();
    form = std::make_unique<TForm1>();
    form->Polling()->SetClock([] { return FixedNow; });
    // A port nobody can open: a start that passes the address and the log fails there.
    form->Form4()->AddPort(dir.filePath(QStringLiteral("no-such-port")));
    MonitorLogPath.clear();
}

void TestPollingControls::cleanup() {
    form.reset();
    prompts.reset();
    MonitorLogPath.clear();
}

void TestPollingControls::fileNameStamp() {
    QCOMPARE(FileNameStamp(FixedNow), QStringLiteral("240131_14-05-09"));
    QCOMPARE(FileNameStamp(QDateTime(QDate(2009, 12, 1), QTime(23, 59, 0))),
             QStringLiteral("091201_23-59-00"));
}

void TestPollingControls::refusedStartLeavesEverythingStopped_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("logging");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("panel0");
    QTest::addColumn<QString>("logPath");

    const QString log = dir.filePath(QStringLiteral("chosen_log.csv"));
    const QString unwritable = dir.filePath(QStringLiteral("missing/dir_log.csv"));
    QTest::newRow("address 256") << "256" << true << QStringList{log}
                                 << "Адрес должен быть в диапазоне от 0 до 255!"
                                 << ""
                                 << "";
    QTest::newRow("address -1") << "-1" << false << QStringList{}
                                << "Адрес должен быть в диапазоне от 0 до 255!"
                                << ""
                                << "";
    QTest::newRow("address 12a") << "12a" << true << QStringList{log}
                                 << "Введите адрес десятичным числом от 0 до 255!"
                                 << ""
                                 << "";
    QTest::newRow("log cancelled") << "238" << true << QStringList{} << ""
                                   << ""
                                   << "";
    QTest::newRow("log not writable")
        << "238" << true << QStringList{unwritable}
        << "Не удалось открыть файл лога " + QDir::toNativeSeparators(unwritable) << ""
        << "";
    QTest::newRow("port fails after the log is made")
        << "238" << true << QStringList{log} << ""
        << "Не удалось открыть порт. Устройства" << log;
    QTest::newRow("port fails, no log") << "0" << false << QStringList{} << ""
                                        << "Не удалось открыть порт. Устройства"
                                        << "";
}

void TestPollingControls::refusedStartLeavesEverythingStopped() {
    QFETCH(QString, address);
    QFETCH(bool, logging);
    QFETCH(QStringList, files);
    QFETCH(QString, message);
    QFETCH(QString, panel0);
    QFETCH(QString, logPath);

    SetAddress(address);
    Find<QCheckBox>("CheckBox_LOGEN_")->setChecked(logging);
    prompts->files = files;
    ConnectButton()->click();
    QCoreApplication::processEvents();

    QVERIFY(!ConnectButton()->isChecked());
    QVERIFY(!form->Polling()->Controller().IsOpen());
    QVERIFY(!form->PollingTimer()->isActive());
    QVERIFY(!form->IndicateTimer()->isActive());
    QCOMPARE(prompts->messageTexts(), message.isEmpty() ? QStringList{} : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(prompts->shown.last().caption, QStringLiteral("Ошибка!"));
        QCOMPARE(prompts->shown.last().icon, Prompts::Icon::Error);
    }
    // A failed opening names the reason after its first words.
    QVERIFY2(panel0.isEmpty() ? form->StatusPanel(0).isEmpty()
                              : form->StatusPanel(0).startsWith(panel0),
             qPrintable(form->StatusPanel(0)));
    QCOMPARE(MonitorLogPath, logPath);
    if (!logPath.isEmpty()) {
        QVERIFY(QFile::exists(logPath)); // created empty at the start
        QCOMPARE(QFile(logPath).size(), 0);
    }
    // Nothing was locked (the mode button keeps its state from before polling ever ran).
    QVERIFY(Find<QWidget>("BitBtn_WRITESETRS_")->isEnabled());
    QVERIFY(Find<QWidget>("Edit_ADDRESS_")->isEnabled());
    QVERIFY(!Find<QWidget>("BitBtn_SETMODE_")->isEnabled());

    // A valid address with logging on asks for the log file the program proposes.
    const bool askedForLog = logging && message != "Введите адрес десятичным числом от 0 до 255!" &&
                             !message.startsWith("Адрес");
    const auto open = std::find_if(prompts->shown.begin(), prompts->shown.end(),
                                   [](const auto& s) { return s.kind == "open"; });
    QCOMPARE(open != prompts->shown.end(), askedForLog);
    if (askedForLog) {
        QCOMPARE(open->text, QStringLiteral("Comma-Separated Values files (*.csv)|*.csv"));
        QCOMPARE(open->caption, QCoreApplication::applicationDirPath());
        QCOMPARE(open->extra, QStringLiteral("240131_14-05-09_log.csv"));
    }
}

void TestPollingControls::lockCoversTheListedControls() {
    form->Polling()->SetPollingControlsEnabled(false);
    for (const QString& name : LockedControls) {
        auto* control = Find<QWidget>(name);
        QVERIFY2(control, qPrintable(name));
        QVERIFY2(!control->isEnabled(), qPrintable(name));
    }
    for (const QString& name : FreeControls)
        QVERIFY2(Find<QWidget>(name)->isEnabled(), qPrintable(name));
    form->Polling()->SetPollingControlsEnabled(true);
    for (const QString& name : LockedControls)
        QVERIFY2(Find<QWidget>(name)->isEnabled(), qPrintable(name));
}

// The image holds nothing of this start until a cycle has ended: the tick shows nothing, so no
// field turns to 0 and the charge bar does not turn red.
void TestPollingControls::firstTickShowsNothing() {
    form->Image().StatusBlock[8] = 52000;
    auto* volts = Find<QLineEdit>("LabeledEdit_VOLTDCU_");
    form->Polling()->Timer_POLLING_Timer();
    QCOMPARE(volts->text(), QString());
    CycleEnded();
    form->Polling()->Timer_POLLING_Timer();
    QCOMPARE(volts->text(), QStringLiteral("52"));
}

void TestPollingControls::tickRefreshesTheCheckedTables_data() {
    QTest::addColumn<bool>("readSettings");
    QTest::addColumn<bool>("readJournal");
    QTest::newRow("state only") << false << false;
    QTest::newRow("with settings") << true << false;
    QTest::newRow("with journal") << false << true;
    QTest::newRow("everything") << true << true;
}

// Polling stopped, the tick finds no cycle running and the last one answered: it shows the image.
void TestPollingControls::tickRefreshesTheCheckedTables() {
    CycleEnded();
    QFETCH(bool, readSettings);
    QFETCH(bool, readJournal);
    Find<QCheckBox>("CheckBox_READSETTINGS_")->setChecked(readSettings);
    Find<QCheckBox>("CheckBox_READLOG_")->setChecked(readJournal);
    RegisterImage& image = form->Image();
    image.StatusBlock[8] = 52000; // pack voltage 52 V
    image.StatusBlock[2] = 3;     // three cells
    image.StatusBlock[50] = 3300;
    image.CommSettingsBlock[0] = 238;
    image.JournalBlock.fill(0xFFFF);
    image.JournalBlock[0] = 100;
    image.JournalBlock[1] = 0;
    image.JournalBlock[2] = 1;

    auto* settings = Find<QTableWidget>("StringGrid_SETRS_");
    auto* journal = Find<QTableWidget>("StringGrid_LOG_");
    const QString settingsBefore = GridCell(settings, 1, 2);
    const QString journalBefore = GridCell(journal, 1, 1);
    form->Polling()->Timer_POLLING_Timer();

    QCOMPARE(Find<QLineEdit>("LabeledEdit_VOLTDCU_")->text(), QStringLiteral("52"));
    QCOMPARE(GridCell(Find<QTableWidget>("StringGrid_INFOCELL_"), 1, 1), QStringLiteral("3,3"));
    QCOMPARE(GridCell(settings, 1, 2) != settingsBefore, readSettings);
    QCOMPARE(GridCell(journal, 1, 1) != journalBefore, readJournal);
}

// The ticks' log lines in the file: the header into an empty file only, rows after it, error
// lines between them in time order, every line ending in CR LF; the value view counts from the
// next line on.
void TestPollingControls::logGetsItsHeaderOnlyWhenEmpty() {
    RegisterImage& image = form->Image();
    image.StatusBlock[2] = 4;     // four cells
    image.StatusBlock[8] = 52100; // 52,1 V
    MonitorLogPath = dir.filePath(QStringLiteral("tick_log.csv"));
    QFile::remove(MonitorLogPath);
    const auto lines = [] {
        QFile file(MonitorLogPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
    };
    // Before the first cycle of a start has ended: no line.
    Find<QCheckBox>("CheckBox_LOGEN_")->setChecked(true);
    form->Polling()->Timer_POLLING_Timer();
    QVERIFY(lines().isEmpty());
    CycleEnded();
    // Off: no line.
    Find<QCheckBox>("CheckBox_LOGEN_")->setChecked(false);
    form->Polling()->Timer_POLLING_Timer();
    QVERIFY(lines().isEmpty());

    Find<QCheckBox>("CheckBox_LOGEN_")->setChecked(true);
    form->Polling()->Timer_POLLING_Timer(); // the header
    form->Polling()->Timer_POLLING_Timer(); // a row
    Q_EMIT form->Polling()->Controller().PollReported(
        NoAnswerReport({0, 50}, QDateTime(FixedNow.date(), QTime(14, 5, 10))));
    UseScaledUnits = false;
    form->Polling()->Timer_POLLING_Timer(); // a raw row
    UseScaledUnits = true;
    const QList<QByteArray> written = lines();
    QCOMPARE(written.size(), 5); // four lines and what follows the last line break
    QVERIFY(written[0].startsWith("\xc4\xe0\xf2\xe0-\xc2\xf0\xe5\xec\xff;Design_Capacity;"));
    QCOMPARE(written[0].count(';'), 48);
    QVERIFY(written[1].startsWith("31.01.2024 14:05:09;"));
    QVERIFY(written[1].contains(";52,1;"));
    QCOMPARE(written[2], QByteArray("31.01.2024 14:05:10 \xcd\xe5\xf2 \xee\xf2\xe2\xe5\xf2\xe0\r"));
    QVERIFY(written[3].contains(";52100;"));
    for (int i = 0; i < 4; ++i)
        QVERIFY(written[i].endsWith('\r'));
    QVERIFY(written[4].isEmpty());
    QCOMPARE(form->LogStatusText(), QString());
}

// A log that takes no lines (its folder gone) does not stop the ticks: the status bar says so
// once, and the next line that can be written is written.
void TestPollingControls::unwritableLogIsToldOnce() {
    QTemporaryDir gone;
    MonitorLogPath = gone.filePath(QStringLiteral("sub/log.csv"));
    Find<QCheckBox>("CheckBox_LOGEN_")->setChecked(true);
    CycleEnded();
    form->Polling()->Timer_POLLING_Timer();
    const QString told = form->LogStatusText();
    QVERIFY(told.contains(QDir::toNativeSeparators(MonitorLogPath)));
    QVERIFY(told.contains(QStringLiteral("нет такой папки")));
    form->Polling()->Timer_POLLING_Timer();
    QCOMPARE(form->LogStatusText(), told);
    QVERIFY(QDir().mkpath(gone.filePath(QStringLiteral("sub"))));
    form->Polling()->Timer_POLLING_Timer();
    QCOMPARE(form->LogStatusText(), QString());
    QVERIFY(QFileInfo(MonitorLogPath).size() > 0);
}

QTEST_MAIN(TestPollingControls)
#include "test_polling_controls.moc"
