#include "captions.h"
#include "connection_dialog.h"
#include "main_window.h"
#include "modbus_frames.h"
#include "scripted_prompts.h"
#include "simulated_controller.h"
#include "string_grid.h"
#include "window_on_sim.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

// The command buttons of the real main window reach the simulated controller.
class TestCommandsInWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init();
    void cleanup();
    void service_command_and_login();
    void settings_table_write();

private:
    template <class W> W* Find(const char* name) const {
        return form->findChild<W*>(QLatin1String(name));
    }
    std::unique_ptr<SimulatedController> sim;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<ScriptedPrompts> prompts;
};

void TestCommandsInWindow::init() {
    sim = std::make_unique<SimulatedController>();
    QString error;
    QVERIFY2(sim->start(&error), qPrintable(error));
    prompts = std::make_unique<ScriptedPrompts>();
    form = std::make_unique<TForm1>();
    ConnectDialogTo(*form, sim->portPath());
}

void TestCommandsInWindow::cleanup() {
    form.reset();
    prompts.reset();
    sim.reset();
}

void TestCommandsInWindow::service_command_and_login() {
    Find<QLineEdit>("LabeledEdit_SETSOC_")->setText(QStringLiteral("100000"));
    Find<QPushButton>("BitBtn_SETSOC_")->click();
    const std::array<quint16, 3> soc = {7, 0x86A0, 0x0001};
    QCOMPARE(sim->receivedFrames(), QList<QByteArray>{BuildWriteRequest(238, 45, soc)});
    QCOMPARE(prompts->messageTexts(), QStringList{QStringLiteral("Настройки изменены")});

    auto* toggle = Find<QPushButton>("SpeedButton_PASSWORD_");
    prompts->inputs = {QStringLiteral("0000")};
    toggle->click();
    QVERIFY(toggle->isChecked());
    QCOMPARE(Caption(toggle->text()), QStringLiteral("Выйти"));
    QVERIFY(sim->registerValue(33) & 0x20);
}

void TestCommandsInWindow::settings_table_write() {
    form->FillSettingsTables();
    auto* grid = Find<QTableWidget>("StringGrid_SETCHARGE_");
    SetGridCell(grid, 7, 2, QStringLiteral("1,5"));
    Find<QPushButton>("BitBtn_WRITESETCHARGE_")->click();
    QCOMPARE(sim->receivedFrames().size(), 1);
    QCOMPARE(sim->registerValue(0x6C09), quint16(90));
}

QTEST_MAIN(TestCommandsInWindow)
#include "test_commands_in_window.moc"
