// The graph's monitoring-log reader on any file: it reads what parses and counts what does not.
#include "fuzz_input.h"
#include "monitor_log_reader.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    static const QString path =
        QDir::temp().filePath(QStringLiteral("velmora_fuzz_log_%1.csv").arg(getpid()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(in.Rest().toByteArray());
    file.close();
    const MonitorLogRead read = ReadMonitorLog(path);
    if (read.dataLines < 0 || read.badLines < 0 || read.errorLines < 0)
        __builtin_trap();
    return 0;
}
