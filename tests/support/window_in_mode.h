#pragma once

#include "diagnostic_mode.h"
#include "main_window.h"

#include <memory>

// Builds the window with DiagnosticMode as given, restoring the build's default afterwards.
inline std::unique_ptr<TForm1> WindowInMode(bool diagnostic) {
    const bool saved = DiagnosticMode;
    DiagnosticMode = diagnostic;
    auto window = std::make_unique<TForm1>();
    DiagnosticMode = saved;
    return window;
}
