#include "status_block.h"
#include "table_cells.h"

#include <QLocale>
#include <QTest>

class TestStateRows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void cellRow_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<QStringList>("row");
        const QString o = QStringLiteral("O");
        const QString e;
        QTest::newRow("0x1401 scaled")
            << 0x1401 << true
            << QStringList{"7", "3,312", "-5", o, e, e, e, e, e, e, e, e, e, o, e, o, e};
        QTest::newRow("0x1401 raw")
            << 0x1401 << false
            << QStringList{"7", "3312", "-5", o, e, e, e, e, e, e, e, e, e, o, e, o, e};
        QTest::newRow("all 16 bits: 14 columns")
            << 0xFFFF << true
            << QStringList{"7", "3,312", "-5", o, o, o, o, o, o, o, o, o, o, o, o, o, o};
    }
    void cellRow() {
        QFETCH(int, status);
        QFETCH(bool, scaled);
        StatusBlockBuilder b;
        b.Set(u"Design_Cell_Number", 7).Cell(7, 3312, -5, quint16(status));
        QTEST(CellTableRow(b.words, 7, scaled), "row");
    }

    void cellCount_data() {
        QTest::addColumn<int>("design");
        QTest::addColumn<int>("shown");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("16") << 16 << 16;
        QTest::newRow("200") << 200 << 200;
        QTest::newRow("beyond the arrays") << 65535 << 200;
    }
    void cellCount() {
        QFETCH(int, design);
        StatusBlockBuilder b;
        b.Set(u"Design_Cell_Number", design);
        QTEST(ShownCellCount(b.words), "shown");
        const CellChartBars bars = CellChartValues(b.words);
        QCOMPARE(bars.volts.size(), ShownCellCount(b.words) + 1);
        QCOMPARE(bars.degrees.size(), bars.volts.size());
    }

    void chartValues() {
        StatusBlockBuilder b;
        b.Set(u"Design_Cell_Number", 2).Cell(1, 3312, -5, 0).Cell(2, 4100, 40, 0);
        const CellChartBars bars = CellChartValues(b.words);
        QCOMPARE(bars.volts, (QList<qreal>{0, 3.312, 4.1}));
        QCOMPARE(bars.degrees, (QList<qreal>{0, -5, 40}));
    }

    void alarmRows() {
        StatusBlockBuilder b;
        b.Set(u"Safety_Alert", 1 << 2).Set(u"Safety_Status", 0x80000);
        const QList<BitRowTexts> rows = AlarmTableRows(b.words);
        QCOMPARE(rows.size(), 20);
        QCOMPARE(rows[2], (BitRowTexts{"1", "0"}));
        QCOMPARE(rows[19], (BitRowTexts{"0", "1"}));
        QCOMPARE(rows[0], (BitRowTexts{"0", "0"}));
    }

    void chargeRows() {
        StatusBlockBuilder b;
        b.Set(u"Charge_Alert", 0x81).Set(u"Charge_Status", 0x180);
        const QList<BitRowTexts> rows = ChargeTableRows(b.words);
        QCOMPARE(rows.size(), 8);
        QCOMPARE(rows[0], (BitRowTexts{"1", "0"}));
        QCOMPARE(rows[7], (BitRowTexts{"1", "1"}));
        QCOMPARE(rows[1], (BitRowTexts{"0", "0"}));
    }
};

QTEST_APPLESS_MAIN(TestStateRows)
#include "test_state_rows.moc"
