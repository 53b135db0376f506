#include "cli_process.h"
#include "language.h"
#include "simulated_controller.h"
#include "status_map.h"
#include "subcommands.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// velmora-cli in Russian and in English: which language each source picks, what the help and the
// refusals say in it, and that what scripts read does not change with it.
class TestCliLanguages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { InstallLanguage(Language::Russian); }

    void help_and_refusals_data();
    void help_and_refusals();
    void machine_output_is_the_same_data();
    void machine_output_is_the_same();

private:
    QString russianHelp, englishHelp;
    QTemporaryDir dir;
    QString remembersEnglish; // a settings folder in which the window chose English
};

namespace {

const QRegularExpression Cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The status rows of `read --json` but the controller's clock, which runs on between two reads.
QByteArray WithoutClock(const QByteArray& json) {
    const auto clock =
        std::find_if(StatusRegisters.begin(), StatusRegisters.end(),
                     [](const StatusRegister& r) { return r.special == StatusSpecial::Clock; });
    QJsonArray rows = QJsonDocument::fromJson(json).array();
    for (qsizetype i = rows.size() - 1; i >= 0; --i)
        if (rows[i].toObject()[QStringLiteral("mnemonic")].toString() == clock->mnemonic)
            rows.removeAt(i);
    return rows.isEmpty() ? QByteArray() : QJsonDocument(rows).toJson();
}

} // namespace

void TestCliLanguages::initTestCase() {
    russianHelp = HelpText() + QLatin1Char('\n');
    QVERIFY(InstallLanguage(Language::English));
    englishHelp = HelpText() + QLatin1Char('\n');
    InstallLanguage(Language::Russian);
    remembersEnglish = dir.filePath(QStringLiteral("config"));
    QSettings window(remembersEnglish + QStringLiteral("/Velmora/Velmora.conf"),
                     QSettings::IniFormat);
    RememberLanguage(window, Language::English);
}

void TestCliLanguages::help_and_refusals_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("variable"); // VELMORA_LANG, unset when empty
    QTest::addColumn<bool>("remembered");  // the window chose English
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("said"); // standard error; standard output is the help or empty
    const QStringList help = {"--help"};
    QTest::newRow("help") << help << "" << false << false << 0 << "";
    QTest::newRow("help --lang en")
        << help + QStringList{"--lang", "en"} << "" << false << true << 0 << "";
    QTest::newRow("help VELMORA_LANG") << help << "en" << false << true << 0 << "";
    QTest::newRow("help remembered") << QStringList{"-h"} << "" << true << true << 0 << "";
    QTest::newRow("option over variable")
        << help + QStringList{"--lang=ru"} << "en" << false << false << 0 << "";
    QTest::newRow("variable over remembered") << help << "ru" << true << false << 0 << "";
    QTest::newRow("unknown option")
        << QStringList{"read", "--bogus"} << "" << false << false << 2
        << "Неизвестный параметр --bogus\nСправка: velmora-cli --help\n";
    QTest::newRow("unknown option in English")
        << QStringList{"read", "--bogus", "--lang", "en"} << "" << false << true << 2
        << "Unknown option --bogus\nHelp: velmora-cli --help\n";
    QTest::newRow("bad baud rate")
        << QStringList{"read", "--port", "x", "--baud", "1"} << "" << false << false << 2
        << "--baud: скорость должна быть одной из 9600, 19200, 38400, 57600, 115200, задано \"1\"\n"
           "Использование: velmora-cli read --port ПОРТ [--cells] [--raw] [--mnemonics] "
           "[--csv|--json] [--save ФАЙЛ]\n";
    QTest::newRow("bad baud rate in English")
        << QStringList{"read", "--port", "x", "--baud", "1"} << "en" << false << true << 2
        << "--baud: the baud rate must be one of 9600, 19200, 38400, 57600, 115200, given \"1\"\n"
           "Usage: velmora-cli read --port PORT [--cells] [--raw] [--mnemonics] [--csv|--json] "
           "[--save FILE]\n";
    // A language the tool does not have: said in the language of the other sources.
    QTest::newRow("unknown language")
        << QStringList{"ports", "--lang", "de"} << "" << false << false << 2
        << "--lang: нужен язык ru или en, задано \"de\"\n"
           "Справка: velmora-cli --help\n";
    QTest::newRow("unknown language in English")
        << QStringList{"--help", "--lang", "de"} << "en" << false << true << 2
        << "--lang: the language ru or en is needed, given \"de\"\nHelp: velmora-cli --help\n";
}

void TestCliLanguages::help_and_refusals() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, variable);
    QFETCH(bool, remembered);
    QFETCH(bool, english);
    QFETCH(int, code);
    QFETCH(QString, said);
    QProcessEnvironment variables;
    if (!variable.isEmpty())
        variables.insert(QStringLiteral("VELMORA_LANG"), variable);
    if (remembered)
        variables.insert(QStringLiteral("XDG_CONFIG_HOME"), remembersEnglish);
    const CliResult result = RunVelmoraCli(arguments, {}, variables);
    QCOMPARE(result.code, code);
    QCOMPARE(result.err, said);
    const bool helped = code == 0;
    QCOMPARE(result.out, helped ? (english ? englishHelp : russianHelp) : QString());
    if (english)
        QVERIFY2(!(result.out + result.err).contains(Cyrillic),
                 qPrintable(result.out + result.err));
}

void TestCliLanguages::machine_output_is_the_same_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("saved");   // the output is the file named last, not standard output
    QTest::addColumn<bool>("ticking"); // status rows with the running clock, which is left out
    QTest::newRow("read --json") << QStringList{"read", "--json"} << false << true;
    QTest::newRow("read --cells --json")
        << QStringList{"read", "--cells", "--json"} << false << false;
    QTest::newRow("read --cells --csv")
        << QStringList{"read", "--cells", "--csv"} << false << false;
    QTest::newRow("journal") << QStringList{"journal"} << false << false;
    QTest::newRow("journal --json") << QStringList{"journal", "--json"} << false << false;
    QTest::newRow("settings save")
        << QStringList{"settings", "save", "--table", "alarm", "--scaled"} << true << false;
}

// The simulated controller keeps its values (it is not animated), so two reads give the same
// bytes unless the language changes them.
void TestCliLanguages::machine_output_is_the_same() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, saved);
    QFETCH(bool, ticking);
    SimulatedController sim;
    QString error;
    QVERIFY2(sim.start(&error), qPrintable(error));
    QList<QByteArray> outputs;
    for (const QString& language : {QStringLiteral("ru"), QStringLiteral("en")}) {
        const QString file = dir.filePath(language + QStringLiteral(".csv"));
        QStringList line = arguments;
        if (saved)
            line << file;
        line << QStringLiteral("--port") << sim.masterPortName() << QStringLiteral("--lang")
             << language;
        const CliResult result = RunVelmoraCli(line);
        QVERIFY2(result.code == 0, qPrintable(result.err));
        const QByteArray output = saved ? FileBytes(file) : result.out.toUtf8();
        outputs.append(ticking ? WithoutClock(output) : output);
    }
    QVERIFY(!outputs[0].isEmpty());
    QCOMPARE(outputs[1], outputs[0]);
}

QTEST_GUILESS_MAIN(TestCliLanguages)
#include "test_cli_languages.moc"
