// The graph's monitoring-log reader on any file: it reads what parses and counts what does not,
// never more lines than the file holds, and every value of a line it takes can be asked for.
#include "fuzz_input.h"
#include "monitor_log_reader.h"
#include "register_image.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

namespace {

class Asker final : public MonitorLogSink {
public:
    bool DataLine(const MonitorLogLine& line) override {
        for (int i = 0; i < StatusRowCount; ++i)
            (void)line.Status(i);
        const int cells = line.Cells();
        FUZZ_CHECK(cells >= 0 && cells <= MaxCells);
        for (int cell = 0; cell <= cells + 1; ++cell) {
            (void)line.CellVoltage(cell);
            (void)line.CellTemperature(cell);
            (void)line.CellStatus(cell);
        }
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    static const QString path =
        QDir::temp().filePath(QStringLiteral("velmora_fuzz_log_%1.csv").arg(getpid()));
    const QByteArray bytes = in.Rest().toByteArray();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(bytes);
    file.close();
    Asker asker;
    const MonitorLogScan scan = ScanMonitorLog(path, asker);
    FUZZ_CHECK(scan.dataLines >= 0 && scan.badLines >= 0 && scan.errorLines >= 0);
    FUZZ_CHECK(scan.dataLines + scan.badLines + scan.errorLines <= CountLines(bytes));
    FUZZ_CHECK((scan.badLines > 0) == (scan.firstBadLine > 0));
    const MonitorLogRead read = ReadMonitorLog(path);
    // The graph may refuse a line that lacks a value it plots, never take one more.
    FUZZ_CHECK(read.dataLines <= scan.dataLines &&
               read.dataLines + read.badLines == scan.dataLines + scan.badLines);
    return 0;
}
