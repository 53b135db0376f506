#include "bootloader_handlers.h"
#include "captions.h"
#include "diagnostic_mode.h"
#include "main_window.h"
#include "scripted_prompts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

// The "Обновление" page of the main window, offscreen and with nothing on the line: its controls,
// what DiagnosticMode shows, the presets, the register read checks and the lock.
class TestBootloaderPage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void visibility_data();
    void visibility();
    void presets();
    void refusedRegisterReadLogsNothing();
    void lock();

private:
    template <class W> W* Find(const QString& name) const { return form->findChild<W*>(name); }
    void Build(bool diagnostic);

    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TForm1> form;
};

void TestBootloaderPage::init() {
    prompts = std::make_unique<ScriptedPrompts>();
    Build(true);
}

void TestBootloaderPage::cleanup() {
    form.reset();
    prompts.reset();
}

void TestBootloaderPage::Build(bool diagnostic) {
    const bool saved = DiagnosticMode;
    DiagnosticMode = diagnostic;
    form = std::make_unique<TForm1>();
    DiagnosticMode = saved;
}

void TestBootloaderPage::visibility_data() {
    QTest::addColumn<bool>("diagnostic");
    QTest::newRow("off") << false;
    QTest::newRow("on") << true;
}

void TestBootloaderPage::visibility() {
    QFETCH(bool, diagnostic);
    Build(diagnostic);
    for (const char* name : {"BitBtn_BOOTLOADERAUTO_", "ProgressBar_BOOTLOADER_",
                             "Label_BOOTLOADERPROGRESS_", "Memo2", "GroupBox_BOOTLOADER_"})
        QVERIFY2(!Find<QWidget>(name)->isHidden(), name);
    for (const char* name :
         {"BitBtn_BOOTLOADERAUTOBOOT_", "BitBtn_BOOTLOADER30_", "BitBtn_BOOTLOADER21_",
          "BitBtn_BOOTLOADER31_", "GroupBox_BOOTLOADERREAD_", "GroupBox_BOOTLOADERERASE_", "Edit3",
          "Edit4", "Edit_ReqCode"})
        QVERIFY2(Find<QWidget>(name)->isHidden() != diagnostic, name);
    QCOMPARE(Find<QProgressBar>("ProgressBar_BOOTLOADER_")->maximum(), 100);
    QCOMPARE(Caption(Find<QPushButton>("BitBtn_BOOTLOADERAUTO_")->text()),
             QStringLiteral("Автообновление "));
    QCOMPARE(Find<QLineEdit>("Edit_READREGADDRESS_")->toolTip(), QStringLiteral("Адрес регистра"));
    QVERIFY(Find<QRadioButton>("RadioButton_READVERSION_")->isChecked());
    QVERIFY(Find<QRadioButton>("RadioButton1")->isChecked());
}

void TestBootloaderPage::presets() {
    Find<QRadioButton>("RadioButton_READBOOTREG_")->click();
    QCOMPARE(Find<QLineEdit>("Edit_READREGADDRESS_")->text(), QStringLiteral("0"));
    QCOMPARE(Find<QLineEdit>("Edit_READREGNUMBER_")->text(), QStringLiteral("11"));
    // The erase area radios are a group of their own.
    QVERIFY(Find<QRadioButton>("RadioButton1")->isChecked());
    Find<QRadioButton>("RadioButton_READVERSION_")->click();
    QCOMPARE(Find<QLineEdit>("Edit_READREGADDRESS_")->text(), QStringLiteral("4248"));
    QCOMPARE(Find<QLineEdit>("Edit_READREGNUMBER_")->text(), QStringLiteral("18"));
}

// A refused field ends the read before anything is logged or sent; the count is refused in the
// address's words.
void TestBootloaderPage::refusedRegisterReadLogsNothing() {
    Find<QLineEdit>("Edit_READREGNUMBER_")->setText(QStringLiteral("65535"));
    Find<QPushButton>("BitBtn_BOOTLOADER03_")->click();
    QCOMPARE(prompts->messageTexts(),
             QStringList{"Адрес должен быть в диапазоне от 0 до 65\u00A0534!"});
    QCOMPARE(Find<QPlainTextEdit>("Memo2")->toPlainText(), QString());
}

void TestBootloaderPage::lock() {
    const QStringList locked = {
        "SpeedButton_CONNECT_", "CheckBox_LOGEN_", "ComboBox_PORT_", "ComboBox_BAUDRATE_",
        "ComboBox_FORMAT_", "Edit_ADDRESS_", "ComboBox_FREQ_", "BitBtn_PORTSCAN_",
        "BitBtn_WRITEINFOBASE_", "BitBtn_WRITESETRS_", "BitBtn_WRITESETALARM_",
        "BitBtn_WRITESETCHARGE_", "BitBtn_BOOTLOADERAUTO_", "BitBtn_BOOTLOADERAUTOBOOT_",
        "BitBtn_BOOTLOADER30_", "BitBtn_BOOTLOADER03_", "BitBtn_BOOTLOADER20_",
        "BitBtn_BOOTLOADER21_", "BitBtn_BOOTLOADER31_", "Edit_READREGADDRESS_",
        "Edit_READREGNUMBER_", "RadioButton_READVERSION_", "RadioButton_READBOOTREG_",
        // Beyond the firmware page: every control that starts an exchange of its own.
        "SpeedButton_PASSWORD_", "BitBtn_PASSWORDNEW_", "BitBtn_CALIBERCURRNULL_",
        "BitBtn_CALIBERCURR_", "BitBtn_SETSOC_", "BitBtn_SETFCC_", "BitBtn_SETCYCLE_",
        "BitBtn_SETMODE_", "BitBtn_TIMEREAD_", "BitBtn_TIMEWRITE_", "BitBtn_CLEARLOG_"};
    const QStringList free = {"CheckBox_READSETTINGS_", "CheckBox_READLOG_", "BitBtn_TIMEWIN_",
                              "Memo2"};
    SetBootloaderControlsEnabled(form.get(), false);
    for (const QString& name : locked)
        QVERIFY2(!Find<QWidget>(name)->isEnabled(), qPrintable(name));
    for (const QString& name : free)
        QVERIFY2(Find<QWidget>(name)->isEnabled(), qPrintable(name));
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // A second lock does not stack a second cursor.
    SetBootloaderControlsEnabled(form.get(), false);
    SetBootloaderControlsEnabled(form.get(), true);
    for (const QString& name : locked)
        QVERIFY2(Find<QWidget>(name)->isEnabled(), qPrintable(name));
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TestBootloaderPage)
#include "test_bootloader_page.moc"
