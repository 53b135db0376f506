// The monitoring log's header and data lines for any status block, in both views and under the C
// locale, the Russian one or any other Qt has, read back by the log reader under the writer's
// locale, C or Russian: every line has one field for the date and time, 35 status fields and three
// per cell, each ended by ";", and the reader takes the line with the time and the values written
// (a scaled value to its four significant digits), whenever it tells the line's view as written.
// A log of C, Russian or ISO 8601 stamps reads under every reader; one of another locale's stamps
// under that locale.
#include "date_time_text.h"
#include "fuzz_input.h"
#include "monitor_log.h"
#include "monitor_log_reader.h"
#include "register_image.h"
#include "table_cells.h"

#include <QDir>
#include <unistd.h>

#include <cmath>

namespace {

// Within the rounding of four significant digits when scaled, exact otherwise.
bool Near(std::optional<double> read, double written, bool scaled) {
    return read && std::abs(*read - written) <= (scaled ? 5e-4 * std::abs(written) + 1e-9 : 1e-9);
}

class Checker final : public MonitorLogSink {
public:
    Checker(std::span<const quint16> block, qint64 stamp, bool scaled)
        : block_(block), stamp_(stamp), scaled_(scaled) {}
    bool DataLine(const MonitorLogLine& line) override {
        FUZZ_CHECK(line.Stamp() == stamp_);
        // A line whose fields fit both views may be read in the other one, off by its scaling.
        if (line.Scaled() != scaled_)
            return true;
        for (int i = 0; i < StatusRowCount; ++i) {
            const StatusRegister& row = StatusRegisters[std::size_t(i)];
            const double value = ScaledValue(FieldValue(block_, row.field), row.scaling);
            FUZZ_CHECK(Near(line.Status(i), value, scaled_ && LogScalesEntry(row)));
        }
        const int cells = ShownCellCount(block_);
        FUZZ_CHECK(line.Cells() == cells);
        for (int cell = 1; cell <= cells; ++cell) {
            FUZZ_CHECK(Near(line.CellVoltage(cell), CellVoltage(block_, cell) / 1000.0, scaled_));
            FUZZ_CHECK(line.CellTemperature(cell) == CellTemperature(block_, cell));
            FUZZ_CHECK(line.CellStatus(cell) == CellStatus(block_, cell));
        }
        return true;
    }

private:
    std::span<const quint16> block_;
    qint64 stamp_;
    bool scaled_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    static RegisterImage image;
    image = RegisterImage{};
    const bool scaled = in.Flag();
    // C or Russian by bit 0, or with bit 1 any locale by the next word; the reader with bit 1 in
    // the writer's locale.
    static const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    const quint8 writerChoice = in.Byte();
    const QLocale writer =
        writerChoice & 2 ? locales[in.Word() % locales.size()] : FuzzLocale(writerChoice & 1);
    const quint8 readerChoice = in.Byte();
    const QLocale reader = readerChoice & 2 ? writer : FuzzLocale(readerChoice & 1);
    const QDateTime when(QDate(2000, 1, 1).addDays(in.Word() % 36500),
                         QTime(0, 0).addSecs(in.Flag() ? 0 : in.Word() * 2 % 86400));
    const QString event = LinkEvents[in.Byte() % std::size(LinkEvents)];
    for (size_t i = 0; i < image.StatusBlock.size() && !in.Empty(); ++i)
        image.StatusBlock[i] = in.Word();

    QLocale::setDefault(writer);
    const qsizetype fields = 1 + 35 + 3 * ShownCellCount(image.StatusBlock);
    const QString header = LogHeaderLine(image.StatusBlock);
    const QString row = LogRowLine(image.StatusBlock, when, scaled);
    FUZZ_CHECK(header.count(QLatin1Char(';')) == fields && row.count(QLatin1Char(';')) == fields);
    static const QString path =
        QDir::temp().filePath(QStringLiteral("velmora_fuzz_log_line_%1.csv").arg(getpid()));
    FUZZ_CHECK(
        SaveWholeFile(path, EncodeLines({header, row, LinkErrorLogLine(when, event)})).isEmpty());

    // Another locale's stamps may read as other dates under C or Russian (day and month swapped).
    if (reader != writer && DateTimeTextReadsBack(writer) && writer != FuzzLocale(false) &&
        writer != FuzzLocale(true))
        return 0;
    QLocale::setDefault(reader);
    Checker checker(image.StatusBlock, TrendStamp(when), scaled);
    const MonitorLogScan scan = ScanMonitorLog(path, checker);
    FUZZ_CHECK(scan.error.isEmpty());
    FUZZ_CHECK(scan.dataLines == 1 && scan.badLines == 0 && scan.errorLines == 1);
    return 0;
}
