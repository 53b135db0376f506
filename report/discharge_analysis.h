#pragma once

#include "discharge_log.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

// What the engineer sets for a report.
struct DischargeSettings {
    // The test segment as a time range (TrendStamp); found in the log when neither is set.
    std::optional<qint64> from;
    std::optional<qint64> to;
    std::optional<double> endVolts; // the end voltage of a cell
    // A discharge is a current below -2 % of the rated capacity per hour for five minutes.
    double dischargeFraction = 0.02;
    qint64 minimumRunMs = 5 * 60 * 1000;
    // A step for the resistance: the current changes by 10 % of the rated capacity per hour.
    double stepFraction = 0.10;
};

struct CellFigures {
    int cell = 0; // 1-based
    double startVolts = 0;
    double endVolts = 0; // at the end point, or at the end of the segment without one
    double minVolts = 0;
    std::optional<qint64> reachedEnd; // when it first reached the end voltage
    double deviationMillivolts = 0;   // from the median of all cells at the end point
    int rank = 0;                     // 1 for the lowest voltage at the end point
    int maxDegrees = 0;
    std::optional<double> milliohm; // with at least three steps
    int steps = 0;
    bool lowVoltage = false;     // far below the median at the end point
    bool highResistance = false; // above 1.5 times the median resistance
    bool Weak() const { return lowVoltage || highResistance; }
};

// A time the log did not cover (longer than three poll periods, or a clock that went back).
struct LogGap {
    qint64 start = 0;
    qint64 end = 0;
};

struct MinMeanMax {
    double min = 0, mean = 0, max = 0;
};

struct DischargeReport {
    QString error;             // why there is no report; then nothing else is set
    bool foundSegment = false; // found in the log, not given

    int cells = 0;
    double ratedAmpereHours = 0;
    qint64 firmwareVersion = 0;
    double pollSeconds = 0; // the log's poll period, its typical time step
    double dischargeThresholdAmps = 0;
    double stepThresholdAmps = 0;

    qint64 firstLine = 0, lastLine = 0; // the segment's lines in the log
    qint64 start = 0, end = 0;          // TrendStamp
    double seconds = 0;
    double ampereHours = 0; // delivered, so positive for a discharge
    double wattHours = 0;
    double meanAmps = 0; // the mean discharge current over the covered time, positive
    double startPackVolts = 0, endPackVolts = 0;
    MinMeanMax cellDegrees;
    std::optional<MinMeanMax> ambientDegrees;
    std::vector<LogGap> gaps;

    std::optional<double> endVolts;
    std::optional<qint64> endLine; // the first line where a cell reached the end voltage
    std::optional<qint64> endPoint;
    std::optional<double> capacityAmpereHours;
    std::optional<double> capacityPercent;

    std::vector<CellFigures> cellFigures; // by cell number
    std::vector<int> weakCells;           // weakest first
    qint64 otherCellCountLines = 0;

    // The cells as the report lists them: the weak ones first, each part by rank.
    std::vector<const CellFigures*> ListedCells() const;
};

// The report of a log for the settings; a log with no segment gives the error only.
DischargeReport AnalyseDischarge(const DischargeLog& log, const DischargeSettings& settings);

// The longest run of lines whose current is below -thresholdAmps that lasts at least
// minimumRunMs, as its first and last line; nothing when there is none.
struct LineRange {
    qint64 first = 0, last = 0;
};
std::optional<LineRange> FindDischarge(const DischargeLog& log, double thresholdAmps,
                                       qint64 minimumRunMs);

// The typical time between lines: the median of the steps that move the clock on (a log
// polled faster than its seconds holds lines of the same second).
double PollSeconds(std::span<const qint64> stamps);

// The end voltage the controller itself works with, its cell under-voltage threshold
// (CUV_Threshold) in volts; nothing while the alarm settings have not been read (the block is
// zero until then).
std::optional<double> ControllerEndVolts(std::span<const quint16> alarmSettingsBlock);

// The median, and the median absolute deviation scaled to a standard deviation; both of an
// empty list are 0. The list is reordered.
double Median(std::span<double> values);
double ScaledMad(std::span<const double> values, double median);
