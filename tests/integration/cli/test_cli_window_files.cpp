#include "cli_process.h"
#include "modbus_frames.h"
#include "scripted_prompts.h"
#include "settings_tables.h"
#include "settings_write.h"
#include "simulated_controller.h"
#include "state_tables.h"
#include "string_grid.h"
#include "table_files.h"
#include "table_texts.h"

#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

Q_DECLARE_METATYPE(SettingsTable)

// Settings files go both ways between the window and velmora-cli: the same controller gives the
// same bytes, and each loads the other's file.
class TestCliWindowFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
    }
    void cleanup() { UseScaledUnits = true; }
    void same_bytes_both_ways_data();
    void same_bytes_both_ways();
};

void TestCliWindowFiles::same_bytes_both_ways_data() {
    QTest::addColumn<SettingsTable>("table");
    QTest::addColumn<bool>("scaled");
    QTest::addColumn<QString>("name");
    const struct {
        SettingsTable table;
        const char* name;
    } tables[] = {{SettingsTable::Comm, "rs"},
                  {SettingsTable::Alarm, "alarm"},
                  {SettingsTable::Charge, "charge"}};
    for (const auto& t : tables)
        for (bool scaled : {true, false})
            QTest::addRow("%s, %s", t.name, scaled ? "scaled" : "raw")
                << t.table << scaled << QString::fromLatin1(t.name);
}

void TestCliWindowFiles::same_bytes_both_ways() {
    QFETCH(SettingsTable, table);
    QFETCH(bool, scaled);
    QFETCH(QString, name);
    SimulatedController sim;
    QString error;
    QVERIFY2(sim.start(&error), qPrintable(error));
    QTemporaryDir dir;
    const QString cliFile = dir.filePath(QStringLiteral("cli.csv"));
    const QString windowFile = dir.filePath(QStringLiteral("window.csv"));
    const QStringList view = {scaled ? QStringLiteral("--scaled") : QStringLiteral("--raw")};
    const QStringList port = {QStringLiteral("--port"), sim.portPath()};
    QCOMPARE(
        RunVelmoraCli(QStringList{"settings", "save", cliFile, "--table", name} + view + port).code,
        0);

    // The window's settings pages, filled from the registers a polling cycle reads.
    UseScaledUnits = scaled;
    RegisterImage image;
    const TableTransfer transfer = TransferOf(WritableOf(table), image);
    const QList<quint16> read = sim.registerValues(transfer.start, int(transfer.words.size()));
    std::copy(read.begin(), read.end(), SettingsTableBlock(table, image).begin());
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    for (void (*build)(QWidget*) :
         {BuildCommSettingsPage, BuildAlarmSettingsPage, BuildChargeSettingsPage}) {
        auto* page = new QWidget;
        build(page);
        layout->addWidget(page);
    }
    SetupTables(&window);
    FillCommSettings(image, &window);
    FillAlarmSettings(image, &window);
    FillChargeSettings(image, &window);
    auto* files = new TableFileHandlers(&window);
    ScriptedPrompts prompts;
    prompts.files = {windowFile, cliFile};
    const std::array<void (TableFileHandlers::*)(), 3> saves = {
        &TableFileHandlers::BitBtn_SAVESETRS_Click, &TableFileHandlers::BitBtn_SAVESETALARM_Click,
        &TableFileHandlers::BitBtn_SAVESETCHARGE_Click};
    const std::array<void (TableFileHandlers::*)(), 3> loads = {
        &TableFileHandlers::BitBtn_LOADSETRS_Click, &TableFileHandlers::BitBtn_LOADSETALARM_Click,
        &TableFileHandlers::BitBtn_LOADSETCHARGE_Click};
    (files->*saves[size_t(table)])();

    QFile cliBytes(cliFile);
    QFile windowBytes(windowFile);
    QVERIFY(cliBytes.open(QIODevice::ReadOnly) && windowBytes.open(QIODevice::ReadOnly));
    QCOMPARE(cliBytes.readAll(), windowBytes.readAll());

    // The CLI's file loads into the window's table as the table stands.
    const char* grids[] = {"StringGrid_SETRS_", "StringGrid_SETALARM_", "StringGrid_SETCHARGE_"};
    auto* grid = window.findChild<QTableWidget*>(QLatin1String(grids[size_t(table)]));
    const QList<QStringList> shown = GridTexts(grid);
    (files->*loads[size_t(table)])();
    QCOMPARE(prompts.messageTexts(), QStringList());
    QList<QStringList> loaded = GridTexts(grid);
    // An empty cell comes back as one blank.
    for (QStringList& row : loaded)
        for (QString& cell : row)
            if (cell == QLatin1String(" "))
                cell.clear();
    QCOMPARE(loaded, shown);

    // The window's file loads in the CLI: it finds nothing to write.
    sim.clearReceivedFrames();
    const CliResult result = RunVelmoraCli(QStringList{"settings", "load", windowFile} + port);
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains(QStringLiteral("запись не нужна")), qPrintable(result.out));
    for (const QByteArray& frame : sim.receivedFrames())
        QCOMPARE(quint8(frame[1]), FunctionReadHolding);
}

QTEST_MAIN(TestCliWindowFiles)
#include "test_cli_window_files.moc"
