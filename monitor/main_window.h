#pragma once

#include <QMainWindow>

// The main window: connection controls, the seven pages, the status bar and the menus.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};
