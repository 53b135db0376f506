#pragma once

#include <QChartView>
#include <QPoint>

// The trend chart's view: a rubber band drawn with the left button zooms into its rectangle, a
// drag with the right button pans the values up and down (never along time), and a right click
// asks for the whole view again.
class TrendChartView final : public QChartView {
    Q_OBJECT
public:
    explicit TrendChartView(QChart* chart, QWidget* parent = nullptr);

Q_SIGNALS:
    void WholeViewRequested();
    void Shown();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPoint panFrom_;
    bool panned_ = false;
};
