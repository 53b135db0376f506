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

// The status columns the report reads, by their header names.
enum Column { Capacity, Firmware, PackVoltage, PackCurrent, Ambient, Columns };
constexpr std::array<const char16_t*, Columns> ColumnNames = {
    u"Design_Capacity", u"Firmware_Version", u"Pack_Voltage_Sum", u"Pack_Current",
    u"Temperature_Ambient"};

// The ambient sensor's "absent" (-1000 tenths) as the scaled view writes it.
constexpr double AmbientAbsent = -100.0;

class DischargeSink final : public MonitorLogSink {
public:
    DischargeSink(DischargeLog& log, qint64 fileBytes) : log_(log), fileBytes_(fileBytes) {}

    bool Header(const QStringList& names) override {
        std::array<int, Columns> columns{};
        for (int c = 0; c < Columns; ++c) {
            columns[std::size_t(c)] = int(names.indexOf(QString::fromUtf16(ColumnNames[c])));
            if (columns[std::size_t(c)] < 1)
                return false;
        }
        columns_ = columns;
        return cells_.Locate(names);
    }

    bool DataLine(const MonitorLogLine& line) override {
        const std::span<const std::string_view> fields =
            std::span(fields_).first(line.Fields(fields_));
        const std::optional<int> count = cells_.Count(line, fields);
        if (!count)
            return false;
        const int cells = *count;
        std::array<std::optional<double>, Columns> values;
        for (int c = 0; c < Columns; ++c) {
            const std::size_t column = std::size_t(columns_[std::size_t(c)]);
            if (column >= fields.size() || !(values[std::size_t(c)] = line.Number(fields[column])))
                return false;
        }
        for (int i = 0; i < cells; ++i) {
            const std::optional<double> volts = line.Number(cells_.Voltage(fields, i + 1));
            const std::optional<double> degrees =
                line.Number(cells_.Temperature(fields, cells, i + 1));
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
            Start(cells, line.text.size());
        if (*values[Capacity] > 0)
            log_.ratedAmpereHours = *values[Capacity];
        log_.firmwareVersion = qint64(*values[Firmware]);
        const double ambient = *values[Ambient];
        log_.Append(line.stamp, float(*values[PackVoltage]), float(*values[PackCurrent]),
                    ambient == AmbientAbsent ? std::numeric_limits<float>::quiet_NaN()
                                             : float(ambient),
                    millivolts_.data(), degrees_.data());
        return true;
    }

private:
    // The first line tells the cell count and, from its length, about how many lines follow.
    void Start(int cells, std::size_t lineBytes) {
        log_.cells = cells;
        const std::size_t lines = std::size_t(fileBytes_ / qint64(lineBytes + 2) * 21 / 20 + 16);
        log_.stamps.reserve(lines);
        log_.packVolts.reserve(lines);
        log_.packAmps.reserve(lines);
        log_.ambientDegrees.reserve(lines);
        log_.cellMillivolts.reserve(lines * std::size_t(cells));
        log_.cellDegrees.reserve(lines * std::size_t(cells));
    }

    DischargeLog& log_;
    const qint64 fileBytes_;
    std::array<int, Columns> columns_{};
    LogCellColumns cells_;
    std::array<std::string_view, MaxLogFields> fields_;
    std::array<quint16, MaxCells> millivolts_{};
    std::array<qint16, MaxCells> degrees_{};
};

} // namespace

DischargeLogRead ReadDischargeLog(const QString& path, MonitorLogProgress* progress) {
    DischargeLogRead result;
    DischargeSink sink(result.log, QFileInfo(path).size());
    static_cast<MonitorLogCounts&>(result) = ReadMonitorLogLines(path, sink, progress);
    if (!result.error.isEmpty() || result.cancelled)
        result.log = {};
    return result;
}
