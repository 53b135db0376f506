#pragma once

#include <QGraphicsItem>
#include <QList>
#include <QPen>
#include <QPointF>

#include <vector>

class QChart;
class QValueAxis;

// The trend lines, drawn inside the chart's plot area over the two axes' ranges. The chart's own
// line series rebuild a hover outline of every segment on each change, which for 17 series of a
// few thousand points takes about a hundred milliseconds a poll; this item only draws polylines.
// The series stay in the chart, empty, for the legend and the axes.
class TrendPlotItem final : public QGraphicsItem {
public:
    TrendPlotItem(QChart* chart, const QValueAxis* xAxis, const QValueAxis* yAxis, int lines);

    void SetPen(int line, const QPen& pen);
    // The points of one line in axis values, in X order; an empty list draws nothing.
    void SetPoints(int line, QList<QPointF> points);
    const QList<QPointF>& Points(int line) const { return lines_[std::size_t(line)].points; }
    // The plot area has moved or changed its size.
    void PlotAreaChanged();

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    struct Line {
        QPen pen;
        QList<QPointF> points;
    };
    QChart* chart_;
    const QValueAxis* xAxis_;
    const QValueAxis* yAxis_;
    std::vector<Line> lines_;
};
