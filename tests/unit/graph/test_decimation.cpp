#include "axis_labels.h"
#include "decimation.h"

#include <QRandomGenerator>
#include <QTest>

#include <map>
#include <vector>

namespace {

SeriesValues MakeSeries(const std::vector<float>& raw) {
    SeriesValues values;
    for (const float v : raw)
        values.Append(v);
    return values;
}

// Random data with long flat runs and repeated extremes, as a battery gives them.
std::vector<float> RandomData(QRandomGenerator& random, int n) {
    std::vector<float> raw;
    float level = 0;
    for (int i = 0; i < n; ++i) {
        if (random.bounded(4) == 0)
            level = float(random.bounded(-50, 50));
        raw.push_back(level);
    }
    return raw;
}

} // namespace

class TestDecimation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // For every column of the grid the output holds its first, lowest, highest and last raw
    // point, each an actual point at its own X, and nothing else; outside the visible range only
    // the nearest point on each side.
    void keepsExactlyEachColumnsExtremes_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("xMin");
        QTest::addColumn<double>("xMax");
        QTest::addColumn<int>("columns");
        QTest::newRow("whole range, many points per column") << 100000 << 0.0 << 99999.0 << 777;
        QTest::newRow("chunk and block edges inside columns") << 40000 << 16000.5 << 33000.25 << 13;
        QTest::newRow("fewer points than columns") << 50 << 0.0 << 49.0 << 700;
        QTest::newRow("zoomed inside") << 5000 << 1234.3 << 1301.7 << 320;
        QTest::newRow("range past the last point") << 300 << 100.0 << 900.0 << 100;
        QTest::newRow("one column") << 1000 << 0.0 << 999.0 << 1;
    }
    void keepsExactlyEachColumnsExtremes() {
        QFETCH(int, points);
        QFETCH(double, xMin);
        QFETCH(double, xMax);
        QFETCH(int, columns);
        QRandomGenerator random(quint32(points * 31 + columns));
        for (int round = 0; round < 5; ++round) {
            const std::vector<float> raw = RandomData(random, points);
            const SeriesValues values = MakeSeries(raw);
            const ColumnGrid grid{xMin, xMax, columns};
            const QList<QPointF> out = DecimateSeries(values, grid);

            std::map<int, std::vector<qint64>> expected; // column -> raw indexes
            for (qint64 k = grid.FirstIndex(); k < points && k <= xMax; ++k)
                expected[grid.ColumnOf(k)].push_back(k);
            std::map<int, std::vector<QPointF>> got;
            std::vector<QPointF> outside;
            for (qsizetype i = 0; i < out.size(); ++i) {
                const qint64 k = qint64(out[i].x());
                QCOMPARE(out[i].x(), double(k));
                QCOMPARE(float(out[i].y()), raw[std::size_t(k)]);
                if (i > 0)
                    QVERIFY(out[i].x() > out[i - 1].x());
                if (k < xMin || k > xMax)
                    outside.push_back(out[i]);
                else
                    got[grid.ColumnOf(k)].push_back(out[i]);
            }
            QCOMPARE(got.size(), expected.size());
            for (const auto& [column, indexes] : expected) {
                const std::vector<QPointF>& kept = got[column];
                QVERIFY(kept.size() <= 4);
                QCOMPARE(qint64(kept.front().x()), indexes.front());
                QCOMPARE(qint64(kept.back().x()), indexes.back());
                float min = raw[std::size_t(indexes.front())], max = min;
                for (const qint64 k : indexes) {
                    min = std::min(min, raw[std::size_t(k)]);
                    max = std::max(max, raw[std::size_t(k)]);
                }
                float keptMin = float(kept.front().y()), keptMax = keptMin;
                for (const QPointF& p : kept) {
                    keptMin = std::min(keptMin, float(p.y()));
                    keptMax = std::max(keptMax, float(p.y()));
                }
                QCOMPARE(keptMin, min);
                QCOMPARE(keptMax, max);
            }
            // The neighbours that carry the line to the edges.
            const qint64 firstInside = grid.FirstIndex();
            const qint64 lastInside = std::min<qint64>(points - 1, qint64(xMax));
            std::vector<qint64> neighbours;
            if (firstInside > 0)
                neighbours.push_back(std::min<qint64>(firstInside, points) - 1);
            if (lastInside + 1 < points)
                neighbours.push_back(lastInside + 1);
            QCOMPARE(outside.size(), neighbours.size());
            for (std::size_t i = 0; i < outside.size(); ++i)
                QCOMPARE(qint64(outside[i].x()), neighbours[i]);
        }
    }

    // A view narrower than one point still draws the segment that crosses it.
    void viewBetweenTwoPoints() {
        const SeriesValues values = MakeSeries({1, 5, 2, 8});
        const QList<QPointF> out = DecimateSeries(values, {1.2, 1.8, 100});
        QCOMPARE(out, (QList<QPointF>{{1, 5}, {2, 2}}));
        QVERIFY(DecimateSeries(SeriesValues(), {0, 1, 10}).isEmpty());
    }

    void labelPositions_data() {
        QTest::addColumn<double>("xMin");
        QTest::addColumn<double>("xMax");
        QTest::addColumn<int>("most");
        QTest::addColumn<QList<qint64>>("positions");
        QTest::newRow("every point") << 0.0 << 4.0 << 8 << QList<qint64>{0, 1, 2, 3, 4};
        QTest::newRow("step 2") << 0.0 << 9.0 << 5 << QList<qint64>{0, 2, 4, 6, 8};
        QTest::newRow("step 5 from a fraction") << 2.5 << 21.0 << 4 << QList<qint64>{5, 10, 15, 20};
        QTest::newRow("step 50000")
            << 0.0 << 345599.0 << 8
            << QList<qint64>{0, 50000, 100000, 150000, 200000, 250000, 300000};
        QTest::newRow("between two points") << 3.2 << 3.8 << 8 << QList<qint64>{};
    }
    void labelPositions() {
        QFETCH(double, xMin);
        QFETCH(double, xMax);
        QFETCH(int, most);
        QFETCH(QList<qint64>, positions);
        const std::vector<qint64> got = LabelPositions(xMin, xMax, most);
        QCOMPARE(QList<qint64>(got.begin(), got.end()), positions);
    }

    // The step for the next click: the maximum spinner's table, and the minimum spinner's by
    // its position's magnitude.
    void scaleSteps_data() {
        QTest::addColumn<int>("magnitude");
        QTest::addColumn<int>("step");
        const std::pair<int, int> table[] = {{2000, 100}, {501, 100}, {500, 50}, {251, 50},
                                             {250, 20},   {101, 20},  {100, 5},  {11, 5},
                                             {10, 1},     {3, 1},     {0, 1}};
        for (const auto& [magnitude, step] : table)
            QTest::addRow("%d", magnitude) << magnitude << step;
    }
    void scaleSteps() {
        QFETCH(int, magnitude);
        QFETCH(int, step);
        QCOMPARE(ScaleStep(magnitude), step);
    }
};

QTEST_APPLESS_MAIN(TestDecimation)
#include "test_decimation.moc"
