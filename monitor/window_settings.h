#pragma once

class QSettings;
class TForm1;

// What one run leaves to the next: the connection settings, the view and log options, the
// window's size, position and pages, and the folders and names of the files chosen. A first run
// finds nothing and keeps the defaults.
void RestoreWindowSettings(TForm1& form, const QSettings& settings);
void SaveWindowSettings(const TForm1& form, QSettings& settings);
