#include "bootloader_model.h"
#include "cli_process.h"
#include "command_block.h"
#include "cut_image.h"
#include "modbus_frames.h"
#include "monitor_log_reader.h"
#include "register_image.h"
#include "simulated_controller.h"
#include "status_map.h"
#include "table_cells.h"
#include "table_file.h"
#include "table_output.h"
#include "table_texts.h"
#include "text_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <vector>

#include <csignal>

Q_DECLARE_METATYPE(FaultKind)
Q_DECLARE_METATYPE(CommandCode)
Q_DECLARE_METATYPE(SettingsTable)

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
    void journal_as_json_carries_the_records();
    void read_cells_as_the_cell_table_data();
    void read_cells_as_the_cell_table();
    void read_cells_as_json();
    void commands_reach_the_mailbox_data();
    void commands_reach_the_mailbox();
    void clock_is_read();
    void settings_load_asks_writes_and_checks();
    void settings_backup_restores_every_register_data();
    void settings_backup_restores_every_register();
    void poll_log_opens_in_the_graph();
    void poll_ends_with_what_it_got_data();
    void poll_ends_with_what_it_got();
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
    // The year 99, which the controller could only hold as 2099.
    QTest::newRow("year 0099") << QStringList{"command", "clock", "01.01.0099", "00:00:00"} << none
                               << 2 << "Дата должна быть от 01.01.2000 до 31.12.2099!" << false;
    QTest::newRow("year 2100") << QStringList{"command", "clock", "01.01.2100 00:00:00"} << none
                               << 2 << "Дата должна быть от 01.01.2000 до 31.12.2099!" << false;
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
        // The number is the shown value: the register value in the view's unit.
        const double number = row[QStringLiteral("number")].toDouble();
        if (r.special == StatusSpecial::None)
            QCOMPARE(qRound64(number * ScalingDenominator(r.scaling)), FieldValue(words, r.field));
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

void TestCliOnSim::journal_as_json_carries_the_records() {
    sim->preloadJournal(40);
    const CliResult result = Cli({"journal", "--json"});
    QCOMPARE(result.code, 0);
    const QJsonArray json = QJsonDocument::fromJson(result.out.toUtf8()).array();
    const std::optional<QList<JournalRow>> rows =
        JournalRows(Registers(JournalBlockStart, JournalBlockWords));
    QVERIFY(rows);
    QCOMPARE(json.size(), rows->size());
    for (qsizetype i = 0; i < json.size(); ++i) {
        const QJsonObject row = json[i].toObject();
        const JournalRow& shown = (*rows)[i];
        QCOMPARE(row[QStringLiteral("row")].toInt(), shown.number);
        // Each text beside the record's number it was made from.
        const QJsonObject time = row[QStringLiteral("dateTime")].toObject();
        QCOMPARE(time[QStringLiteral("value")].toString(), shown.dateTime);
        QCOMPARE(JournalDateTimeText(quint32(time[QStringLiteral("number")].toDouble())),
                 shown.dateTime);
        const QJsonObject event = row[QStringLiteral("event")].toObject();
        QCOMPARE(event[QStringLiteral("value")].toString(), shown.event.trimmed());
        QCOMPARE(JournalEventText(quint16(event[QStringLiteral("number")].toInt())), shown.event);
        const QJsonObject cell = row[QStringLiteral("cell")].toObject();
        QCOMPARE(cell[QStringLiteral("value")].toString(), shown.cell);
        QCOMPARE(cell[QStringLiteral("number")].isNull(), shown.cell.isEmpty());
        if (!shown.cell.isEmpty())
            QCOMPARE(cell[QStringLiteral("number")].toInt(), shown.cell.toInt());
    }
}

void TestCliOnSim::read_cells_as_the_cell_table_data() {
    QTest::addColumn<int>("cells");
    QTest::addColumn<bool>("scaled");
    QTest::newRow("16 cells in volts") << 16 << true;
    // More cells than one request reads.
    QTest::newRow("130 cells in millivolts") << 130 << false;
}

// The cell table as the window shows and saves it, read with no more requests than it needs.
void TestCliOnSim::read_cells_as_the_cell_table() {
    QFETCH(int, cells);
    QFETCH(bool, scaled);
    SimulatedControllerOptions options;
    options.cellCount = cells;
    sim = std::make_unique<SimulatedController>(options);
    QVERIFY(sim->start());
    const QString file = dir.filePath(QStringLiteral("info_cell.csv"));
    QStringList arguments = {"read", "--cells", "--csv", "--save", file};
    if (!scaled)
        arguments << QStringLiteral("--raw");
    const CliResult result = Cli(arguments);
    QCOMPARE(result.code, 0);
    const QList<QStringList> table = CellTableCells(Registers(0, StatusBlockWords), scaled);
    QCOMPARE(table.size(), cells + 1);
    QCOMPARE(result.out, CsvText(table) + QLatin1Char('\n'));
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), TableFileBytes(table));
    QList<QByteArray> expected = {BuildReadRequest(238, 0, 50)};
    for (int offset : {CellVoltageOffset, CellTemperatureOffset, CellStatusOffset})
        for (int first = 0; first < cells; first += MaxReadRegisters)
            expected.append(BuildReadRequest(238, quint16(offset + first),
                                             quint16(std::min(cells - first, MaxReadRegisters))));
    QCOMPARE(sim->receivedFrames(), expected);
}

void TestCliOnSim::read_cells_as_json() {
    // Flags on two cells, so that their titles show.
    const std::array<quint16, 2> status = {quint16(1u << 0 | 1u << 12), quint16(1u << 13)};
    QVERIFY(sim->setRegisters(CellStatusOffset, status));
    const CliResult result = Cli({"read", "--cells", "--json"});
    QCOMPARE(result.code, 0);
    const QJsonArray json = QJsonDocument::fromJson(result.out.toUtf8()).array();
    const QList<quint16> words = Registers(0, StatusBlockWords);
    QCOMPARE(json.size(), ShownCellCount(words));
    for (int cell = 1; cell <= json.size(); ++cell) {
        const QJsonObject row = json[cell - 1].toObject();
        const QStringList shown = CellTableRow(words, cell, true);
        QCOMPARE(row[QStringLiteral("cell")].toInt(), cell);
        const QJsonObject voltage = row[QStringLiteral("voltage")].toObject();
        QCOMPARE(voltage[QStringLiteral("value")].toString(), shown[1]);
        QCOMPARE(voltage[QStringLiteral("number")].toDouble(), CellVoltage(words, cell) / 1000.0);
        QCOMPARE(voltage[QStringLiteral("unit")].toString(), QStringLiteral("В"));
        const QJsonObject temperature = row[QStringLiteral("temperature")].toObject();
        QCOMPARE(temperature[QStringLiteral("number")].toInt(), CellTemperature(words, cell));
        QCOMPARE(row[QStringLiteral("status")].toObject()[QStringLiteral("number")].toInt(),
                 CellStatus(words, cell));
    }
    QCOMPARE(json[0].toObject()[QStringLiteral("status")].toObject()[QStringLiteral("flags")],
             QJsonArray({"OV", "BAL"}));
    QCOMPARE(json[1].toObject()[QStringLiteral("status")].toObject()[QStringLiteral("value")],
             QStringLiteral("PCH"));
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
    QCOMPARE(Cli({"settings", "save", saved, "--table", "charge", "--scaled"}).code, 0);
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

// Values of five and more significant digits, whose four-digit texts read back as other numbers
// (CF_Time 2615 min shows as 43,58 h, read back as 2614; PreCharge_Current 12345 mA as 12,35 A,
// read back as 12350).
static QList<quint16> ManyDigits(quint16 start, int count) {
    QList<quint16> words;
    for (int i = 0; i < count; ++i)
        words.append(quint16(12345 + 2615 * i));
    if (start == ChargeSettingsBlockStart)
        words[40] = 16; // Design_Cell_Number, which the controller keeps within 1 to 200
    return words;
}

void TestCliOnSim::settings_backup_restores_every_register_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<SettingsTable>("rows");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("scaled");
    for (const bool scaled : {false, true}) {
        const char* view = scaled ? "scaled" : "raw";
        QTest::addRow("charge, %s", view)
            << "charge" << SettingsTable::Charge << int(ChargeSettingsBlockStart)
            << int(ChargeSettingsBlockWords) << scaled;
        QTest::addRow("alarm, %s", view)
            << "alarm" << SettingsTable::Alarm << int(AlarmSettingsBlockStart) << 49 << scaled;
    }
}

// A file saved from the controller writes nothing back to it while it is unchanged, in either
// view; a backup in the default view restores every register after the controller has changed.
void TestCliOnSim::settings_backup_restores_every_register() {
    QFETCH(QString, table);
    QFETCH(SettingsTable, rows);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(bool, scaled);
    const QList<quint16> held = ManyDigits(quint16(start), count);
    QVERIFY(sim->setRegisters(quint16(start), std::vector<quint16>(held.begin(), held.end())));
    const QString saved = dir.filePath(table + QStringLiteral("_set.csv"));
    QStringList save = {"settings", "save", saved, "--table", table};
    if (scaled)
        save << QStringLiteral("--scaled");
    QCOMPARE(Cli(save).code, 0);

    CliResult result = Cli({"settings", "load", saved, "--yes"});
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains(QStringLiteral("запись не нужна")), qPrintable(result.out));
    QVERIFY(Writes().isEmpty());
    if (scaled)
        return;

    std::vector<quint16> other(size_t(count), 7);
    if (start == ChargeSettingsBlockStart)
        other[40] = 16;
    QVERIFY(sim->setRegisters(quint16(start), other));
    result = Cli({"settings", "load", saved, "--yes"});
    QCOMPARE(result.code, 0);
    // Every register of a row; the pad registers, which no row carries, stay as they were.
    QList<quint16> restored(other.begin(), other.end());
    for (const SettingsRegister& row : SettingsTableRegisters(rows))
        for (int w = 0; w < (row.field.width == RegisterWidth::Bits32 ? 2 : 1); ++w)
            if (row.field.offset + w < count)
                restored[row.field.offset + w] = held[row.field.offset + w];
    QCOMPARE(Registers(quint16(start), count), restored);
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

void TestCliOnSim::poll_ends_with_what_it_got_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("silent"); // the controller answers nothing
    QTest::addColumn<bool>("interrupted");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("said");
    QTest::newRow("dead line") << QStringList{"--max-misses", "2"} << true << false << 1
                               << "Нет ответа 2 циклов подряд: опрос остановлен";
    QTest::newRow("Ctrl+C with no cycle answered")
        << QStringList{} << true << true << 1 << "ни один цикл не получил ответа";
    QTest::newRow("Ctrl+C after answers") << QStringList{} << false << true << 0 << "";
    QTest::newRow("misses not a count") << QStringList{"--max-misses", "0"} << false << false << 2
                                        << "--max-misses: нужно целое число от 1";
    QTest::newRow("port not there")
        << QStringList{"--port", "/dev/velmora-no-such-port"} << false << false << 1
        << "Не удалось открыть порт. Устройства /dev/velmora-no-such-port нет";
}

// A dead line or a stop before any answer is no success; a port that is not there did not open.
void TestCliOnSim::poll_ends_with_what_it_got() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, silent);
    QFETCH(bool, interrupted);
    QFETCH(int, code);
    QFETCH(QString, said);
    if (silent)
        sim->injectFault({FaultKind::NoReply}, PersistentFault);
    if (!arguments.contains(QStringLiteral("--port")))
        arguments << QStringLiteral("--port") << sim->portPath();
    QProcess cli;
    cli.start(QStringLiteral(VELMORA_CLI_PATH),
              QStringList{"poll", "--fast", "--period", "0.25"} + arguments);
    QVERIFY(cli.waitForStarted(10000));
    if (interrupted) {
        // Polled for a while: the requests have reached the controller (and, unless it is
        // silent, a data line has come).
        QTRY_VERIFY_WITH_TIMEOUT(
            silent ? sim->receivedFrames().size() >= 2 : cli.bytesAvailable() > 0, 20000);
        ::kill(pid_t(cli.processId()), SIGINT);
    }
    QVERIFY(cli.waitForFinished(30000));
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    QCOMPARE(cli.exitCode(), code);
    QVERIFY2(err.contains(said), qPrintable(err));
    QVERIFY(!err.contains(QStringLiteral("Использование")) || code == 2);
}

QTEST_GUILESS_MAIN(TestCliOnSim)
#include "test_cli_on_sim.moc"
