#pragma once

#include "monitor_log_reader.h"

#include <QtGlobal>

#include <vector>

// What a discharge test needs of a monitoring log, one entry per data line in file order, kept
// compact so that a day of a 200-cell battery at one line a second fits in about 70 MB: the cell
// voltages as the controller measures them (millivolts) and the cell temperatures in degrees.
struct DischargeLog {
    int cells = 0;               // the cell count of the lines taken (that of the first one)
    double ratedAmpereHours = 0; // Design_Capacity of the last line that gives one
    qint64 firmwareVersion = 0;  // Firmware_Version of the last line
    std::vector<qint64> stamps;  // TrendStamp, milliseconds
    std::vector<float> packVolts;
    std::vector<float> packAmps;         // negative while discharging
    std::vector<float> ambientDegrees;   // NaN when the sensor is absent
    std::vector<quint16> cellMillivolts; // line after line, cell 1 first
    std::vector<qint16> cellDegrees;
    qint64 otherCellCountLines = 0; // lines of another cell count, not taken

    qint64 Lines() const { return qint64(stamps.size()); }
    // Cell 1 to cells of a line.
    double CellVolts(qint64 line, int cell) const {
        return cellMillivolts[std::size_t(line * cells + cell - 1)] * 0.001;
    }
    qint16 CellDegrees(qint64 line, int cell) const {
        return cellDegrees[std::size_t(line * cells + cell - 1)];
    }
    // Appends a line; millivolts and degrees hold `cells` entries each.
    void Append(qint64 stamp, float volts, float amps, float ambient, const quint16* millivolts,
                const qint16* degrees);
};

struct DischargeLogRead : MonitorLogScan {
    DischargeLog log; // empty when the log is refused
};

// Reads the lines of a monitoring log (either view, as the log reader takes them) that carry the
// pack, the ambient and every cell; the lines of a cell count other than the first line's are
// counted and left out.
DischargeLogRead ReadDischargeLog(const QString& path, MonitorLogProgress* progress = nullptr);
