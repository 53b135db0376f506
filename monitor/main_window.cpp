#include "main_window.h"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Velmora. Версия 2.0"));
}
