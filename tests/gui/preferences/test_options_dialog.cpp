#include "options_dialog.h"
#include "reply_reporting.h"
#include "view_options.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QStringList RadioItems(const QGroupBox* group) {
    QStringList items;
    for (const QRadioButton* button : group->findChildren<QRadioButton*>())
        items.append(button->text());
    return items;
}

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT

    int setups = 0;
    int refills = 0;

    // Opens the dialog as the "Настройки" menu item does, acts inside it, and returns when it
    // has been closed.
    void RunDialog(TForm3& form, const std::function<void()>& act) {
        QTimer::singleShot(0, [&] {
            QVERIFY(QApplication::activeModalWidget() == &form);
            act();
            if (form.isVisible())
                form.close();
        });
        form.ShowFromFlags();
    }
    QRadioButton* Item(TForm3& form, const char* group, int index) {
        return form.findChild<QGroupBox*>(QLatin1String(group))
            ->findChildren<QRadioButton*>()
            .at(index);
    }
    QCheckBox* ErrorBox(TForm3& form) {
        return form.findChild<QCheckBox*>(QStringLiteral("CheckBox_LOGSAVEERROR_"));
    }
    void Click(TForm3& form, const char* button) {
        QTest::mouseClick(form.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        UseRussianNames = UseScaledUnits = LogLinkErrors = true;
        setups = refills = 0;
    }

    void texts() {
        TForm3 form({}, {});
        QCOMPARE(form.windowTitle(), QStringLiteral("Настройки"));
        auto* tabs = form.findChild<QTabWidget*>();
        QCOMPARE(tabs->tabText(0), QStringLiteral("Вид"));
        QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("TabSheet_VIEW_"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Лог"));
        auto* names = form.findChild<QGroupBox*>(QStringLiteral("RadioGroup_VIEWNAME_"));
        QCOMPARE(names->title(), QStringLiteral("Названия параметров"));
        QCOMPARE(RadioItems(names),
                 (QStringList{"Мнемоимя регистра Modbus", "Русское наименование"}));
        auto* values = form.findChild<QGroupBox*>(QStringLiteral("RadioGroup_VIEWVALUE_"));
        QCOMPARE(values->title(), QStringLiteral("Значения параметров"));
        QCOMPARE(RadioItems(values),
                 (QStringList{"Значения из регистров Modbus", "Приведенные ед. изм."}));
        QCOMPARE(ErrorBox(form)->text(), QStringLiteral("Сохранять информацию о ошибках связи"));
        QVERIFY(ErrorBox(form)->isChecked());
        QCOMPARE(form.minimumSize(), QSize(300, 300));
        QCOMPARE(form.maximumSize(), QSize(395, 400));
    }

    // Which option changes, and what "OK" then runs.
    void ok_data() {
        QTest::addColumn<int>("nameIndex");
        QTest::addColumn<int>("valueIndex");
        QTest::addColumn<bool>("logErrors");
        QTest::addColumn<int>("setupRuns");
        QTest::addColumn<int>("refillRuns");
        QTest::newRow("nothing changed") << 1 << 1 << true << 0 << 0;
        QTest::newRow("mnemonics") << 0 << 1 << true << 1 << 0;
        QTest::newRow("raw values") << 1 << 0 << true << 0 << 1;
        QTest::newRow("both") << 0 << 0 << true << 1 << 1;
        QTest::newRow("error lines off") << 1 << 1 << false << 0 << 0;
    }
    void ok() {
        QFETCH(int, nameIndex);
        QFETCH(int, valueIndex);
        QFETCH(bool, logErrors);
        QFETCH(int, setupRuns);
        QFETCH(int, refillRuns);
        // The routines see the flags already stored.
        TForm3 form([&] { setups += UseRussianNames == (nameIndex == 1) ? 1 : 100; },
                    [&] { refills += UseScaledUnits == (valueIndex == 1) ? 1 : 100; });
        RunDialog(form, [&] {
            Item(form, "RadioGroup_VIEWNAME_", nameIndex)->setChecked(true);
            Item(form, "RadioGroup_VIEWVALUE_", valueIndex)->setChecked(true);
            ErrorBox(form)->setChecked(logErrors);
            Click(form, "Button_FORM3OK_");
        });
        QCOMPARE(setups, setupRuns);
        QCOMPARE(refills, refillRuns);
        QCOMPARE(UseRussianNames, nameIndex == 1);
        QCOMPARE(UseScaledUnits, valueIndex == 1);
        QCOMPARE(LogLinkErrors, logErrors);
    }

    void cancelRestoresTheControls() {
        TForm3 form([&] { ++setups; }, [&] { ++refills; });
        RunDialog(form, [&] {
            Item(form, "RadioGroup_VIEWNAME_", 0)->setChecked(true);
            Item(form, "RadioGroup_VIEWVALUE_", 0)->setChecked(true);
            ErrorBox(form)->setChecked(false);
            Click(form, "Button_FORM3CANCEL_");
        });
        QVERIFY(UseRussianNames && UseScaledUnits && LogLinkErrors);
        QCOMPARE(setups + refills, 0);
        QVERIFY(Item(form, "RadioGroup_VIEWNAME_", 1)->isChecked());
        QVERIFY(Item(form, "RadioGroup_VIEWVALUE_", 1)->isChecked());
        QVERIFY(ErrorBox(form)->isChecked());
    }

    void closeBoxCommitsNothing() {
        TForm3 form([&] { ++setups; }, [&] { ++refills; });
        RunDialog(form, [&] {
            Item(form, "RadioGroup_VIEWNAME_", 0)->setChecked(true);
            Item(form, "RadioGroup_VIEWVALUE_", 0)->setChecked(true);
            ErrorBox(form)->setChecked(false);
            form.close();
        });
        QVERIFY(UseRussianNames && UseScaledUnits && LogLinkErrors);
        QCOMPARE(setups + refills, 0);
        // The next opening shows the radio groups from the flags and the box as it was left.
        bool namesShown = false, valuesShown = false, boxShown = true;
        RunDialog(form, [&] {
            namesShown = Item(form, "RadioGroup_VIEWNAME_", 1)->isChecked();
            valuesShown = Item(form, "RadioGroup_VIEWVALUE_", 1)->isChecked();
            boxShown = ErrorBox(form)->isChecked();
        });
        QVERIFY(namesShown && valuesShown);
        QVERIFY(!boxShown);
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "test_options_dialog.moc"
