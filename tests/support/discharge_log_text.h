#pragma once

#include "monitor_log_text.h"
#include "status_block.h"
#include "text_file.h"

#include <QDateTime>
#include <QStringList>

#include <cmath>
#include <map>

// A discharge test with every figure known, written as a monitoring log by the program's own
// writer: a rest, a discharge at a constant current (or alternating between two currents), a
// rest. A cell's voltage is e0 - slope x hours of discharge + resistance x current, in whole
// millivolts; a weak cell has a steeper slope. The current changes half-way between two lines,
// so that the log's lines tell the charge delivered exactly.
struct DischargeModel {
    int cells = 8;
    double ratedAmpereHours = 100;
    int pollSeconds = 60;
    int restBefore = 10;
    int dischargeLines = 301;
    int restAfter = 5;
    double amps = 20;
    double stepAmps = 0;            // the other current of the steps
    int stepLines = 0;              // lines of each current; 0: no steps
    double e0 = 2130;               // mV
    double slope = 50;              // mV per hour of discharge
    std::map<int, double> slopes;   // the cells that fall faster
    std::map<int, double> milliohm; // the cells of another resistance than 1 mOhm
    int ambientTenths = 225;
    int gapFrom = -1; // lines gapFrom .. gapFrom + gapLines - 1 are not written
    int gapLines = 0;
    QDateTime start{QDate(2024, 3, 5), QTime(8, 0)};

    int Lines() const { return restBefore + dischargeLines + restAfter; }
    bool Discharging(int line) const {
        return line >= restBefore && line < restBefore + dischargeLines;
    }
    double Amps(int line) const {
        if (!Discharging(line))
            return 0;
        const int k = line - restBefore;
        return stepLines > 0 && (k / stepLines) % 2 == 1 ? stepAmps : amps;
    }
    double Hours(int line) const {
        return std::clamp(line - restBefore, 0, dischargeLines - 1) * pollSeconds / 3600.0;
    }
    double Resistance(int cell) const {
        const auto it = milliohm.find(cell);
        return it == milliohm.end() ? 1.0 : it->second;
    }
    int Millivolts(int line, int cell) const {
        const auto it = slopes.find(cell);
        const double s = it == slopes.end() ? slope : it->second;
        return int(std::lround(e0 - s * Hours(line) - Resistance(cell) * Amps(line)));
    }
    int Degrees(int line, int cell) const { return 24 + (Discharging(line) ? 1 + cell % 3 : 0); }
    QDateTime When(int line) const { return start.addSecs(qint64(line) * pollSeconds); }

    std::array<quint16, StatusBlockWords> Block(int line) const {
        StatusBlockBuilder b;
        b.Set(u"Design_Capacity", qint64(ratedAmpereHours * 1000))
            .Set(u"Firmware_Version", 1234)
            .Set(u"Pack_Current", -qint64(std::lround(Amps(line) * 1000)))
            .Set(u"Temperature_Ambient", ambientTenths);
        qint64 pack = 0;
        for (int c = 1; c <= cells; ++c) {
            b.Cell(c, quint16(Millivolts(line, c)), qint16(Degrees(line, c)), 0);
            pack += Millivolts(line, c);
        }
        b.Set(u"Pack_Voltage_Sum", pack);
        return b.words;
    }
    QString Row(int line, bool scaled) const {
        return TestLogRow(When(line), Block(line), cells, scaled);
    }
    // The header and every line, in the view given.
    QStringList Log(bool scaled = true) const {
        QStringList lines{TestLogHeader(cells)};
        for (int line = 0; line < Lines(); ++line)
            if (line < gapFrom || line >= gapFrom + gapLines)
                lines.append(Row(line, scaled));
        return lines;
    }
};
