#pragma once

#include "register_image.h"
#include "settings_write.h"
#include "table_texts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A settings table file as the window saves it, read back for a write to the controller. It is
// taken only whole: the rows of exactly one settings table in their order, the units of one view
// and every value convertible, so that nothing is sent from a file that could only be written in
// part.

struct SettingsFile {
    SettingsTable table = SettingsTable::Comm;
    bool scaledUnits = false; // the view its values are written in, told by the unit column
    QList<QStringList> cells; // header row first
};

struct SettingsFileRead {
    std::optional<SettingsFile> file;
    QString error; // why the lines are refused, naming the line
};

SettingsFileRead ParseSettingsFile(const QStringList& lines);

// Stores the file's values into the table's block of the image, which holds the controller's
// values; the rest stays as it is. A value whose text is the one the controller's register shows
// in the file's view (either decimal separator) leaves that register as it is: a scaled value
// has four significant digits only, so "43,58" h is CF_Time 2615 min when the controller holds
// 2615, though it reads back as 2614 on its own.
void StoreSettingsFile(const SettingsFile& file, RegisterImage& image);

// A row whose register differs between two states of the block.
struct SettingsChange {
    const SettingsRegister* row = nullptr;
    qint64 before = 0;
    qint64 after = 0;
};

// The rows the table's write sends whose values differ from `before` to `after`.
QList<SettingsChange> ChangedRows(SettingsTable table, const RegisterImage& before,
                                  const RegisterImage& after);
// The rows the table's write does not send (DIN_Time beyond the 49 alarm registers).
QList<const SettingsRegister*> UnsentRows(SettingsTable table);
