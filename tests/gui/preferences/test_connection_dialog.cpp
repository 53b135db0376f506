#include "connection_dialog.h"
#include "line_settings.h"
#include "modbus_frames.h"
#include "pty_peer.h"
#include "scripted_prompts.h"
#include "sync_exchange.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <thread>

namespace {

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

QString LabelFor(const TForm4& form, const QWidget* control) {
    for (const QLabel* label : form.findChildren<QLabel*>())
        if (label->buddy() == control)
            return label->text();
    return {};
}

} // namespace

class TestConnectionDialog : public QObject {
    Q_OBJECT

    QComboBox* Combo(const TForm4& form, const char* name) {
        return form.findChild<QComboBox*>(QLatin1String(name));
    }
    QLineEdit* Address(const TForm4& form) {
        return form.findChild<QLineEdit*>(QStringLiteral("Edit_ADDRESS_"));
    }
    void Click(const TForm4& form, const char* name) {
        QTest::mouseClick(form.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void controlsAndDefaults() {
        TForm4 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Настройки связи"));
        QCOMPARE(Items(Combo(form, "ComboBox_BAUDRATE_")),
                 (QStringList{"9600", "19200", "38400", "57600", "115200"}));
        QCOMPARE(Combo(form, "ComboBox_BAUDRATE_")->currentIndex(), 4);
        QCOMPARE(Items(Combo(form, "ComboBox_FORMAT_")), (QStringList{"8N1", "8E1", "8O1"}));
        QCOMPARE(Combo(form, "ComboBox_FORMAT_")->currentIndex(), 0);
        // Every period is a number, so no choice can make a start of polling fail.
        QCOMPARE(
            Items(Combo(form, "ComboBox_FREQ_")),
            (QStringList{"0,25", "0,5", "1", "2", "5", "10", "20", "60", "120", "300", "600"}));
        QCOMPARE(Combo(form, "ComboBox_FREQ_")->currentText(), QStringLiteral("1"));
        QCOMPARE(Address(form)->text(), QStringLiteral("238"));
        QVERIFY(!Combo(form, "ComboBox_PORT_")->isEditable());
        // The fast exchange is off until chosen, and every exchange reads it afresh.
        auto* fast = form.findChild<QCheckBox*>(QStringLiteral("CheckBox_FASTEXCHANGE_"));
        QCOMPARE(fast->text(), QStringLiteral("Быстрый обмен"));
        QVERIFY(!fast->isChecked());
        QVERIFY(!CurrentConnectionSettings().fastExchange);
        fast->setChecked(true);
        QVERIFY(CurrentConnectionSettings().fastExchange);

        QCOMPARE(Combo(form, "ComboBox_PORT_")->toolTip(), QStringLiteral("Номер порта"));
        QCOMPARE(Combo(form, "ComboBox_BAUDRATE_")->toolTip(), QStringLiteral("Скорость"));
        QCOMPARE(Combo(form, "ComboBox_FORMAT_")->toolTip(), QStringLiteral("Формат"));
        QCOMPARE(Address(form)->toolTip(), QStringLiteral("Адрес (от 1 до 247))"));
        QCOMPARE(Combo(form, "ComboBox_FREQ_")->toolTip(), QStringLiteral("Период опроса, с"));
        QCOMPARE(LabelFor(form, Combo(form, "ComboBox_BAUDRATE_")),
                 QStringLiteral("Скорость порта"));
        QCOMPARE(LabelFor(form, Combo(form, "ComboBox_FORMAT_")),
                 QStringLiteral("Параметры передачи"));
        QCOMPARE(LabelFor(form, Address(form)), QStringLiteral("Адрес  Modbus"));
        QCOMPARE(LabelFor(form, Combo(form, "ComboBox_FREQ_")), QStringLiteral("Период опроса"));
        for (const auto& [name, text] :
             {std::pair{"BitBtn_PORTSCAN_", "Поиск портов"}, std::pair{"Button_FORM4OK_", "OK"},
              std::pair{"Button_FORM4CANCEL_", "Cancel"}})
            QCOMPARE(form.findChild<QPushButton*>(QLatin1String(name))->text(),
                     QString::fromUtf8(text));
    }

    void pollInterval_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("ms");
        QTest::newRow("0,25") << 0 << 250;
        QTest::newRow("0,5") << 1 << 500;
        QTest::newRow("1") << 2 << 1000;
        QTest::newRow("20") << 6 << 20000;
        QTest::newRow("600") << 10 << 600000;
    }
    void pollInterval() {
        QFETCH(int, index);
        QFETCH(int, ms);
        TForm4 form;
        Combo(form, "ComboBox_FREQ_")->setCurrentIndex(index);
        QCOMPARE(form.PollIntervalMs(), ms);
    }

    void addressCheckOnOk_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString range = QStringLiteral("Адрес должен быть в диапазоне от 0 до 255!");
        const QString number = QStringLiteral("Введите адрес десятичным числом от 0 до 255!");
        QTest::newRow("0") << "0" << QString();
        QTest::newRow("255") << "255" << QString();
        QTest::newRow("256") << "256" << range;
        QTest::newRow("-1") << "-1" << range;
        QTest::newRow("empty") << "" << number;
        QTest::newRow("abc") << "abc" << number;
    }
    void addressCheckOnOk() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        ScriptedPrompts prompts;
        TForm4 form;
        form.open();
        Address(form)->setText(text);
        Click(form, "Button_FORM4OK_");
        if (message.isEmpty()) {
            QVERIFY(prompts.shown.isEmpty());
            QVERIFY(!form.isVisible());
            QCOMPARE(form.result(), int(QDialog::Accepted));
            return;
        }
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].text, message);
        QCOMPARE(prompts.shown[0].caption, QStringLiteral("Ошибка!"));
        QCOMPARE(prompts.shown[0].icon, Prompts::Icon::Error);
        // The dialog stays open with the text as typed.
        QVERIFY(form.isVisible());
        QCOMPARE(Address(form)->text(), text);
    }

    void leavingKeepsEveryChange_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }
    void leavingKeepsEveryChange() {
        QFETCH(bool, closeBox);
        ScriptedPrompts prompts;
        TForm4 form;
        form.open();
        Combo(form, "ComboBox_BAUDRATE_")->setCurrentIndex(0);
        Combo(form, "ComboBox_FORMAT_")->setCurrentIndex(1);
        Address(form)->setText(QStringLiteral("300"));
        if (closeBox)
            form.close();
        else
            Click(form, "Button_FORM4CANCEL_");
        QVERIFY(!form.isVisible());
        QVERIFY(prompts.shown.isEmpty());
        // The next exchange reads the settings from the dialog: 9600 baud, even parity, and the
        // refused address, which the start of polling will refuse again.
        const ConnectionSettings settings = CurrentConnectionSettings();
        const LineSettings line = LineSettingsFor(settings.baudIndex, settings.formatIndex);
        QCOMPARE(line.baudRate, 9600);
        QCOMPARE(line.parity, QSerialPort::EvenParity);
        QCOMPARE(settings.addressText, QStringLiteral("300"));
    }

    void cancelledBaudRateRulesTheNextExchange() {
        PtyPeer peer;
        QVERIFY(peer.isOpen());
        ScriptedPrompts prompts;
        TForm4 form;
        form.AddPort(peer.slavePath());
        form.open();
        Combo(form, "ComboBox_BAUDRATE_")->setCurrentIndex(0);
        Click(form, "Button_FORM4CANCEL_");

        // The line's settings are read while the exchange holds the port open.
        QByteArray request;
        speed_t speed = 0;
        std::thread device([&] {
            request = peer.read(8, 5000);
            termios line{};
            if (tcgetattr(peer.masterFd(), &line) == 0)
                speed = cfgetospeed(&line);
        });
        ExchangeSync(LoadSyncTxFrame(BuildReadRequest(238, 0, 50)));
        device.join();
        QCOMPARE(request, BuildReadRequest(238, 0, 50));
        QCOMPARE(speed, speed_t(B9600));
        QVERIFY(prompts.shown.isEmpty());
    }

    void settingsSourceLivesWithTheDialog() {
        {
            TForm4 form;
            Address(form)->setText(QStringLiteral("17"));
            QCOMPARE(CurrentConnectionSettings().addressText, QStringLiteral("17"));
        }
        QCOMPARE(CurrentConnectionSettings().addressText, QString());
    }

    void extraPortsAndRescan() {
        TForm4 form;
        QComboBox* ports = Combo(form, "ComboBox_PORT_");
        const int present = ports->count();
        form.AddPort(QStringLiteral("/tmp/velmora-a"));
        QCOMPARE(ports->currentText(), QStringLiteral("/tmp/velmora-a"));
        form.AddPort(QStringLiteral("/tmp/velmora-b"));
        form.AddPort(QStringLiteral("/tmp/velmora-c"));
        form.AddPort(QStringLiteral("/tmp/velmora-b"));
        QCOMPARE(ports->count(), present + 3);
        QCOMPARE(CurrentConnectionSettings().portName, QStringLiteral("/tmp/velmora-b"));
        ports->setCurrentIndex(present + 2);
        // "Поиск портов" lists again, keeps the given ports and the port chosen among them.
        Click(form, "BitBtn_PORTSCAN_");
        QCOMPARE(ports->count(), present + 3);
        QCOMPARE(ports->currentIndex(), present + 2);
        QCOMPARE(CurrentConnectionSettings().portName, QStringLiteral("/tmp/velmora-c"));
    }

    // Enter is "OK" with its check, wherever the focus is; it never lists the ports again.
    void enterActsAsOk_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("in the address") << "Edit_ADDRESS_";
        QTest::newRow("on the port scan") << "BitBtn_PORTSCAN_";
        QTest::newRow("on Cancel") << "Button_FORM4CANCEL_";
    }
    void enterActsAsOk() {
        QFETCH(QString, focus);
        ScriptedPrompts prompts;
        TForm4 form;
        form.AddPort(QStringLiteral("/tmp/velmora-a"));
        form.AddPort(QStringLiteral("/tmp/velmora-b"));
        QComboBox* ports = Combo(form, "ComboBox_PORT_");
        form.open();
        auto* target = form.findChild<QWidget*>(focus);
        Address(form)->setText(QStringLiteral("abc"));
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(prompts.messageTexts(),
                 QStringList{"Введите адрес десятичным числом от 0 до 255!"});
        QVERIFY(form.isVisible());
        QCOMPARE(ports->currentText(), QStringLiteral("/tmp/velmora-b"));

        Address(form)->setText(QStringLiteral("12"));
        QTest::keyClick(target, Qt::Key_Enter);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(ports->currentText(), QStringLiteral("/tmp/velmora-b"));
    }

    void settingControlsLock() {
        TForm4 form;
        const char* locked[] = {"ComboBox_PORT_",        "ComboBox_BAUDRATE_", "ComboBox_FORMAT_",
                                "Edit_ADDRESS_",         "ComboBox_FREQ_",     "BitBtn_PORTSCAN_",
                                "CheckBox_FASTEXCHANGE_"};
        form.SetSettingControlsEnabled(false);
        for (const char* name : locked)
            QVERIFY2(!form.findChild<QWidget*>(QLatin1String(name))->isEnabled(), name);
        QVERIFY(form.findChild<QWidget*>(QStringLiteral("Button_FORM4OK_"))->isEnabled());
        QVERIFY(form.findChild<QWidget*>(QStringLiteral("Button_FORM4CANCEL_"))->isEnabled());
        form.SetSettingControlsEnabled(true);
        for (const char* name : locked)
            QVERIFY2(form.findChild<QWidget*>(QLatin1String(name))->isEnabled(), name);
    }
};

QTEST_MAIN(TestConnectionDialog)
#include "test_connection_dialog.moc"
