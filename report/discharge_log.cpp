#include "discharge_log.h"

#include "register_image.h"

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

void DischargeLog::Append(qint64 stamp, float volts, float amps, float ambient,
                          const quint16* millivolts, const qint16* degrees) {
    stamps.push_back(stamp);
    packVolts.push_back(volts);
    packAmps.push_back(amps);
    ambientDegrees.push_back(ambient);
    cellMillivolts.insert(cellMillivolts.end(), millivolts, millivolts + cells);
    cellDegrees.insert(cellDegrees.end(), degrees, degrees + cells);
}

namespace {

// The status rows the report reads.
enum Column { Capacity, Firmware, PackVoltage, PackCurrent, Ambient, Columns };
constexpr std::array<const char16_t*, Columns> ColumnNames = {
    u"Design_Capacity", u"Firmware_Version", u"Pack_Voltage_Sum", u"Pack_Current",
    u"Temperature_Ambient"};

// The ambient sensor's "absent" (-1000 tenths) in degrees.
constexpr double AmbientAbsent = -100.0;

class DischargeSink final : public MonitorLogSink {
public:
    DischargeSink(DischargeLog& log, qint64 fileBytes) : log_(log), fileBytes_(fileBytes) {
        for (int c = 0; c < Columns; ++c)
            rows_[std::size_t(c)] = StatusByMnemonic(ColumnNames[std::size_t(c)]).row - 1;
    }

    bool DataLine(const MonitorLogLine& line) override {
        const int cells = line.Cells();
        // Every field of the cells must be there, so that a line cut short is no line.
        if (cells > 0 && !line.CellStatus(cells))
            return false;
        std::array<double, Columns> values{};
        for (int c = 0; c < Columns; ++c) {
            const std::optional<double> value = line.Status(rows_[std::size_t(c)]);
            if (!value)
                return false;
            values[std::size_t(c)] = *value;
        }
        for (int i = 0; i < cells; ++i) {
            const std::optional<double> volts = line.CellVoltage(i + 1);
            const std::optional<double> degrees = line.CellTemperature(i + 1);
            if (!volts || !degrees)
                return false;
            millivolts_[std::size_t(i)] =
                quint16(std::clamp(std::lround(*volts * 1000), 0L, 65535L));
            degrees_[std::size_t(i)] = qint16(std::clamp(std::lround(*degrees), -32768L, 32767L));
        }
        if (cells == 0 || (log_.cells != 0 && cells != log_.cells)) {
            ++log_.otherCellCountLines;
            return true;
        }
        if (log_.cells == 0)
            Start(cells);
        if (values[Capacity] > 0)
            log_.ratedAmpereHours = values[Capacity];
        log_.firmwareVersion = qint64(values[Firmware]);
        const double ambient = values[Ambient];
        log_.Append(line.Stamp(), float(values[PackVoltage]), float(values[PackCurrent]),
                    ambient == AmbientAbsent ? std::numeric_limits<float>::quiet_NaN()
                                             : float(ambient),
                    millivolts_.data(), degrees_.data());
        return true;
    }

private:
    // The first line tells the cell count and, from the bytes a line of that many cells takes
    // at least (about 11 a cell and 200 more), at most how many lines follow; the room reserved
    // beyond them is never touched.
    void Start(int cells) {
        log_.cells = cells;
        const qint64 lineBytes = 150 + 10 * qint64(cells);
        const std::size_t lines = std::size_t(fileBytes_ / lineBytes * 21 / 20 + 16);
        log_.stamps.reserve(lines);
        log_.packVolts.reserve(lines);
        log_.packAmps.reserve(lines);
        log_.ambientDegrees.reserve(lines);
        log_.cellMillivolts.reserve(lines * std::size_t(cells));
        log_.cellDegrees.reserve(lines * std::size_t(cells));
    }

    DischargeLog& log_;
    const qint64 fileBytes_;
    std::array<int, Columns> rows_{};
    std::array<quint16, MaxCells> millivolts_{};
    std::array<qint16, MaxCells> degrees_{};
};

} // namespace

DischargeLogRead ReadDischargeLog(const QString& path, MonitorLogProgress* progress) {
    DischargeLogRead result;
    DischargeSink sink(result.log, QFileInfo(path).size());
    static_cast<MonitorLogScan&>(result) = ScanMonitorLog(path, sink, progress);
    if (!result.error.isEmpty() || result.cancelled)
        result.log = {};
    return result;
}
