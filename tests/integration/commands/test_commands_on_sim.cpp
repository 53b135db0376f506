#include "command_handlers.h"
#include "connection_settings.h"
#include "journal_page.h"
#include "modbus_frames.h"
#include "register_image.h"
#include "scripted_prompts.h"
#include "service_controls.h"
#include "settings_tables.h"
#include "simulated_controller.h"
#include "state_tables.h"
#include "string_grid.h"
#include "table_files.h"
#include "view_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(std::optional<FaultKind>)

// The command buttons of a window driven against the simulated controller: what reaches the
// controller, frame by frame, and what the operator is told.
class TestCommandsOnSim : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase() { SetConnectionSettingsSource(nullptr); }

    void commands_reach_the_mailbox_data();
    void commands_reach_the_mailbox();
    void refused_entries_send_nothing_data();
    void refused_entries_send_nothing();
    void clock_is_set_and_read_back();
    void journal_is_cleared();
    void login_logout_and_new_password();
    void login_outcome_is_told_data();
    void login_outcome_is_told();
    void password_of_wrong_length_sends_nothing_data();
    void password_of_wrong_length_sends_nothing();
    void address_that_is_no_number_ends_the_command_data();
    void address_that_is_no_number_ends_the_command();
    void settings_tables_are_written_and_stored_data();
    void settings_tables_are_written_and_stored();
    void unchanged_tables_write_back_what_was_read_data();
    void unchanged_tables_write_back_what_was_read();
    void communication_write_sends_an_unknown_code();
    void bad_table_cell_sends_nothing();
    void short_loaded_table_sends_nothing();

private:
    QWidget* Field(const char* name) const { return window->findChild<QWidget*>(name); }
    void SetText(const char* name, const QString& text) const;
    void Click(const char* name) const;
    QTableWidget* Grid(const char* name) const { return window->findChild<QTableWidget*>(name); }
    QList<QByteArray> Frames() const { return sim->receivedFrames(); }
    static QByteArray MailboxFrame(quint16 code, quint16 low, quint16 high);

    std::unique_ptr<SimulatedController> sim;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<ScriptedPrompts> prompts;
    RegisterImage image;
    ConnectionSettings settings;
};

void TestCommandsOnSim::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    SetConnectionSettingsSource([this] { return settings; });
}

void TestCommandsOnSim::init() {
    sim = std::make_unique<SimulatedController>();
    QString error;
    QVERIFY2(sim->start(&error), qPrintable(error));
    settings = {sim->portPath(), 4, 0, QStringLiteral("238")};
    prompts = std::make_unique<ScriptedPrompts>();
    image = RegisterImage{};
    UseScaledUnits = true;

    // The pages as the main window holds them, and its password buttons.
    window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    for (void (*build)(QWidget*) :
         {BuildCommSettingsPage, BuildAlarmSettingsPage, BuildChargeSettingsPage, BuildInfoBasePage,
          BuildJournalPage, BuildCalibrationControls, BuildClockControls}) {
        auto* page = new QWidget;
        build(page);
        layout->addWidget(page);
    }
    auto* login = new QPushButton(QStringLiteral("Войти"));
    login->setObjectName(QStringLiteral("SpeedButton_PASSWORD_"));
    login->setCheckable(true);
    layout->addWidget(login);
    auto* renew = new QPushButton(QStringLiteral("Новый пароль"));
    renew->setObjectName(QStringLiteral("BitBtn_PASSWORDNEW_"));
    layout->addWidget(renew);
    SetupTables(window.get());
    (new CommandHandlers(window.get(), image))->Connect();
    (new TableFileHandlers(window.get()))->Connect();
    sim->clearReceivedFrames();
}

void TestCommandsOnSim::cleanup() {
    window.reset();
    prompts.reset();
    sim.reset();
}

void TestCommandsOnSim::SetText(const char* name, const QString& text) const {
    if (auto* combo = qobject_cast<QComboBox*>(Field(name)))
        combo->setCurrentText(text);
    else
        qobject_cast<QLineEdit*>(Field(name))->setText(text);
}

void TestCommandsOnSim::Click(const char* name) const {
    auto* button = qobject_cast<QAbstractButton*>(Field(name));
    QVERIFY2(button, name);
    button->setEnabled(true); // the window enables the mode button once polling stops
    button->click();
}

QByteArray TestCommandsOnSim::MailboxFrame(quint16 code, quint16 low, quint16 high) {
    const std::array<quint16, 3> words = {code, low, high};
    return BuildWriteRequest(238, 45, words);
}

void TestCommandsOnSim::commands_reach_the_mailbox_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<quint16>>("words");
    QTest::newRow("zero calibration") << ""
                                      << ""
                                      << "BitBtn_CALIBERCURRNULL_" << QList<quint16>{1, 0, 0};
    QTest::newRow("calibration 1500 mA") << "Edit_CALIBERCURR_"
                                         << "1500"
                                         << "BitBtn_CALIBERCURR_" << QList<quint16>{1, 1500, 0};
    QTest::newRow("calibration -200 mA")
        << "Edit_CALIBERCURR_"
        << "-200"
        << "BitBtn_CALIBERCURR_" << QList<quint16>{1, 0xFF38, 0xFFFF};
    QTest::newRow("state of charge") << "LabeledEdit_SETSOC_"
                                     << "100000"
                                     << "BitBtn_SETSOC_" << QList<quint16>{7, 0x86A0, 0x0001};
    QTest::newRow("full charge 0 is sent") << "LabeledEdit_SETFCC_"
                                           << "0"
                                           << "BitBtn_SETFCC_" << QList<quint16>{8, 0, 0};
    QTest::newRow("cycle count default") << ""
                                         << ""
                                         << "BitBtn_SETCYCLE_" << QList<quint16>{9, 0, 0};
    QTest::newRow("cycle count 12") << "Edit_SETCYCLE_"
                                    << "12"
                                    << "BitBtn_SETCYCLE_" << QList<quint16>{9, 12, 0};
    QTest::newRow("mode, buzzer on") << "CheckBox_SETMODE_BUZZER_"
                                     << "on"
                                     << "BitBtn_SETMODE_" << QList<quint16>{10, 0x40, 0};
    QTest::newRow("mode after a command, buzzer off")
        << "Edit_SETCYCLE_"
        << "65537"
        << "BitBtn_SETMODE_" << QList<quint16>{10, 0, 0};
}

void TestCommandsOnSim::commands_reach_the_mailbox() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(QList<quint16>, words);
    if (field == QLatin1String("CheckBox_SETMODE_BUZZER_")) {
        qobject_cast<QCheckBox*>(Field("CheckBox_SETMODE_BUZZER_"))->setChecked(true);
    } else if (!field.isEmpty()) {
        SetText(qPrintable(field), text);
        // A command sent before leaves its parameter in the mailbox; the mode command ignores it.
        if (button == QLatin1String("BitBtn_SETMODE_"))
            Click("BitBtn_SETCYCLE_");
    }
    sim->clearReceivedFrames();
    prompts->shown.clear();
    Click(qPrintable(button));
    QCOMPARE(Frames(), QList<QByteArray>{MailboxFrame(words[0], words[1], words[2])});
    QCOMPARE(prompts->messageTexts(), QStringList{QStringLiteral("Настройки изменены")});
}

void TestCommandsOnSim::refused_entries_send_nothing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("full charge abc") << "LabeledEdit_SETFCC_"
                                     << "abc"
                                     << "BitBtn_SETFCC_"
                                     << "Введите десятичное число от 1 до 10000000!";
    QTest::newRow("state of charge empty") << "LabeledEdit_SETSOC_"
                                           << ""
                                           << "BitBtn_SETSOC_"
                                           << "Введите десятичное число от 1 до 10000000!";
    QTest::newRow("cycle count 1,5") << "Edit_SETCYCLE_"
                                     << "1,5"
                                     << "BitBtn_SETCYCLE_"
                                     << "Введите десятичное число от 1 до 10000000!";
    QTest::newRow("calibration x") << "Edit_CALIBERCURR_"
                                   << "x"
                                   << "BitBtn_CALIBERCURR_"
                                   << "'x' is not a valid integer value";
    QTest::newRow("clock month 13") << "ComboBox_MONTH_"
                                    << "13"
                                    << "BitBtn_TIMEWRITE_"
                                    << "Месяц должен быть от 1 до 12!";
    QTest::newRow("clock hour empty") << "LabeledEdit_HOUR_"
                                      << ""
                                      << "BitBtn_TIMEWRITE_"
                                      << "'' is not a valid integer value";
    QTest::newRow("cycle count past 32 bits") << "Edit_SETCYCLE_"
                                              << "3000000000"
                                              << "BitBtn_SETCYCLE_"
                                              << "Введите десятичное число от 1 до 10000000!";
    QTest::newRow("year 2256") << "LabeledEdit_YEAR_"
                               << "2256"
                               << "BitBtn_TIMEWRITE_"
                               << "Дата должна быть от 01.01.2000 до 31.12.2099!";
    // The count holds 2100 but the clock would read it back as 2000.
    QTest::newRow("year 2100") << "LabeledEdit_YEAR_"
                               << "2100"
                               << "BitBtn_TIMEWRITE_"
                               << "Дата должна быть от 01.01.2000 до 31.12.2099!";
}

void TestCommandsOnSim::refused_entries_send_nothing() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(QString, message);
    SetText(qPrintable(field), text);
    Click(qPrintable(button));
    QCOMPARE(prompts->messageTexts(), QStringList{message});
    QCOMPARE(prompts->shown[0].icon, Prompts::Icon::Error);
    QVERIFY(Frames().isEmpty());
}

void TestCommandsOnSim::clock_is_set_and_read_back() {
    const QList<std::pair<const char*, QString>> fields = {
        {"LabeledEdit_HOUR_", "12"}, {"LabeledEdit_MINUTE_", "0"}, {"LabeledEdit_SECOND_", "0"},
        {"ComboBox_DAY_", "1"},      {"ComboBox_MONTH_", "1"},     {"LabeledEdit_YEAR_", "1"}};
    for (const auto& [name, text] : fields)
        SetText(name, text);
    Click("BitBtn_TIMEWRITE_");
    // 31665600 seconds: 366 days and 12 hours. The year typed as 1 shows as the year set.
    QCOMPARE(Frames(), QList<QByteArray>{MailboxFrame(2, 0x2DC0, 0x01E3)});
    QCOMPARE(qobject_cast<QLineEdit*>(Field("LabeledEdit_YEAR_"))->text(), QStringLiteral("2001"));

    // The controller's clock runs on; the read shows it within a few seconds.
    const std::array<quint16, 2> clock = {quint16(31415926 & 0xFFFF), quint16(31415926 >> 16)};
    QVERIFY(sim->setRegisters(48, clock));
    sim->clearReceivedFrames();
    Click("BitBtn_TIMEREAD_");
    QCOMPARE(Frames(), QList<QByteArray>{BuildReadRequest(238, 0, 50)});
    const auto text = [&](const char* name) {
        return qobject_cast<QLineEdit*>(Field(name))->text();
    };
    QCOMPARE(text("LabeledEdit_HOUR_"), QStringLiteral("14"));
    QCOMPARE(text("LabeledEdit_MINUTE_"), QStringLiteral("38"));
    QVERIFY2(text("LabeledEdit_SECOND_").toInt() >= 46 && text("LabeledEdit_SECOND_").toInt() < 56,
             qPrintable(text("LabeledEdit_SECOND_")));
    QCOMPARE(qobject_cast<QComboBox*>(Field("ComboBox_DAY_"))->currentIndex(), 28);
    QCOMPARE(qobject_cast<QComboBox*>(Field("ComboBox_MONTH_"))->currentIndex(), 11);
    QCOMPARE(text("LabeledEdit_YEAR_"), QStringLiteral("2000"));

    // The computer's time, written back, becomes the controller's.
    Click("BitBtn_TIMEWIN_");
    const QDateTime before = QDateTime::currentDateTime();
    Click("BitBtn_TIMEWRITE_");
    const QDateTime epoch(QDate(2000, 1, 1), QTime(0, 0));
    const qint64 expected = epoch.secsTo(before);
    const qint64 got = sim->registerValue(48) | qint64(sim->registerValue(49)) << 16;
    QVERIFY2(got >= expected - 5 && got <= expected + 5,
             qPrintable(QString::number(got - expected)));
}

// Records whose time is not the empty mark 0xFFFFFFFF.
static int JournalRecords(const SimulatedController& sim) {
    const QList<quint16> journal = sim.registerValues(0x7400, 3072);
    int records = 0;
    for (qsizetype i = 0; i < journal.size(); i += 4)
        records += journal[i] != 0xFFFF || journal[i + 1] != 0xFFFF;
    return records;
}

void TestCommandsOnSim::journal_is_cleared() {
    sim->appendJournalEvent(3, 7);
    QVERIFY(JournalRecords(*sim) > 0);
    Click("BitBtn_CLEARLOG_");
    QCOMPARE(Frames(), QList<QByteArray>{MailboxFrame(3, 0, 0)});
    QCOMPARE(JournalRecords(*sim), 0);
}

void TestCommandsOnSim::login_logout_and_new_password() {
    auto* toggle = qobject_cast<QAbstractButton*>(Field("SpeedButton_PASSWORD_"));
    prompts->inputs = {QStringLiteral("0000")};
    toggle->click();
    QCOMPARE(prompts->shown[0].kind, QStringLiteral("input"));
    QCOMPARE(prompts->shown[0].caption, QStringLiteral("Окно ввода пароля"));
    QCOMPARE(prompts->shown[0].text, QStringLiteral("Введите пароль:"));
    QCOMPARE(prompts->shown[0].extra, QString());
    QCOMPARE(Frames(),
             (QList<QByteArray>{MailboxFrame(4, 0x3030, 0x3030), BuildReadRequest(238, 0, 50)}));
    QVERIFY(toggle->isChecked());
    QCOMPARE(toggle->text(), QStringLiteral("Выйти"));

    // A new password with a Cyrillic first letter: its code page byte in bits 0 to 7.
    sim->clearReceivedFrames();
    prompts->inputs = {QString::fromUtf8("Жab9")};
    Click("BitBtn_PASSWORDNEW_");
    QCOMPARE(prompts->shown[prompts->shown.size() - 2].text,
             QStringLiteral("Введите новый пароль:"));
    QCOMPARE(Frames(), QList<QByteArray>{MailboxFrame(6, 0x61C6, 0x3962)});
    QCOMPARE(sim->password(), QStringEncoder("windows-1251").encode(QString::fromUtf8("Жab9")));
    // Not read back: the toggle says "Войти" though the controller keeps the login.
    QVERIFY(!toggle->isChecked());
    QCOMPARE(toggle->text(), QStringLiteral("Войти"));

    // Logging out from a pressed toggle, then in again with the new password.
    toggle->setChecked(true);
    sim->clearReceivedFrames();
    toggle->click();
    QCOMPARE(Frames().first(), MailboxFrame(5, 0, 0));
    QCOMPARE(toggle->text(), QStringLiteral("Войти"));
    QCOMPARE(sim->registerValue(33) & 0x20, 0);

    prompts->inputs = {QStringLiteral("0000")};
    toggle->click();
    QVERIFY(!toggle->isChecked()); // the old password is refused by the controller
    QCOMPARE(toggle->text(), QStringLiteral("Войти"));
    prompts->inputs = {QString::fromUtf8("Жab9")};
    toggle->click();
    QVERIFY(toggle->isChecked());
    QCOMPARE(toggle->text(), QStringLiteral("Выйти"));
}

void TestCommandsOnSim::login_outcome_is_told_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<std::optional<FaultKind>>("fault");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("loggedIn");
    QTest::newRow("accepted") << "0000" << std::optional<FaultKind>()
                              << QStringList{"Настройки изменены"} << true;
    // The controller takes the command into its mailbox but does not log in.
    QTest::newRow("refused") << "1234" << std::optional<FaultKind>()
                             << QStringList{"Пароль не принят: вход не выполнен!"} << false;
    // Only the write's own outcome: the read-back is not what failed.
    QTest::newRow("unanswered") << "0000" << std::optional(FaultKind::NoReply)
                                << QStringList{"Нет ответа"} << false;
}

void TestCommandsOnSim::login_outcome_is_told() {
    QFETCH(QString, password);
    QFETCH(std::optional<FaultKind>, fault);
    QFETCH(QStringList, messages);
    QFETCH(bool, loggedIn);
    if (fault)
        sim->injectFault({*fault}, PersistentFault);
    auto* toggle = qobject_cast<QAbstractButton*>(Field("SpeedButton_PASSWORD_"));
    prompts->inputs = {password};
    toggle->click();
    QCOMPARE(prompts->messageTexts(), messages);
    QCOMPARE(toggle->isChecked(), loggedIn);
    QCOMPARE(toggle->text(), loggedIn ? QStringLiteral("Выйти") : QStringLiteral("Войти"));
}

void TestCommandsOnSim::password_of_wrong_length_sends_nothing_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::addColumn<QStringList>("messages");
    const QStringList length = {QStringLiteral("Пароль должен быть четыре символа!")};
    QTest::newRow("login, three") << "SpeedButton_PASSWORD_" << std::optional(QString("123"))
                                  << length;
    QTest::newRow("login, five") << "SpeedButton_PASSWORD_" << std::optional(QString("12345"))
                                 << length;
    QTest::newRow("login, empty") << "SpeedButton_PASSWORD_" << std::optional(QString()) << length;
    QTest::newRow("login cancelled")
        << "SpeedButton_PASSWORD_" << std::optional<QString>() << QStringList();
    QTest::newRow("new, three") << "BitBtn_PASSWORDNEW_" << std::optional(QString("123")) << length;
    QTest::newRow("new, cancelled")
        << "BitBtn_PASSWORDNEW_" << std::optional<QString>() << QStringList();
}

void TestCommandsOnSim::password_of_wrong_length_sends_nothing() {
    QFETCH(QString, button);
    QFETCH(std::optional<QString>, typed);
    QFETCH(QStringList, messages);
    auto* toggle = qobject_cast<QAbstractButton*>(Field("SpeedButton_PASSWORD_"));
    prompts->inputs = {typed};
    Click(qPrintable(button));
    QCOMPARE(prompts->messageTexts(), messages);
    if (!messages.isEmpty())
        QCOMPARE(prompts->shown.last().caption, QStringLiteral("Velmora"));
    QVERIFY(Frames().isEmpty());
    QVERIFY(!toggle->isChecked());
    QCOMPARE(toggle->text(), QStringLiteral("Войти"));
}

void TestCommandsOnSim::address_that_is_no_number_ends_the_command_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("loggedIn"); // the toggle's state before the click
    QTest::newRow("clock read") << "BitBtn_TIMEREAD_" << false;
    QTest::newRow("login") << "SpeedButton_PASSWORD_" << false;
    QTest::newRow("logout") << "SpeedButton_PASSWORD_" << true;
    QTest::newRow("new password") << "BitBtn_PASSWORDNEW_" << true;
}

// The conversion message once, nothing sent, and nothing on screen changed by the command.
void TestCommandsOnSim::address_that_is_no_number_ends_the_command() {
    QFETCH(QString, button);
    QFETCH(bool, loggedIn);
    settings.addressText = QStringLiteral("12a");
    auto* toggle = qobject_cast<QAbstractButton*>(Field("SpeedButton_PASSWORD_"));
    toggle->setChecked(loggedIn);
    toggle->setText(loggedIn ? QStringLiteral("Выйти") : QStringLiteral("Войти"));
    SetText("LabeledEdit_HOUR_", QStringLiteral("7"));
    prompts->inputs = {QStringLiteral("1234")};
    Click(qPrintable(button));
    QCOMPARE(prompts->messageTexts(), QStringList{"'12a' is not a valid integer value"});
    QVERIFY(Frames().isEmpty());
    QCOMPARE(qobject_cast<QLineEdit*>(Field("LabeledEdit_HOUR_"))->text(), QStringLiteral("7"));
    QCOMPARE(toggle->isChecked(), loggedIn);
    QCOMPARE(toggle->text(), loggedIn ? QStringLiteral("Выйти") : QStringLiteral("Войти"));
}

void TestCommandsOnSim::settings_tables_are_written_and_stored_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("address");
    QTest::addColumn<quint16>("stored");
    QTest::newRow("alarm COV 3,65 V")
        << "StringGrid_SETALARM_"
        << "BitBtn_WRITESETALARM_" << 1 << "3,65" << 0x7000 << 49 << 0x7000 << quint16(3650);
    QTest::newRow("charge idle current -0,5 A")
        << "StringGrid_SETCHARGE_"
        << "BitBtn_WRITESETCHARGE_" << 23 << "-0,5" << 0x6C00 << 47 << 0x6C20 << quint16(0xFE0C);
    QTest::newRow("charge CF_Time 1,5 h")
        << "StringGrid_SETCHARGE_"
        << "BitBtn_WRITESETCHARGE_" << 7 << "1,5" << 0x6C00 << 47 << 0x6C09 << quint16(90);
    QTest::newRow("communication address")
        << "StringGrid_SETRS_"
        << "BitBtn_WRITESETRS_" << 1 << "17" << 0x6800 << 6 << 0x6800 << quint16(17);
    QTest::newRow("status cycle count")
        << "StringGrid_INFOBASE_"
        << "BitBtn_WRITEINFOBASE_" << 25 << "321" << 0 << 50 << 35 << quint16(321);
}

void TestCommandsOnSim::settings_tables_are_written_and_stored() {
    QFETCH(QString, grid);
    QFETCH(QString, button);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(int, address);
    QFETCH(quint16, stored);
    // The tables show the image (zeros) before the edit, as after a fill.
    FillCommSettings(image, window.get());
    FillAlarmSettings(image, window.get());
    FillChargeSettings(image, window.get());
    FillInfoBase(image, window.get());
    SetGridCell(Grid(qPrintable(grid)), row, 2, text);
    Click(qPrintable(button));

    const QList<QByteArray> frames = Frames();
    QCOMPARE(frames.size(), 1);
    const QByteArray& frame = frames[0];
    QCOMPARE(quint8(frame[1]), FunctionWriteMultiple);
    QCOMPARE((quint8(frame[2]) << 8) | quint8(frame[3]), start);
    QCOMPARE((quint8(frame[4]) << 8) | quint8(frame[5]), count);
    QCOMPARE(frame.size(), 9 + 2 * count);
    QCOMPARE(sim->registerValue(quint16(address)), stored);
    QCOMPARE(prompts->messageTexts(), QStringList{QStringLiteral("Настройки изменены")});
}

void TestCommandsOnSim::unchanged_tables_write_back_what_was_read_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::newRow("charge") << "BitBtn_WRITESETCHARGE_" << 0x6C00 << 47;
    QTest::newRow("alarm") << "BitBtn_WRITESETALARM_" << 0x7000 << 49;
    QTest::newRow("status") << "BitBtn_WRITEINFOBASE_" << 0 << 50;
}

// Values of five and more significant digits show with four in the scaled view (CF_Time 2615 min
// as 43,58 h, which reads back as 2614): a table filled from the controller and written back
// unchanged still sends every register as it was read.
void TestCommandsOnSim::unchanged_tables_write_back_what_was_read() {
    QFETCH(QString, button);
    QFETCH(int, start);
    QFETCH(int, count);
    std::vector<quint16> held;
    for (int i = 0; i < count; ++i)
        held.push_back(quint16(12345 + 2615 * i));
    QVERIFY(sim->setRegisters(quint16(start), held));
    const QList<quint16> read = sim->registerValues(quint16(start), count);
    const std::span<quint16> block = start == 0x6C00 ? std::span<quint16>(image.ChargeSettingsBlock)
                                     : start == 0x7000
                                         ? std::span<quint16>(image.AlarmSettingsBlock)
                                         : std::span<quint16>(image.StatusBlock);
    std::copy(read.begin(), read.end(), block.begin());
    FillAlarmSettings(image, window.get());
    FillChargeSettings(image, window.get());
    FillInfoBase(image, window.get());
    Click(qPrintable(button));
    const std::vector<quint16> words(read.begin(), read.end());
    QCOMPARE(Frames(), QList<QByteArray>{BuildWriteRequest(238, quint16(start), words)});
}

void TestCommandsOnSim::communication_write_sends_an_unknown_code() {
    FillCommSettings(image, window.get());
    QTableWidget* grid = Grid("StringGrid_SETRS_");
    SetGridCell(grid, 1, 2, QStringLiteral("238"));
    SetGridCell(grid, 2, 2, QStringLiteral("7"));
    SetGridCell(grid, 3, 2, QStringLiteral("1"));
    Click("BitBtn_WRITESETRS_");
    const std::array<quint16, 6> words = {238, 7, 1, 0, 0, 0};
    QCOMPARE(Frames(), QList<QByteArray>{BuildWriteRequest(238, 0x6800, words)});
    QCOMPARE(GridCell(grid, 2, 3), QStringLiteral("Значение должно быть от 0 до 4!"));
    QCOMPARE(GridCell(grid, 3, 3), QStringLiteral("   8E1"));
}

void TestCommandsOnSim::bad_table_cell_sends_nothing() {
    UseScaledUnits = false;
    FillAlarmSettings(image, window.get());
    SetGridCell(Grid("StringGrid_SETALARM_"), 1, 2, QStringLiteral("3,65"));
    Click("BitBtn_WRITESETALARM_");
    QCOMPARE(prompts->messageTexts(),
             QStringList{QStringLiteral("'3,65' is not a valid integer value")});
    QCOMPARE(prompts->shown[0].caption, QStringLiteral("Velmora"));
    QVERIFY(Frames().isEmpty());
}

// A file of ten lines leaves the alarm table with nine value rows: its write stops at row 10
// with the conversion message, and nothing reaches the controller.
void TestCommandsOnSim::short_loaded_table_sends_nothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short_alarm_set.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("N,Name,Value,Unit\r\n");
    for (int row = 1; row <= 9; ++row)
        file.write(QByteArray::number(row) + ",x,1,y\r\n");
    file.close();
    prompts->files = {path};
    Click("BitBtn_LOADSETALARM_");
    QCOMPARE(GridRowCount(Grid("StringGrid_SETALARM_")), 10);
    Click("BitBtn_WRITESETALARM_");
    QCOMPARE(prompts->messageTexts(), QStringList{"'' is not a valid floating point value"});
    QVERIFY(Frames().isEmpty());
}

QTEST_MAIN(TestCommandsOnSim)
#include "test_commands_on_sim.moc"
