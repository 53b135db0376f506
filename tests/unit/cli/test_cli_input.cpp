#include "cli_arguments.h"
#include "connection_options.h"
#include "settings_file.h"
#include "table_file.h"
#include "text_file.h"

#include <QLocale>
#include <QTemporaryFile>
#include <QTest>

Q_DECLARE_METATYPE(SettingsTable)

// What the command line and a settings file must be before anything is sent.
class TestCliInput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void arguments_data();
    void arguments();
    void connection_data();
    void connection();
    void settings_file_data();
    void settings_file();
    void settings_file_of_another_locale_data();
    void settings_file_of_another_locale();
};

void TestCliInput::arguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("options"); // name=value pairs, sorted
    QTest::addColumn<QString>("error");
    QTest::newRow("value after a blank and after =")
        << QStringList{"read", "--port", "/dev/x", "--baud=9600"} << QStringList{"read"}
        << "baud=9600 port=/dev/x"
        << "";
    QTest::newRow("negative number is a word")
        << QStringList{"command", "calibrate", "-200", "--fast"}
        << QStringList{"command", "calibrate", "-200"} << "fast="
        << "";
    QTest::newRow("-- ends the options") << QStringList{"settings", "load", "--", "--yes"}
                                         << QStringList{"settings", "load", "--yes"} << ""
                                         << "";
    QTest::newRow("-h is the help") << QStringList{"-h"} << QStringList{} << "help="
                                    << "";
    QTest::newRow("unknown option")
        << QStringList{"read", "--prot", "x"} << QStringList{"read"} << ""
        << "Неизвестный параметр --prot";
    QTest::newRow("missing value") << QStringList{"read", "--port"} << QStringList{"read"} << ""
                                   << "Параметру --port нужно значение ПОРТ";
    QTest::newRow("given twice") << QStringList{"--yes", "--yes"} << QStringList{} << "yes="
                                 << "Параметр --yes задан дважды";
    QTest::newRow("flag with a value") << QStringList{"--yes=no"} << QStringList{} << "yes="
                                       << "Параметр --yes не принимает значения";
}

void TestCliInput::arguments() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, words);
    QFETCH(QString, options);
    QFETCH(QString, error);
    const CliCall call = ParseArguments(arguments);
    QCOMPARE(call.error, error);
    QCOMPARE(call.words, words);
    QStringList pairs;
    for (auto it = call.options.cbegin(); it != call.options.cend(); ++it)
        pairs.append(it.key() + QLatin1Char('=') + it.value());
    pairs.sort();
    QCOMPARE(pairs.join(QLatin1Char(' ')), options);
}

void TestCliInput::connection_data() {
    QTest::addColumn<QStringList>("arguments"); // "PORT" stands for a path that exists
    QTest::addColumn<int>("baudIndex");
    QTest::addColumn<int>("formatIndex");
    QTest::addColumn<QString>("error");
    QTest::newRow("the dialog's defaults") << QStringList{"--port", "PORT"} << 4 << 0 << "";
    QTest::newRow("rate and format")
        << QStringList{"--port", "PORT", "--baud", "9600", "--format", "8o1"} << 0 << 2 << "";
    QTest::newRow("no port") << QStringList{} << 0 << 0
                             << "Не задан порт: укажите --port (список портов: velmora-cli ports)";
    // Not a mistake of the command line: the port does not open (exit code 1, not 2).
    QTest::newRow("port not present")
        << QStringList{"--port", "/nonexistent/ttyUSB9"} << 4 << 0 << "";
    QTest::newRow("rate not offered")
        << QStringList{"--port", "PORT", "--baud", "4800"} << 0 << 0
        << "--baud: скорость должна быть одной из 9600, 19200, 38400, 57600, 115200, задано "
           "\"4800\"";
    QTest::newRow("format not offered")
        << QStringList{"--port", "PORT", "--format", "7N1"} << 0 << 0
        << "--format: формат должен быть одним из 8N1, 8E1, 8O1, задано \"7N1\"";
    QTest::newRow("address beyond a byte")
        << QStringList{"--port", "PORT", "--address", "256"} << 0 << 0
        << "--address: Адрес должен быть в диапазоне от 0 до 255!";
    QTest::newRow("address not a number")
        << QStringList{"--port", "PORT", "--address", "0x10"} << 0 << 0
        << "--address: Введите адрес десятичным числом от 0 до 255!";
}

void TestCliInput::connection() {
    QFETCH(QStringList, arguments);
    QFETCH(int, baudIndex);
    QFETCH(int, formatIndex);
    QFETCH(QString, error);
    QTemporaryFile port;
    QVERIFY(port.open());
    arguments.replaceInStrings(QStringLiteral("PORT"), port.fileName());
    QString refusal;
    const std::optional<ConnectionSettings> settings =
        ConnectionFrom(ParseArguments(arguments), &refusal);
    QCOMPARE(refusal, error);
    QCOMPARE(settings.has_value(), error.isEmpty());
    if (!settings)
        return;
    QCOMPARE(settings->baudIndex, baudIndex);
    QCOMPARE(settings->formatIndex, formatIndex);
    QCOMPARE(settings->addressText, QStringLiteral("238"));
}

void TestCliInput::settings_file_data() {
    QTest::addColumn<SettingsTable>("table");
    QTest::addColumn<bool>("scaled");
    QTest::addColumn<int>("line");        // the line replaced (0-based), -1 for none
    QTest::addColumn<QString>("replace"); // its new text; empty removes it
    QTest::addColumn<QString>("error");
    const auto C = SettingsTable::Charge;
    QTest::newRow("charge, scaled") << C << true << -1 << ""
                                    << "";
    QTest::newRow("alarm, raw") << SettingsTable::Alarm << false << -1 << ""
                                << "";
    QTest::newRow("communication") << SettingsTable::Comm << false << -1 << ""
                                   << "";
    QTest::newRow("another table's first row")
        << C << true << 1 << "1,Design_Capacity,100,А*ч"
        << "Строка 2: нет первого регистра таблицы настроек связи (RS485_Address), аварий "
           "(COV_Threshold) или заряда (CF_Voltage)";
    QTest::newRow("row out of order")
        << C << true << 3 << "3,CF_Time,1,ч"
        << "Строка 4: ожидается регистр «OVCF_Time», в файле «CF_Time»";
    QTest::newRow("row missing") << C << true << 33 << ""
                                 << "В файле 33 строк, у таблицы с заголовком их 34";
    QTest::newRow("extra row") << C << true << 34 << "34,Extra,1,"
                               << "Строка 35: лишняя строка после регистра «Balance_Resistor»";
    QTest::newRow("units of both views")
        << C << true << 2 << "2,CF_Voltage_Tolerance,20,мВ"
        << "Строка 2 и Строка 3: единицы измерения из разных видов значений";
    QTest::newRow("unit of neither view") << C << false << 1 << "1,CF_Voltage,3400,V"
                                          << "Строка 2: единица «V» не «В» и не «мВ»";
    QTest::newRow("value in the other view's notation")
        << C << false << 1 << "1,CF_Voltage,\"3,4\",мВ"
        << "Строка 2 (CF_Voltage): '3,4' is not a valid integer value";
    QTest::newRow("value beyond its register") << C << true << 1 << "1,CF_Voltage,70,В"
                                               << "Строка 2 (CF_Voltage): ";
    QTest::newRow("baud-rate code the link cannot use")
        << SettingsTable::Comm << false << 2 << "2,RS485_Baudrate,7,"
        << "Строка 3 (RS485_Baudrate): Значение должно быть от 0 до 4!";
    QTest::newRow("address the link cannot use")
        << SettingsTable::Comm << false << 1 << "1,RS485_Address,0,"
        << "Строка 2 (RS485_Address): Значение должно быть от 1 до 247!";
}

void TestCliInput::settings_file() {
    QFETCH(SettingsTable, table);
    QFETCH(bool, scaled);
    QFETCH(int, line);
    QFETCH(QString, replace);
    QFETCH(QString, error);
    // The file the window saves of a controller with plausible settings.
    RegisterImage image;
    std::span<quint16> block = SettingsTableBlock(table, image);
    block[0] = table == SettingsTable::Comm ? 238 : 3400;
    block[1] = table == SettingsTable::Comm ? 4 : 20;
    QStringList lines = DecodeLines(
        TableFileBytes(SettingsTableCells(table, SettingsTableBlock(table, image), scaled)));
    if (line >= lines.size())
        lines.append(replace);
    else if (line >= 0 && replace.isEmpty())
        lines.removeAt(line);
    else if (line >= 0)
        lines[line] = replace;

    const SettingsFileRead read = ParseSettingsFile(lines);
    QVERIFY2(error.isEmpty() ? read.error.isEmpty() : read.error.startsWith(error),
             qPrintable(read.error));
    QCOMPARE(read.file.has_value(), error.isEmpty());
    if (!read.file)
        return;
    QCOMPARE(read.file->table, table);
    QCOMPARE(read.file->scaledUnits, scaled);
    RegisterImage stored;
    StoreSettingsFile(*read.file, stored);
    QVERIFY(ChangedRows(table, image, stored).isEmpty());
}

// A file the window saved under one locale loads under the other with the same values.
void TestCliInput::settings_file_of_another_locale_data() {
    QTest::addColumn<QLocale>("saved");
    QTest::addColumn<QLocale>("loaded");
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QTest::newRow("Russian file under C") << russian << QLocale::c();
    QTest::newRow("C file in Russian") << QLocale::c() << russian;
}

void TestCliInput::settings_file_of_another_locale() {
    QFETCH(QLocale, saved);
    QFETCH(QLocale, loaded);
    RegisterImage image;
    std::span<quint16> block = SettingsTableBlock(SettingsTable::Charge, image);
    block[0] = 3600;
    block[1] = 25;
    QLocale::setDefault(saved);
    const QStringList lines = DecodeLines(
        TableFileBytes(SettingsTableCells(SettingsTable::Charge, block, true)));
    QLocale::setDefault(loaded);
    const SettingsFileRead read = ParseSettingsFile(lines);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QVERIFY2(read.file, qPrintable(read.error));
    RegisterImage stored;
    StoreSettingsFile(*read.file, stored);
    QVERIFY(ChangedRows(SettingsTable::Charge, image, stored).isEmpty());
}

QTEST_GUILESS_MAIN(TestCliInput)
#include "test_cli_input.moc"
