#include "bootloader_model.h"
#include "cli_process.h"
#include "command_block.h"
#include "cut_image.h"
#include "modbus_frames.h"
#include "monitor_log_reader.h"
#include "register_image.h"
#include "simulated_controller.h"
#include "status_map.h"
#include "table_file.h"
#include "table_output.h"
#include "table_texts.h"
#include "text_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

Q_DECLARE_METATYPE(FaultKind)
Q_DECLARE_METATYPE(CommandCode)

// velmora-cli against the simulated controller: what reaches the controller, what is printed and
// which exit code comes back.
class TestCliOnSim : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init();
    void cleanup() { sim.reset(); }

    void outcomes_data();
    void outcomes();
    void read_shows_the_window_texts_data();
    void read_shows_the_window_texts();
    void read_as_json_parses();
    void journal_newest_first_as_the_page_and_its_file();
    void commands_reach_the_mailbox_data();
    void commands_reach_the_mailbox();
    void clock_is_read();
    void settings_load_asks_writes_and_checks();
    void poll_log_opens_in_the_graph();
    void flash_updates_the_firmware();
    void flash_exit_codes_data();
    void flash_exit_codes();
    void flash_interrupted();

private:
    CliResult Cli(QStringList arguments, const QByteArray& input = {}) const {
        arguments << QStringLiteral("--port") << sim->portPath();
        return RunVelmoraCli(arguments, input);
    }
    QList<quint16> Registers(quint16 first, int count) const {
        return sim->registerValues(first, count);
    }
    // The writes the controller received (function 16).
    QList<QByteArray> Writes() const;
    // An image whose checksum does not hold.
    static QString BadImage();
    // The image in a file of its own.
    static QString ImageFile(const QByteArray& image);

    std::unique_ptr<SimulatedController> sim;
    QTemporaryDir dir;
};

void TestCliOnSim::init() {
    sim = std::make_unique<SimulatedController>();
    QString error;
    QVERIFY2(sim->start(&error), qPrintable(error));
}

QList<QByteArray> TestCliOnSim::Writes() const {
    QList<QByteArray> writes;
    for (const QByteArray& frame : sim->receivedFrames())
        if (frame.size() > 1 && quint8(frame[1]) == FunctionWriteMultiple)
            writes.append(frame);
    return writes;
}

void TestCliOnSim::outcomes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<FaultKind>("fault"); // Delay stands for none
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("sent");
    const FaultKind none = FaultKind::Delay;
    QTest::newRow("read") << QStringList{"read"} << none << 0 << "" << true;
    QTest::newRow("read unanswered") << QStringList{"read"} << FaultKind::NoReply << 1
                                     << "Чтение регистров с 0x0000: Нет ответа" << true;
    QTest::newRow("read with a bad CRC")
        << QStringList{"read"} << FaultKind::BadCrc << 1 << "Ошибка CRC ответа" << true;
    QTest::newRow("journal refused")
        << QStringList{"journal"} << FaultKind::Exception << 3
        << "Чтение регистров с 0x7400: Ответ с ошибкой: " + ExceptionText(4) << true;
    QTest::newRow("command refused") << QStringList{"command", "soc", "1000"}
                                     << FaultKind::Exception << 3 << ExceptionText(4) << true;
    QTest::newRow("command unanswered") << QStringList{"command", "clear-journal"}
                                        << FaultKind::NoReply << 1 << "Нет ответа" << true;
    QTest::newRow("entry not a number") << QStringList{"command", "fcc", "abc"} << none << 2
                                        << "Введите десятичное число от 1 до 10000000!" << false;
    QTest::newRow("address not a number") << QStringList{"read", "--address", "x1"} << none << 2
                                          << "--address: Введите адрес" << false;
    QTest::newRow("settings file missing")
        << QStringList{"settings", "load", "/nonexistent/x.csv"} << none << 4 << "x.csv" << false;
    QTest::newRow("log in a missing folder")
        << QStringList{"poll", "--log", "/nonexistent/log.csv"} << none << 4
        << "Файл /nonexistent/log.csv не записать: нет папки /nonexistent" << false;
    QTest::newRow("period out of range") << QStringList{"poll", "--period", "0,1"} << none << 2
                                         << "--period: нужно число секунд от 0,25 до 600" << false;
    QTest::newRow("option of another command")
        << QStringList{"journal", "--yes"} << none << 2
        << "Параметр --yes не относится к команде journal" << false;
    QTest::newRow("no such date") << QStringList{"command", "clock", "30.02.2024", "10:00:00"}
                                  << none << 2 << "Нет такой даты или времени" << false;
    QTest::newRow("image missing") << QStringList{"flash", "/nonexistent/image.bin"} << none << 4
                                   << "/nonexistent/image.bin" << false;
    // A damaged image never reaches the controller; the refusal is also an error.
    QTest::newRow("image damaged") << QStringList{"flash", BadImage()} << none << 2
                                   << "Контрольная сумма файла не верна!" << false;
    QTest::newRow("image cut short")
        << QStringList{"flash", ImageFile(CutImageThatChecks())} << none << 2
        << "повторите с --allow-unaligned" << false;
    QTest::newRow("image a device")
        << QStringList{"flash", "/dev/zero"} << none << 4 << "это не обычный файл" << false;
}

QString TestCliOnSim::ImageFile(const QByteArray& image) {
    static QTemporaryDir images;
    static int made = 0;
    const QString path = images.filePath(QStringLiteral("image%1.bin").arg(++made));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(image);
    return path;
}

QString TestCliOnSim::BadImage() {
    return ImageFile(QByteArray(100, 'x'));
}

// The automatic update from the application to the restart, on the simulated bootloader: every
// line of the window's log on standard output, the progress on one line of standard error.
void TestCliOnSim::flash_updates_the_firmware() {
    SimulatedControllerOptions options;
    options.bootTiming = {100, 100};
    sim = std::make_unique<SimulatedController>(options);
    QVERIFY(sim->start());
    const QByteArray image = DemoImage(2000);
    const CliResult result = Cli({"flash", ImageFile(image)});
    QCOMPARE(result.code, 0);
    const QStringList lines = result.out.split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(0, 4),
             (QStringList{" ", "Размер файла: 2000 байт.", " ", "---Старт обновления ПО.---"}));
    QCOMPARE(lines.filter(QStringLiteral("Принят пакет №")).size(), 9);
    QCOMPARE(lines.mid(lines.size() - 4),
             (QStringList{"Программа успешно записана!", "---Обновление ПО завершено!---",
                          "Версия ПО контроллера после перезапуска: 1.206", ""}));
    // One line: the updates overwrite each other, the last names the last packet.
    QCOMPARE(result.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(result.err.startsWith(QLatin1Char('\r')), qPrintable(result.err));
    QVERIFY(result.err.endsWith(QStringLiteral("(принят №8), осталось 0:00\n")));
    QCOMPARE(sim->programmedImage(), image);
}

// The exit code tells how the update ended.
void TestCliOnSim::flash_exit_codes_data() {
    QTest::addColumn<quint16>("flashFree");
    QTest::addColumn<int>("restartMs");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("last");
    QTest::newRow("too little flash: refused")
        << quint16(1) << 100 << 3 << "Недостаточно свободной памяти микроконтроллера!";
    // The post-check after an accepted finish failed: no success.
    QTest::newRow("still in the bootloader")
        << quint16(248) << (1 << 30) << 1
        << "Контроллер остался в загрузчике: основная программа не запустилась.";
}

void TestCliOnSim::flash_exit_codes() {
    QFETCH(quint16, flashFree);
    QFETCH(int, restartMs);
    QFETCH(int, code);
    QFETCH(QString, last);
    SimulatedControllerOptions options;
    options.bootTiming = {100, restartMs};
    sim = std::make_unique<SimulatedController>(options);
    QVERIFY(sim->start());
    sim->setFlashFree(flashFree);
    const CliResult result = Cli({"flash", ImageFile(DemoImage(2000))});
    QCOMPARE(result.code, code);
    QCOMPARE(result.out.trimmed().split(QLatin1Char('\n')).last(), last);
}

// Ctrl+C during the transfer stops it before the next packet and says what the controller holds.
void TestCliOnSim::flash_interrupted() {
    SimulatedControllerOptions options;
    options.bootTiming = {100, 100, 200};
    sim = std::make_unique<SimulatedController>(options);
    QVERIFY(sim->start());
    QProcess cli;
    cli.start(QStringLiteral(VELMORA_CLI_PATH),
              {"flash", ImageFile(DemoImage(4000)), "--port", sim->portPath()});
    QVERIFY(cli.waitForStarted(10000));
    QString out;
    while (!out.contains(QStringLiteral("Принят пакет №1")) && cli.waitForReadyRead(10000))
        out += QString::fromUtf8(cli.readAllStandardOutput());
    ::kill(pid_t(cli.processId()), SIGINT);
    QVERIFY(cli.waitForFinished(10000));
    out += QString::fromUtf8(cli.readAllStandardOutput());
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 1);
    const QStringList lines = out.trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(lines.size() - 2),
             (QStringList{"Обновление прервано оператором.",
                          "В контроллере нет действующей программы: управление остаётся у "
                          "загрузчика, запустите обновление снова."}));
    QVERIFY(sim->receivedFrames().last().at(1) == char(0x21));
}

void TestCliOnSim::outcomes() {
    QFETCH(QStringList, arguments);
    QFETCH(FaultKind, fault);
    QFETCH(int, code);
    QFETCH(QString, said);
    QFETCH(bool, sent);
    if (fault != FaultKind::Delay)
        sim->injectFault({fault}, PersistentFault);
    const CliResult result = Cli(arguments);
    QCOMPARE(result.code, code);
    QVERIFY2(result.err.contains(said), qPrintable(result.err));
    QCOMPARE(!sim->receivedFrames().isEmpty(), sent);
}

void TestCliOnSim::read_shows_the_window_texts_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("russianNames");
    QTest::addColumn<bool>("scaled");
    QTest::newRow("names and units") << QStringList{"--csv"} << true << true;
    QTest::newRow("mnemonics and registers")
        << QStringList{"--csv", "--raw", "--mnemonics"} << false << false;
}

void TestCliOnSim::read_shows_the_window_texts() {
    QFETCH(QStringList, options);
    QFETCH(bool, russianNames);
    QFETCH(bool, scaled);
    const QString file = dir.filePath(QStringLiteral("info_data.csv"));
    const CliResult result = Cli(QStringList{"read", "--save", file} + options);
    QCOMPARE(result.code, 0);
    const QList<quint16> words = Registers(0, 50);
    const QList<QStringList> cells = StatusTableCells(words, russianNames, scaled);
    // The clock row has moved on since the reply.
    QStringList printed = result.out.trimmed().split(QLatin1Char('\n'));
    QStringList expected = CsvText(cells).split(QLatin1Char('\n'));
    QCOMPARE(printed.size(), expected.size());
    QCOMPARE(printed.mid(0, 35), expected.mid(0, 35));
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(TableFromLines(DecodeLines(saved.readAll()), 4).mid(0, 35), cells.mid(0, 35));
}

void TestCliOnSim::read_as_json_parses() {
    const CliResult result = Cli({"read", "--json", "--locale", "C"});
    QCOMPARE(result.code, 0);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(result.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonArray rows = json.array();
    QCOMPARE(rows.size(), StatusRowCount);
    const QList<quint16> words = Registers(0, 50);
    for (const StatusRegister& r : StatusRegisters) {
        if (r.special == StatusSpecial::Clock)
            continue;
        const QJsonObject row = rows[r.row - 1].toObject();
        QCOMPARE(row[QStringLiteral("mnemonic")].toString(), r.mnemonic.toString());
        QCOMPARE(row[QStringLiteral("name")].toString(), r.russianName.toString());
        QCOMPARE(qint64(row[QStringLiteral("raw")].toDouble()), FieldValue(words, r.field));
        QLocale::setDefault(QLocale::c());
        const RowTexts texts = StatusRowTexts(r, words, true, true);
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QCOMPARE(row[QStringLiteral("value")].toString(), texts.value);
        QCOMPARE(row[QStringLiteral("unit")].toString(), texts.unit);
    }
}

void TestCliOnSim::journal_newest_first_as_the_page_and_its_file() {
    // Wrapped past the end of the ring, so that the newest come from its start.
    sim->preloadJournal(900);
    const QString file = dir.filePath(QStringLiteral("alarm_data.csv"));
    const CliResult result = Cli({"journal", "--save", file});
    QCOMPARE(result.code, 0);
    const std::optional<QList<JournalRow>> rows =
        JournalRows(Registers(JournalBlockStart, JournalBlockWords));
    QVERIFY(rows);
    const QList<QStringList> cells = JournalTableCells(*rows);
    QCOMPARE(result.out, CsvText(cells) + QLatin1Char('\n'));
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), TableFileBytes(cells));
}

void TestCliOnSim::commands_reach_the_mailbox_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandCode>("code");
    QTest::addColumn<quint32>("parameter");
    QTest::newRow("zero calibration")
        << QStringList{"calibrate-zero"} << CommandCode::CalibrateCurrent << 0u;
    QTest::newRow("calibration with a negative current")
        << QStringList{"calibrate", "-200"} << CommandCode::CalibrateCurrent << quint32(-200);
    QTest::newRow("state of charge")
        << QStringList{"soc", "100000"} << CommandCode::SetStateOfCharge << 100000u;
    QTest::newRow("full charge capacity")
        << QStringList{"fcc", "98000"} << CommandCode::SetFullChargeCapacity << 98000u;
    QTest::newRow("cycle count") << QStringList{"cycles", "12"} << CommandCode::SetCycleCount
                                 << 12u;
    QTest::newRow("journal cleared")
        << QStringList{"clear-journal"} << CommandCode::ClearJournal << 0u;
    QTest::newRow("clock as one word")
        << QStringList{"clock", "01.01.2001 12:00:00"} << CommandCode::SetClock << 31665600u;
}

void TestCliOnSim::commands_reach_the_mailbox() {
    QFETCH(QStringList, arguments);
    QFETCH(CommandCode, code);
    QFETCH(quint32, parameter);
    const CliResult result = Cli(QStringList{"command"} + arguments);
    QCOMPARE(result.code, 0);
    QVERIFY2(result.err.contains(QStringLiteral("Настройки изменены")), qPrintable(result.err));
    const CommandBlock block = MakeCommandBlock(code, parameter);
    QCOMPARE(Writes(), QList<QByteArray>{BuildWriteRequest(238, CommandRegister, block.words)});
}

void TestCliOnSim::clock_is_read() {
    const std::array<quint16, 2> seconds = {quint16(31415926 & 0xFFFF), quint16(31415926 >> 16)};
    QVERIFY(sim->setRegisters(48, seconds));
    const CliResult result = Cli({"command", "clock"});
    QCOMPARE(result.code, 0);
    // The controller's clock runs on from the value set.
    QVERIFY2(result.out.startsWith(QStringLiteral("29.12.2000 14:38:4")), qPrintable(result.out));
    QVERIFY(Writes().isEmpty());
}

void TestCliOnSim::settings_load_asks_writes_and_checks() {
    const QString saved = dir.filePath(QStringLiteral("charge_set.csv"));
    QCOMPARE(Cli({"settings", "save", saved, "--table", "charge"}).code, 0);
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList lines = DecodeLines(file.readAll());
    file.close();
    const QList<quint16> before = Registers(ChargeSettingsBlockStart, ChargeSettingsBlockWords);
    // A voltage the controller takes and a cell count it keeps.
    lines[1] = QStringLiteral("1,CF_Voltage,\"3,5\",В");
    lines[29] = QStringLiteral("29,Design_Cell_Number,250,шт.");
    const QString edited = dir.filePath(QStringLiteral("edited.csv"));
    QVERIFY(SaveWholeFile(edited, EncodeLines(lines)).isEmpty());

    CliResult result = Cli({"settings", "load", edited}, "н\n");
    QCOMPARE(result.code, 0);
    QVERIFY(
        result.out.contains(QStringLiteral("1 CF_Voltage: 3,4 В → 3,5 В (регистр 3400 → 3500)")));
    QVERIFY(result.out.contains(QStringLiteral("29 Design_Cell_Number: 16 шт. → 250 шт.")));
    QVERIFY(result.err.contains(QStringLiteral("Запись отменена")));
    result = Cli({"settings", "load", edited});
    QCOMPARE(result.code, 2);
    QVERIFY(result.err.contains(QStringLiteral("стандартный ввод закрыт")));
    QVERIFY(Writes().isEmpty());

    result = Cli({"settings", "load", edited}, "да\n");
    QCOMPARE(result.code, 3);
    QVERIFY2(
        result.err.contains(QStringLiteral("29 Design_Cell_Number: записано 250, прочитано 16")),
        qPrintable(result.err));
    QList<quint16> expected = before;
    expected[0] = 3500;
    QCOMPARE(Registers(ChargeSettingsBlockStart, ChargeSettingsBlockWords), expected);
    QCOMPARE(Writes().size(), 1);

    // The controller's own file again: the voltage goes back, nothing is left to differ after.
    QCOMPARE(Cli({"settings", "load", saved, "--yes"}).code, 0);
    QCOMPARE(Registers(ChargeSettingsBlockStart, ChargeSettingsBlockWords), before);
    result = Cli({"settings", "load", saved});
    QCOMPARE(result.code, 0);
    QVERIFY(result.out.contains(QStringLiteral("запись не нужна")));
}

void TestCliOnSim::poll_log_opens_in_the_graph() {
    const QString log = dir.filePath(QStringLiteral("poll_log.csv"));
    const CliResult result =
        Cli({"poll", "--fast", "--period", "0,25", "--count", "3", "--log", log});
    QCOMPARE(result.code, 0);
    const MonitorLogRead read = ReadMonitorLog(log);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.dataLines, 3);
    QCOMPARE(read.badLines, 0);
    QCOMPARE(read.errorLines, 0);
    // A second run appends to the same header.
    QCOMPARE(Cli({"poll", "--fast", "--count", "1", "--log", log}).code, 0);
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = DecodeLines(file.readAll());
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[0].startsWith(QStringLiteral("Дата-Время;Design_Capacity;")));
}

QTEST_GUILESS_MAIN(TestCliOnSim)
#include "test_cli_on_sim.moc"
