#include "cell_overview_data.h"
#include "status_block.h"

#include <QLocale>
#include <QTest>

namespace {

struct CellValues {
    int millivolts;
    int degrees;
    int status = 0;
};

StatusBlockBuilder Cells(const QList<CellValues>& cells) {
    StatusBlockBuilder b;
    b.Set(u"Design_Cell_Number", cells.size());
    for (int i = 0; i < cells.size(); ++i)
        b.Cell(i + 1, quint16(cells[i].millivolts), qint16(cells[i].degrees),
               quint16(cells[i].status));
    return b;
}

} // namespace

class TestCellOverviewData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void extremes_data() {
        QTest::addColumn<QList<CellValues>>("cells");
        QTest::addColumn<QList<int>>("volts");   // min cell, max cell, spread, scale low, high
        QTest::addColumn<QList<int>>("degrees"); // the same
        QTest::newRow("no cells") << QList<CellValues>{} << QList<int>{0, 0, 0, 0, 0}
                                  << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("wide spread, negative temperatures")
            << QList<CellValues>{{3300, -5}, {3131, 2}, {3410, -12}, {3290, 0}}
            << QList<int>{2, 3, 279, 3131, 3410} << QList<int>{3, 2, 14, -12, 2};
        // Equal cells: the first of them; a spread under the minimum is centred in it.
        QTest::newRow("ties and a narrow spread")
            << QList<CellValues>{{3150, 25}, {3153, 25}, {3150, 26}, {3153, 24}}
            << QList<int>{1, 2, 3, 3147, 3157} << QList<int>{4, 3, 2, 24, 26};
        QTest::newRow("one cell") << QList<CellValues>{{3200, 20}}
                                  << QList<int>{1, 1, 0, 3195, 3205} << QList<int>{1, 1, 0, 19, 21};
    }
    void extremes() {
        QFETCH(QList<CellValues>, cells);
        const CellOverviewData data = ComputeCellOverview(Cells(cells).words);
        QCOMPARE(data.cells.size(), cells.size());
        const auto figures = [](const OverviewExtremes& e) {
            return QList<int>{e.minCell, e.maxCell, e.Spread(), e.scale.low, e.scale.high};
        };
        QTEST(figures(data.volts), "volts");
        QTEST(figures(data.degrees), "degrees");
    }

    void texts() {
        const CellOverviewData data =
            ComputeCellOverview(Cells({{3148, 25, 0}, {3172, 33, 0x1401}}).words);
        QCOMPARE(VoltSummary(data.volts),
                 QStringLiteral("Напряжение, разброс 24 мВ\nмин. №1 3,148 В, макс. №2 3,172 В"));
        QCOMPARE(DegreeSummary(data.degrees),
                 QStringLiteral("Температура, разброс 8 °C\nмин. №1 25 °C, макс. №2 33 °C"));
        QCOMPARE(VoltSummary({}), QStringLiteral("Напряжение"));
        QCOMPARE(CellToolTip(data.cells[1]),
                 QStringLiteral("Элемент 2\nНапряжение: 3,172 В\nТемпература: 33 °C\n"
                                "Высокое напряжение элемента\n"
                                "Максимальное напряжение элемента в АБ\nБалансировка"));
        QCOMPARE(data.volts.scale.Position(3148), 0.0);
        QCOMPARE(data.volts.scale.Position(4000), 1.0);
    }

    void flags_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("alarm");
        QTest::addColumn<bool>("warning");
        QTest::addColumn<bool>("balancing");
        QTest::newRow("none, extremes only") << 0x0F00 << false << false << false;
        QTest::newRow("under voltage") << 0x0002 << true << false << false;
        QTest::newRow("failed balancing circuit") << 0x0080 << true << false << false;
        QTest::newRow("above average temperature") << 0x0040 << false << true << false;
        QTest::newRow("balancing, precharge") << 0x3000 << false << false << true;
    }
    void flags() {
        QFETCH(int, status);
        QTEST(CellAlarm(quint16(status)), "alarm");
        QTEST(CellWarning(quint16(status)), "warning");
        QTEST(CellBalancing(quint16(status)), "balancing");
    }
};

QTEST_APPLESS_MAIN(TestCellOverviewData)
#include "test_cell_overview_data.moc"
