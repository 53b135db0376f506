#include "qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// The operator's prompts as Qt boxes: each test answers the box that comes up.
class TestQtPrompts : public QObject {
    Q_OBJECT

    QWidget window;
    QFileDialog* openDialog = new QFileDialog(&window);
    QFileDialog* saveDialog = new QFileDialog(&window);
    QtPrompts prompts{&window, openDialog, saveDialog};

    // Runs `answer` on the modal widget that the prompt brings up.
    void AnswerNextBox(std::function<void(QWidget*)> answer) {
        QTimer::singleShot(0, [answer] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            answer(modal);
        });
    }

private Q_SLOTS:
    void messageBox_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("ok") << int(Prompts::Buttons::Ok) << int(QMessageBox::Ok)
                            << int(Prompts::Answer::Ok);
        QTest::newRow("yes") << int(Prompts::Buttons::YesNo) << int(QMessageBox::Yes)
                             << int(Prompts::Answer::Yes);
        QTest::newRow("no") << int(Prompts::Buttons::YesNo) << int(QMessageBox::No)
                            << int(Prompts::Answer::No);
    }
    void messageBox() {
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        QString text, caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        AnswerNextBox([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            text = box->text();
            caption = box->windowTitle();
            icon = box->icon();
            box->button(QMessageBox::StandardButton(press))->click();
        });
        const Prompts::Answer got =
            prompts.Message(QStringLiteral("Нет ответа"), QStringLiteral("Ошибка"),
                            Prompts::Buttons(buttons), Prompts::Icon::Error);
        QCOMPARE(int(got), answer);
        QCOMPARE(text, QStringLiteral("Нет ответа"));
        QCOMPARE(caption, QStringLiteral("Ошибка"));
        QCOMPARE(icon, QMessageBox::Critical);
    }

    void inputBox() {
        AnswerNextBox([](QWidget* modal) {
            auto* box = qobject_cast<QInputDialog*>(modal);
            QVERIFY(box);
            QCOMPARE(box->textValue(), QStringLiteral("100"));
            box->setTextValue(QStringLiteral("250"));
            box->accept();
        });
        QCOMPARE(prompts.Input(QStringLiteral("SOC"), QStringLiteral("%"), QStringLiteral("100")),
                 std::optional<QString>(QStringLiteral("250")));
        AnswerNextBox([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        QCOMPARE(prompts.Input(QStringLiteral("SOC"), QStringLiteral("%"), QString()),
                 std::nullopt);
    }

    void fileDialogs() {
        QStringList filters;
        AnswerNextBox([&](QWidget* modal) {
            QCOMPARE(modal, saveDialog);
            filters = saveDialog->nameFilters();
            saveDialog->reject();
        });
        QCOMPARE(prompts.SaveFile(QDir::tempPath(),
                                  QStringLiteral("Comma-Separated Values files (*.csv)|*.csv"),
                                  QStringLiteral("240131_14-05-09_log.csv")),
                 QString());
        QCOMPARE(filters, QStringList{"Comma-Separated Values files (*.csv)"});
        // Without a proposed name the shared open dialog offers none, not the one it last held.
        QString shownName;
        const auto answer = [&](QWidget* modal) {
            QCOMPARE(modal, openDialog);
            shownName = openDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            openDialog->reject();
        };
        AnswerNextBox(answer);
        prompts.OpenFile(QDir::tempPath(), QStringLiteral("Binary|*.bin"),
                         QStringLiteral("kept.bin"));
        AnswerNextBox(answer);
        QCOMPARE(prompts.OpenFile(QDir::tempPath(), QStringLiteral("Binary|*.bin"), QString()),
                 QString());
        QCOMPARE(shownName, QString());
    }
};

QTEST_MAIN(TestQtPrompts)
#include "test_qt_prompts.moc"
