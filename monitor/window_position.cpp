#include "window_position.h"

QPoint CentredWindowPosition(QSize screen, QSize client) {
    // Integer division truncates toward zero, as the halves must.
    const int left = (screen.width() - client.width()) / 2;
    const int top = (screen.height() - client.height()) / 2 - 30;
    return {left, top};
}
