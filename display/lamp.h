#pragma once

#include <QColor>
#include <QWidget>

// A small filled circle used as a status lamp; grey until its bit is known.
class Lamp : public QWidget {
    Q_OBJECT
public:
    explicit Lamp(const QString& name, QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

// Lime when the bit is clear; when it is set, red for an alarm and a neutral blue for a state
// indicator (discharging, fully charged).
QColor LampColor(bool set, bool alarm = true);
// Grey: nothing is known of the bit (no cycle shown yet, or the controller no longer answers).
QColor UnknownLampColor();
