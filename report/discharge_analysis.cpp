#include "discharge_analysis.h"

#include "settings_map.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double MsPerHour = 3600.0 * 1000.0;
// A time step longer than this many poll periods is a gap, not bridged.
constexpr double GapPolls = 3;
// Two lines at most this many poll periods apart make a resistance step.
constexpr double StepPolls = 2;
constexpr int LeastSteps = 3;
// A cell is low when it lies this many scaled deviations, and at least this far, below the
// median at the end point.
constexpr double LowDeviations = 3;
constexpr double LowLeastMillivolts = 20;
constexpr double HighResistanceRatio = 1.5;

bool Reached(const DischargeLog& log, qint64 line, int cell, double endVolts) {
    // Millivolts against the end voltage in millivolts, so that 2,8 V reaches 2.800 V.
    return log.cellMillivolts[std::size_t(line * log.cells + cell - 1)] <= endVolts * 1000 + 1e-6;
}

// The time the clock moved on from line `first` to line `last`: the steps where it went back
// (a clock set back, the hour of the autumn clock change) count for nothing.
qint64 ForwardMs(const DischargeLog& log, qint64 first, qint64 last) {
    qint64 ms = 0;
    for (qint64 i = first; i < last; ++i)
        ms += std::max<qint64>(0, log.stamps[std::size_t(i + 1)] - log.stamps[std::size_t(i)]);
    return ms;
}

std::optional<LineRange> GivenRange(const DischargeLog& log, const DischargeSettings& s) {
    std::optional<LineRange> range;
    for (qint64 i = 0; i < log.Lines(); ++i) {
        const qint64 t = log.stamps[std::size_t(i)];
        if ((s.from && t < *s.from) || (s.to && t > *s.to))
            continue;
        if (!range)
            range = LineRange{i, i};
        range->last = i;
    }
    if (range && range->last == range->first)
        return std::nullopt;
    return range;
}

QString Amps(double amps) {
    return QLocale().toString(amps, 'g', 4);
}

// The voltage, deviation, rank and flag of each cell at the end line.
void RankCells(std::vector<CellFigures>& cells) {
    std::vector<double> ends;
    for (const CellFigures& c : cells)
        ends.push_back(c.endVolts);
    const double median = Median(ends);
    std::vector<double> deviations;
    for (CellFigures& c : cells) {
        c.deviationMillivolts = (c.endVolts - median) * 1000;
        deviations.push_back(c.deviationMillivolts);
    }
    const double spread = ScaledMad(deviations, 0);
    for (CellFigures& c : cells)
        c.lowVoltage = c.deviationMillivolts < -LowDeviations * spread &&
                       c.deviationMillivolts <= -LowLeastMillivolts;
    std::vector<CellFigures*> order;
    for (CellFigures& c : cells)
        order.push_back(&c);
    std::stable_sort(order.begin(), order.end(), [](const CellFigures* a, const CellFigures* b) {
        return a->endVolts < b->endVolts;
    });
    for (std::size_t r = 0; r < order.size(); ++r)
        order[r]->rank = int(r + 1);
}

// dV/dI of every cell over the lines where the current steps, as the median of the steps.
void EstimateResistance(const DischargeLog& log, const DischargeReport& r,
                        std::vector<CellFigures>& cells) {
    std::vector<qint64> steps;
    const double nearMs = StepPolls * r.pollSeconds * 1000;
    for (qint64 i = r.firstLine; i < r.lastLine; ++i) {
        const double dI = double(log.packAmps[std::size_t(i + 1)]) - log.packAmps[std::size_t(i)];
        const qint64 dt = log.stamps[std::size_t(i + 1)] - log.stamps[std::size_t(i)];
        if (dt >= 0 && dt <= nearMs && std::abs(dI) >= r.stepThresholdAmps && dI != 0)
            steps.push_back(i);
    }
    std::vector<double> values(steps.size());
    std::vector<double> estimates;
    for (CellFigures& c : cells) {
        c.steps = int(steps.size());
        if (c.steps < LeastSteps)
            continue;
        for (std::size_t k = 0; k < steps.size(); ++k) {
            const qint64 i = steps[k];
            const double dV = log.CellVolts(i + 1, c.cell) - log.CellVolts(i, c.cell);
            const double dI =
                double(log.packAmps[std::size_t(i + 1)]) - log.packAmps[std::size_t(i)];
            values[k] = dV / dI * 1000;
        }
        c.milliohm = Median(values);
        estimates.push_back(*c.milliohm);
    }
    const double median = Median(estimates);
    for (CellFigures& c : cells)
        c.highResistance = c.milliohm && *c.milliohm > HighResistanceRatio * median;
}

void Integrate(const DischargeLog& log, DischargeReport& r) {
    const double gapMs = GapPolls * r.pollSeconds * 1000;
    double coveredHours = 0;
    if (r.endLine && *r.endLine == r.firstLine)
        r.capacityAmpereHours = 0;
    for (qint64 i = r.firstLine; i < r.lastLine; ++i) {
        const std::size_t a = std::size_t(i), b = std::size_t(i + 1);
        const qint64 dt = log.stamps[b] - log.stamps[a];
        if (dt < 0 || dt > gapMs) {
            r.gaps.push_back({log.stamps[a], log.stamps[b]});
        } else {
            const double hours = double(dt) / MsPerHour;
            r.ampereHours -= (double(log.packAmps[a]) + log.packAmps[b]) / 2 * hours;
            r.wattHours -= (double(log.packAmps[a]) * log.packVolts[a] +
                            double(log.packAmps[b]) * log.packVolts[b]) /
                           2 * hours;
            coveredHours += hours;
        }
        if (r.endLine && i + 1 == *r.endLine)
            r.capacityAmpereHours = r.ampereHours;
    }
    r.meanAmps = coveredHours > 0 ? r.ampereHours / coveredHours : 0;
}

void Temperatures(const DischargeLog& log, DischargeReport& r) {
    double sum = 0, ambientSum = 0;
    qint64 ambientCount = 0;
    MinMeanMax cells{1e9, 0, -1e9}, ambient{1e9, 0, -1e9};
    for (qint64 i = r.firstLine; i <= r.lastLine; ++i) {
        for (int c = 1; c <= log.cells; ++c) {
            const double t = log.CellDegrees(i, c);
            cells.min = std::min(cells.min, t);
            cells.max = std::max(cells.max, t);
            sum += t;
        }
        const float a = log.ambientDegrees[std::size_t(i)];
        if (std::isnan(a))
            continue;
        ambient.min = std::min(ambient.min, double(a));
        ambient.max = std::max(ambient.max, double(a));
        ambientSum += a;
        ++ambientCount;
    }
    cells.mean = sum / double((r.lastLine - r.firstLine + 1) * log.cells);
    r.cellDegrees = cells;
    if (ambientCount > 0) {
        ambient.mean = ambientSum / double(ambientCount);
        r.ambientDegrees = ambient;
    }
}

} // namespace

double Median(std::span<double> values) {
    if (values.empty())
        return 0;
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 != 0)
        return *middle;
    return (*middle + *std::max_element(values.begin(), middle)) / 2;
}

double ScaledMad(std::span<const double> values, double median) {
    std::vector<double> distances;
    distances.reserve(values.size());
    for (const double v : values)
        distances.push_back(std::abs(v - median));
    // The factor makes the deviation of normally spread values their standard deviation.
    return 1.4826 * Median(distances);
}

double PollSeconds(std::span<const qint64> stamps) {
    std::vector<double> steps;
    for (std::size_t i = 1; i < stamps.size(); ++i)
        if (stamps[i] > stamps[i - 1])
            steps.push_back(double(stamps[i] - stamps[i - 1]) / 1000);
    return Median(steps);
}

std::optional<LineRange> FindDischarge(const DischargeLog& log, double thresholdAmps,
                                       qint64 minimumRunMs) {
    std::optional<LineRange> best;
    qint64 bestMs = -1;
    std::optional<qint64> runStart;
    for (qint64 i = 0; i <= log.Lines(); ++i) {
        const bool discharging = i < log.Lines() && log.packAmps[std::size_t(i)] < -thresholdAmps;
        if (discharging && !runStart)
            runStart = i;
        if (discharging || !runStart)
            continue;
        const qint64 ms = ForwardMs(log, *runStart, i - 1);
        // A run of one line has no duration to integrate over, however short a run may be.
        if (i - 1 > *runStart && ms >= minimumRunMs && ms > bestMs) {
            best = LineRange{*runStart, i - 1};
            bestMs = ms;
        }
        runStart.reset();
    }
    return best;
}

DischargeReport AnalyseDischarge(const DischargeLog& log, const DischargeSettings& settings) {
    DischargeReport r;
    if (log.Lines() == 0 || log.cells == 0) {
        r.error =
            QCoreApplication::translate("Report", "В логе нет строк с напряжениями элементов");
        return r;
    }
    r.cells = log.cells;
    r.ratedAmpereHours = log.ratedAmpereHours;
    r.firmwareVersion = log.firmwareVersion;
    r.otherCellCountLines = log.otherCellCountLines;
    r.pollSeconds = PollSeconds(log.stamps);
    r.dischargeThresholdAmps = settings.dischargeFraction * log.ratedAmpereHours;
    r.stepThresholdAmps = settings.stepFraction * log.ratedAmpereHours;

    const bool given = settings.from || settings.to;
    const std::optional<LineRange> range =
        given ? GivenRange(log, settings)
              : FindDischarge(log, r.dischargeThresholdAmps, settings.minimumRunMs);
    if (!range) {
        r.error = given ? QCoreApplication::translate(
                              "Report", "В заданном промежутке меньше двух строк лога")
                        : QCoreApplication::translate(
                              "Report", "В логе нет участка разряда: ток разряда больше %1 А "
                                        "(%2 % емкости АБ в час) нигде не держался %3 мин")
                              .arg(Amps(r.dischargeThresholdAmps),
                                   QLocale().toString(settings.dischargeFraction * 100),
                                   QLocale().toString(settings.minimumRunMs / 60000.0));
        return r;
    }
    r.foundSegment = !given;
    r.firstLine = range->first;
    r.lastLine = range->last;
    r.start = log.stamps[std::size_t(r.firstLine)];
    r.end = log.stamps[std::size_t(r.lastLine)];
    r.seconds = double(ForwardMs(log, r.firstLine, r.lastLine)) / 1000;
    r.startPackVolts = log.packVolts[std::size_t(r.firstLine)];
    r.endPackVolts = log.packVolts[std::size_t(r.lastLine)];

    r.endVolts = settings.endVolts;
    std::vector<CellFigures>& cells = r.cellFigures;
    cells.resize(std::size_t(log.cells));
    std::vector<quint16> lowest(std::size_t(log.cells), 0xFFFF);
    std::vector<qint16> hottest(std::size_t(log.cells), std::numeric_limits<qint16>::min());
    // Line by line, as the log is stored.
    for (qint64 i = r.firstLine; i <= r.lastLine; ++i) {
        const std::size_t at = std::size_t(i * log.cells);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            lowest[c] = std::min(lowest[c], log.cellMillivolts[at + c]);
            hottest[c] = std::max(hottest[c], log.cellDegrees[at + c]);
            if (r.endVolts && !cells[c].reachedEnd && Reached(log, i, int(c + 1), *r.endVolts)) {
                cells[c].reachedEnd = log.stamps[std::size_t(i)];
                if (!r.endLine)
                    r.endLine = i;
            }
        }
    }
    const qint64 endLine = r.endLine.value_or(r.lastLine);
    if (r.endLine)
        r.endPoint = log.stamps[std::size_t(*r.endLine)];
    for (std::size_t c = 0; c < cells.size(); ++c) {
        CellFigures& f = cells[c];
        f.cell = int(c + 1);
        f.startVolts = log.CellVolts(r.firstLine, f.cell);
        f.endVolts = log.CellVolts(endLine, f.cell);
        f.minVolts = lowest[c] * 0.001;
        f.maxDegrees = hottest[c];
    }

    Integrate(log, r);
    if (r.capacityAmpereHours && r.ratedAmpereHours > 0)
        r.capacityPercent = *r.capacityAmpereHours / r.ratedAmpereHours * 100;
    Temperatures(log, r);
    RankCells(cells);
    EstimateResistance(log, r, cells);
    for (const CellFigures* c : r.ListedCells())
        if (c->Weak())
            r.weakCells.push_back(c->cell);
    return r;
}

std::optional<double> ControllerEndVolts(std::span<const quint16> alarmSettingsBlock) {
    for (const SettingsRegister& row : AlarmSettingsRegisters)
        if (row.mnemonic == u"CUV_Threshold") {
            const qint64 millivolts = FieldValue(alarmSettingsBlock, row.field);
            return millivolts > 0 ? std::optional<double>(millivolts * 0.001) : std::nullopt;
        }
    return std::nullopt;
}

std::vector<const CellFigures*> DischargeReport::ListedCells() const {
    std::vector<const CellFigures*> listed;
    for (const CellFigures& c : cellFigures)
        listed.push_back(&c);
    std::stable_sort(listed.begin(), listed.end(), [](const CellFigures* a, const CellFigures* b) {
        return a->Weak() != b->Weak() ? a->Weak() : a->rank < b->rank;
    });
    return listed;
}
