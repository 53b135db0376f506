#include "cell_chart_window.h"

#include <QTest>

class TestCellChartWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void window_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("p");
        QTest::addColumn<double>("axisMaximumBefore");
        QTest::addColumn<int>("pointsMaximum");
        QTest::addColumn<int>("pageMaximum");
        QTest::addColumn<int>("correctedPage"); // -1: none
        QTest::addColumn<double>("axisMinimum");
        QTest::addColumn<double>("axisMaximum");
        QTest::newRow("16 by 10: a part page")
            << 16 << 10 << 0 << 80.0 << 16 << 1 << -1 << 0.0 << 11.0;
        QTest::newRow("20 by 10: no part page")
            << 20 << 10 << 1 << 11.0 << 20 << 1 << -1 << 10.0 << 21.0;
        QTest::newRow("fresh chart, page 0")
            << 95 << 10 << 0 << 80.0 << 95 << 9 << -1 << 0.0 << 11.0;
        QTest::newRow("page 9 past the axis")
            << 95 << 10 << 9 << 11.0 << 95 << 9 << -1 << 90.0 << 100.0;
        QTest::newRow("page 12 corrected to 9, window from 120")
            << 95 << 10 << 12 << 100.0 << 95 << 9 << 9 << 120.0 << 130.0;
        QTest::newRow("back to an earlier page")
            << 95 << 10 << 3 << 100.0 << 95 << 9 << -1 << 30.0 << 41.0;
        QTest::newRow("15 per screen")
            << 200 << 15 << 13 << 11.0 << 200 << 13 << -1 << 195.0 << 210.0;
        QTest::newRow("fewer cells than a screen")
            << 4 << 10 << 0 << 80.0 << 10 << 0 << -1 << 0.0 << 11.0;
        QTest::newRow("no cells") << 0 << 10 << 0 << 80.0 << 10 << 0 << -1 << 0.0 << 11.0;
        QTest::newRow("no cells, stale page")
            << 0 << 10 << 2 << 80.0 << 10 << 0 << 0 << 20.0 << 31.0;
        QTest::newRow("zero per screen divides by one")
            << 3 << 0 << 1 << 80.0 << 10 << 2 << -1 << 1.0 << 3.0;
        QTest::newRow("largest numbers") << 65535 << 65535 << 65535 << 80.0 << 65535 << 0 << 0
                                         << 65535.0 * 65535 << 65535.0 * 65536;
    }
    void window() {
        QFETCH(int, n);
        QFETCH(int, k);
        QFETCH(int, p);
        QFETCH(double, axisMaximumBefore);
        const CellChartWindow w =
            ComputeCellChartWindow(quint16(n), quint16(k), quint16(p), axisMaximumBefore);
        QCOMPARE(w.pointsMinimum, 10);
        QTEST(w.pointsMaximum, "pointsMaximum");
        QTEST(w.pageMaximum, "pageMaximum");
        QTEST(w.correctedPage.value_or(-1), "correctedPage");
        QTEST(w.axisMinimum, "axisMinimum");
        QTEST(w.axisMaximum, "axisMaximum");
        QVERIFY(w.axisMinimum < w.axisMaximum);
        QVERIFY(w.pointsMinimum <= w.pointsMaximum);
        QVERIFY(w.pageMaximum >= 0);
    }

    // The corrected page, passed back as the spinner would, lands on the last full window.
    void correctedPageOnTheNextCall() {
        const CellChartWindow first = ComputeCellChartWindow(95, 10, 12, 100);
        const CellChartWindow second =
            ComputeCellChartWindow(95, 10, quint16(*first.correctedPage), first.axisMaximum);
        QVERIFY(!second.correctedPage);
        QCOMPARE(second.axisMinimum, 90.0);
        QCOMPARE(second.axisMaximum, 101.0);
    }

    // Labels are thinned so that each keeps its height; the count shown always fits.
    void labelStep_data() {
        QTest::addColumn<double>("positions");
        QTest::addColumn<double>("plotHeight");
        QTest::addColumn<int>("step");
        QTest::newRow("11 bars, all labelled") << 11.0 << 300.0 << 1;
        QTest::newRow("20 bars in 300 px") << 20.0 << 300.0 << 2;
        QTest::newRow("101 bars") << 101.0 << 300.0 << 6;
        QTest::newRow("201 bars") << 201.0 << 300.0 << 11;
        QTest::newRow("room for one label") << 11.0 << 20.0 << 11;
        QTest::newRow("no plot yet") << 11.0 << 0.0 << 11;
    }
    void labelStep() {
        QFETCH(double, positions);
        QFETCH(double, plotHeight);
        constexpr double labelHeight = 15;
        const int step = PositionLabelStep(positions, plotHeight, labelHeight);
        QTEST(step, "step");
        if (plotHeight >= 2 * labelHeight)
            QVERIFY((int(positions) / step + 1) * labelHeight <= plotHeight);
    }
};

QTEST_APPLESS_MAIN(TestCellChartWindow)
#include "test_cell_chart_window.moc"
