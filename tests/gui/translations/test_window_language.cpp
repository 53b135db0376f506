#include "connection_dialog.h"
#include "language_menu.h"
#include "main_window.h"
#include "qt_prompts.h"
#include "scripted_prompts.h"
#include "window_in_mode.h"
#include "window_texts.h"

#include <QActionGroup>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// The one text that stays Russian in English: the language item that names itself.
bool NamesItsOwnLanguage(const ShownText& text) {
    return text.path.endsWith(QLatin1String("MenuItem_LANGRU_"));
}

QAction* MenuItem(const QWidget& form, const char* name) {
    return form.findChild<QAction*>(QLatin1String(name));
}

// Visits every page and inner page, so that what a page fills in when shown is there too.
void VisitPages(QWidget& form) {
    for (QTabWidget* tabs : form.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
        }
}

// Answers the modal box or dialog shown next: reads the captions of its buttons, then closes it.
QStringList ButtonCaptionsOfNextModal(const std::function<void()>& show) {
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        for (const QAbstractButton* button :
             modal->findChildren<QDialogButtonBox*>().value(0)->findChildren<QAbstractButton*>())
            captions.append(button->text().remove(QLatin1Char('&')));
        captions.sort();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    show();
    return captions;
}

} // namespace

class TestWindowLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QVERIFY(settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        QCoreApplication::setOrganizationName(QStringLiteral("VelmoraLanguageTest"));
        QCoreApplication::setApplicationName(QStringLiteral("VelmoraLanguageTest"));
    }
    void cleanup() {
        InstallLanguage(Language::Russian);
        QSettings().clear();
    }

    void englishWindowShowsNoRussian() {
        QString error;
        QVERIFY2(InstallLanguage(Language::English, &error), qPrintable(error));
        ScriptedPrompts prompts;
        const std::unique_ptr<TForm1> form = WindowInMode(true);
        form->show();
        VisitPages(*form);
        MenuItem(*form, "MenuItem_TESTREPORT_")->trigger();
        MenuItem(*form, "N7")->trigger();
        // Boxes of the window's own: a question, a refused entry, the language for the next start.
        form->findChild<QPushButton*>(QStringLiteral("BitBtn_GRAPHCLEAR_"))->click();
        form->Form4()
            ->findChild<QComboBox*>(QStringLiteral("ComboBox_LINKTYPE_"))
            ->setCurrentIndex(1);
        form->Form4()->findChild<QLineEdit*>(QStringLiteral("Edit_HOST_"))->clear();
        form->Form4()->findChild<QPushButton*>(QStringLiteral("Button_FORM4OK_"))->click();
        MenuItem(*form, "MenuItem_LANGRU_")->trigger();
        QCOMPARE(prompts.shown.size(), 3);

        QList<ShownText> texts = TextsUnder(form.get());
        for (const ScriptedPrompts::Shown& shown : prompts.shown)
            texts << ShownText{QStringLiteral("prompt:") + shown.caption, shown.text}
                  << ShownText{QStringLiteral("prompt:caption"), shown.caption};
        QStringList russian;
        for (const ShownText& text : std::as_const(texts))
            if (HasCyrillic(text.text) && !NamesItsOwnLanguage(text))
                russian.append(text.path + QStringLiteral(" = ") + text.text);
        for (const QString& line : std::as_const(russian))
            qWarning("Russian in English: %s", qPrintable(line));
        QVERIFY2(russian.isEmpty(), "texts shown in Russian, listed above");
        QVERIFY(texts.size() > 300);
    }

    void languageItemsRememberTheChoice() {
        ScriptedPrompts prompts;
        TForm1 form;
        QMenu* languages = form.menuBar()->findChild<QMenu*>(QStringLiteral("Menu_LANGUAGE_"));
        QVERIFY(languages);
        // The menu opens from the bar's corner.
        auto* opener = qobject_cast<QToolButton*>(form.menuBar()->cornerWidget());
        QVERIFY(opener && opener->menu());
        QCOMPARE(opener->menu()->objectName(), QStringLiteral("Menu_VIEW_"));
        QCOMPARE(opener->menu()->actions(), QList<QAction*>{languages->menuAction()});
        QAction* russian = MenuItem(form, "MenuItem_LANGRU_");
        QAction* english = MenuItem(form, "MenuItem_LANGEN_");
        QCOMPARE(languages->actions(), (QList<QAction*>{russian, english}));
        QCOMPARE(russian->text(), QStringLiteral("Русский"));
        QCOMPARE(english->text(), QStringLiteral("English"));
        QVERIFY(russian->isChecked() && !english->isChecked());
        QVERIFY(english->actionGroup() && english->actionGroup()->isExclusive());

        english->trigger();
        QVERIFY(english->isChecked() && !russian->isChecked());
        QSettings settings;
        QCOMPARE(RememberedLanguage(settings), QStringLiteral("en"));
        QCOMPARE(
            prompts.messageTexts(),
            QStringList{QStringLiteral("Язык будет изменён при следующем запуске программы.")});
        QCOMPARE(StartLanguage({}, {}, settings), std::optional(Language::English));
        // Choosing the language already shown asks nothing.
        russian->trigger();
        QCOMPARE(RememberedLanguage(settings), QStringLiteral("ru"));
        QCOMPARE(prompts.shown.size(), 1);
    }

    void startLanguage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("started"); // a language code, or empty when refused
        QTest::newRow("remembered") << QStringList() << QString() << "en"
                                    << "en";
        QTest::newRow("variable over remembered") << QStringList() << "ru"
                                                  << "en"
                                                  << "ru";
        QTest::newRow("--lang over both") << QStringList{"--demo", "--lang", "en"} << "ru"
                                          << "ru"
                                          << "en";
        QTest::newRow("--lang=") << QStringList{"--lang=ru"} << "en"
                                 << "en"
                                 << "ru";
        QTest::newRow("unknown variable") << QStringList() << "de"
                                          << "en"
                                          << "en";
        QTest::newRow("nothing") << QStringList() << QString() << QString() << "ru";
        QTest::newRow("unknown --lang refused") << QStringList{"--lang", "de"} << "en"
                                                << "en" << QString();
    }
    void startLanguage() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, variable);
        QFETCH(QString, remembered);
        QFETCH(QString, started);
        QSettings settings;
        if (const std::optional<Language> language = LanguageFromCode(remembered))
            RememberLanguage(settings, *language);
        const std::optional<Language> language = StartLanguage(arguments, variable, settings);
        QCOMPARE(language ? LanguageCode(*language) : QString(), started);
    }

    // Qt's own boxes and dialogs, as the window shows them, read Russian in Russian.
    void russianStandardButtons_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("question") << 0 << QStringList{"Да", "Нет"};
        QTest::newRow("open") << 1 << QStringList{"Открыть", "Отмена"};
        QTest::newRow("save") << 2 << QStringList{"Отмена", "Сохранить"};
    }
    void russianStandardButtons() {
        QFETCH(int, kind);
        QFETCH(QStringList, captions);
        QString error;
        QVERIFY2(InstallLanguage(Language::Russian, &error), qPrintable(error));
        QWidget window;
        QFileDialog open(&window), save(&window);
        open.setAcceptMode(QFileDialog::AcceptOpen);
        save.setAcceptMode(QFileDialog::AcceptSave);
        QtPrompts prompts(&window, &open, &save);
        const QString folder = settingsDir.path();
        const QString filter = QStringLiteral("Все файлы|*.*");
        const std::function<void()> show[] = {
            [&] {
                prompts.Message(QStringLiteral("?"), QStringLiteral("Вопрос"),
                                Prompts::Buttons::YesNo, Prompts::Icon::Question);
            },
            [&] { prompts.OpenFile(folder, filter, {}); },
            [&] { prompts.SaveFile(folder, filter, QStringLiteral("a.csv")); },
        };
        QCOMPARE(ButtonCaptionsOfNextModal(show[kind]), captions);
    }

    // The help answers without a window, in the chosen language; an unknown one is refused.
    void commandLineLanguage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected"); // in the output
        QTest::addColumn<bool>("russian");     // whether the output holds Russian
        QTest::newRow("english help")
            << QStringList{"--lang", "en", "--help"} << 0 << "--lang <ru|en>" << false;
        QTest::newRow("russian help")
            << QStringList{"--help", "--lang=ru"} << 0 << "Язык окна: ru или en." << true;
        QTest::newRow("unknown language")
            << QStringList{"--lang", "xx", "--help"} << 2 << "«xx»" << true;
        QTest::newRow("unknown language, no help")
            << QStringList{"--lang", "xx"} << 2 << "velmora:" << true;
    }
    void commandLineLanguage() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        QFETCH(bool, russian);
        const QString program = qEnvironmentVariable("VELMORA_BINARY");
        if (program.isEmpty())
            QSKIP("VELMORA_BINARY names no program (ctest sets it)");
        QProcess velmora;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("VELMORA_LANG"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settingsDir.path());
        velmora.setProcessEnvironment(environment);
        velmora.start(program, arguments);
        QVERIFY(velmora.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(velmora.readAllStandardOutput() +
                                                      velmora.readAllStandardError());
        QCOMPARE(velmora.exitCode(), exitCode);
        QVERIFY2(output.contains(expected), qPrintable(output));
        QCOMPARE(HasCyrillic(output), russian);
    }

private:
    QTemporaryDir settingsDir;
};

QTEST_MAIN(TestWindowLanguage)
#include "test_window_language.moc"
