#include "lamp.h"

#include <QPainter>

Lamp::Lamp(const QString& name, QWidget* parent) : QWidget(parent), color_(UnknownLampColor()) {
    setObjectName(name);
    setFixedSize(sizeHint());
}

void Lamp::SetColor(const QColor& color) {
    if (color == color_)
        return;
    color_ = color;
    update();
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(color_);
    painter.drawEllipse(rect().adjusted(1, 1, -1, -1));
}

QColor LampColor(bool set, bool alarm) {
    if (!set)
        return {0, 255, 0};
    return alarm ? QColor(255, 0, 0) : QColor(30, 144, 255);
}

QColor UnknownLampColor() {
    return {160, 160, 160};
}
