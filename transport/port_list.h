#pragma once

#include <QStringList>

// The serial ports present on this computer by their short names (ttyUSB0, COM3), followed by
// the extra ports the program was given (full device paths such as the simulator's terminal)
// that are not already listed.
QStringList ListSerialPorts(const QStringList& extraPorts = {});
