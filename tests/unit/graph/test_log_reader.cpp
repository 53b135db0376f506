#include "axis_labels.h"
#include "date_time_text.h"
#include "monitor_log_reader.h"
#include "monitor_log_text.h"
#include "status_block.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);

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
        QCOMPARE(read.errorLines, 2);
        QCOMPARE(read.badLines, 4);
        QCOMPARE(read.store.PollCount(), 3);
        for (int i = 0; i < TrendRowCount; ++i)
            QCOMPARE(read.store.PointCount(i), 3);
        // The values as the file has them: scaled, then raw.
        QCOMPARE(read.store.Values(0)[0], 52.1f);
        QCOMPARE(read.store.Values(0)[1], 52100.0f);
        QCOMPARE(read.store.Values(1)[0], -1.5f);
        QCOMPARE(read.store.Values(9)[0], -1.5f);
        QCOMPARE(read.store.Values(9)[1], -15.0f);
        QCOMPARE(read.store.Values(14)[0], 1.5f);
        QCOMPARE(read.store.Values(16)[0], 0.75f);
        QCOMPARE(StampDateTime(read.store.PollStamp(1)),
                 QDateTime(QDate(2024, 1, 29), QTime(0, 0), Qt::UTC));
        QCOMPARE(StampDateTime(read.store.PollStamp(2)).time(), QTime(0, 0, 2));
    }

    // The cells' series chosen before the log is opened: each line gives the cells it has, in
    // the view it was written in; the spread is the highest less the lowest voltage.
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
        QCOMPARE(cell2[1], 2020.0f);
        // Cell 4 is in the first line only.
        QCOMPARE(read.store.PointCount(CellVoltageSeries + 3), 1);
        QCOMPARE(read.store.Values(CellVoltageSeries + 3)[0], 2.04f);
        QCOMPARE(read.store.PollOfPoint(CellVoltageSeries + 3, 0), 0);
        QCOMPARE(read.store.Values(CellTemperatureSeries)[1], 21.0f);
        const SeriesValues& spread = read.store.Values(CellSpreadSeries);
        QCOMPARE(spread.Size(), 3);
        QCOMPARE(spread[0], 0.03f);
        QCOMPARE(spread[1], 10.0f);
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
