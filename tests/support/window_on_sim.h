#pragma once

#include "connection_dialog.h"
#include "main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QPixmap>

#include <cstdio>

// Points the window's connection dialog at a port (the simulated controller's terminal) at
// 115200 baud.
inline void ConnectDialogTo(TForm1& form, const QString& port) {
    form.Form4()->AddPort(port);
    auto* baud = form.findChild<QComboBox*>(QStringLiteral("ComboBox_BAUDRATE_"));
    baud->setCurrentIndex(baud->findText(QStringLiteral("115200")));
}

// Saves a picture of the window as it is on screen (a PNG for the README) and says so.
inline bool SaveWindowPicture(QWidget& window, const QString& path) {
    QApplication::processEvents();
    const bool saved = window.grab().save(path, "PNG", 9);
    std::printf("%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}
