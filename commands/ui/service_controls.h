#pragma once

class QWidget;

// The controls of the service tabs. Every control carries its given objectName, by which the
// handlers and the tests find it. page must not have a layout yet.

// Inner tab "Калибровка": current-sensor calibration, charge levels, cycle count, modes.
void BuildCalibrationControls(QWidget* page);

// Inner tab "Время-Дата": the clock fields and the read, fill and write buttons.
void BuildClockControls(QWidget* page);
