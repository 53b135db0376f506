#pragma once

#include <QString>

// Shows the message of a typed value that did not convert, as the program's general error report
// does: an error box captioned with the application's name. The handler then stops unsent.
void ReportConversionError(const QString& message);
