#include "lamp.h"
#include "cycle_panel.h"
#include "main_window.h"
#include "polling_cycle.h"
#include "window_in_mode.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

// The widgets a person reads or uses; the parts they are made of (a spin box's edit, a table's
// headers and corner button) belong to them.
bool IsControl(const QWidget* w) {
    if (qobject_cast<const QHeaderView*>(w))
        return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QProgressBar*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QGraphicsView*>(w) || qobject_cast<const Lamp*>(w) ||
           w->objectName().startsWith(QLatin1String("PaintBox_"));
}

bool InsideControl(const QWidget* w, const QWidget* page) {
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != page; p = p->parentWidget())
        if (IsControl(p))
            return true;
    return false;
}

QString Describe(const QWidget* w) {
    const QString name = w->objectName().isEmpty()
                             ? QString::fromLatin1(w->metaObject()->className())
                             : w->objectName();
    const QLabel* label = qobject_cast<const QLabel*>(w);
    return label && !label->text().isEmpty()
               ? name + QStringLiteral(" \"") + QString(label->text()).replace(u'\n', u' ') + u'"'
                                             : name;
}

QRect InWindow(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint()), w->size());
}

// A page of the window: the main page's index and, for the pages with pages of their own, the
// inner page control and its index.
struct LeafPage {
    QString name;
    int main = 0;
    QTabWidget* inner = nullptr;
    int index = 0;
};

QList<LeafPage> LeafPages(QTabWidget* pages) {
    QList<LeafPage> leaves;
    for (int i = 0; i < pages->count(); ++i) {
        if (!pages->isTabVisible(i))
            continue;
        auto* inner = pages->widget(i)->findChild<QTabWidget*>();
        if (inner == nullptr)
            leaves.append({pages->tabText(i), i});
        for (int j = 0; inner != nullptr && j < inner->count(); ++j)
            leaves.append(
                {pages->tabText(i) + QStringLiteral(" / ") + inner->tabText(j), i, inner, j});
    }
    return leaves;
}

// Shows the page and returns it, laid out.
QWidget* Show(QTabWidget* pages, const LeafPage& leaf) {
    pages->setCurrentIndex(leaf.main);
    if (leaf.inner != nullptr)
        leaf.inner->setCurrentIndex(leaf.index);
    QApplication::processEvents();
    return leaf.inner != nullptr ? leaf.inner->widget(leaf.index) : pages->widget(leaf.main);
}

} // namespace

// Every page at the window's start size: no control is squeezed below its smallest size, and
// no two overlap; a page that needs more room scrolls.
class TestPageLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyPageFits_data() {
        QTest::addColumn<bool>("diagnostic");
        QTest::newRow("delivered") << false;
        QTest::newRow("diagnostic") << true;
    }
    void everyPageFits() {
        QFETCH(bool, diagnostic);
        const std::unique_ptr<TForm1> window = WindowInMode(diagnostic);
        TForm1& form = *window;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.size(), QSize(792, 554 + form.menuBar()->height()));
        for (const LeafPage& leaf : LeafPages(form.PageControlMain())) {
            QWidget* page = Show(form.PageControlMain(), leaf);
            QList<QWidget*> controls;
            for (QWidget* w : page->findChildren<QWidget*>())
                if (IsControl(w) && w->isVisibleTo(&form) && !InsideControl(w, page))
                    controls.append(w);
            QVERIFY2(!controls.isEmpty(), qPrintable(leaf.name));
            for (const QWidget* w : controls) {
                const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
                QVERIFY2(w->width() >= least.width() && w->height() >= least.height(),
                         qPrintable(QStringLiteral("%1: %2 is %3 x %4, needs %5 x %6")
                                        .arg(leaf.name, Describe(w))
                                        .arg(w->width())
                                        .arg(w->height())
                                        .arg(least.width())
                                        .arg(least.height())));
            }
            for (int a = 0; a < controls.size(); ++a)
                for (int b = a + 1; b < controls.size(); ++b)
                    QVERIFY2(!InWindow(controls[a]).intersects(InWindow(controls[b])),
                             qPrintable(QStringLiteral("%1: %2 overlaps %3")
                                            .arg(leaf.name, Describe(controls[a]),
                                                 Describe(controls[b]))));
        }
    }

    // The status bar shows its long texts whole at the start size, the cycle panel with a late
    // cycle and a long age among them.
    void statusBarTextsShowWhole() {
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.SetStatusPanel(0, QStringLiteral("Нет ответа с 31.01.2024 14:05:09"));
        form.SetStatusPanel(1, QStringLiteral("Ответ принят корректно"));
        form.SetStatusPanel(2, QStringLiteral("Всего принято 4294967295 байт"));
        CyclePanel* cycle = form.Polling()->Panel();
        cycle->CycleEnded(9400, 250);
        cycle->ValuesShown();
        QApplication::processEvents();
        int shown = 0;
        for (const QLabel* label : form.statusBar()->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            ++shown;
            QVERIFY2(label->width() >= label->sizeHint().width() &&
                         label->height() >= label->sizeHint().height(),
                     qPrintable(QStringLiteral("%1 is %2 x %3, needs %4 x %5")
                                    .arg(Describe(label))
                                    .arg(label->width())
                                    .arg(label->height())
                                    .arg(label->sizeHint().width())
                                    .arg(label->sizeHint().height())));
        }
        QCOMPARE(shown, 4);
    }
};

QTEST_MAIN(TestPageLayout)
#include "test_page_layout.moc"
