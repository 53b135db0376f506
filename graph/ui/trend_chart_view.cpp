#include "trend_chart_view.h"

#include <QMouseEvent>

namespace {

// A right press that moves less than this is a click, not a pan.
constexpr int ClickSlopPx = 3;

} // namespace

TrendChartView::TrendChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
    setRubberBand(QChartView::RectangleRubberBand);
}

void TrendChartView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QChartView::mousePressEvent(event);
        return;
    }
    panFrom_ = event->position().toPoint();
    panned_ = false;
    event->accept();
}

void TrendChartView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::RightButton)) {
        QChartView::mouseMoveEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const int dy = at.y() - panFrom_.y();
    if (!panned_ && std::abs(dy) < ClickSlopPx && std::abs(at.x() - panFrom_.x()) < ClickSlopPx)
        return;
    panned_ = true;
    // Dragging down brings higher values into view, as if the curves were pulled down.
    chart()->scroll(0, dy);
    panFrom_ = at;
    event->accept();
}

void TrendChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    if (!panned_)
        Q_EMIT WholeViewRequested();
    event->accept();
}

void TrendChartView::showEvent(QShowEvent* event) {
    QChartView::showEvent(event);
    Q_EMIT Shown();
}
