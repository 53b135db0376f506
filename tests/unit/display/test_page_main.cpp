#include "number_format.h"
#include "page_main.h"
#include "status_block.h"

#include <QLocale>
#include <QTest>

namespace {

QString Field(const MainPageView& view, const QString& name) {
    for (const PageFieldText& f : view.fields)
        if (f.name == name)
            return f.text;
    return QStringLiteral("<absent>");
}

QStringList LampsSet(const MainPageView& view) {
    QStringList names;
    for (const PageLampState& l : view.lamps)
        if (l.set)
            names.append(l.name);
    return names;
}

} // namespace

class TestPageMain : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void fieldTexts_data() {
        QTest::addColumn<QString>("mnemonic");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("pack voltage")
            << "Pack_Voltage_Sum" << qint64(52000) << "LabeledEdit_VOLTDCU_"
            << "52";
        QTest::newRow("leakage current")
            << "Pack_Current_Leakage" << qint64(-1500) << "LabeledEdit_CURRDCI_"
            << "-1,5";
        QTest::newRow("average current")
            << "Pack_Current_Average" << qint64(123456) << "LabeledEdit_CURRAVG_"
            << "123,456";
        QTest::newRow("cell voltage in full precision")
            << "Cell_Voltage_Max" << qint64(3312) << "LabeledEdit_VOLTCMAX_"
            << "3,312";
        QTest::newRow("negative temperature")
            << "Cell_Temp_Min" << qint64(-12) << "LabeledEdit_TEMPMIN_"
            << "-12";
        QTest::newRow("no ambient sensor")
            << "Temperature_Ambient" << qint64(-1000) << "LabeledEdit_TEMPAMB_"
            << "NC";
        QTest::newRow("ambient 23.5")
            << "Temperature_Ambient" << qint64(235) << "LabeledEdit_TEMPAMB_"
            << "23,5";
        QTest::newRow("ambient -99.9")
            << "Temperature_Ambient" << qint64(-999) << "LabeledEdit_TEMPAMB_"
            << "-99,9";
        QTest::newRow("capacity") << "Design_Capacity" << qint64(200000) << "LabeledEdit_CAPACITY_"
                                  << "200";
        QTest::newRow("remaining, signed")
            << "Remaining_Pack_Capacity" << qint64(-2500) << "LabeledEdit_SOCAH_"
            << "-2,5";
        QTest::newRow("time to empty in hours")
            << "Run_Time_to_Empty" << qint64(90) << "LabeledEdit_TIMETOEMPTY_"
            << "1,5";
        QTest::newRow("average time to empty")
            << "Average_Time_to_Empty" << qint64(100) << "LabeledEdit_AVGTIMETOEMPTY_"
            << "1,667";
        QTest::newRow("cell number unclipped")
            << "Design_Cell_Number" << qint64(250) << "LabeledEdit_CELLNUMBER_"
            << "250";
        QTest::newRow("charge percent")
            << "Absolute_State_of_Charge" << qint64(57) << "LabeledEdit_SOCPERCENT_"
            << "57";
    }
    void fieldTexts() {
        QFETCH(QString, mnemonic);
        QFETCH(qint64, value);
        QFETCH(QString, field);
        StatusBlockBuilder b;
        b.Set(mnemonic, value);
        QTEST(Field(ComputeMainPage(b.words), field), "text");
    }

    void power_data() {
        QTest::addColumn<qint64>("current");
        QTest::addColumn<qint64>("average");
        QTest::addColumn<QString>("power");
        QTest::addColumn<QString>("averagePower");
        QTest::newRow("discharging") << qint64(-2000) << qint64(1000) << "-104"
                                     << "52";
        // The extremes of the registers still give the exact product (-111669149,696 W); the
        // notation of large numbers is the formatter's.
        QTest::newRow("largest current") << qint64(-2147483648LL) << qint64(0)
                                         << FormatG6(-2147483648LL * 52000, 1000000) << "0";
    }
    void power() {
        QFETCH(qint64, current);
        QFETCH(qint64, average);
        StatusBlockBuilder b;
        b.Set(u"Pack_Voltage_Sum", 52000)
            .Set(u"Pack_Current", current)
            .Set(u"Pack_Current_Average", average);
        const MainPageView view = ComputeMainPage(b.words);
        QTEST(Field(view, QStringLiteral("LabeledEdit_POWER_")), "power");
        QTEST(Field(view, QStringLiteral("LabeledEdit_POWERAVG_")), "averagePower");
    }

    void chargeBar_data() {
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("low");
        QTest::newRow("0") << 0 << true;
        QTest::newRow("20 red") << 20 << true;
        QTest::newRow("21 green") << 21 << false;
        QTest::newRow("100") << 100 << false;
    }
    void chargeBar() {
        QFETCH(int, percent);
        StatusBlockBuilder b;
        b.Set(u"Absolute_State_of_Charge", percent);
        const MainPageView view = ComputeMainPage(b.words);
        QCOMPARE(view.stateOfCharge, percent);
        QTEST(view.chargeLow, "low");
    }

    void cellScan_data() {
        QTest::addColumn<int>("cells");
        QTest::addColumn<QString>("vmax");
        QTest::addColumn<QString>("vmin");
        QTest::addColumn<QString>("tmax");
        QTest::addColumn<QString>("tmin");
        QTest::addColumn<QString>("balancing");
        // Cells 2 and 5 carry Vmax, 3 Vmin and BAL, 4 Tmax and BAL, 1 Tmin.
        QTest::newRow("two Vmax cells: the higher") << 5 << "5"
                                                    << "3"
                                                    << "4"
                                                    << "1"
                                                    << "2";
        QTest::newRow("flags beyond the count ignored") << 3 << "2"
                                                        << "3"
                                                        << "<absent>"
                                                        << "1"
                                                        << "1";
        QTest::newRow("no cells: fields keep their texts") << 0 << "<absent>"
                                                           << "<absent>"
                                                           << "<absent>"
                                                           << "<absent>"
                                                           << "0";
    }
    void cellScan() {
        QFETCH(int, cells);
        StatusBlockBuilder b;
        b.Set(u"Design_Cell_Number", cells)
            .Cell(1, 3300, 20, 1 << 9)
            .Cell(2, 3400, 20, 1 << 10)
            .Cell(3, 3200, 20, (1 << 11) | (1 << 12))
            .Cell(4, 3300, 30, (1 << 8) | (1 << 12))
            .Cell(5, 3400, 20, 1 << 10);
        const MainPageView view = ComputeMainPage(b.words);
        QTEST(Field(view, QStringLiteral("LabeledEdit_VOLTCMAXCELL_")), "vmax");
        QTEST(Field(view, QStringLiteral("LabeledEdit_VOLTCMINCELL_")), "vmin");
        QTEST(Field(view, QStringLiteral("LabeledEdit_TEMPMAXCELL_")), "tmax");
        QTEST(Field(view, QStringLiteral("LabeledEdit_TEMPMINCELL_")), "tmin");
        QTEST(Field(view, QStringLiteral("LabeledEdit_BALANCECELLNMB_")), "balancing");
    }

    void lamps_data() {
        QTest::addColumn<qint64>("batteryStatus");
        QTest::addColumn<qint64>("safetyStatus");
        QTest::addColumn<QStringList>("red");
        QTest::newRow("all clear") << qint64(0) << qint64(0) << QStringList{};
        QTest::newRow("safety bits 0 and 19")
            << qint64(0) << qint64(0x80001) << QStringList{"Shape_COV_", "Shape_DCNT_"};
        QTest::newRow("safety bits 20 to 31 drive nothing")
            << qint64(0) << qint64(0xFFF00000) << QStringList{};
        QTest::newRow("battery bits in update order") << qint64(0xFFFF) << qint64(0)
                                                      << QStringList{"Shape_TERMINATE_CHARGE_",
                                                                     "Shape_TERMINATE_DISCHARGE_",
                                                                     "Shape_RCA_",
                                                                     "Shape_REDUCED_CHARGE_",
                                                                     "Shape_DISCHARGING_",
                                                                     "Shape_FULLY_CHARGED_",
                                                                     "Shape_FULLY_DISCHARGED_",
                                                                     "Shape_OVERTEMP_",
                                                                     "Shape_OVERCHARGED_"};
        QTest::newRow("uninterpreted battery bits") << qint64(0x058F) << qint64(0) << QStringList{};
    }
    void lamps() {
        QFETCH(qint64, batteryStatus);
        QFETCH(qint64, safetyStatus);
        StatusBlockBuilder b;
        b.Set(u"Battery_Status", batteryStatus).Set(u"Safety_Status", safetyStatus);
        // The warning register drives no lamp.
        b.Set(u"Safety_Alert", 0xFFFFF);
        const MainPageView view = ComputeMainPage(b.words);
        QCOMPARE(view.lamps.size(), 29);
        QTEST(LampsSet(view), "red");
    }

    void passwordBit_data() {
        QTest::addColumn<qint64>("mode");
        QTest::addColumn<bool>("loggedIn");
        QTest::newRow("bit 5") << qint64(0x20) << true;
        QTest::newRow("other bits") << qint64(0xFFDF) << false;
    }
    void passwordBit() {
        QFETCH(qint64, mode);
        StatusBlockBuilder b;
        b.Set(u"Battery_Mode", mode);
        QTEST(ComputeMainPage(b.words).loggedIn, "loggedIn");
    }

    void fillOrder() {
        const MainPageView view = ComputeMainPage(StatusBlockBuilder().words);
        QStringList names;
        for (const PageFieldText& f : view.fields)
            names.append(f.name);
        QCOMPARE(names.first(), QStringLiteral("LabeledEdit_VOLTDCU_"));
        QCOMPARE(names.indexOf(QStringLiteral("LabeledEdit_TEMPAMB_")) + 1,
                 names.indexOf(QStringLiteral("LabeledEdit_BALANCECELLNMB_")));
        QCOMPARE(names.last(), QStringLiteral("LabeledEdit_AVGTIMETOEMPTY_"));
        QCOMPARE(names.size(), 19); // 23 fields less the 4 cell numbers nobody claims
    }

    void alarmLampLabels() {
        QCOMPARE(AlarmLampLabel(u"Shape_COV_"), QStringLiteral("COV"));
        QCOMPARE(AlarmLampLabel(u"Shape_BFAIL_"), QStringLiteral("BFAIL"));
    }
};

QTEST_APPLESS_MAIN(TestPageMain)
#include "test_page_main.moc"
