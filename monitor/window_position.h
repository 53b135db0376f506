#pragma once

#include <QPoint>
#include <QSize>

// Top-left corner that centres a client area on the screen, raised by 30 pixels; each half is
// rounded toward zero, so a screen no larger than the window gives a negative top.
QPoint CentredWindowPosition(QSize screen, QSize client);
