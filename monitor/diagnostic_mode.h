#pragma once

// Shows the link test page and the bootloader service controls, and turns on diagnostic memo
// lines and link counting. The build sets the default; tests may switch it before the main
// window is built.
extern bool DiagnosticMode;
