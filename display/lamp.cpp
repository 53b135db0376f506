#include "lamp.h"

#include <QPainter>

Lamp::Lamp(const QString& name, QWidget* parent) : QWidget(parent), color_(LampColor(false)) {
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

QColor LampColor(bool set) {
    return set ? QColor(255, 0, 0) : QColor(0, 255, 0);
}
