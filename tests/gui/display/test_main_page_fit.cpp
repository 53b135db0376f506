#include "labeled_edit.h"
#include "lamp.h"
#include "main_page.h"
#include "main_window.h"
#include "table_state.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

QString SizeText(const QSize& s) {
    return QStringLiteral("%1 x %2").arg(s.width()).arg(s.height());
}

// The part of the edit that shows text: the style's contents rectangle less the edit's own
// 2-pixel side margins.
int TextWidth(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QMargins margins = edit->textMargins();
    return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() -
           margins.left() - margins.right() - 4;
}

// A widget is fully on screen when no ancestor clips it.
bool FullyVisible(const QWidget* w) {
    return w->visibleRegion() == QRegion(w->rect());
}

QString Describe(const QWidget* w, const QWidget* page) {
    const QString name = w->objectName().isEmpty()
                             ? QString::fromLatin1(w->metaObject()->className())
                             : w->objectName();
    const QPoint at = w->mapTo(page, QPoint());
    return QStringLiteral("%1 at %2,%3 size %4 (needs %5)")
        .arg(name)
        .arg(at.x())
        .arg(at.y())
        .arg(SizeText(w->size()), SizeText(w->minimumSizeHint()));
}

} // namespace

// The main page at the window's start size: everything shows at once, nothing scrolls and no
// caption or value is cut; the charge bar and the cell chart stay legible.
class TestMainPageFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        form_ = std::make_unique<TForm1>();
        form_->PageControlMain()->setCurrentIndex(int(MainPage::Main));
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        page_ = form_->Page(MainPage::Main);
    }
    void cleanup() { form_.reset(); }

    void contentFitsWithoutScrolling() {
        auto* scroll = page_->findChild<QScrollArea*>();
        QVERIFY(scroll);
        const QSize needed = scroll->widget()->minimumSizeHint();
        const QSize viewport = scroll->viewport()->size();
        const QString sizes = QStringLiteral("content needs %1, page shows %2")
                                  .arg(SizeText(needed), SizeText(viewport));
        QVERIFY2(needed.width() <= viewport.width() && needed.height() <= viewport.height(),
                 qPrintable(sizes));
        QVERIFY(!scroll->horizontalScrollBar()->isVisible());
        QVERIFY(!scroll->verticalScrollBar()->isVisible());
    }

    void controlsShowWhole() {
        const QList<QWidget*> widgets = page_->findChildren<QWidget*>();
        int checked = 0;
        for (QWidget* w : widgets) {
            if (!qobject_cast<QLabel*>(w) && !qobject_cast<QLineEdit*>(w) &&
                !qobject_cast<Lamp*>(w) && !qobject_cast<QGroupBox*>(w))
                continue;
            ++checked;
            const QString what = Describe(w, page_);
            QVERIFY2(FullyVisible(w), qPrintable(what + QStringLiteral(" is clipped")));
            // A label narrower than its text cuts the caption, a narrower group its title.
            if (qobject_cast<QLabel*>(w) || qobject_cast<QGroupBox*>(w))
                QVERIFY2(w->width() >= w->minimumSizeHint().width(),
                         qPrintable(what + QStringLiteral(" is cut")));
        }
        // Every field and lamp was looked at, each with its caption.
        QVERIFY(checked >= 2 * 23 + 2 * 29);
    }

    // Values are short numbers; the widest the page shows are signed powers with two decimals,
    // or small powers with six.
    void valuesShowWhole_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("power") << QStringLiteral("-1580,43");
        QTest::newRow("small power") << QStringLiteral("-0,075818");
    }
    void valuesShowWhole() {
        QFETCH(QString, value);
        for (LabeledEdit* edit : page_->findChildren<LabeledEdit*>()) {
            const int needed = edit->fontMetrics().horizontalAdvance(value);
            QVERIFY2(needed <= TextWidth(edit),
                     qPrintable(QStringLiteral("%1 shows %2 px, %3 needs %4")
                                    .arg(edit->objectName())
                                    .arg(TextWidth(edit))
                                    .arg(value)
                                    .arg(needed)));
        }
    }

    // The charge bar is one flat colour up to its position, whatever the style would shade.
    void chargeBarIsFlat() {
        RegisterImage& image = form_->Image();
        SetWord16(image.StatusBlock, StatusByMnemonic(u"Absolute_State_of_Charge").field.offset,
                  50);
        FillMainPage(image, page_);
        auto* bar = page_->findChild<QProgressBar*>(QStringLiteral("ProgressBar_SOC_"));
        const QImage shot = bar->grab().toImage();
        const int x = shot.width() / 2;
        const QColor green(0, 128, 0);
        for (int y = shot.height() / 2 + 2; y < shot.height() - 2; ++y)
            QCOMPARE(shot.pixelColor(x, y), green);
        QCOMPARE(shot.pixelColor(x, shot.height() / 4), bar->palette().color(QPalette::Base));
    }

    // Every left-axis label of the cell chart shows whole, however many bars share the screen.
    void cellChartLabelsShowWhole_data() {
        QTest::addColumn<int>("perScreen");
        for (int k : {10, 15, 30, 100, 200})
            QTest::newRow(qPrintable(QString::number(k))) << k;
    }
    void cellChartLabelsShowWhole() {
        QFETCH(int, perScreen);
        form_->PageControlMain()->setCurrentIndex(int(MainPage::Info));
        QWidget* cells = form_->Page(InfoPage::Cells);
        form_->findChild<QTabWidget*>(QStringLiteral("PageControl_INFO_"))->setCurrentWidget(cells);
        RegisterImage& image = form_->Image();
        SetWord16(image.StatusBlock, StatusByMnemonic(u"Design_Cell_Number").field.offset, 200);
        form_->FillStateTables();
        cells->findChild<QSpinBox*>(QStringLiteral("UpDown_INFOCELLPT_"))->setValue(perScreen);
        auto* view = cells->findChild<QChartView*>(QStringLiteral("Chart_INFOCELL_"));
        QTest::qWait(50);
        view->grab(); // lays out and draws the axes
        int labels = 0;
        for (QGraphicsItem* item : view->scene()->items()) {
            const auto* text = dynamic_cast<QGraphicsTextItem*>(item);
            if (!text || !text->isVisible())
                continue;
            ++labels;
            const QString shown = text->toPlainText();
            QVERIFY2(!shown.contains(QStringLiteral("...")) && !shown.contains(QChar(0x2026)),
                     qPrintable(shown));
        }
        QVERIFY(labels > 3);
    }

private:
    std::unique_ptr<TForm1> form_;
    QWidget* page_ = nullptr;
};

QTEST_MAIN(TestMainPageFit)
#include "test_main_page_fit.moc"
