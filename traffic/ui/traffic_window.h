#pragma once

#include "traffic_log.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableView;
class TrafficModel;

// "Монитор обмена": the frames on the line, newest at the bottom, with their decode and verdict.
// It keeps the last TrafficLog::Capacity frames whether shown or not; pausing freezes the view
// while frames go on being kept.
class TFormMonitor final : public QWidget {
    Q_OBJECT
public:
    explicit TFormMonitor(QWidget* parent = nullptr);
    ~TFormMonitor() override;

    // Frames in the order they happened; called with the polling worker's batches and with each
    // frame of a synchronous exchange.
    void Append(const QList<TrafficFrame>& frames);
    // The port whose adapter the latency note speaks of.
    void SetPortSource(std::function<QString()> port) { port_ = std::move(port); }

    const TrafficLog& Log() const { return log_; }
    // The frames shown now: those the filter lets through, in order.
    QList<TrafficFrame> ShownFrames() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();
    void Copy();
    void Export();

    TrafficLog log_;
    TrafficModel* model_;
    QTableView* view_;
    QCheckBox* pause_;
    QCheckBox* autoscroll_;
    QComboBox* filter_;
    QLabel* dropped_;
    QLabel* latency_;
    std::function<QString()> port_;
};
