#pragma once

#include "text_file.h"
#include "trend_store.h"

#include <QString>

#include <atomic>

// Shared with the thread that reads: how far it has got, and the operator's cancel.
struct MonitorLogProgress {
    std::atomic<qint64> bytesRead{0};
    std::atomic<bool> cancel{false};
};

struct MonitorLogRead {
    TrendStore store;
    qint64 dataLines = 0;  // lines plotted
    qint64 errorLines = 0; // link error lines, skipped
    qint64 badLines = 0;   // lines that do not parse, skipped
    bool cancelled = false;
    FileError error; // the file could not be read or holds no log header; store then empty
};

// Reads a monitoring log: every data line becomes one poll that gives each of the 17 trend rows
// the value written in its mnemonic's column, its label the line's date and time. Headers may
// repeat and the cell count may change from line to line; only the header's status columns
// count. Numbers are read with the locale's decimal separator or a point.
MonitorLogRead ReadMonitorLog(const QString& path, MonitorLogProgress* progress = nullptr);
