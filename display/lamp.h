#pragma once

#include <QColor>
#include <QWidget>

// A small filled circle used as a status lamp.
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

// Lime when the bit is clear, red when it is set.
QColor LampColor(bool set);
