#include "captions.h"
#include "connection_dialog.h"
#include "main_page.h"
#include "main_window.h"
#include "mnemonics.h"
#include "options_dialog.h"
#include "series_dialog.h"
#include "traffic_window.h"
#include "window_in_mode.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// The captioned buttons under root that are on screen now.
QList<QAbstractButton*> ShownButtons(const QWidget* root) {
    QList<QAbstractButton*> shown;
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        if (!button->text().isEmpty() && button->isVisibleTo(root->window()))
            shown.append(button);
    return shown;
}

// Every shown caption has a mnemonic and no two share one; taken holds the letters already
// pressed elsewhere in the window (the menu titles).
void CheckMnemonics(const QWidget* root, QSet<QChar> taken, const QString& where) {
    for (const QAbstractButton* button : ShownButtons(root)) {
        const QChar letter = MnemonicLetter(button->text());
        const QString what = where + QStringLiteral(": ") + button->objectName() +
                             QStringLiteral(" \"") + button->text() + QLatin1Char('"');
        QVERIFY2(!letter.isNull(), qPrintable(what + QStringLiteral(" has no mnemonic")));
        QVERIFY2(!taken.contains(letter), qPrintable(what + QStringLiteral(" repeats one")));
        taken.insert(letter);
    }
}


} // namespace

class TestWindowKeys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // On every page, and in every dialog and its pages, the controls shown together have a
    // mnemonic each and no two the same.
    void mnemonicsOnEveryPage() {
        // Every control shown: the tightest set of letters.
        const auto form = WindowInMode(true);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QSet<QChar> titles;
        for (const QAction* title : form->menuBar()->actions()) {
            QVERIFY2(!MnemonicLetter(title->text()).isNull(), qPrintable(title->text()));
            titles.insert(MnemonicLetter(title->text()));
            QSet<QChar> items;
            for (const QAction* item : title->menu()->actions()) {
                const QChar letter = MnemonicLetter(item->text());
                QVERIFY2(!letter.isNull() && !items.contains(letter), qPrintable(item->text()));
                items.insert(letter);
            }
        }
        QCOMPARE(titles.size(), form->menuBar()->actions().size());
        QTabWidget* pages = form->PageControlMain();
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            auto* inner = pages->widget(i)->findChild<QTabWidget*>();
            for (int j = 0; j < (inner ? inner->count() : 1); ++j) {
                if (inner)
                    inner->setCurrentIndex(j);
                CheckMnemonics(form->centralWidget(), titles,
                               pages->tabText(i) + (inner ? QStringLiteral(" / ") + inner->tabText(j)
                                                          : QString()));
            }
        }
        for (QWidget* dialog : std::initializer_list<QWidget*>{form->Form2(), form->Form3(),
                                                               form->Form4(), form->FormMonitor()}) {
            dialog->show();
            auto* tabs = dialog->findChild<QTabWidget*>();
            for (int j = 0; j < (tabs ? tabs->count() : 1); ++j) {
                if (tabs)
                    tabs->setCurrentIndex(j);
                CheckMnemonics(dialog, {}, dialog->objectName());
            }
            dialog->hide();
        }
    }

    void keys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("pressed"); // the button the key presses, if any
        QTest::addColumn<int>("page");        // the page shown afterwards
        QTest::newRow("F5 polling") << int(Qt::Key_F5) << 0 << "SpeedButton_CONNECT_" << 0;
        QTest::newRow("Ctrl+S the journal")
            << int(Qt::Key_S) << int(Qt::ControlModifier) << "BitBtn_SAVELOG_" << 0;
        QTest::newRow("Alt+О the connect toggle")
            << 0x041E << int(Qt::AltModifier) << "SpeedButton_CONNECT_" << 0;
        QTest::newRow("Ctrl+2") << int(Qt::Key_2) << int(Qt::ControlModifier) << "" << 1;
        QTest::newRow("Ctrl+6") << int(Qt::Key_6) << int(Qt::ControlModifier) << "" << 5;
        // The link test has no tab outside diagnostic mode.
        QTest::newRow("Ctrl+7 hidden") << int(Qt::Key_7) << int(Qt::ControlModifier) << "" << 0;
    }
    void keys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, pressed);
        QFETCH(int, page);
        const std::unique_ptr<TForm1> window = WindowInMode(false);
        TForm1& form = *window;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        std::unique_ptr<QSignalSpy> clicks;
        if (!pressed.isEmpty())
            clicks = std::make_unique<QSignalSpy>(form.findChild<QAbstractButton*>(pressed),
                                                  &QAbstractButton::clicked);
        // A Cyrillic key has no ASCII code for keyClick: it is sent with its text.
        QTest::sendKeyEvent(QTest::Click, &form, Qt::Key(key), QString(QChar(key)).toLower(),
                            Qt::KeyboardModifiers(modifiers));
        // A mnemonic clicks as the mouse would, after the button has been drawn pressed.
        if (clicks)
            QTRY_COMPARE(clicks->size(), 1);
        QCOMPARE(form.PageControlMain()->currentIndex(), page);
    }

    void trafficMonitorKey() {
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(form.FormMonitor()->isVisible());
    }

    // The login toggle keeps its mnemonic when its caption changes with the login state.
    void loginCaptionKeepsItsMnemonic() {
        TForm1 form;
        auto* login = form.findChild<QAbstractButton*>(QStringLiteral("SpeedButton_PASSWORD_"));
        const QChar letter = MnemonicLetter(login->text());
        QVERIFY(!letter.isNull());
        ShowLoginState(login, true);
        QCOMPARE(Caption(login->text()), QStringLiteral("Выйти"));
        QCOMPARE(MnemonicLetter(login->text()), letter);
    }

    // Escape leaves a dialog as "Cancel" does; Enter is tested with the dialogs themselves.
    void escapeClosesDialogs() {
        TForm1 form;
        for (QDialog* dialog : std::initializer_list<QDialog*>{form.Form3(), form.Form4()}) {
            QTimer::singleShot(0, dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Escape); });
            QCOMPARE(dialog->exec(), int(QDialog::Rejected));
        }
    }
};

QTEST_MAIN(TestWindowKeys)
#include "test_window_keys.moc"
