// The tables' texts in both languages: the screen shows them in English, every file holds the
// same Russian bytes whichever language is installed.

#include "bit_tables.h"
#include "cell_list.h"
#include "cell_overview_data.h"
#include "device_time.h"
#include "language.h"
#include "monitor_log.h"
#include "number_format.h"
#include "page_main.h"
#include "shown_text.h"
#include "table_file.h"
#include "table_languages.h"
#include "table_texts.h"
#include "text_file.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

template <class Rows> QList<QStringList> NameRows(const QStringList& header, const Rows& rows) {
    QList<QStringList> cells{header};
    for (const auto& row : rows)
        cells.append({DisplayName(row, true)});
    return cells;
}

struct TextKind {
    const char* name;
    bool saved; // a table the program saves to a file
    std::function<QList<QStringList>(const RegisterImage&)> cells;
};

const TextKind Kinds[] = {
    {"status, names, scaled", true,
     [](const RegisterImage& i) { return StatusTableCells(i.StatusBlock, true, true); }},
    {"status, names, raw", true,
     [](const RegisterImage& i) { return StatusTableCells(i.StatusBlock, true, false); }},
    {"status, mnemonics", true,
     [](const RegisterImage& i) { return StatusTableCells(i.StatusBlock, false, true); }},
    {"cells", true, [](const RegisterImage& i) { return CellTableCells(i.StatusBlock, true); }},
    {"communication settings", true,
     [](const RegisterImage& i) {
         return SettingsTableCells(SettingsTable::Comm, i.CommSettingsBlock, true);
     }},
    {"alarm settings, scaled", true,
     [](const RegisterImage& i) {
         return SettingsTableCells(SettingsTable::Alarm, i.AlarmSettingsBlock, true);
     }},
    {"alarm settings, raw", true,
     [](const RegisterImage& i) {
         return SettingsTableCells(SettingsTable::Alarm, i.AlarmSettingsBlock, false);
     }},
    {"charge settings, scaled", true,
     [](const RegisterImage& i) {
         return SettingsTableCells(SettingsTable::Charge, i.ChargeSettingsBlock, true);
     }},
    {"charge settings, raw", true,
     [](const RegisterImage& i) {
         return SettingsTableCells(SettingsTable::Charge, i.ChargeSettingsBlock, false);
     }},
    {"journal", true,
     [](const RegisterImage& i) {
         return JournalTableCells(JournalRows(i.JournalBlock).value_or(QList<JournalRow>()));
     }},
    {"alarm table", false,
     [](const RegisterImage&) { return NameRows(AlarmTableHeader(), SafetyBits); }},
    {"charge table", false,
     [](const RegisterImage&) { return NameRows(ChargeTableHeader(), ChargeBits); }},
    {"cell flags", false,
     [](const RegisterImage&) {
         QList<QStringList> cells;
         for (const CellStatusBit& b : CellStatusBits)
             cells.append({b.header.toString(), b.meaning.toString()});
         return cells;
     }},
    {"main page", false,
     [](const RegisterImage& i) {
         QList<QStringList> cells;
         for (const BatteryStatusBit& b : BatteryStatusBits)
             cells.append({b.caption.toString()});
         for (const PageFieldText& field : ComputeMainPage(i.StatusBlock).fields)
             cells.append({field.text});
         return cells;
     }},
};

void AddKinds(bool savedOnly) {
    QTest::addColumn<int>("kind");
    for (int k = 0; k < int(std::size(Kinds)); ++k)
        if (Kinds[k].saved || !savedOnly)
            QTest::newRow(Kinds[k].name) << k;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTableLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(InstallLanguage(Language::Russian)); }

    void screenTexts_data() { AddKinds(false); }
    void screenTexts() {
        QFETCH(int, kind);
        const QList<QStringList> cells = Kinds[kind].cells(FilledImage());
        QVERIFY(!cells.isEmpty());
        for (const QStringList& row : cells)
            for (const QString& cell : row)
                QCOMPARE(ShownText(cell), cell);
        QVERIFY(InstallLanguage(Language::English));
        QCOMPARE(Kinds[kind].cells(FilledImage()), cells);
        for (const QStringList& row : cells)
            for (const QString& cell : row)
                QVERIFY2(!HasCyrillic(ShownText(cell)), qPrintable(cell));
    }

    void translations_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown");
        QTest::newRow("volts") << QStringLiteral("мВ") << QStringLiteral("mV");
        QTest::newRow("seconds, Latin c") << QStringLiteral("c") << QStringLiteral("s");
        QTest::newRow("seconds, Cyrillic с") << QStringLiteral("с") << QStringLiteral("s");
        QTest::newRow("padded event")
            << JournalEventText(0) << QStringLiteral("Cell overvoltage.").leftJustified(44);
        QTest::newRow("mnemonic") << QStringLiteral("Pack_Current")
                                  << QStringLiteral("Pack_Current");
        QTest::newRow("value") << QStringLiteral("3,312") << QStringLiteral("3,312");
        QTest::newRow("a loaded text") << QStringLiteral("Ток") << QStringLiteral("Ток");
    }
    void translations() {
        QFETCH(QString, file);
        QVERIFY(InstallLanguage(Language::English));
        QTEST(ShownText(file), "shown");
    }

    void messages() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString binary = dir.filePath(QStringLiteral("binary.csv"));
        const QString lines = dir.filePath(QStringLiteral("lines.csv"));
        QCOMPARE(SaveWholeFile(binary, QByteArray("a\0b\r\n", 5)), FileError());
        QCOMPARE(SaveWholeFile(lines, "a\r\nb\r\n"), FileError());
        QVERIFY(InstallLanguage(Language::English));
        const OverviewCell cell{2, 3172, 33, 0x3FFF};
        const CellOverviewData overview = ComputeCellOverview(FilledImage().StatusBlock);
        QString cellError;
        ParseCellList(QStringLiteral("7"), 3, &cellError);
        const struct {
            const char* name;
            QString text;
        } shown[] = {
            {"volt summary", VoltSummary(overview.volts)},
            {"no volts", VoltSummary({})},
            {"degree summary", DegreeSummary(overview.degrees)},
            {"cell tool tip", CellToolTip(cell)},
            {"cell list", cellError},
            {"month", DateTimeRefusalText({0, 0, 0, 1, 13, 0})},
            {"past the counter", DateTimeRefusalText({0, 0, 0, 1, 1, 200})},
            {"clock range", ClockRangeText()},
            {"register range",
             CellTextToRegister(QStringLiteral("70000"), {}, Scaling::None).error},
            {"too large", ParseScaled(QStringLiteral("1e+30"), 1000).error},
            {"no such file", ReadTextFile(dir.filePath(QStringLiteral("none.csv"))).error},
            {"folder", ReadTextFile(dir.path()).error},
            {"not text", ReadTextFile(binary).error},
            {"too many lines", ReadTextFile(lines, 100, 1).error},
            {"too large file", ReadTextFile(lines, 4).error},
            {"no folder", SaveWholeFile(dir.filePath(QStringLiteral("no/t.csv")), "x")},
            {"no name", AppendToFile(QString(), "x")},
            {"log notice", LogWriteNotice().Update(QStringLiteral("x")).value_or(QString())},
        };
        for (const auto& s : shown) {
            QVERIFY2(!s.text.isEmpty(), s.name);
            QVERIFY2(!HasCyrillic(s.text),
                     qPrintable(QStringLiteral("%1: %2").arg(s.name, s.text)));
        }
    }

    // A table file and the monitoring log written with English installed hold the bytes written
    // with Russian installed, and both read back alike in either language.
    void filesAlike_data() { AddKinds(true); }
    void filesAlike() {
        QFETCH(int, kind);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const RegisterImage image = FilledImage();
        const QDateTime when(QDate(2024, 3, 15), QTime(9, 5));
        QList<QByteArray> tables, logs;
        QList<QList<QStringList>> loaded;
        for (const Language language : {Language::Russian, Language::English}) {
            QVERIFY(InstallLanguage(language));
            const QString table = dir.filePath(LanguageCode(language) + QStringLiteral(".csv"));
            QCOMPARE(SaveWholeFile(table, TableFileBytes(Kinds[kind].cells(image))), FileError());
            const QString log = dir.filePath(LanguageCode(language) + QStringLiteral(".log"));
            QCOMPARE(AppendLogLine(log, LogHeaderLine(image.StatusBlock)), FileError());
            QCOMPARE(AppendLogLine(log, LogRowLine(image.StatusBlock, when)), FileError());
            QCOMPARE(AppendLogLine(log, LinkErrorLogLine(when, NoAnswerEvent)), FileError());
            tables.append(Read(table));
            logs.append(Read(log));
            for (const QString& path : {dir.filePath(QStringLiteral("ru.csv")), table}) {
                const TextFileRead read = ReadTextFile(path);
                QCOMPARE(read.error, FileError());
                loaded.append(TableFromLines(read.lines, 17));
            }
        }
        QVERIFY(!tables[0].isEmpty());
        QCOMPARE(tables[1], tables[0]);
        QCOMPARE(logs[1], logs[0]);
        for (const QList<QStringList>& rows : loaded)
            QCOMPARE(rows, loaded[0]);
    }
};

QTEST_MAIN(TestTableLanguages)
#include "test_table_languages.moc"
