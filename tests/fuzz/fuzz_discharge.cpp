// The discharge analysis (the segment, the integrals, the end point and the resistance steps) on
// random logs: any current, cell voltages, repeated and backward time stamps, any range and end
// voltage. Every figure it gives must be consistent with the log.
#include "discharge_analysis.h"
#include "fuzz_input.h"

#include <algorithm>
#include <cmath>

namespace {

[[noreturn]] void Fault(const char* what) {
    FuzzCheckFailed(what, __FILE__, __LINE__);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    DischargeLog log;
    log.cells = 1 + in.Byte() % 8;
    log.ratedAmpereHours = in.Byte();
    DischargeSettings settings;
    if (in.Flag())
        settings.endVolts = in.Word() * 0.001;
    const bool range = in.Flag();
    const qint64 from = qint64(in.Word()) * 1000, to = from + qint64(in.Word()) * 1000;
    if (range) {
        settings.from = from;
        settings.to = to;
    }
    settings.minimumRunMs = qint64(in.Byte()) * 1000;
    std::vector<quint16> millivolts(std::size_t(log.cells));
    const std::vector<qint16> degrees(std::size_t(log.cells), 25);
    qint64 stamp = 0;
    while (!in.Empty()) {
        // Steps of -10 s to +245 s: the clock may stand still or go back.
        stamp += (qint64(in.Byte()) - 10) * 1000;
        const float amps = float(qint16(in.Word())) * 0.01f;
        for (quint16& mv : millivolts)
            mv = in.Word();
        log.Append(stamp, 50, amps, 20, millivolts.data(), degrees.data());
    }
    const DischargeReport r = AnalyseDischarge(log, settings);
    if (!r.error.isEmpty()) {
        if (!r.cellFigures.empty() || !r.weakCells.empty())
            Fault("figures beside an error");
        return 0;
    }
    if (r.firstLine < 0 || r.firstLine >= r.lastLine || r.lastLine >= log.Lines() ||
        int(r.cellFigures.size()) != log.cells || !std::isfinite(r.ampereHours) ||
        !std::isfinite(r.wattHours) || !std::isfinite(r.meanAmps) || r.seconds < 0)
        Fault("a segment outside the log or a figure not finite");
    if (r.endLine && (*r.endLine < r.firstLine || *r.endLine > r.lastLine || !r.endVolts))
        Fault("an end point outside the segment");
    std::vector<int> ranks;
    for (const CellFigures& c : r.cellFigures) {
        ranks.push_back(c.rank);
        if ((c.milliohm && (c.steps < 3 || !std::isfinite(*c.milliohm))) ||
            c.minVolts > c.startVolts || c.minVolts > c.endVolts)
            Fault("a resistance of too few steps, or a minimum above a cell's voltage");
    }
    std::sort(ranks.begin(), ranks.end());
    for (std::size_t i = 0; i < ranks.size(); ++i)
        if (ranks[i] != int(i + 1))
            Fault("ranks that are not 1 to the cell count");
    for (const int cell : r.weakCells)
        if (cell < 1 || cell > log.cells || !r.cellFigures[std::size_t(cell - 1)].Weak())
            Fault("a weak cell not flagged");
    return 0;
}
