// Figures of the discharge-test report, printed, not judged: a 24-hour log of a 200-cell battery
// at one line a second (86,400 lines) read and analysed, with the peak memory of the process
// while it is, and the PDF and HTML written from it. The log is made first by the program's own
// log writer: a 200 A·h battery at rest, a discharge at 5 A with steps to 26 A every ten minutes,
// two weak cells and one of high resistance, a rest.
//
// Run: build/tests/bench/report/bench_report [--cells N] [--hours H] [--keep DIR] [--log FILE]
// (--keep writes the log, the PDF, the HTML and the CSV into DIR; --log reads that log instead
// of making one).

#include "bench_figures.h"
#include "discharge_log_text.h"
#include "report_document.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Lets the peak start again from what the process holds now.
void ResetPeak() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

DischargeModel DayModel(int cells, double hours) {
    DischargeModel m;
    m.cells = cells;
    m.ratedAmpereHours = 200;
    m.pollSeconds = 1;
    m.restBefore = 1800;
    m.restAfter = 1800;
    m.dischargeLines = std::max(600, int(hours * 3600) - m.restBefore - m.restAfter);
    m.amps = 5;
    m.stepAmps = 26;
    m.stepLines = 600;
    m.slope = 20;
    m.slopes = {{17, 32}, {cells / 2, 30}};
    m.milliohm = {{cells - 3, 4}};
    return m;
}

// Writes the model's log a batch of lines at a time; its size in bytes.
qint64 WriteLog(const DischargeModel& m, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    QStringList batch{TestLogHeader(m.cells)};
    for (int line = 0; line < m.Lines(); ++line) {
        batch.append(m.Row(line, true));
        if (batch.size() == 1000 || line + 1 == m.Lines()) {
            file.write(EncodeLines(batch));
            batch.clear();
        }
    }
    return file.size();
}

double Seconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The log as the Russian window writes it, with its decimal comma.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QCommandLineParser parser;
    parser.addOptions(
        {{QStringLiteral("cells"), QStringLiteral("cells"), QStringLiteral("N"),
          QStringLiteral("200")},
         {QStringLiteral("hours"), QStringLiteral("hours"), QStringLiteral("H"),
          QStringLiteral("24")},
         {QStringLiteral("keep"), QStringLiteral("folder for the files"), QStringLiteral("DIR")},
         {QStringLiteral("log"), QStringLiteral("a log to read"), QStringLiteral("FILE")}});
    parser.process(app);
    const int cells = std::clamp(parser.value(QStringLiteral("cells")).toInt(), 1, 200);
    const double hours = std::max(0.5, parser.value(QStringLiteral("hours")).toDouble());
    QTemporaryDir temporary;
    const QString folder = parser.isSet(QStringLiteral("keep"))
                               ? parser.value(QStringLiteral("keep"))
                               : temporary.path();
    QDir().mkpath(folder);
    const bool given = parser.isSet(QStringLiteral("log"));
    const QString log = given ? parser.value(QStringLiteral("log"))
                              : QDir(folder).filePath(QStringLiteral("discharge_log.csv"));

    QElapsedTimer timer;
    if (!given) {
        const DischargeModel model = DayModel(cells, hours);
        std::printf("Report of a %g-hour log of %d cells, one line a second\n", hours, cells);
        timer.start();
        WriteLog(model, log);
        std::printf("  log written: %d lines in %.1f s\n", model.Lines() + 1, Seconds(timer));
    }
    const qint64 bytes = QFileInfo(log).size();

    ResetPeak();
    const double before = ProcessMegabytes("VmHWM");
    timer.start();
    const DischargeLogRead read = ReadDischargeLog(log);
    const double readSeconds = Seconds(timer);
    timer.start();
    DischargeSettings settings;
    settings.endVolts = 1.8;
    const DischargeReport report = AnalyseDischarge(read.log, settings);
    const double analyseSeconds = Seconds(timer);
    if (!report.error.isEmpty())
        qFatal("%s", qPrintable(report.error));
    std::printf(
        "  read %lld lines, %.1f MB: %.2f s (%.0f MB/s), analysis: %.2f s, together %.2f s\n",
        read.dataLines, bytes / 1e6, readSeconds, bytes / 1e6 / readSeconds, analyseSeconds,
        readSeconds + analyseSeconds);
    std::printf("  peak memory of the process: %.0f MB (%.0f MB before reading)\n",
                ProcessMegabytes("VmHWM"), before);

    const ReportHeader header{QStringLiteral("Подстанция «Северная»"),
                              QStringLiteral("АБ-1, %1 элементов").arg(report.cells),
                              QStringLiteral("Иванов И. И."), QDateTime::currentDateTime()};
    int pages = 0;
    QByteArray pdf;
    const Figures pdfMs = TimeCalls(
        3, [] {}, [&] { pdf = ReportPdf(read.log, report, header, &pages); });
    QByteArray html;
    const Figures htmlMs = TimeCalls(
        3, [] {}, [&] { html = ReportHtml(read.log, report, header); });
    Print("PDF written", pdfMs, "ms");
    Print("HTML written", htmlMs, "ms");
    std::printf("  PDF: %d pages, %.0f KB; HTML: %.0f KB; weak cells:", pages, pdf.size() / 1e3,
                html.size() / 1e3);
    for (const int cell : report.weakCells)
        std::printf(" %d", cell);
    std::printf("\n");
    if (parser.isSet(QStringLiteral("keep")))
        for (const auto& [name, data] : {std::pair{QStringLiteral("report.pdf"), pdf},
                                         {QStringLiteral("report.html"), html},
                                         {QStringLiteral("report.csv"), ReportCsv(report)}}) {
            QFile file(QDir(folder).filePath(name));
            if (file.open(QIODevice::WriteOnly))
                file.write(data);
        }
    return 0;
}
