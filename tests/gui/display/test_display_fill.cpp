#include "cell_overview.h"
#include "display_fixture.h"
#include "settings_map.h"
#include "table_state.h"
#include "view_options.h"

#include <QElapsedTimer>

#include <QHelpEvent>
#include <QLocale>
#include <QPaintEvent>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <functional>

namespace {

void SetStatus(RegisterImage& image, QStringView mnemonic, qint64 value) {
    StoreField(image.StatusBlock, StatusByMnemonic(mnemonic).field, quint32(value));
}

void SetCell(RegisterImage& image, int n, quint16 millivolts, qint16 degrees, quint16 status) {
    SetWord16(image.StatusBlock, CellVoltageOffset + n - 1, millivolts);
    SetWord16(image.StatusBlock, CellTemperatureOffset + n - 1, quint16(degrees));
    SetWord16(image.StatusBlock, CellStatusOffset + n - 1, status);
}

void SetCells(RegisterImage& image, int count) {
    SetStatus(image, u"Design_Cell_Number", count);
    for (int n = 1; n <= count; ++n)
        SetCell(image, n, quint16(3200 + n), qint16(20 + n % 10), n == count ? 0x1401 : 0);
}

void SetJournal(RegisterImage& image, int usedUpTo, bool wrapped) {
    image.JournalBlock.fill(0xFFFF);
    for (int k = 0; k < JournalRecordCount; ++k) {
        if (k < usedUpTo || (wrapped && k > usedUpTo)) {
            SetWord32(image.JournalBlock, 4 * k, quint32(86400 * k));
            SetWord16(image.JournalBlock, 4 * k + 2, quint16(k % 40));
            SetWord16(image.JournalBlock, 4 * k + 3, quint16(k % 7));
        }
    }
}

QBarSet* Bars(DisplayWindow& w, const char* series) {
    for (QAbstractSeries* s :
         w.Find<QChartView>(QStringLiteral("Chart_INFOCELL_"))->chart()->series())
        if (s->objectName() == QLatin1String(series))
            return qobject_cast<QHorizontalBarSeries*>(s)->barSets().first();
    return nullptr;
}

QValueAxis* PositionAxis(DisplayWindow& w) {
    QChart* chart = w.Find<QChartView>(QStringLiteral("Chart_INFOCELL_"))->chart();
    return qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).first());
}

QString Text(DisplayWindow& w, const char* name) {
    return w.Find<QLineEdit>(QString::fromLatin1(name))->text();
}

// Collects the regions a widget paints.
class PaintRecorder final : public QObject {
public:
    PaintRecorder(QWidget* widget, QRegion& painted) : painted_(painted) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted_ += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QRegion& painted_;
};

} // namespace

class TestDisplayFill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() {
        UseRussianNames = true;
        UseScaledUnits = true;
    }

    void mainPage() {
        DisplayWindow w;
        SetStatus(w.image, u"Pack_Voltage_Sum", 52000);
        SetStatus(w.image, u"Pack_Current", -2000);
        SetStatus(w.image, u"Temperature_Ambient", -1000);
        SetStatus(w.image, u"Absolute_State_of_Charge", 20);
        SetStatus(w.image, u"Safety_Status", 0x80001);
        // Low charge is an alarm, discharging a state.
        SetStatus(w.image, u"Battery_Status", 1 << 9 | 1 << 6);
        SetStatus(w.image, u"Battery_Mode", 1 << 5);
        SetCells(w.image, 3);
        FillMainPage(w.image, w.mainPage);
        QCOMPARE(Text(w, "LabeledEdit_VOLTDCU_"), QStringLiteral("52"));
        QCOMPARE(Text(w, "LabeledEdit_POWER_"), QStringLiteral("-104"));
        QCOMPARE(Text(w, "LabeledEdit_TEMPAMB_"), QStringLiteral("NC"));
        QCOMPARE(Text(w, "LabeledEdit_VOLTCMAXCELL_"), QStringLiteral("3"));
        QCOMPARE(Text(w, "LabeledEdit_BALANCECELLNMB_"), QStringLiteral("1"));
        const auto* bar = w.Find<QProgressBar>(QStringLiteral("ProgressBar_SOC_"));
        QCOMPARE(bar->value(), 20);
        QCOMPARE(bar->palette().color(QPalette::Highlight), QColor(255, 0, 0));
        for (const Lamp* lamp : w.mainPage->findChildren<Lamp*>()) {
            const bool red = lamp->objectName() == QLatin1String("Shape_COV_") ||
                             lamp->objectName() == QLatin1String("Shape_DCNT_") ||
                             lamp->objectName() == QLatin1String("Shape_RCA_");
            const bool blue = lamp->objectName() == QLatin1String("Shape_DISCHARGING_");
            QCOMPARE(lamp->Color(),
                     red ? QColor(255, 0, 0) : blue ? QColor(30, 144, 255) : QColor(0, 255, 0));
        }
        QVERIFY(w.password->isChecked());
        QCOMPARE(w.password->text(), QStringLiteral("Выйти"));

        // The next poll: no cell claims Vmax, no login, charge 21 %.
        SetStatus(w.image, u"Absolute_State_of_Charge", 21);
        SetStatus(w.image, u"Battery_Mode", 0);
        SetCell(w.image, 3, 3300, 20, 0);
        FillMainPage(w.image, w.mainPage);
        QCOMPARE(Text(w, "LabeledEdit_VOLTCMAXCELL_"), QStringLiteral("3"));
        QCOMPARE(Text(w, "LabeledEdit_BALANCECELLNMB_"), QStringLiteral("0"));
        QCOMPARE(bar->value(), 21);
        QCOMPARE(bar->palette().color(QPalette::Highlight), QColor(0, 128, 0));
        QVERIFY(!w.password->isChecked());
        QCOMPARE(w.password->text(), QStringLiteral("Войти"));
    }

    void stateTables_data() {
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<QString>("voltage");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("cellVoltage");
        QTest::newRow("scaled") << true << "52"
                                << "В"
                                << "3,312";
        QTest::newRow("raw") << false << "52000"
                             << "мВ"
                             << "3312";
    }
    void stateTables() {
        QFETCH(bool, scaled);
        UseScaledUnits = scaled;
        DisplayWindow w;
        SetStatus(w.image, u"Pack_Voltage_Sum", 52000);
        SetStatus(w.image, u"Temperature_Ambient", -1000);
        SetStatus(w.image, u"Safety_Alert", 1 << 2);
        SetStatus(w.image, u"Charge_Status", 1 << 7);
        SetStatus(w.image, u"Design_Cell_Number", 1);
        SetCell(w.image, 1, 3312, -5, 0x1401);
        FillInfoBase(w.image, &w.window);
        FillCellTable(w.image, w.cellPage);
        FillAlarmTable(w.image, &w.window);
        FillChargeTable(w.image, &w.window);
        QTableWidget* status = w.Table(QStringLiteral("StringGrid_INFOBASE_"));
        QTEST(GridCell(status, 5, 2), "voltage");
        QTEST(GridCell(status, 5, 3), "unit");
        QCOMPARE(GridCell(status, 15, 2), QStringLiteral("NC"));
        QTableWidget* cells = w.Table(QStringLiteral("StringGrid_INFOCELL_"));
        QCOMPARE(GridRowCount(cells), 2);
        QTEST(GridCell(cells, 1, 1), "cellVoltage");
        QCOMPARE(GridCell(cells, 1, 2), QStringLiteral("-5"));
        QCOMPARE(GridCell(cells, 1, 3), QStringLiteral("O"));
        QCOMPARE(GridCell(cells, 1, 4), QString());
        QCOMPARE(GridCell(cells, 1, 13), QStringLiteral("O"));
        QCOMPARE(GridCell(cells, 1, 15), QStringLiteral("O"));
        QTableWidget* alarms = w.Table(QStringLiteral("StringGrid_INFOALARM_"));
        QCOMPARE(GridCell(alarms, 3, 2), QStringLiteral("1"));
        QCOMPARE(GridCell(alarms, 3, 3), QStringLiteral("0"));
        QTableWidget* charge = w.Table(QStringLiteral("StringGrid_INFOCHARGE_"));
        QCOMPARE(GridCell(charge, 8, 3), QStringLiteral("1"));
        QCOMPARE(GridCell(charge, 8, 2), QStringLiteral("0"));
    }

    void cellChartPaging() {
        DisplayWindow w;
        SetCells(w.image, 95);
        FillCellTable(w.image, w.cellPage);
        QCOMPARE(Bars(w, "Series_VOLTC_")->count(), 96);
        QCOMPARE(Bars(w, "Series_TEMPC_")->count(), 96);
        QCOMPARE(Bars(w, "Series_VOLTC_")->at(0), 0.0);
        QCOMPARE(Bars(w, "Series_VOLTC_")->at(95), 3.295);
        QCOMPARE(GridRowCount(w.Table(QStringLiteral("StringGrid_INFOCELL_"))), 96);
        QValueAxis* axis = PositionAxis(w);
        QCOMPARE(axis->min(), 0.0);
        QCOMPARE(axis->max(), 11.0);
        auto* page = w.Find<QSpinBox>(QStringLiteral("UpDown_INFOCELLPAGE_"));
        auto* perScreen = w.Find<QSpinBox>(QStringLiteral("UpDown_INFOCELLPT_"));
        QCOMPARE(page->maximum(), 9);
        QCOMPARE(perScreen->maximum(), 95);
        page->setValue(9);
        QCOMPARE(axis->min(), 90.0);
        QCOMPARE(axis->max(), 100.0);
        perScreen->setValue(15);
        QCOMPARE(page->maximum(), 6);
        QCOMPARE(page->value(), 6);

        // Fewer cells than a screen, then none: nothing fails and the spinners stay sane.
        SetCells(w.image, 4);
        FillCellTable(w.image, w.cellPage);
        QCOMPARE(perScreen->minimum(), 10);
        QCOMPARE(perScreen->maximum(), 10);
        QCOMPARE(page->maximum(), 0);
        SetCells(w.image, 0);
        FillCellTable(w.image, w.cellPage);
        QCOMPARE(Bars(w, "Series_VOLTC_")->count(), 1);
        QCOMPARE(Bars(w, "Series_TEMPC_")->count(), 1);
        QTableWidget* cells = w.Table(QStringLiteral("StringGrid_INFOCELL_"));
        QCOMPARE(GridRowCount(cells), 2);
        for (int c = 0; c < cells->columnCount(); ++c)
            QCOMPARE(GridCell(cells, 1, c), QString());
        // With no cells a spinner change does not repage the chart.
        const double min = axis->min();
        const double max = axis->max();
        perScreen->setValue(10);
        page->setValue(0);
        QCOMPARE(axis->min(), min);
        QCOMPARE(axis->max(), max);
    }

    // Hidden, the overview does not follow the cells; shown, it catches up, repaints only the
    // cell whose look changed, tells a cell's values on hovering and pages the chart to a cell
    // clicked.
    void cellOverview() {
        DisplayWindow w;
        auto* tabs = w.window.findChild<QTabWidget*>();
        tabs->setCurrentWidget(w.mainPage);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        auto* overview = w.Find<CellOverview>(QStringLiteral("Panel_CELLOVERVIEW_"));
        SetCells(w.image, 200);
        FillCellTable(w.image, w.cellPage);
        QCOMPARE(overview->Data().cells.size(), 0);
        tabs->setCurrentWidget(w.cellPage);
        QCOMPARE(overview->Data().cells.size(), 200);
        // The names of the extreme cells follow a square of their colour in the map.
        const QString summary = w.Find<QLabel>(QStringLiteral("Label_CELLVOLTS_"))->text();
        QTextDocument shown;
        shown.setHtml(summary);
        QCOMPARE(shown.toPlainText(), QStringLiteral("Напряжение, разброс 199 мВ\n■ мин. №1 3,201 В, "
                                                     "■ макс. №200 3,4 В"));
        auto* map = w.Find<CellMap>(QStringLiteral("PaintBox_CELLVOLTS_"));
        const QColor lowest = map->grab().toImage().pixelColor(map->CellRect(1).center());
        QVERIFY2(summary.contains(QStringLiteral("color:%1\">&#9632;</span>&nbsp;мин.")
                                      .arg(lowest.name())),
                 qPrintable(summary));
        map->repaint(); // whatever the first showing left to paint
        QRegion painted;
        PaintRecorder recorder(map, painted);
        // The overview alone: a refill of the bar chart repaints the page around it.
        SetCell(w.image, 100, 3250, 20, 0x0002);
        overview->Refresh();
        QApplication::processEvents();
        QVERIFY(!painted.isEmpty());
        QVERIFY2(map->CellRect(100).contains(painted.boundingRect()),
                 qPrintable(QStringLiteral("%1,%2 %3 x %4")
                                .arg(painted.boundingRect().x())
                                .arg(painted.boundingRect().y())
                                .arg(painted.boundingRect().width())
                                .arg(painted.boundingRect().height())));

        const QPoint inside = map->CellRect(100).center();
        QHelpEvent hover(QEvent::ToolTip, inside, map->mapToGlobal(inside));
        QApplication::sendEvent(map, &hover);
        QCOMPARE(QToolTip::text(),
                 QStringLiteral("Элемент 100\nНапряжение: 3,25 В\nТемпература: 20 °C\n"
                                "Низкое напряжение элемента"));

        QTest::mouseClick(map, Qt::LeftButton, {}, map->CellRect(57).center());
        QCOMPARE(w.Find<QSpinBox>(QStringLiteral("UpDown_INFOCELLPAGE_"))->value(), 5);
        QCOMPARE(PositionAxis(w)->min(), 50.0);
        QCOMPARE(PositionAxis(w)->max(), 60.0);
        QCOMPARE(w.Table(QStringLiteral("StringGrid_INFOCELL_"))->currentRow(), 56);
    }

    void threeD() {
        DisplayWindow w;
        auto* box = w.Find<QCheckBox>(QStringLiteral("CheckBox_INFOCELL3D_"));
        QChart* chart = w.Find<QChartView>(QStringLiteral("Chart_INFOCELL_"))->chart();
        QBarSet* volts = Bars(w, "Series_VOLTC_");
        QCOMPARE(volts->brush().style(), Qt::SolidPattern);
        box->setChecked(true);
        QVERIFY(chart->isDropShadowEnabled());
        QCOMPARE(volts->brush().style(), Qt::LinearGradientPattern);
        box->setChecked(false);
        QVERIFY(!chart->isDropShadowEnabled());
        QCOMPARE(volts->brush(), QBrush(QColor(144, 238, 144)));
    }

    void settingsTables_data() {
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<QStringList>("charge"); // CF_Voltage value and unit, idle current, CF_Time
        QTest::newRow("scaled") << true << QStringList{"3,45", "В", "-0,1", "А", "1,5", "ч"};
        QTest::newRow("raw") << false << QStringList{"3450", "мВ", "-100", "мА", "90", "мин"};
    }
    void settingsTables() {
        QFETCH(bool, scaled);
        QFETCH(QStringList, charge);
        UseScaledUnits = scaled;
        DisplayWindow w;
        w.image.CommSettingsBlock[1] = 4;
        w.image.CommSettingsBlock[2] = 2;
        w.image.ChargeSettingsBlock[0] = 3450;
        w.image.ChargeSettingsBlock[32] = 0xFF9C;
        w.image.ChargeSettingsBlock[9] = 90;
        w.image.AlarmSettingsBlock[12] = 0xFFF6;
        FillCommSettings(w.image, &w.window);
        FillAlarmSettings(w.image, &w.window);
        FillChargeSettings(w.image, &w.window);
        QTableWidget* rs = w.Table(QStringLiteral("StringGrid_SETRS_"));
        QCOMPARE(GridCell(rs, 2, 2), QStringLiteral("4"));
        QCOMPARE(GridCell(rs, 2, 3), QStringLiteral("115200"));
        QCOMPARE(GridCell(rs, 3, 3), QStringLiteral("   8O1"));
        QCOMPARE(GridCell(rs, 1, 3), QString());
        QTableWidget* chargeTable = w.Table(QStringLiteral("StringGrid_SETCHARGE_"));
        QCOMPARE(GridCell(chargeTable, 1, 2), charge[0]);
        QCOMPARE(GridCell(chargeTable, 1, 3), charge[1]);
        QCOMPARE(GridCell(chargeTable, 23, 2), charge[2]);
        QCOMPARE(GridCell(chargeTable, 23, 3), charge[3]);
        QCOMPARE(GridCell(chargeTable, 7, 2), charge[4]);
        QCOMPARE(GridCell(chargeTable, 7, 3), charge[5]);
        QCOMPARE(GridCell(w.Table(QStringLiteral("StringGrid_SETALARM_")), 13, 2),
                 QStringLiteral("-10"));
    }

    void journal_data() {
        QTest::addColumn<int>("firstEmpty");
        QTest::addColumn<bool>("wrapped");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("firstNumber");
        QTest::addColumn<QString>("lastTime"); // of the last row, the header when none
        QTest::newRow("empty") << 0 << false << 1 << QString() << "Дата-Время";
        QTest::newRow("10 used") << 10 << false << 11 << "10"
                                 << "0.1.1 - 0:0:0";
        QTest::newRow("wrapped at 300") << 300 << true << 557 << "556"
                                        << "1.5.27 - 0:0:0";
        QTest::newRow("wrapped at 255") << 255 << true << 768 << "767"
                                        << "0.9.13 - 0:0:0";
    }
    void journal() {
        QFETCH(int, firstEmpty);
        QFETCH(bool, wrapped);
        DisplayWindow w;
        SetJournal(w.image, firstEmpty, wrapped);
        FillJournal(w.image, &w.window);
        QTableWidget* log = w.Table(QStringLiteral("StringGrid_LOG_"));
        QTEST(GridRowCount(log), "rows");
        QTEST(GridCell(log, 1, 0), "firstNumber");
        QTEST(GridCell(log, GridRowCount(log) - 1, 1), "lastTime");
    }

    void journalWithoutEmptySlotKeepsRows() {
        DisplayWindow w;
        SetJournal(w.image, 10, false);
        FillJournal(w.image, &w.window);
        SetJournal(w.image, JournalRecordCount, false);
        FillJournal(w.image, &w.window);
        QCOMPARE(GridRowCount(w.Table(QStringLiteral("StringGrid_LOG_"))), 11);
    }

    // Prints the time of each fill with the largest battery and a full journal: the first round
    // creates the cells' items, later rounds reuse them.
    void refreshFigures() {
        DisplayWindow w;
        SetCells(w.image, MaxCells);
        SetJournal(w.image, 300, true);
        w.window.show();
        const QList<std::pair<const char*, std::function<void()>>> fills = {
            {"FillInfoBase", [&w] { FillInfoBase(w.image, &w.window); }},
            {"FillCellTable", [&w] { FillCellTable(w.image, w.cellPage); }},
            {"FillAlarmTable", [&w] { FillAlarmTable(w.image, &w.window); }},
            {"FillChargeTable", [&w] { FillChargeTable(w.image, &w.window); }},
            {"FillMainPage", [&w] { FillMainPage(w.image, w.mainPage); }},
            {"settings fills",
             [&w] {
                 FillCommSettings(w.image, &w.window);
                 FillAlarmSettings(w.image, &w.window);
                 FillChargeSettings(w.image, &w.window);
             }},
            {"FillJournal", [&w] { FillJournal(w.image, &w.window); }},
            {"repaint", [] { QCoreApplication::processEvents(); }},
        };
        QElapsedTimer timer;
        for (int round = 0; round < 3; ++round) {
            SetWord16(w.image.StatusBlock, CellVoltageOffset, quint16(3300 + round));
            QString line;
            qint64 total = 0;
            for (const auto& [name, fill] : fills) {
                timer.start();
                fill();
                const qint64 ms = timer.elapsed();
                total += ms;
                line += QStringLiteral(" %1 %2").arg(QLatin1String(name)).arg(ms);
            }
            qInfo("refresh %d, 200 cells, 556 journal rows: %lld ms;%s", round, total,
                  qPrintable(line));
        }
    }
};

QTEST_MAIN(TestDisplayFill)
#include "test_display_fill.moc"
