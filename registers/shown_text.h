#pragma once

#include <QString>

// The texts of the register maps, the bit tables, the journal events and the table headers are
// kept as the files hold them, in Russian, under the translation context "TableTexts"; every
// table and file is built from those texts, and the screen shows each through ShownText.

// A table text in the language installed; any other text (a value, a mnemonic, a text a loaded
// file brought) as it is. Blanks that pad a text to its column (the journal's events) stay after
// the translation.
QString ShownText(const QString& fileText);
