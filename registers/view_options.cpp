#include "view_options.h"

bool UseRussianNames = true;
bool UseScaledUnits = true;
bool LogLinkErrors = true;
