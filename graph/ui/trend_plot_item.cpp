#include "trend_plot_item.h"

#include <QChart>
#include <QPainter>
#include <QPolygonF>
#include <QValueAxis>

#include <algorithm>

namespace {

// Points far outside the plot are brought nearer before drawing: the painter slows down and
// loses precision at coordinates of millions of pixels, and the slope this changes is not seen.
constexpr double FarOutsidePx = 1e5;

} // namespace

TrendPlotItem::TrendPlotItem(QChart* chart, const QValueAxis* xAxis, const QValueAxis* yAxis,
                             int lines)
    : QGraphicsItem(chart), chart_(chart), xAxis_(xAxis), yAxis_(yAxis),
      lines_(std::size_t(lines)) {
    // Above the grid, below nothing the plot area shows.
    setZValue(100);
}

void TrendPlotItem::SetPen(int line, const QPen& pen) {
    lines_[std::size_t(line)].pen = pen;
}

void TrendPlotItem::SetPoints(int line, QList<QPointF> points) {
    lines_[std::size_t(line)].points = std::move(points);
    update();
}

void TrendPlotItem::PlotAreaChanged() {
    prepareGeometryChange();
    update();
}

QRectF TrendPlotItem::boundingRect() const {
    return chart_->plotArea();
}

void TrendPlotItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF area = chart_->plotArea();
    const double xSpan = xAxis_->max() - xAxis_->min();
    const double ySpan = yAxis_->max() - yAxis_->min();
    if (area.isEmpty() || xSpan <= 0 || ySpan <= 0)
        return;
    const double sx = area.width() / xSpan;
    const double sy = area.height() / ySpan;
    const double top = area.top() - FarOutsidePx;
    const double bottom = area.bottom() + FarOutsidePx;
    painter->setClipRect(area);
    QPolygonF polygon;
    for (const Line& line : lines_) {
        if (line.points.isEmpty())
            continue;
        polygon.resize(line.points.size());
        for (qsizetype i = 0; i < line.points.size(); ++i) {
            const QPointF& p = line.points[i];
            polygon[i] =
                QPointF(area.left() + (p.x() - xAxis_->min()) * sx,
                        std::clamp(area.bottom() - (p.y() - yAxis_->min()) * sy, top, bottom));
        }
        painter->setPen(line.pen);
        painter->drawPolyline(polygon);
    }
}
