#include "status_block.h"
#include "text_file.h"
#include "trend_csv.h"
#include "trend_store.h"

#include <QLocale>
#include <QTest>

namespace {

TrendSelection Series(std::initializer_list<int> indexes) {
    TrendSelection series;
    for (const int i : indexes)
        series.set(std::size_t(i));
    return series;
}

const QDateTime Start(QDate(2024, 1, 28), QTime(14, 5, 9));

} // namespace

class TestTrendPoints : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void values_data() {
        QTest::addColumn<QString>("mnemonic");
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<double>("plotted");
        QTest::newRow("ambient -15 truncates") << "Temperature_Ambient" << qint64(-15) << -1.0;
        QTest::newRow("ambient 15 truncates") << "Temperature_Ambient" << qint64(15) << 1.0;
        QTest::newRow("ambient sensor absent") << "Temperature_Ambient" << qint64(-1000) << -100.0;
        QTest::newRow("current signed 32") << "Pack_Current" << qint64(0xFFFFFC18) << -1.0;
        QTest::newRow("voltage unsigned 32")
            << "Pack_Voltage_Sum" << qint64(0xFFFFFFFF) << 4294967.295;
        QTest::newRow("minutes to hours") << "Run_Time_to_Empty" << qint64(90) << 1.5;
        QTest::newRow("cell voltage") << "Cell_Voltage_Max" << qint64(3312) << 3.312;
        QTest::newRow("cell temperature signed") << "Cell_Temp_Min" << qint64(0xFFFB) << -5.0;
        QTest::newRow("charge signed 32")
            << "Remaining_Pack_Capacity" << qint64(0xFFFFFFFF) << -0.001;
        QTest::newRow("state of charge as is") << "Relative_State_of_Charge" << qint64(87) << 87.0;
    }
    void values() {
        QFETCH(QString, mnemonic);
        QFETCH(qint64, raw);
        QFETCH(double, plotted);
        StatusBlockBuilder b;
        b.Set(mnemonic, raw);
        const auto row =
            std::find_if(TrendParameters.begin(), TrendParameters.end(),
                         [&](const TrendParameter& p) { return p.mnemonic == mnemonic; });
        QVERIFY(row != TrendParameters.end());
        QCOMPARE(TrendValue(*row, b.words), plotted);
    }

    // Series 1 from the first poll, series 2 from the eleventh: the eleventh poll gives series 1
    // its X = 10 and series 2 its X = 0, with the same label.
    void perSeriesNumbering() {
        TrendStore store;
        StatusBlockBuilder b;
        for (int poll = 0; poll < 11; ++poll) {
            b.Set(u"Pack_Voltage_Sum", 52000 + poll).Set(u"Pack_Current", poll);
            AddTrendPoints(store,
                           Series(poll < 10 ? std::initializer_list<int>{0}
                                            : std::initializer_list<int>{0, 1}),
                           b.words, Start.addSecs(poll));
        }
        QCOMPARE(store.PointCount(0), 11);
        QCOMPARE(store.PointCount(1), 1);
        QCOMPARE(store.PollOfPoint(0, 10), store.PollOfPoint(1, 0));
        QCOMPARE(StampDateTime(store.PollStamp(store.PollOfPoint(1, 0))).time(), QTime(14, 5, 19));
        QCOMPARE(store.Values(0)[10], 52.010f);
        QCOMPARE(store.Values(1)[0], 0.010f);
    }

    // A series switched off keeps its points and takes up its numbering again after a gap.
    void gapsAndEmptyPolls() {
        TrendStore store;
        const std::vector<int> pattern[] = {{0}, {0, 2}, {}, {2}, {0, 2}};
        for (const std::vector<int>& series : pattern)
            store.AddPoll(0, series, std::vector<float>(series.size()));
        // The poll with no active series is not kept.
        QCOMPARE(store.PollCount(), 4);
        QCOMPARE(store.PointCount(0), 3);
        QCOMPARE(store.PointCount(2), 3);
        QCOMPARE(store.PollOfPoint(0, 2), 3);
        QCOMPARE(store.PointOfPoll(0, 2), -1);
        QCOMPARE(store.PointOfPoll(0, 3), 2);
        QCOMPARE(store.PointOfPoll(2, 0), -1);
        QCOMPARE(store.PointOfPoll(2, 2), 1);
        QCOMPARE(store.PointOfPoll(5, 0), -1);
        store.Clear();
        QCOMPARE(store.PollCount(), 0);
        QCOMPARE(store.PointCount(0), 0);
    }

    // A clock change makes a local time twice or never; the stamp keeps it as it was read.
    void stampsKeepLocalTimes() {
        const QDateTime local(QDate(2024, 3, 31), QTime(2, 30, 15, 250));
        const QDateTime back = StampDateTime(TrendStamp(local));
        QCOMPARE(back.date(), local.date());
        QCOMPARE(back.time(), local.time());
    }

    void csvReadsBackAsThePoints() {
        TrendStore store;
        for (int poll = 0; poll < 6; ++poll) {
            const float values[] = {52.1f + float(poll) * 0.001f, -1.5f * float(poll),
                                    4294967.295f};
            if (poll == 2)
                store.AddPoll(TrendStamp(Start.addSecs(poll)), std::vector<int>{1},
                              std::span(values).subspan(1, 1));
            else
                store.AddPoll(TrendStamp(Start.addSecs(poll)), std::vector<int>{0, 1, 9}, values);
        }
        const QStringList titles = TrendSeriesTitles(true);
        const QStringList lines = DecodeLines(TrendCsvBytes(store, titles));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0], QStringLiteral("Дата-Время;Напряжение АБ;Ток АБ;Температура "
                                          "окружающей среды"));
        QCOMPARE(lines[1].section(u';', 0, 0), QStringLiteral("28.01.2024 14:05:09"));
        QCOMPARE(lines[3], QStringLiteral("28.01.2024 14:05:11;;-3;"));
        const QLocale locale;
        const int columns[] = {0, 1, 9};
        for (qint64 poll = 0; poll < store.PollCount(); ++poll) {
            const QStringList fields = lines[poll + 1].split(u';');
            QCOMPARE(fields.size(), 4);
            for (int c = 0; c < 3; ++c) {
                const qint64 k = store.PointOfPoll(columns[c], poll);
                if (k < 0) {
                    QVERIFY(fields[c + 1].isEmpty());
                    continue;
                }
                bool ok = false;
                QCOMPARE(float(locale.toDouble(fields[c + 1], &ok)), store.Values(columns[c])[k]);
                QVERIFY(ok);
            }
        }
        // The decimal comma, and as many digits as the float holds.
        QCOMPARE(TrendNumberText(52.1f), QStringLiteral("52,1"));
        QCOMPARE(TrendNumberText(4294967.295f), QStringLiteral("4294967,5"));
        QCOMPARE(TrendNumberText(1e6f), QStringLiteral("1000000"));
    }
};

QTEST_APPLESS_MAIN(TestTrendPoints)
#include "test_trend_points.moc"
