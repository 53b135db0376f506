#include "diagnostic_mode.h"

#ifdef VELMORA_DIAGNOSTIC_MODE_DEFAULT
bool DiagnosticMode = true;
#else
bool DiagnosticMode = false;
#endif
