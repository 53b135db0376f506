#include "monitor_log_text.h"
#include "scripted_prompts.h"
#include "series_dialog.h"
#include "status_block.h"
#include "text_file.h"
#include "trend_graph_page.h"
#include "trend_plot_item.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChartView>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

#include <functional>
#include <memory>

// The "График" page in a window of the main window's size, beside a second page that hides it.
class TestTrendGraph : public QObject {
    Q_OBJECT

    struct Window {
        QWidget window;
        QTabWidget* tabs = new QTabWidget;
        QWidget* page = new QWidget;
        TForm2* dialog = new TForm2(&window);
        RegisterImage image;
        TrendGraphPage* graph;
        QDateTime now{QDate(2024, 1, 28), QTime(14, 5, 9)};

        Window() {
            window.resize(792, 554);
            (new QVBoxLayout(&window))->addWidget(tabs);
            tabs->addTab(page, QStringLiteral("График"));
            tabs->addTab(new QWidget, QStringLiteral("Главная"));
            graph = new TrendGraphPage(page, image, *dialog);
            graph->SetupTables();
            graph->SetScaleSpinners();
            graph->SetClock([this] { return now; });
            window.show();
            QApplication::processEvents();
        }
        template <class W> W* Find(const char* name) const {
            return window.findChild<W*>(QLatin1String(name));
        }
        QChartView* View() const { return Find<QChartView>("Chart_GRAPH_"); }
        QChart* Chart() const { return View()->chart(); }
        TrendPlotItem* Plot() const {
            for (QGraphicsItem* item : Chart()->childItems())
                if (auto* plot = dynamic_cast<TrendPlotItem*>(item))
                    return plot;
            return nullptr;
        }
        QLineSeries* Series(int n) const {
            return qobject_cast<QLineSeries*>(Chart()->series().at(n - 1));
        }
        QValueAxis* Axis(Qt::Orientation o) const {
            return qobject_cast<QValueAxis*>(Chart()->axes(o).first());
        }
        void Show(bool shown) {
            tabs->setCurrentIndex(shown ? 0 : 1);
            QApplication::processEvents();
        }
        // Polls with the pack voltage rising by 1 mV each time.
        void Poll(int count) {
            for (int i = 0; i < count; ++i) {
                StoreField(image.StatusBlock, StatusByMnemonic(u"Pack_Voltage_Sum").field,
                           quint32(52000 + graph->Store().PollCount()));
                graph->AddTrendPoints();
                now = now.addSecs(1);
            }
        }
        void Click(const char* name) { Find<QPushButton>(name)->click(); }
        // Opens the series dialog with "Добавить", acts inside it, and returns when it has closed.
        void RunDialog(const std::function<void(QListWidget*)>& act) {
            QTimer::singleShot(0, dialog, [this, act] {
                act(dialog->findChild<QListWidget*>(QStringLiteral("CheckListBox_FORM2_")));
                if (dialog->isVisible())
                    dialog->reject();
            });
            Click("BitBtn_GRAPHADD_");
        }
        QStringList Items() const {
            QStringList texts;
            const auto* list = dialog->findChild<QListWidget*>();
            for (int i = 0; i < list->count(); ++i)
                texts.append(list->item(i)->text());
            return texts;
        }
        QStringList Legend() const {
            QStringList names;
            for (QLegendMarker* marker : Chart()->legend()->markers())
                if (marker->isVisible())
                    names.append(marker->label());
            return names;
        }
    };

    std::unique_ptr<ScriptedPrompts> prompts;
    QTemporaryDir dir;

    static void Check(QListWidget* list, std::initializer_list<int> rows, bool checked) {
        for (const int row : rows)
            list->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    static void ClickButton(QWidget* dialog, const char* name) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() {
        UseRussianNames = true;
        prompts = std::make_unique<ScriptedPrompts>();
    }
    void cleanup() {
        prompts.reset();
        UseRussianNames = true;
    }

    void controls() {
        Window w;
        for (const auto& [name, text] : {std::pair{"BitBtn_GRAPHADD_", "Добавить"},
                                         {"BitBtn_GRAPHSAVE_", "Сохранить"},
                                         {"BitBtn_GRAPHCLEAR_", "Очистить"},
                                         {"BitBtn_GRAPHOPENLOG_", "Открыть лог"}})
            QCOMPARE(w.Find<QPushButton>(name)->text(), QString::fromUtf8(text));
        QCOMPARE(w.Find<QLabel>("Label_GRAPHCAPTION_")->text(),
                 QStringLiteral("График параметров АБ"));
        QVERIFY(w.Chart()->title().isEmpty());
        QCOMPARE(w.Chart()->series().size(), 20);
        for (int n = 1; n <= 20; ++n) {
            QCOMPARE(w.Series(n)->objectName(), QStringLiteral("Series%1").arg(n));
            QVERIFY(!w.Series(n)->isVisible());
        }
        QCOMPARE(w.Series(18)->name(), QStringLiteral("C18"));
        QVERIFY(w.Legend().isEmpty());
        const auto* top = w.Find<QSpinBox>("UpDown_GRAPHBOTMAX_");
        const auto* bottom = w.Find<QSpinBox>("UpDown_GRAPHBOTMIN_");
        QCOMPARE((QList<int>{top->minimum(), top->maximum(), top->value(), top->singleStep()}),
                 (QList<int>{3, 2000, 300, 1}));
        QCOMPARE((QList<int>{bottom->minimum(), bottom->maximum(), bottom->value(),
                             bottom->singleStep()}),
                 (QList<int>{-200, 0, 0, 1}));
        QCOMPARE(w.Axis(Qt::Vertical)->max(), 300.0);
        QCOMPARE(w.Axis(Qt::Vertical)->min(), 0.0);
    }

    // Each click moves by the step chosen after the previous one, from the position it left.
    void spinnerSteps_data() {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QList<int>>("positions");
        QTest::newRow("maximum up") << "UpDown_GRAPHBOTMAX_" << 1 << QList<int>{301, 351, 401};
        QTest::newRow("maximum down") << "UpDown_GRAPHBOTMAX_" << -1 << QList<int>{299, 249, 229};
        QTest::newRow("maximum past 500")
            << "UpDown_GRAPHBOTMAX_" << 1 << QList<int>{301, 351, 401, 451, 501, 601};
        QTest::newRow("minimum down") << "UpDown_GRAPHBOTMIN_" << -1 << QList<int>{-1, -2};
        QTest::newRow("minimum up stops at 0") << "UpDown_GRAPHBOTMIN_" << 1 << QList<int>{0};
    }
    void spinnerSteps() {
        QFETCH(QString, spinner);
        QFETCH(int, direction);
        QFETCH(QList<int>, positions);
        Window w;
        auto* spin = w.Find<QSpinBox>(qPrintable(spinner));
        for (const int expected : positions) {
            spin->stepBy(direction);
            QCOMPARE(spin->value(), expected);
            const QValueAxis* axis = w.Axis(Qt::Vertical);
            QCOMPARE(spinner.contains(u"MAX") ? axis->max() : axis->min(), double(expected));
        }
    }

    void seriesDialog() {
        Window w;
        QCOMPARE(w.dialog->windowTitle(), QStringLiteral("Добавить график"));
        QCOMPARE(w.dialog->minimumSize(), QSize(300, 300));
        QCOMPARE(w.dialog->maximumSize(), QSize(395, 400));
        w.RunDialog([&](QListWidget* list) {
            QCOMPARE(list->count(), 17);
            QCOMPARE(w.Items(), TrendSeriesTitles(true));
            QVERIFY(qAbs(w.dialog->geometry().center().x() - w.window.geometry().center().x()) <
                    40);
            Check(list, {0, 16}, true);
            ClickButton(w.dialog, "Button_FORM2OK_");
        });
        QCOMPARE(w.graph->ActiveRows(), TrendRows().set(0).set(16));
        QVERIFY(w.Series(1)->isVisible() && w.Series(17)->isVisible() && !w.Series(2)->isVisible());
        QCOMPARE(w.Legend(),
                 (QStringList{"Напряжение АБ", "Время до полного заряда при среднем токе"}));

        // Cancel discards the changed marks; the next opening shows the old ones.
        w.RunDialog([&](QListWidget* list) {
            Check(list, {0}, false);
            Check(list, {3}, true);
            ClickButton(w.dialog, "Button_FORM2CANCEL_");
        });
        QCOMPARE(w.graph->ActiveRows(), TrendRows().set(0).set(16));
        w.RunDialog([&](QListWidget* list) {
            QCOMPARE(list->item(0)->checkState(), Qt::Checked);
            QCOMPARE(list->item(3)->checkState(), Qt::Unchecked);
        });

        // The name option: the legend follows SetupTables, the dialog its next opening.
        w.Poll(3);
        UseRussianNames = false;
        w.graph->SetupTables();
        QCOMPARE(w.Legend(), (QStringList{"Pack_Voltage_Sum", "Average_Time_to_Full"}));
        w.RunDialog([&](QListWidget*) { QCOMPARE(w.Items(), TrendSeriesTitles(false)); });
        QCOMPARE(w.graph->Store().PointCount(0), 3);
    }

    // "Элементы..." adds cells' series beside the rows: a list that does not read is refused
    // with the dialog left open, Cancel of the series dialog forgets the cells, and the chosen
    // ones take points live, in the legend, for the cells the battery has.
    void cellsSeries() {
        Window w;
        StatusBlockBuilder b;
        b.Set(u"Design_Cell_Number", 3);
        for (int c = 1; c <= 3; ++c)
            b.Cell(c, quint16(2000 + 5 * c), qint16(20 + c), 0);
        std::copy(b.words.begin(), b.words.end(), w.image.StatusBlock.begin());
        auto* cells = w.dialog->findChild<QDialog*>(QStringLiteral("TFormCells"));
        QVERIFY(cells);
        const auto choose = [&](const QString& voltages, bool spread, const char* close) {
            w.RunDialog([&](QListWidget* list) {
                Check(list, {0}, true);
                QTimer::singleShot(0, cells, [&] {
                    cells->findChild<QLineEdit*>(QStringLiteral("Edit_CELLSVOLTAGE_"))
                        ->setText(voltages);
                    cells->findChild<QCheckBox*>(QStringLiteral("CheckBox_CELLSSPREAD_"))
                        ->setChecked(spread);
                    ClickButton(cells, "Button_CELLSOK_");
                    if (cells->isVisible())
                        cells->reject();
                });
                ClickButton(w.dialog, "Button_FORM2CELLS_");
                ClickButton(w.dialog, close);
            });
        };
        choose(QStringLiteral("2, 201"), true, "Button_FORM2OK_");
        QCOMPARE(prompts->shown.size(), 1);
        QCOMPARE(prompts->shown.last().text,
                 QStringLiteral("«201» — не номер элемента и не промежуток номеров от 1 до 200"));
        QCOMPARE(w.graph->ActiveSeries(), RowSelection(TrendRows().set(0)));
        choose(QStringLiteral("2, 9"), true, "Button_FORM2CANCEL_");
        QCOMPARE(w.graph->ActiveSeries(), RowSelection(TrendRows().set(0)));
        choose(QStringLiteral("2, 9"), true, "Button_FORM2OK_");
        const TrendSelection chosen = RowSelection(TrendRows().set(0))
                                          .set(CellVoltageSeries + 1)
                                          .set(CellVoltageSeries + 8)
                                          .set(CellSpreadSeries);
        QCOMPARE(w.graph->ActiveSeries(), chosen);
        w.Poll(2);
        QCOMPARE(w.graph->Store().PointCount(CellVoltageSeries + 1), 2);
        QCOMPARE(w.graph->Store().Values(CellVoltageSeries + 1)[0], 2.01f);
        QCOMPARE(w.graph->Store().PointCount(CellVoltageSeries + 8), 0);
        QCOMPARE(w.graph->Store().Values(CellSpreadSeries)[1], 0.01f);
        QCOMPARE(w.Plot()->Points(CellSpreadSeries).size(), 2);
        QApplication::processEvents();
        QVERIFY2(w.Legend().contains(QStringLiteral("Uэл.№2")), qPrintable(w.Legend().join(u'|')));
        QVERIFY(w.Legend().contains(QStringLiteral("Разброс Uэл. (макс. - мин.)")));
        // The next opening shows the cells chosen; the rows alone leave them.
        w.RunDialog([&](QListWidget*) {
            QTimer::singleShot(0, cells, [&] {
                QCOMPARE(cells->findChild<QLineEdit*>(QStringLiteral("Edit_CELLSVOLTAGE_"))->text(),
                         QStringLiteral("2, 9"));
                cells->reject();
            });
            ClickButton(w.dialog, "Button_FORM2CELLS_");
        });
        w.graph->SetActiveRows(TrendRows().set(1));
        QCOMPARE(w.graph->ActiveSeries(),
                 (chosen & ~RowSelection(TrendRows().set(0))) | RowSelection(TrendRows().set(1)));
    }

    // A hidden page only stores points; shown, it draws them all over the whole X range.
    void pointsWhileHiddenAndShown() {
        Window w;
        w.graph->SetActiveRows(TrendRows().set(0));
        w.Show(false);
        w.Poll(5);
        QCOMPARE(w.graph->Store().PointCount(0), 5);
        QVERIFY(w.Plot()->Points(0).isEmpty());
        w.Show(true);
        QCOMPARE(w.Plot()->Points(0).size(), 5);
        QCOMPARE(w.Plot()->Points(0).last().x(), 4.0);
        QCOMPARE(float(w.Plot()->Points(0).last().y()), 52.004f);
        QCOMPARE(w.Axis(Qt::Horizontal)->max(), 4.0);
        const QStringList labels =
            qobject_cast<QCategoryAxis*>(w.Axis(Qt::Horizontal))->categoriesLabels();
        QVERIFY2(labels.contains(QStringLiteral("14:05:13")), qPrintable(labels.join(u',')));
        w.Poll(1);
        QCOMPARE(w.Plot()->Points(0).size(), 6);
        // Deactivated, the series is not drawn and keeps its points.
        w.graph->SetActiveRows({});
        QVERIFY(w.Plot()->Points(0).isEmpty());
        QCOMPARE(w.graph->Store().PointCount(0), 6);
    }

    void clearAsksFirst() {
        Window w;
        w.graph->SetActiveRows(TrendRows().set(0));
        w.Poll(4);
        prompts->answers = {Prompts::Answer::No};
        w.Click("BitBtn_GRAPHCLEAR_");
        QCOMPARE(prompts->shown.last().text, QStringLiteral("Очистить график?"));
        QCOMPARE(prompts->shown.last().caption, QStringLiteral("Вы уверены?"));
        QCOMPARE(prompts->shown.last().buttons, Prompts::Buttons::YesNo);
        QCOMPARE(w.graph->Store().PointCount(0), 4);
        w.Click("BitBtn_GRAPHCLEAR_");
        QCOMPARE(w.graph->Store().PointCount(0), 0);
        QVERIFY(w.Plot()->Points(0).isEmpty());
        QCOMPARE(w.graph->ActiveRows(), TrendRows().set(0));
    }

    void saveWritesWhatTheNameSays_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("bmp") << "chart.bmp" << QByteArray("bmp");
        QTest::newRow("no extension") << "chart" << QByteArray("bmp");
        QTest::newRow("png") << "chart.PNG" << QByteArray("png");
        QTest::newRow("csv") << "points.csv" << QByteArray();
    }
    void saveWritesWhatTheNameSays() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        Window w;
        w.graph->SetActiveRows(TrendRows().set(0).set(1));
        w.Poll(3);
        const QString path = dir.filePath(name);
        prompts->files = {path};
        QSignalSpy exported(w.graph, &TrendGraphPage::CsvExportFinished);
        w.Click("BitBtn_GRAPHSAVE_");
        const ScriptedPrompts::Shown& shown = prompts->shown.last();
        QCOMPARE(shown.kind, QStringLiteral("save"));
        QCOMPARE(shown.extra, QStringLiteral("240128_14-05-12_pic.bmp"));
        QCOMPARE(shown.text, QStringLiteral("Bitmap files (*.bmp)|*.bmp|PNG files (*.png)|*.png|"
                                            "Comma-Separated Values files (*.csv)|*.csv"));
        if (format.isEmpty()) {
            // Written on a thread, with the save and open buttons off meanwhile.
            QVERIFY(w.graph->LogReading());
            QVERIFY(!w.Find<QWidget>("BitBtn_GRAPHSAVE_")->isEnabled());
            QVERIFY(exported.wait(10000));
            QVERIFY(w.Find<QWidget>("BitBtn_GRAPHSAVE_")->isEnabled());
            const TextFileRead read = ReadTextFile(path);
            QCOMPARE(read.lines.size(), 4);
            QCOMPARE(read.lines[0], QStringLiteral("Дата-Время;Напряжение АБ;Ток АБ"));
            QCOMPARE(read.lines[3], QStringLiteral("28.01.2024 14:05:11;52,002;0"));
            return;
        }
        QImage image;
        QVERIFY(image.load(path, format.constData()));
        QCOMPARE(image.size(), w.View()->size());
    }

    void openLog() {
        Window w;
        w.graph->SetActiveRows(TrendRows().set(0));
        w.Poll(2);
        StatusBlockBuilder b;
        b.Set(u"Pack_Voltage_Sum", 48000);
        const QDateTime t(QDate(2024, 2, 1), QTime(10, 0));
        const QString path = dir.filePath(QStringLiteral("240201_10-00-00_log.csv"));
        QVERIFY(AppendToFile(path, EncodeLines({TestLogHeader(16), TestLogRow(t, b.words, 16, true),
                                                StandardDateTimeText(t) + " Нет ответа",
                                                QStringLiteral("обрыв;"),
                                                TestLogRow(t.addSecs(1), b.words, 16, true)}))
                    .isEmpty());

        // Refusing to replace the points reads nothing.
        prompts->files = {path};
        prompts->answers = {Prompts::Answer::No};
        w.Click("BitBtn_GRAPHOPENLOG_");
        QVERIFY(!w.graph->LogReading());
        QCOMPARE(w.graph->Store().PointCount(0), 2);
        QCOMPARE(prompts->shown.first().text,
                 QStringLiteral("Лог опроса|*_log.csv|Comma-Separated Values files (*.csv)|*.csv|"
                                "Все файлы|*.*"));

        prompts->files = {path};
        QSignalSpy finished(w.graph, &TrendGraphPage::LogReadFinished);
        w.Click("BitBtn_GRAPHOPENLOG_");
        QVERIFY(w.Find<QWidget>("ProgressBar_GRAPHLOG_")->isVisible());
        QVERIFY(!w.Find<QWidget>("BitBtn_GRAPHOPENLOG_")->isEnabled());
        QVERIFY(finished.wait(10000));
        QVERIFY(!w.Find<QWidget>("ProgressBar_GRAPHLOG_")->isVisible());
        QCOMPARE(w.graph->Store().PollCount(), 2);
        for (int i = 0; i < TrendRowCount; ++i)
            QCOMPARE(w.graph->Store().PointCount(i), 2);
        QCOMPARE(w.Plot()->Points(0), (QList<QPointF>{{0, 48}, {1, 48}}));
        QCOMPARE(prompts->shown.last().text,
                 QStringLiteral("Прочитано строк лога: 2. Пропущено строк об ошибках связи: 1, "
                                "строк, которые не удалось разобрать: 1."));
        // The labels are the log's own times.
        QVERIFY(qobject_cast<QCategoryAxis*>(w.Axis(Qt::Horizontal))
                    ->categoriesLabels()
                    .contains(QStringLiteral("10:00:01")));
    }

    // A log that gives no point leaves the graph's points, and says why.
    void openLogWithoutDataKeepsThePoints() {
        Window w;
        w.graph->SetActiveRows(TrendRows().set(0));
        w.Poll(2);
        const QString path = dir.filePath(QStringLiteral("header_log.csv"));
        QVERIFY(SaveWholeFile(path, EncodeLines({TestLogHeader(16)})).isEmpty());
        prompts->files = {path};
        QSignalSpy finished(w.graph, &TrendGraphPage::LogReadFinished);
        w.Click("BitBtn_GRAPHOPENLOG_");
        QVERIFY(finished.wait(10000));
        QCOMPARE(w.graph->Store().PollCount(), 2);
        QCOMPARE(w.Plot()->Points(0).size(), 2);
        QVERIFY2(prompts->shown.last().text.contains(QStringLiteral("только строка заголовка")),
                 qPrintable(prompts->shown.last().text));
        QCOMPARE(prompts->shown.last().icon, Prompts::Icon::Warning);
    }

    // A rubber band zooms; a right drag moves the values only; a right click shows it all again.
    void zoomPanAndWholeView() {
        Window w;
        w.graph->SetActiveRows(TrendRows().set(0));
        w.Poll(100);
        QWidget* viewport = w.View()->viewport();
        const QRectF area = w.Chart()->plotArea();
        const auto send = [viewport](QEvent::Type type, QPointF at, Qt::MouseButton button,
                                     Qt::MouseButtons held) {
            QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        };
        const QPointF from = area.topLeft() + QPointF(area.width() * 0.25, 10);
        const QPointF to = area.topLeft() + QPointF(area.width() * 0.5, area.height() - 10);
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        const QValueAxis* x = w.Axis(Qt::Horizontal);
        const QValueAxis* y = w.Axis(Qt::Vertical);
        QVERIFY2(x->min() > 20 && x->max() < 55, qPrintable(QString::number(x->min())));
        // Drawn again for the new range: about a quarter of the points, and their neighbours.
        QVERIFY(w.Plot()->Points(0).size() < 40);
        const double xMin = x->min(), xMax = x->max(), yMax = y->max();

        const QPointF middle = area.center();
        send(QEvent::MouseButtonPress, middle, Qt::RightButton, Qt::RightButton);
        send(QEvent::MouseMove, middle + QPointF(30, 40), Qt::NoButton, Qt::RightButton);
        send(QEvent::MouseButtonRelease, middle + QPointF(30, 40), Qt::RightButton, Qt::NoButton);
        QCOMPARE(x->min(), xMin);
        QCOMPARE(x->max(), xMax);
        QVERIFY(y->max() > yMax);

        send(QEvent::MouseButtonPress, middle, Qt::RightButton, Qt::RightButton);
        send(QEvent::MouseButtonRelease, middle, Qt::RightButton, Qt::NoButton);
        QCOMPARE(x->min(), 0.0);
        QCOMPARE(x->max(), 99.0);
        QCOMPARE(y->min(), 0.0);
        QCOMPARE(y->max(), 300.0);
        QCOMPARE(w.Plot()->Points(0).size(), 100);
    }
};

QTEST_MAIN(TestTrendGraph)
#include "test_trend_graph.moc"
