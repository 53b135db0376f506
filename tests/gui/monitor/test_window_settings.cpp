#include "connection_dialog.h"
#include "main_window.h"
#include "recent_files.h"
#include "string_grid.h"
#include "view_options.h"
#include "window_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// What one run of the window leaves to the next, through a settings file of the test's own.
class TestWindowSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() {
        QVERIFY(dir.isValid());
        settings = std::make_unique<QSettings>(dir.filePath(QStringLiteral("velmora.ini")),
                                               QSettings::IniFormat);
        settings->clear();
    }
    void cleanup() {
        UseRussianNames = UseScaledUnits = LogLinkErrors = true;
        settings.reset();
    }

    void settingsSurviveARestart() {
        const QString portA = dir.filePath(QStringLiteral("port-a"));
        const QString portB = dir.filePath(QStringLiteral("port-b"));
        {
            TForm1 form;
            RestoreWindowSettings(form, *settings);
            form.Form4()->AddPort(portA);
            form.Form4()->AddPort(portB);
            Find<QComboBox>(form, "ComboBox_PORT_")->setCurrentIndex(
                Find<QComboBox>(form, "ComboBox_PORT_")->findData(portA));
            Find<QComboBox>(form, "ComboBox_BAUDRATE_")->setCurrentIndex(0);
            Find<QComboBox>(form, "ComboBox_FORMAT_")->setCurrentIndex(1);
            Find<QLineEdit>(form, "Edit_ADDRESS_")->setText(QStringLiteral("17"));
            Find<QComboBox>(form, "ComboBox_FREQ_")->setCurrentIndex(1);
            Find<QCheckBox>(form, "CheckBox_FASTEXCHANGE_")->setChecked(true);
            Find<QCheckBox>(form, "CheckBox_RECONNECT_")->setChecked(true);
            UseRussianNames = UseScaledUnits = LogLinkErrors = false;
            form.PageControlMain()->setCurrentIndex(int(MainPage::Graph));
            Find<QTabWidget>(form, "PageControl_INFO_")->setCurrentIndex(int(InfoPage::Cells));
            form.resize(796, form.height() + 4);
            RememberFile(FileKind::Firmware, QStringLiteral("image"),
                         dir.filePath(QStringLiteral("v2.bin")));
            SaveWindowSettings(form, *settings);
        }
        UseRussianNames = UseScaledUnits = LogLinkErrors = true;
        RememberFile(FileKind::Firmware, QStringLiteral("image"), QStringLiteral("/elsewhere/v1.bin"));

        TForm1 form;
        form.Form4()->AddPort(portA);
        form.Form4()->AddPort(portB);
        const int height = form.height();
        RestoreWindowSettings(form, QSettings(settings->fileName(), QSettings::IniFormat));
        const ConnectionSettings connection = form.Form4()->Settings();
        QCOMPARE(connection.portName, portA);
        QCOMPARE(connection.baudIndex, 0);
        QCOMPARE(connection.formatIndex, 1);
        QCOMPARE(connection.addressText, QStringLiteral("17"));
        QCOMPARE(form.Form4()->PollIntervalMs(), 500);
        QVERIFY(connection.fastExchange);
        QVERIFY(connection.reconnect);
        QVERIFY(!UseRussianNames && !UseScaledUnits && !LogLinkErrors);
        // The name columns follow the restored option, and the options dialog shows it.
        QCOMPARE(GridCell(Find<QTableWidget>(form, "StringGrid_INFOBASE_"), 1, 1),
                 QStringLiteral("Design_Capacity"));
        QVERIFY(!Find<QCheckBox>(form, "CheckBox_LOGSAVEERROR_")->isChecked());
        QCOMPARE(form.PageControlMain()->currentIndex(), int(MainPage::Graph));
        QCOMPARE(Find<QTabWidget>(form, "PageControl_INFO_")->currentIndex(),
                 int(InfoPage::Cells));
        QCOMPARE(form.size(), QSize(796, height + 4));
        QCOMPARE(FileFolder(FileKind::Firmware), dir.path());
        QCOMPARE(LastFileName(FileKind::Firmware, QStringLiteral("image")),
                 QStringLiteral("v2.bin"));
    }

    // What a control cannot take (a port gone, a period not offered, a hidden page) leaves the
    // default; a first run keeps every default.
    void unusableValuesKeepTheDefaults() {
        settings->setValue(QStringLiteral("connection/port"), dir.filePath(QStringLiteral("gone")));
        settings->setValue(QStringLiteral("connection/period"), 777);
        settings->setValue(QStringLiteral("connection/baudRate"), QStringLiteral("300"));
        settings->setValue(QStringLiteral("window/page"), int(MainPage::LinkTest));
        TForm1 form;
        const QString port = dir.filePath(QStringLiteral("present"));
        form.Form4()->AddPort(port);
        RestoreWindowSettings(form, *settings);
        QCOMPARE(form.Form4()->Settings().portName, port);
        QCOMPARE(form.Form4()->PollIntervalMs(), 1000);
        QCOMPARE(form.Form4()->Settings().baudIndex, 4);
        QCOMPARE(form.PageControlMain()->currentIndex(), int(MainPage::Main));
        QCOMPARE(form.Form4()->Settings().addressText, QStringLiteral("238"));
        QVERIFY(UseRussianNames && UseScaledUnits && LogLinkErrors);
    }

private:
    template <class W> static W* Find(const TForm1& form, const char* name) {
        return form.findChild<W*>(QLatin1String(name));
    }

    QTemporaryDir dir;
    std::unique_ptr<QSettings> settings;
};

QTEST_MAIN(TestWindowSettings)
#include "test_window_settings.moc"
