#include "captions.h"
#include "connection_dialog.h"
#include "diagnostic_mode.h"
#include "main_window.h"
#include "options_dialog.h"
#include "series_dialog.h"
#include "window_in_mode.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QStringList TabCaptions(const QTabWidget* tabs) {
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions.append(tabs->widget(i)->objectName() + QLatin1Char('=') + tabs->tabText(i));
    return captions;
}

template <typename W> W* Child(const QObject* parent, const char* name) {
    auto* child = parent->findChild<W*>(QLatin1String(name));
    if (!child)
        qWarning("no control %s", name);
    return child;
}


} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void frame() {
        TForm1 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Velmora. Версия 2.0"));
        // 792 x 554 below the menu bar, and no smaller.
        const QSize client(792, 554 + form.menuBar()->sizeHint().height());
        QCOMPARE(form.size(), client);
        QCOMPARE(form.minimumSize(), client);
        // A saved file is replaced without a question and takes its name as typed.
        QVERIFY(form.SaveDialog1()->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(form.SaveDialog1()->defaultSuffix().isEmpty());
        const QStringList controls = {"GroupBox1=Соединение",
                                      "SpeedButton_CONNECT_=Опрос модуля контроллера",
                                      "CheckBox_LOGEN_=Вести лог?",
                                      "CheckBox_READSETTINGS_=Читать настройки",
                                      "CheckBox_READLOG_=Читать журнал",
                                      "GroupBox_PASSWORD_=Пароль",
                                      "SpeedButton_PASSWORD_=Войти",
                                      "BitBtn_PASSWORDNEW_=Новый пароль"};
        for (const QString& entry : controls) {
            const QString name = entry.section(QLatin1Char('='), 0, 0);
            const QString caption = entry.section(QLatin1Char('='), 1);
            auto* control = form.findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(name));
            const QVariant text = control->property("title").isValid() ? control->property("title")
                                                                       : control->property("text");
            QCOMPARE(Caption(text.toString()), caption);
        }
        for (const char* box : {"CheckBox_LOGEN_", "CheckBox_READSETTINGS_", "CheckBox_READLOG_"})
            QVERIFY(!Child<QCheckBox>(&form, box)->isChecked());
        QVERIFY(Child<QPushButton>(&form, "SpeedButton_CONNECT_")->isCheckable());
        QVERIFY(!form.LogEnabled());
    }

    // Pressed, the connect toggle (polling runs) stands out from its released look: on average
    // each pixel differs by far more than a style's shading.
    void pressedConnectStandsOut() {
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* connect = Child<QPushButton>(&form, "SpeedButton_CONNECT_");
        const QImage up = connect->grab().toImage();
        connect->setChecked(true);
        const QImage down = connect->grab().toImage();
        QCOMPARE(down.size(), up.size());
        qint64 difference = 0;
        for (int y = 0; y < up.height(); ++y)
            for (int x = 0; x < up.width(); ++x) {
                const QColor a = up.pixelColor(x, y), b = down.pixelColor(x, y);
                difference += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) +
                              qAbs(a.blue() - b.blue());
            }
        const qint64 perPixel = difference / (qint64(up.width()) * up.height());
        QVERIFY2(perPixel > 150, qPrintable(QString::number(perPixel)));
    }

    void pagesInOrder() {
        TForm1 form;
        const QStringList main = {"TabSheet_MAIN_=Главная",  "TabSheet_INFO_=Состояние",
                                  "TabSheet_SET_=Настройки", "TabSheet_LOG_=Журнал",
                                  "TabSheet_GRAPH_=График",  "TabSheet_BOOTLOADER_=Обновление",
                                  "TabSheet2=Тест связи"};
        QCOMPARE(TabCaptions(Child<QTabWidget>(&form, "PageControl_MAIN_")), main);
        QCOMPARE(TabCaptions(Child<QTabWidget>(&form, "PageControl_INFO_")),
                 (QStringList{"TabSheet_INFOBASE_=Состояние", "TabSheet_INFOCELL_=Элементы",
                              "TabSheet_INFOALARM_=Аварии", "TabSheet_INFOCHARGE_=Заряд"}));
        QCOMPARE(TabCaptions(Child<QTabWidget>(&form, "PageControl_SET_")),
                 (QStringList{"TabSheet_SETRS_=Связь", "TabSheet_SETALARM_=Аварии",
                              "TabSheet_SETCHARGE_=Заряд", "TabSheet_CALIBER_=Калибровка",
                              "TabSheet_TIMEDATE_=Время-Дата"}));
        QCOMPARE(form.Page(MainPage::LinkTest)->objectName(), QStringLiteral("TabSheet2"));
        QCOMPARE(form.Page(InfoPage::Charge)->objectName(), QStringLiteral("TabSheet_INFOCHARGE_"));
        QCOMPARE(form.Page(SettingsPage::DateTime)->objectName(),
                 QStringLiteral("TabSheet_TIMEDATE_"));
        // Each page carries its own controls.
        QVERIFY(
            form.Page(MainPage::Main)->findChild<QWidget*>(QStringLiteral("LabeledEdit_VOLTDCU_")));
        QVERIFY(form.Page(SettingsPage::Calibration)
                    ->findChild<QWidget*>(QStringLiteral("BitBtn_CALIBERCURR_")));
    }

    void statusBarMenusTimersDialogs() {
        TForm1 form;
        QVERIFY(Child<QStatusBar>(&form, "StatusBar1"));
        const int widths[] = {200, 200, 50};
        for (int i = 0; i < 3; ++i) {
            auto* panel = form.findChild<QLabel*>(QStringLiteral("StatusBar1_Panel%1").arg(i));
            QVERIFY(panel);
            QCOMPARE(panel->minimumWidth(), widths[i]);
            form.SetStatusPanel(i, QStringLiteral("p%1").arg(i));
            QCOMPARE(panel->text(), QStringLiteral("p%1").arg(i));
        }
        form.SetStatusPanel(3, QStringLiteral("nowhere"));
        QCOMPARE(form.StatusPanel(3), QString());

        auto* menu = Child<QMenuBar>(&form, "MainMenu1");
        QVERIFY(menu);
        QStringList items;
        for (QAction* top : menu->actions()) {
            items.append(top->text());
            for (QAction* item : top->menu()->actions())
                items.append(QStringLiteral("  ") + item->objectName() + QLatin1Char('=') +
                             item->text());
        }
        QCOMPARE(items, (QStringList{"&Файл", "  N6=&Настройки",
                                     "  MenuItem_TESTREPORT_=&Отчёт об испытании...",
                                     "  MenuItem_SAVELOG_=&Сохранить журнал в файл", "  N2=&Выход",
                                     "&Связь", "  MenuItem_POLLING_=&Опрос модуля контроллера",
                                     "  N4=&Параметры связи", "  N7=&Монитор обмена"}));

        for (const char* name : {"Timer_POLLING_", "Timer_POLLINGTEST_", "Timer_INDICATE_"})
            QVERIFY2(!Child<QTimer>(&form, name)->isActive(), name);
        QCOMPARE(form.PollingTestTimer()->interval(), 500);
        QCOMPARE(form.IndicateTimer()->interval(), 250);
        QCOMPARE(Child<QFileDialog>(&form, "OpenDialog1")->acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(Child<QFileDialog>(&form, "SaveDialog1")->acceptMode(), QFileDialog::AcceptSave);

        // The three dialogs exist from the start, in order, hidden until asked for.
        QStringList dialogs;
        for (QObject* child : form.children())
            if (child->inherits("QDialog") && !child->inherits("QFileDialog"))
                dialogs.append(child->objectName());
        QCOMPARE(dialogs, (QStringList{"TForm2", "TForm3", "TForm4"}));
        QCOMPARE(form.Form2()->windowTitle(), QStringLiteral("Добавить график"));
        QCOMPARE(form.Form3()->windowTitle(), QStringLiteral("Настройки"));
        QCOMPARE(form.Form4()->windowTitle(), QStringLiteral("Настройки связи"));
        QVERIFY(!form.Form2()->isVisible() && !form.Form3()->isVisible() &&
                !form.Form4()->isVisible());
    }

    void menuOpensDialogsModally_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Настройки") << "N6"
                                   << "TForm3";
        QTest::newRow("Параметры связи") << "N4"
                                         << "TForm4";
    }
    void menuOpensDialogsModally() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        TForm1 form;
        QString shown;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            shown = modal ? modal->objectName() : QString();
            if (modal)
                modal->close();
        });
        form.findChild<QAction*>(item)->trigger();
        QCOMPARE(shown, dialog);
    }

    void exitClosesTheWindow() {
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.findChild<QAction*>(QStringLiteral("N2"))->trigger();
        QVERIFY(!form.isVisible());
    }

    void diagnosticControls_data() {
        QTest::addColumn<bool>("diagnostic");
        QTest::newRow("off") << false;
        QTest::newRow("on") << true;
    }
    void diagnosticControls() {
        QFETCH(bool, diagnostic);
        auto form = WindowInMode(diagnostic);
        auto* pages = Child<QTabWidget>(form.get(), "PageControl_MAIN_");
        QCOMPARE(pages->isTabVisible(int(MainPage::LinkTest)), diagnostic);
        for (int i = 0; i < int(MainPage::LinkTest); ++i)
            QVERIFY(pages->isTabVisible(i));

        // The bootloader page's service controls follow the flag too, by their names.
        QWidget* bootloader = form->Page(MainPage::Bootloader);
        auto* service = new QPushButton(bootloader);
        service->setObjectName(QStringLiteral("BitBtn_BOOTLOADER30_"));
        auto* automatic = new QPushButton(bootloader);
        automatic->setObjectName(QStringLiteral("BitBtn_BOOTLOADERAUTO_"));
        const bool saved = DiagnosticMode;
        DiagnosticMode = diagnostic;
        form->ApplyDiagnosticVisibility();
        DiagnosticMode = saved;
        QCOMPARE(service->isHidden(), !diagnostic);
        QVERIFY(!automatic->isHidden());

        // Memo lines and link counts exist only in diagnostic mode.
        DiagnosticMode = diagnostic;
        form->AddDiagnosticLine(QStringLiteral("Нет ответа: 0"));
        form->CountLinkSuccess();
        form->CountLinkCrcError();
        DiagnosticMode = saved;
        QCOMPARE(form->Memo1()->toPlainText(),
                 diagnostic ? QStringLiteral("Нет ответа: 0") : QString());
        QCOMPARE(form->Stats().successes, diagnostic ? 1u : 0u);
        QCOMPARE(Child<QLabel>(form.get(), "Label12")->text(), diagnostic ? "1" : "0");
    }

    void linkTestPage() {
        auto form = WindowInMode(true);
        // Right after start every counter and the percentage read "0".
        for (const char* label : {"Label11", "Label12", "Label13", "Label15"})
            QCOMPARE(Child<QLabel>(form.get(), label)->text(), QStringLiteral("0"));
        QCOMPARE(Child<QLabel>(form.get(), "Label16")->text(), QStringLiteral("%"));
        for (const char* control : {"ComboBox2", "BitBtn11", "BitBtn12"})
            QVERIFY2(!Child<QWidget>(form.get(), control)->isEnabled(), control);
        QCOMPARE(Child<QComboBox>(form.get(), "ComboBox2")->currentText(), QStringLiteral("1"));
        QCOMPARE(Child<QComboBox>(form.get(), "ComboBox2")->count(), 9);

        form->RefreshLinkPercent();
        QCOMPARE(Child<QLabel>(form.get(), "Label15")->text(), QStringLiteral("100"));

        const bool saved = DiagnosticMode;
        DiagnosticMode = true;
        for (int i = 0; i < 3; ++i)
            form->CountLinkSuccess();
        form->CountLinkCrcError();
        form->CountLinkNoAnswer();
        form->AddDiagnosticLine(QStringLiteral("line"));
        DiagnosticMode = saved;
        form->RefreshLinkPercent();
        QCOMPARE(Child<QLabel>(form.get(), "Label11")->text(), QStringLiteral("3"));
        QCOMPARE(Child<QLabel>(form.get(), "Label13")->text(), QStringLiteral("1"));
        QCOMPARE(Child<QLabel>(form.get(), "Label15")->text(), QStringLiteral("66,67"));

        // "Очистить" empties the memo and zeroes every counter.
        QTest::mouseClick(Child<QPushButton>(form.get(), "Button2"), Qt::LeftButton);
        QVERIFY(form->Memo1()->toPlainText().isEmpty());
        QCOMPARE(form->Stats().successes + form->Stats().crcErrors + form->Stats().noAnswers, 0u);
        for (const char* label : {"Label11", "Label12", "Label13", "Label15"})
            QCOMPARE(Child<QLabel>(form.get(), label)->text(), QStringLiteral("0"));
    }

    void tableRegistry() {
        TForm1 form;
        QStringList calls;
        form.AddTableSetup([&] { calls.append("setup A"); });
        form.AddTableSetup([&] { calls.append("setup B"); });
        // Registered out of order, run in their fixed order.
        form.SetTableFill(TableFill::ChargeSettings, [&] { calls.append("ChargeSettings"); });
        form.SetTableFill(TableFill::AlarmTable, [&] { calls.append("AlarmTable"); });
        form.SetTableFill(TableFill::InfoBase, [&] { calls.append("InfoBase"); });
        form.SetTableFill(TableFill::CommSettings, [&] { calls.append("CommSettings"); });
        form.SetupTables();
        form.FillStateTables();
        form.FillSettingsTables();
        QCOMPARE(calls, (QStringList{"setup A", "setup B", "InfoBase", "AlarmTable", "CommSettings",
                                     "ChargeSettings"}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
