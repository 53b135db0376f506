#pragma once

#include "connection_dialog.h"
#include "main_window.h"

#include <QComboBox>

// Points the window's connection dialog at a port (the simulated controller's terminal) at
// 115200 baud.
inline void ConnectDialogTo(TForm1& form, const QString& port) {
    form.Form4()->AddPort(port);
    auto* baud = form.findChild<QComboBox*>(QStringLiteral("ComboBox_BAUDRATE_"));
    baud->setCurrentIndex(baud->findText(QStringLiteral("115200")));
}
