#include "display_fixture.h"
#include "view_options.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

namespace {

QStringList HeaderTexts(const QTableWidget* table) {
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts.append(GridCell(table, 0, c));
    return texts;
}

QList<int> Widths(const QTableWidget* table) {
    QList<int> widths;
    for (int c = 0; c < table->columnCount(); ++c)
        widths.append(table->columnWidth(c));
    return widths;
}

// The widths a table gets for its design widths in its own font, widened where a title needs more.
QList<int> FontWidths(const QTableWidget* table, const QList<int>& designWidths) {
    QList<int> widths;
    for (int c = 0; c < designWidths.size(); ++c)
        widths.append(std::max(GridColumnWidth(table, designWidths[c]),
                               table->horizontalHeader()->sectionSizeHint(c)));
    return widths;
}

QLineEdit* OpenEditor(const QTableWidget* table) {
    for (QLineEdit* editor : table->viewport()->findChildren<QLineEdit*>())
        if (!editor->isHidden())
            return editor;
    return nullptr;
}

} // namespace

class TestDisplayLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { UseRussianNames = true; }

    void tables_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("widths");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("lastName");
        QTest::newRow("status") << "StringGrid_INFOBASE_" << 36 << QList<int>{25, 300, 120, 120}
                                << QStringList{"№", "Регистр", "Значение", "Ед.изм."}
                                << "Емкость АБ"
                                << "Текущее время BMS";
        QTest::newRow("alarm bits")
            << "StringGrid_INFOALARM_" << 21 << QList<int>{25, 300, 100, 100}
            << QStringList{"№", "Тип", "Предупреждение", "Авария"} << "Высокое напряжение элемента"
            << "Кол-во датчиков не соответствует";
        QTest::newRow("charge bits")
            << "StringGrid_INFOCHARGE_" << 9 << QList<int>{25, 200, 100, 100}
            << QStringList{"№", "Тип", "Предупреждение", "Режим"} << "АБ полностью заряжена"
            << "Режим балансировки";
        QTest::newRow("communication settings")
            << "StringGrid_SETRS_" << 6 << QList<int>{25, 200, 100, 300}
            << QStringList{"№", "Регистр", "Значение", "Расшифровка"} << "RS485_Address"
            << "Safety_Status_Save";
        QTest::newRow("alarm settings")
            << "StringGrid_SETALARM_" << 46 << QList<int>{25, 300, 100, 64}
            << QStringList{"№", "Тип", "Значение", "Ед.изм."} << "COV_Threshold"
            << "DIN_Time";
        QTest::newRow("charge settings")
            << "StringGrid_SETCHARGE_" << 34 << QList<int>{25, 300, 100, 64}
            << QStringList{"№", "Тип", "Значение", "Ед.изм."} << "CF_Voltage"
            << "Balance_Resistor";
    }
    void tables() {
        QFETCH(QString, name);
        QFETCH(int, rows);
        DisplayWindow w;
        QTableWidget* table = w.Table(name);
        QVERIFY(table);
        QCOMPARE(GridRowCount(table), rows);
        QFETCH(QList<int>, widths);
        QCOMPARE(Widths(table), FontWidths(table, widths));
        QTEST(HeaderTexts(table), "headers");
        for (int r = 1; r < rows; ++r)
            QCOMPARE(GridCell(table, r, 0), QString::number(r));
        QTEST(GridCell(table, 1, 1), "firstName");
        QTEST(GridCell(table, rows - 1, 1), "lastName");
        // No values are written by the layout.
        QCOMPARE(GridCell(table, 1, 2), QString());
    }

    void nameViewRewritesNamesOnly() {
        DisplayWindow w;
        QTableWidget* status = w.Table(QStringLiteral("StringGrid_INFOBASE_"));
        SetGridCell(status, 5, 2, QStringLiteral("52"));
        UseRussianNames = false;
        SetupTables(&w.window);
        QCOMPARE(GridCell(status, 1, 1), QStringLiteral("Design_Capacity"));
        QCOMPARE(GridCell(w.Table(QStringLiteral("StringGrid_INFOALARM_")), 1, 1),
                 QStringLiteral("SAFETY_STATUS_COV"));
        QCOMPARE(GridCell(w.Table(QStringLiteral("StringGrid_INFOCHARGE_")), 8, 1),
                 QStringLiteral("CHARGE_STATUS_BAL"));
        QCOMPARE(GridCell(status, 5, 2), QStringLiteral("52"));
        // The settings tables show mnemonics in both views.
        QCOMPARE(GridCell(w.Table(QStringLiteral("StringGrid_SETRS_")), 1, 1),
                 QStringLiteral("RS485_Address"));
    }

    void cellAndJournalTables() {
        DisplayWindow w;
        QTableWidget* cells = w.Table(QStringLiteral("StringGrid_INFOCELL_"));
        QCOMPARE(cells->columnCount(), 17);
        QCOMPARE(Widths(cells), FontWidths(cells, {25, 35, 30, 28, 28, 28, 28, 28, 28, 28, 28, 28,
                                                   28, 28, 28, 28, 28}));
        QCOMPARE(HeaderTexts(cells),
                 (QStringList{"№", "Напр.", "Темп.", "OV", "UV", "OVA", "UVA", "OT", "UT", "OTA",
                              "FAIL", "Tmax", "Tmin", "Vmax", "Vmin", "BAL", "PCH"}));
        QTableWidget* log = w.Table(QStringLiteral("StringGrid_LOG_"));
        QCOMPARE(GridRowCount(log), 769);
        QCOMPARE(Widths(log), FontWidths(log, {25, 140, 300, 100}));
        QCOMPARE(HeaderTexts(log), (QStringList{"№", "Дата-Время", "Авария", "Элемент"}));
        QCOMPARE(GridCell(log, 1, 0), QString());
    }

    // Scrolled sideways and down, the cell table still shows the numbers of the rows it shows.
    void cellNumbersStayInView() {
        DisplayWindow w;
        QTableWidget* cells = w.Table(QStringLiteral("StringGrid_INFOCELL_"));
        SetGridRowCount(cells, 201);
        for (int r = 1; r <= 200; ++r)
            SetGridCell(cells, r, 0, QString::number(r));
        w.window.resize(500, 400);
        w.window.findChild<QTabWidget*>()->setCurrentWidget(w.cellPage);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        cells->horizontalScrollBar()->setValue(cells->horizontalScrollBar()->maximum());
        cells->verticalScrollBar()->setValue(cells->verticalScrollBar()->maximum() / 2);
        QApplication::processEvents();
        QVERIFY(cells->horizontalScrollBar()->value() > cells->columnWidth(0));
        auto* numbers = cells->findChild<QTableView*>();
        QVERIFY(numbers && numbers->isVisible());
        QCOMPARE(numbers->mapTo(cells, QPoint()), QPoint(cells->frameWidth(), cells->frameWidth()));
        QCOMPARE(numbers->columnWidth(0), cells->columnWidth(0));
        // The row at the top of the table and of the number column is the same.
        const QPoint top(2, 2);
        const QModelIndex shown = numbers->indexAt(top);
        QVERIFY(shown.row() > 0);
        QCOMPARE(cells->indexAt(top).row(), shown.row());
        QCOMPARE(shown.data().toString(), QString::number(shown.row() + 1));
        // The titles of the narrow columns show whole.
        for (int c = 0; c < cells->columnCount(); ++c)
            QVERIFY(cells->columnWidth(c) >= cells->horizontalHeader()->sectionSizeHint(c));
    }

    void editing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<bool>>("editable"); // columns 0 to 3
        QTest::newRow("status") << "StringGrid_INFOBASE_"
                                << QList<bool>{false, false, false, false};
        QTest::newRow("alarm bits")
            << "StringGrid_INFOALARM_" << QList<bool>{false, false, false, false};
        QTest::newRow("journal") << "StringGrid_LOG_" << QList<bool>{false, false, false, false};
        QTest::newRow("communication")
            << "StringGrid_SETRS_" << QList<bool>{false, false, true, false};
        QTest::newRow("alarm settings")
            << "StringGrid_SETALARM_" << QList<bool>{false, false, true, false};
        QTest::newRow("charge settings")
            << "StringGrid_SETCHARGE_" << QList<bool>{false, false, true, false};
    }
    void editing() {
        QFETCH(QString, name);
        QFETCH(QList<bool>, editable);
        DisplayWindow w;
        w.window.show();
        QTableWidget* table = w.Table(name);
        SetGridCell(table, 1, 3, QStringLiteral("x"));
        for (int c = 0; c < 4; ++c) {
            table->setCurrentCell(0, c);
            QTest::keyClick(table, Qt::Key_F2);
            QLineEdit* editor = OpenEditor(table);
            QCOMPARE(editor != nullptr, editable[c]);
            if (editor != nullptr)
                QTest::keyClick(editor, Qt::Key_Escape);
        }
    }

    void mainPageControls() {
        DisplayWindow w;
        const auto* volts = w.Find<LabeledEdit>(QStringLiteral("LabeledEdit_VOLTDCU_"));
        QVERIFY(volts);
        QVERIFY(volts->isReadOnly());
        QCOMPARE(volts->EditLabel()->text(), QStringLiteral("Напр-е,В"));
        const auto* current = w.Find<LabeledEdit>(QStringLiteral("LabeledEdit_CURRAVG_"));
        QCOMPARE(current->EditLabel()->text(), QStringLiteral(" Ср. ток, А"));
        QCOMPARE(current->toolTip(), QStringLiteral("Усреднение за минуту."));
        QCOMPARE(w.Find<LabeledEdit>(QStringLiteral("LabeledEdit_CELLNUMBER_"))->toolTip(),
                 QStringLiteral("Реальное кол-во элементов."));
        QCOMPARE(w.mainPage->findChildren<LabeledEdit*>().size(), 23);
        QCOMPARE(w.mainPage->findChildren<Lamp*>().size(), 29);
        // Nothing is known before the first fill.
        for (const Lamp* lamp : w.mainPage->findChildren<Lamp*>())
            QCOMPARE(lamp->Color(), UnknownLampColor());
        const auto* bar = w.Find<QProgressBar>(QStringLiteral("ProgressBar_SOC_"));
        QCOMPARE(bar->orientation(), Qt::Vertical);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(bar->maximum(), 100);
        // The alarm lamps show but take no input; the status lamps sit in an enabled frame. The
        // alarm captions keep the colours of enabled text.
        QVERIFY(!w.Find<Lamp>(QStringLiteral("Shape_COV_"))->isEnabled());
        const QPalette alarm = w.Find<QLabel>(QStringLiteral("Shape_COV_Label"))->palette();
        QCOMPARE(alarm.color(QPalette::Disabled, QPalette::WindowText),
                 alarm.color(QPalette::Active, QPalette::WindowText));
        QVERIFY(w.Find<Lamp>(QStringLiteral("Shape_RCA_"))->isEnabled());
        QCOMPARE(w.Find<QLabel>(QStringLiteral("Shape_BFAIL_Label"))->text(),
                 QStringLiteral("BFAIL"));
        QCOMPARE(w.Find<QLabel>(QStringLiteral("Shape_RCA_Label"))->text(),
                 QStringLiteral("Низкий заряд АБ (DOUT4)"));
    }

    void cellPageControls() {
        DisplayWindow w;
        const auto* perScreen = w.Find<QSpinBox>(QStringLiteral("UpDown_INFOCELLPT_"));
        const auto* page = w.Find<QSpinBox>(QStringLiteral("UpDown_INFOCELLPAGE_"));
        QCOMPARE(perScreen->value(), 10);
        QCOMPARE(perScreen->singleStep(), 5);
        QCOMPARE(perScreen->toolTip(), QStringLiteral("Кол-во на экране"));
        QCOMPARE(page->value(), 0);
        QCOMPARE(page->toolTip(), QStringLiteral("Прокрутка"));
        // Usable before the first fill: the ranges of the largest battery.
        QCOMPARE(perScreen->maximum(), 200);
        QCOMPARE(page->maximum(), 19);
        QVERIFY(!w.Find<QCheckBox>(QStringLiteral("CheckBox_INFOCELL3D_"))->isChecked());
        const QChart* chart = w.Find<QChartView>(QStringLiteral("Chart_INFOCELL_"))->chart();
        QCOMPARE(chart->series().size(), 2);
        QCOMPARE(chart->legend()->alignment(), Qt::AlignBottom);
        const auto* left = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).first());
        QCOMPARE(left->titleText(), QStringLiteral("Элементы"));
        const auto* bottom =
            qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal, chart->series()[0]).first());
        QCOMPARE(bottom->titleText(), QStringLiteral("Напряжение, В"));
        QCOMPARE(bottom->min(), 2.7);
        QCOMPARE(bottom->max(), 4.3);
        QCOMPARE(chart->series()[0]->name(), QStringLiteral("Напряжение"));
        QCOMPARE(chart->series()[1]->name(), QStringLiteral("Температура"));
    }

    void pageButtons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("write status") << "BitBtn_WRITEINFOBASE_"
                                      << "Сохранить в панель";
        QTest::newRow("write communication") << "BitBtn_WRITESETRS_"
                                             << "Сохранить в блок";
        QTest::newRow("save cells") << "BitBtn_SAVEINFOCELL_"
                                    << "Сохранить в файл";
        QTest::newRow("load charge settings") << "BitBtn_LOADSETCHARGE_"
                                              << "Загрузить из файла";
        QTest::newRow("clear journal") << "BitBtn_CLEARLOG_"
                                       << "Очистить журнал";
    }
    void pageButtons() {
        QFETCH(QString, name);
        DisplayWindow w;
        const auto* button = w.Find<QPushButton>(name);
        QVERIFY(button);
        QTEST(button->text(), "caption");
    }
};

QTEST_MAIN(TestDisplayLayout)
#include "test_display_layout.moc"
