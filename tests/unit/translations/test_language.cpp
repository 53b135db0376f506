#include "language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choice_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<bool>("english");
        QTest::newRow("nothing chosen") << "" << "" << "" << false;
        QTest::newRow("remembered") << "" << "" << "en" << true;
        QTest::newRow("variable over remembered") << "" << "ru" << "en" << false;
        QTest::newRow("option over all") << "en" << "ru" << "ru" << true;
        QTest::newRow("region and case") << "EN_us" << "" << "" << true;
        QTest::newRow("unknown option falls through") << "de" << "en" << "" << true;
        QTest::newRow("unknown everywhere") << "de" << "fr" << "x" << false;
    }
    void choice() {
        QFETCH(QString, option);
        QFETCH(QString, variable);
        QFETCH(QString, remembered);
        QFETCH(bool, english);
        QCOMPARE(ChooseLanguage({option, variable, remembered}) == Language::English, english);
    }

    void option_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("value");
        QTest::newRow("separate") << QStringList{"read", "--lang", "en"} << "en";
        QTest::newRow("joined") << QStringList{"--lang=ru", "read"} << "ru";
        QTest::newRow("missing value") << QStringList{"--lang"} << "";
        QTest::newRow("absent") << QStringList{"read", "--port", "x"} << "";
    }
    void option() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, value);
        QCOMPARE(LanguageOption(arguments), value);
    }

    void rememberedChoiceReadsBack() {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("v.conf"), QSettings::IniFormat);
        QCOMPARE(RememberedLanguage(settings), QString());
        RememberLanguage(settings, Language::English);
        QCOMPARE(ChooseLanguage({{}, {}, RememberedLanguage(settings)}), Language::English);
    }

    // Each language replaces the texts of the one before: the program's English, Qt's Russian.
    void installedTranslations() {
        const char* programText = "Не найден английский перевод программы";
        QVERIFY(InstallLanguage(Language::English));
        QCOMPARE(QCoreApplication::translate("Language", programText),
                 QStringLiteral("The program's English translation was not found"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

        QString error;
        QVERIFY2(InstallLanguage(Language::Russian, &error), qPrintable(error));
        QCOMPARE(InstalledLanguage(), Language::Russian);
        QCOMPARE(QCoreApplication::translate("Language", programText), QString::fromUtf8(programText));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
