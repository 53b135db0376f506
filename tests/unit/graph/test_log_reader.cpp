#include "axis_labels.h"
#include "date_time_text.h"
#include "monitor_log_reader.h"
#include "monitor_log_text.h"
#include "status_block.h"

#include <QFile>
#include <QLocale>

#include <cmath>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);

// What a reader of the streaming interface is given of each data line.
struct Seen {
    bool scaled;
    double packVoltage, ambient, cellVoltage, cellTemperature, cellStatus;
    bool operator==(const Seen&) const = default;
};

class Collector final : public MonitorLogSink {
public:
    QList<Seen> lines;
    QStringList events;
    bool DataLine(const MonitorLogLine& line) override {
        lines.append({line.Scaled(), line.Status(4).value_or(-1), line.Status(14).value_or(-1),
                      line.CellVoltage(1).value_or(-1), line.CellTemperature(1).value_or(-1),
                      line.CellStatus(line.Cells()).value_or(-1)});
        return true;
    }
    void EventLine(qint64, const QString& event) override { events.append(event); }
};

// Found by QCOMPARE through the argument, for a readable failure.
char* toString(const Seen& s) {
    return QTest::toString(QStringLiteral("%1 %2 %3 %4 %5 %6")
                               .arg(s.scaled)
                               .arg(s.packVoltage)
                               .arg(s.ambient)
                               .arg(s.cellVoltage)
                               .arg(s.cellTemperature)
                               .arg(s.cellStatus));
}

} // namespace

class TestLogReader : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString WriteFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private Q_SLOTS:
    void init() { QLocale::setDefault(Russian); }
    void cleanup() { QLocale::setDefault(Russian); }

    // The standard date-time text reads back to the same date and time in locales with and
    // without a 12-hour clock and with a two-digit year.
    void dateTimeTextReadsBack_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDateTime>("when");
        const QDateTime afternoon(QDate(2024, 1, 28), QTime(14, 5, 9));
        const QDateTime midnight(QDate(2024, 12, 31), QTime(0, 0));
        const QDateTime morning(QDate(2025, 7, 4), QTime(0, 30, 1));
        for (const QLocale& locale : {Russian, QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany)})
            for (const QDateTime& when : {afternoon, midnight, morning})
                QTest::addRow("%s %s", qPrintable(locale.name()),
                              qPrintable(when.toString(Qt::ISODate)))
                    << locale << when;
    }
    void dateTimeTextReadsBack() {
        QFETCH(QLocale, locale);
        QFETCH(QDateTime, when);
        QLocale::setDefault(locale);
        const DateTimeTextParser parser;
        const std::optional<QDateTime> back = parser.Parse(StandardDateTimeText(when));
        QVERIFY(back);
        QCOMPARE(back->date(), when.date());
        QCOMPARE(back->time(), when.time());
    }

    void axisLabels_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("shown");
        QTest::newRow("time of day") << "28.01.2024 04:05:09"
                                     << "04:05:09";
        QTest::newRow("midnight") << "28.01.2024"
                                  << "28-янв.";
        QTest::newRow("not a date") << "C18"
                                    << "C18";
        QTest::newRow("no such day") << "31.02.2024 10:00:00"
                                     << "31.02.2024 10:00:00";
        QTest::newRow("trailing text") << "28.01.2024 14:05:09 Нет ответа"
                                       << "28.01.2024 14:05:09 Нет ответа";
    }
    void axisLabels() {
        QFETCH(QString, label);
        QFETCH(QString, shown);
        QCOMPARE(Chart_GRAPH_GetAxisLabel(label, DateTimeTextParser()), shown);
    }

    // Headers, data lines of two cell counts, both views, link error lines and lines that do
    // not parse, in code page 1251 with CR LF.
    void readsTheLogFormat() {
        StatusBlockBuilder b;
        b.Set(u"Pack_Voltage_Sum", 52100)
            .Set(u"Pack_Current", -1500)
            .Set(u"Temperature_Ambient", -15)
            .Set(u"Run_Time_to_Empty", 90)
            .Set(u"Average_Time_to_Full", 45);
        const QDateTime t(QDate(2024, 1, 28), QTime(23, 59, 59));
        const QStringList lines = {
            TestLogHeader(4),
            TestLogRow(t, b.words, 4, true),
            StandardDateTimeText(t.addSecs(1)) + QStringLiteral(" Нет ответа"),
            TestLogRow(t.addSecs(1), b.words, 2, false), // midnight, raw values, 2 cells
            StandardDateTimeText(t.addSecs(2)) + QStringLiteral(" Ошибка CRC ответа"),
            StandardDateTimeText(t.addSecs(2)) + QStringLiteral(" Порт отключен"),
            StandardDateTimeText(t.addSecs(3)) + QStringLiteral(" Порт снова подключен"),
            QStringLiteral("мусор без разделителей"),
            QStringLiteral("28.01.2024 23:59:59;1;2;"), // too few fields
            TestLogRow(t, b.words, 4, true)
                .replace(QStringLiteral("52,1"),
                         QStringLiteral("52,x")), // a value that is no number
            QStringLiteral("99.99.2024 10:00:00") + TestLogRow(t, b.words, 4, true).mid(19),
            QString(),
            TestLogHeader(200),
            TestLogRow(t.addSecs(3), b.words, 200, true),
        };
        const MonitorLogRead read = ReadMonitorLog(WriteFile("log.csv", EncodeLines(lines)));
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.dataLines, 3);
        QCOMPARE(read.errorLines, 4);
        QCOMPARE(read.badLines, 4);
        QCOMPARE(read.store.PollCount(), 3);
        for (int i = 0; i < TrendRowCount; ++i)
            QCOMPARE(read.store.PointCount(i), 3);
        // The values the live graph plots, from the scaled line and from the raw one alike: the
        // ambient temperature in whole degrees.
        for (const int line : {0, 1}) {
            QCOMPARE(read.store.Values(0)[line], 52.1f);
            QCOMPARE(read.store.Values(1)[line], -1.5f);
            QCOMPARE(read.store.Values(9)[line], -1.0f);
            QCOMPARE(read.store.Values(14)[line], 1.5f);
            QCOMPARE(read.store.Values(16)[line], 0.75f);
        }
        QCOMPARE(StampDateTime(read.store.PollStamp(1)),
                 QDateTime(QDate(2024, 1, 29), QTime(0, 0), Qt::UTC));
        QCOMPARE(StampDateTime(read.store.PollStamp(2)).time(), QTime(0, 0, 2));
    }

    // The cells' series chosen before the log is opened: each line gives the cells it has, the
    // raw line in volts as the scaled one; the spread is the highest less the lowest voltage.
    void readsTheCellsSeries() {
        const auto block = [](int cells) {
            StatusBlockBuilder b;
            for (int c = 1; c <= cells; ++c)
                b.Cell(c, quint16(2000 + 10 * c), qint16(20 + c), 0);
            return b.words;
        };
        const QDateTime t(QDate(2024, 1, 28), QTime(10, 0));
        const QStringList lines = {TestLogHeader(4), TestLogRow(t, block(4), 4, true),
                                   TestLogRow(t.addSecs(1), block(2), 2, false),
                                   TestLogRow(t.addSecs(2), block(3), 3, true)};
        TrendSelection cells;
        cells.set(CellVoltageSeries + 1).set(CellVoltageSeries + 3).set(CellTemperatureSeries);
        cells.set(CellSpreadSeries);
        const MonitorLogRead read =
            ReadMonitorLog(WriteFile("cells.csv", EncodeLines(lines)), nullptr, cells);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.dataLines, 3);
        const SeriesValues& cell2 = read.store.Values(CellVoltageSeries + 1);
        QCOMPARE(cell2.Size(), 3);
        QCOMPARE(cell2[0], 2.02f);
        QCOMPARE(cell2[1], 2.02f);
        // Cell 4 is in the first line only.
        QCOMPARE(read.store.PointCount(CellVoltageSeries + 3), 1);
        QCOMPARE(read.store.Values(CellVoltageSeries + 3)[0], 2.04f);
        QCOMPARE(read.store.PollOfPoint(CellVoltageSeries + 3, 0), 0);
        QCOMPARE(read.store.Values(CellTemperatureSeries)[1], 21.0f);
        const SeriesValues& spread = read.store.Values(CellSpreadSeries);
        QCOMPARE(spread.Size(), 3);
        QCOMPARE(spread[0], 0.03f);
        QCOMPARE(spread[1], 0.01f);
        QCOMPARE(spread[2], 0.02f);
        // Series not chosen take nothing, the rows all lines.
        QCOMPARE(read.store.PointCount(CellVoltageSeries), 0);
        QCOMPARE(read.store.PointCount(0), 3);
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("no header") << EncodeLines({QStringLiteral("28.01.2024 1:00:00;1;")})
                                   << QStringLiteral("не является логом опроса");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("не является логом опроса");
        QTest::newRow("binary") << QByteArray(100000, '\0')
                                << QStringLiteral("не является логом опроса");
    }
    void refusals() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const MonitorLogRead read = ReadMonitorLog(WriteFile("refused.csv", bytes));
        QVERIFY2(read.error.contains(error), qPrintable(read.error));
        QCOMPARE(read.store.PollCount(), 0);
        QVERIFY(ReadMonitorLog(dir.filePath("missing.csv")).error.contains("missing.csv"));
    }

    // A line longer than any log line is dropped whole, and the reading goes on after it, also
    // across the reader's chunks.
    void overlongLineAndNoFinalBreak() {
        StatusBlockBuilder b;
        b.Set(u"Cell_Voltage_Max", 3312);
        const QDateTime t(QDate(2024, 5, 1), QTime(8, 0));
        QByteArray bytes = EncodeLines({TestLogHeader(1), TestLogRow(t, b.words, 1, true)});
        bytes += QByteArray(6 * 1024 * 1024, '7') + "\r\n";
        bytes += EncodeLines({TestLogRow(t, b.words, 1, true)});
        bytes.chop(2);
        const MonitorLogRead read = ReadMonitorLog(WriteFile("long.csv", bytes));
        QCOMPARE(read.badLines, 1);
        QCOMPARE(read.dataLines, 2);
        QCOMPARE(read.store.Values(4)[1], 3.312f);
    }

    // Each line's view is told by its own fields; a line that fits both takes the view of the
    // line before it. The streaming interface gives every value in engineering units.
    void viewOfEachLine() {
        StatusBlockBuilder a;
        a.Set(u"Pack_Voltage_Sum", 52100).Set(u"Temperature_Ambient", 215).Cell(1, 3312, -5, 0);
        a.Cell(2, 3300, 20, 0x1401);
        StatusBlockBuilder zeros; // but the ambient temperature and the cells' temperatures
        zeros.Set(u"Temperature_Ambient", 215).Cell(1, 0, -5, 0).Cell(2, 0, 20, 0x1401);
        StatusBlockBuilder cellsOnly; // only the cell voltages tell the view
        cellsOnly.Cell(1, 3312, -5, 0).Cell(2, 3300, 20, 0x1401);
        const QDateTime t(QDate(2024, 5, 1), QTime(8, 0));
        const QStringList lines = {
            TestLogHeader(2),
            TestLogRow(t, a.words, 2, true),
            TestLogRow(t, a.words, 2, false),
            TestLogRow(t, zeros.words, 2, false),     // fits both: raw, as the line before
            TestLogRow(t, zeros.words, 2, true),      // 21,5 °C: scaled
            TestLogRow(t, cellsOnly.words, 2, false), // 3312 is no cell voltage in volts
            StandardDateTimeText(t) + QStringLiteral(" Порт отключен"),
        };
        Collector collector;
        const MonitorLogScan scan =
            ScanMonitorLog(WriteFile("views.csv", EncodeLines(lines)), collector);
        QCOMPARE(scan.badLines, 0);
        QCOMPARE(collector.lines,
                 (QList<Seen>{{true, 52.1, 21.5, 3.312, -5, 5121},
                              {false, 52.1, 21.5, 3.312, -5, 5121},
                              {false, 0, 21.5, 0, -5, 5121},
                              {true, 0, 21.5, 0, -5, 5121},
                              {false, 0, 0, 3.312, -5, 5121}}));
        QCOMPARE(collector.events, QStringList{QStringLiteral(" Порт отключен")});
    }

    // A log made in one locale opens in the other: its date-time texts and decimal separator.
    void logOfAnotherLocale_data() {
        QTest::addColumn<QLocale>("writer");
        QTest::addColumn<QLocale>("reader");
        QTest::newRow("C log in the Russian window") << QLocale::c() << Russian;
        QTest::newRow("Russian log under C") << Russian << QLocale::c();
        QTest::newRow("ISO 8601 stamps") << QLocale(QLocale::Korean, QLocale::SouthKorea)
                                         << Russian;
    }
    void logOfAnotherLocale() {
        QFETCH(QLocale, writer);
        QFETCH(QLocale, reader);
        StatusBlockBuilder b;
        b.Set(u"Pack_Voltage_Sum", 52100).Set(u"Design_Capacity", 100000);
        const QDateTime t(QDate(2024, 1, 28), QTime(14, 5, 9));
        QLocale::setDefault(writer);
        const QByteArray bytes = EncodeLines({TestLogHeader(1), TestLogRow(t, b.words, 1, true),
                                              TestLogRow(t.addSecs(1), b.words, 1, false)});
        QLocale::setDefault(reader);
        const MonitorLogRead read = ReadMonitorLog(WriteFile("locale.csv", bytes));
        QCOMPARE(read.badLines, 0);
        QCOMPARE(read.dataLines, 2);
        QCOMPARE(StampDateTime(read.store.PollStamp(1)), QDateTime(t.addSecs(1).date(),
                                                                   t.addSecs(1).time(), Qt::UTC));
        QCOMPARE(read.store.Values(0)[0], 52.1f);
        QCOMPARE(read.store.Values(0)[1], 52.1f);
    }

    // A value that no view writes makes the line unread, whatever the field.
    void valuesRefused_data() {
        QTest::addColumn<QString>("mnemonic");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("read");
        QTest::newRow("beyond a float, scaled field") << "Pack_Current" << "1e39" << false;
        QTest::newRow("beyond a float, integer field") << "Cell_Temp_Average" << "1e39" << false;
        QTest::newRow("fraction in an integer field") << "Cell_Temp_Average" << "2,5" << false;
        QTest::newRow("not a number") << "Pack_Voltage_Sum" << "52,x" << false;
        QTest::newRow("the other separator") << "Pack_Voltage_Sum" << "52.1" << true;
    }
    void valuesRefused() {
        QFETCH(QString, mnemonic);
        QFETCH(QString, text);
        QFETCH(bool, read);
        StatusBlockBuilder b;
        b.Set(u"Pack_Voltage_Sum", 52100).Set(u"Pack_Current", -1500);
        QStringList fields = TestLogRow(QDateTime(QDate(2024, 5, 1), QTime(8, 0)), b.words, 1, true)
                                 .split(QLatin1Char(';'));
        fields[StatusByMnemonic(mnemonic).row] = text;
        const MonitorLogRead result = ReadMonitorLog(
            WriteFile("values.csv", EncodeLines({TestLogHeader(1), fields.join(u';')})));
        QCOMPARE(result.dataLines, read ? 1 : 0);
        QCOMPARE(result.badLines, read ? 0 : 1);
        for (int i = 0; i < TrendRowCount && read; ++i)
            QVERIFY(std::isfinite(result.store.Values(i)[0]));
    }

    // A line of more than 64 KiB is dropped, one of 64 KiB read, wherever it lies: within the
    // first chunk read, across the end of a chunk, or last without a line break.
    void longLines_data() {
        QTest::addColumn<qint64>("at");    // where the line starts
        QTest::addColumn<qint64>("bytes"); // its length, CR included
        QTest::addColumn<bool>("read");
        constexpr qint64 Chunk = 4 * 1024 * 1024;
        for (const auto& [where, at] :
             {std::pair{"within a chunk", qint64(4096)}, {"across a chunk's end", Chunk - 1000},
              {"last, no line break", qint64(-1)}}) {
            QTest::addRow("%s, 64 KiB", where) << at << MaxLogLineBytes << true;
            QTest::addRow("%s, one byte more", where) << at << MaxLogLineBytes + 1 << false;
        }
    }
    void longLines() {
        QFETCH(qint64, at);
        QFETCH(qint64, bytes);
        QFETCH(bool, read);
        StatusBlockBuilder b;
        b.Set(u"Pack_Voltage_Sum", 52100).Set(u"Design_Capacity", 100000);
        const QDateTime t(QDate(2024, 5, 1), QTime(8, 0));
        QByteArray file = EncodeLines({TestLogHeader(1), TestLogRow(t, b.words, 1, true)});
        // Empty lines, which count for nothing, put the long line where it is to start.
        if (at > file.size())
            file += QByteArray(at - file.size(), '\n');
        // A data line whose last field is long enough.
        QByteArray line = EncodeLines({TestLogRow(t, b.words, 1, true)});
        line.chop(2);
        line += QByteArray(bytes - line.size() - 2, '7') + ";\r";
        file += line;
        if (at >= 0)
            file += '\n' + EncodeLines({TestLogRow(t, b.words, 1, true)});
        const MonitorLogRead result = ReadMonitorLog(WriteFile("long_lines.csv", file));
        QCOMPARE(result.badLines, read ? 0 : 1);
        QCOMPARE(result.dataLines, (read ? 2 : 1) + (at >= 0 ? 1 : 0));
    }

    // When no data line is read the operator learns why.
    void nothingRead_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("why");
        const QDateTime t(QDate(2024, 5, 1), QTime(8, 0));
        QTest::newRow("header only") << QStringList{TestLogHeader(1)} << "только строка заголовка";
        QTest::newRow("link errors only")
            << QStringList{TestLogHeader(1), StandardDateTimeText(t) + " Нет ответа"}
            << "только строки об ошибках связи (1)";
        QTest::newRow("dates of another locale")
            << QStringList{TestLogHeader(1), "5/1/24 8:00:00 AM" + TestLogRow(t, {}, 1, true)
                                                                      .mid(16)}
            << "первая из них — строка 2: дата и время";
    }
    void nothingRead() {
        QFETCH(QStringList, lines);
        QFETCH(QString, why);
        const QString path = WriteFile("nothing.csv", EncodeLines(lines));
        const MonitorLogRead read = ReadMonitorLog(path);
        QCOMPARE(read.dataLines, 0);
        const QString text = LogReadText(read, path);
        QVERIFY2(text.startsWith(QStringLiteral("Точки графика не изменены")), qPrintable(text));
        QVERIFY2(text.contains(why), qPrintable(text));
    }

    void cancelled() {
        MonitorLogProgress progress;
        progress.cancel = true;
        const MonitorLogRead read =
            ReadMonitorLog(WriteFile("c.csv", EncodeLines({TestLogHeader(1)})), &progress);
        QVERIFY(read.cancelled);
        QVERIFY(read.error.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestLogReader)
#include "test_log_reader.moc"
