#pragma once

#include <QList>
#include <QString>

#include <span>

// All cells of the battery at once, for the overview beside the cell chart: each cell's values
// and flags, the lowest and highest cell of each quantity, the spread between them, and the
// colour scale that the actual spread spans.

struct OverviewCell {
    int number = 0; // 1 to n
    int millivolts = 0;
    int degrees = 0;
    quint16 status = 0;
};

// The span of the colour scale; values outside it are drawn at its ends.
struct OverviewScale {
    int low = 0;
    int high = 0;
    // 0 at the low end, 1 at the high end.
    double Position(int value) const;
};

// The lowest and highest cell of one quantity; the first of several equal ones.
struct OverviewExtremes {
    int minCell = 0; // 0 when there are no cells
    int maxCell = 0;
    int min = 0;
    int max = 0;
    int Spread() const { return max - min; }
    OverviewScale scale;
};

struct CellOverviewData {
    QList<OverviewCell> cells;
    OverviewExtremes volts;   // millivolts
    OverviewExtremes degrees; // °C
};

// Cells of nearly equal values look alike: the colour scale spans at least this much.
inline constexpr int MinimumVoltScaleMv = 10;
inline constexpr int MinimumDegreeScale = 2;

CellOverviewData ComputeCellOverview(std::span<const quint16> statusBlock);

// A cell's flags as the overview marks them: an alarm (over or under voltage or temperature, a
// failed balancing circuit), a warning (above or below the average), balancing.
bool CellAlarm(quint16 status);
bool CellWarning(quint16 status);
bool CellBalancing(quint16 status);

// The tool tip of a cell: its number, values and the meanings of its flags, one a line.
QString CellToolTip(const OverviewCell& cell);
// Two lines over a map: "Напряжение, разброс 38 мВ" and "мин. №17 3,131 В, макс. №112 3,169 В",
// or the same for temperatures; the quantity alone while there are no cells.
QString VoltSummary(const OverviewExtremes& volts);
QString DegreeSummary(const OverviewExtremes& degrees);
