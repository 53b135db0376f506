// report: the discharge-test report of a monitoring log, as text, JSON or files.

#include "console.h"
#include "date_time_text.h"
#include "handlers.h"
#include "report_document.h"
#include "table_output.h"
#include "trend_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// A time of the segment: local ISO 8601 (a blank may stand for the T) or the log's own text.
std::optional<qint64> StampValue(const QString& option, const QString& text, QString* error) {
    QString iso = text.trimmed();
    if (iso.size() > 10 && iso[10] == QLatin1Char(' '))
        iso[10] = QLatin1Char('T');
    QDateTime when = QDateTime::fromString(iso, Qt::ISODate);
    if (!when.isValid())
        when = DateTimeTextParser().Parse(text.trimmed()).value_or(QDateTime());
    if (when.isValid())
        return TrendStamp(when);
    *error = QCoreApplication::translate(
                 "Cli", "--%1: не удалось прочитать дату и время \"%2\"; нужно, например, "
                        "2024-03-05T08:10:00 или дата и время, как в логе")
                 .arg(option, text);
    return std::nullopt;
}

struct Outputs {
    QString pdf, html, csv;
    bool json = false;
};

// The settings and outputs of the command line; false (and said why) when one does not read.
bool ReadOptions(const CliCall& call, DischargeSettings* settings, Outputs* out) {
    QString error;
    for (const char* name : {"from", "to"}) {
        if (!call.has(name))
            continue;
        const std::optional<qint64> stamp =
            StampValue(QLatin1String(name), call.value(name), &error);
        if (!stamp) {
            PrintError(error);
            return false;
        }
        (QLatin1String(name) == QLatin1String("from") ? settings->from : settings->to) = stamp;
    }
    if (call.has("end-voltage")) {
        settings->endVolts =
            DecimalValue(QStringLiteral("end-voltage"), call.value("end-voltage"), 0.1, 65.535,
                         QCoreApplication::translate("Cli", "напряжение в вольтах"), &error);
        if (!settings->endVolts) {
            PrintError(error);
            return false;
        }
    }
    *out = {call.value("pdf"), call.value("html"), call.value("csv"), call.has("json")};
    return true;
}

// The files asked for, each whole or not at all; the exit code.
int WriteOutputs(const Outputs& out, const DischargeLog& log, const DischargeReport& report,
                 const ReportHeader& header) {
    int code = ExitDone;
    const auto save = [&](const QString& path, const auto& bytes) {
        if (path.isEmpty())
            return;
        if (SaveOutputFile(path, bytes()) != ExitDone)
            code = ExitFileError;
        else
            PrintError(QCoreApplication::translate("Cli", "Отчёт записан: %1")
                           .arg(QDir::toNativeSeparators(path)));
    };
    save(out.pdf, [&] { return ReportPdf(log, report, header); });
    save(out.html, [&] { return ReportHtml(log, report, header); });
    save(out.csv, [&] { return ReportCsv(report); });
    return code;
}

} // namespace

int RunReport(const CliCall& call, const QStringList& arguments) {
    DischargeSettings settings;
    Outputs out;
    if (!ReadOptions(call, &settings, &out))
        return ExitUsage;
    for (const QString& path : {out.pdf, out.html, out.csv})
        if (const QString error = path.isEmpty() ? QString() : FileTargetError(path);
            !error.isEmpty()) {
            PrintError(error);
            return ExitFileError;
        }
    const QString& path = arguments[0];
    if (!QFileInfo(path).isFile()) {
        PrintError(QCoreApplication::translate("Cli", "Нет файла лога %1")
                       .arg(QDir::toNativeSeparators(path)));
        return ExitFileError;
    }
    const DischargeLogRead read = ReadDischargeLog(path);
    if (!read.error.isEmpty()) {
        PrintError(read.error);
        return QFileInfo(path).isReadable() ? ExitUsage : ExitFileError;
    }
    PrintError(QCoreApplication::translate(
                   "Cli", "Прочитано строк лога: %1. Пропущено строк об ошибках связи: %2, "
                          "строк, которые не удалось разобрать: %3.")
                   .arg(read.dataLines)
                   .arg(read.errorLines)
                   .arg(read.badLines));
    const DischargeReport report = AnalyseDischarge(read.log, settings);
    if (!report.error.isEmpty()) {
        PrintError(report.error + QCoreApplication::translate("Cli", ". Отчёт не составлен."));
        return ExitUsage;
    }
    const ReportHeader header{call.value("site"), call.value("battery"), call.value("engineer"),
                              QDateTime::currentDateTime()};
    if (out.json)
        PrintOut(QString::fromUtf8(ReportJson(report)).trimmed());
    else if (out.pdf.isEmpty() && out.html.isEmpty() && out.csv.isEmpty())
        for (const QString& line : ReportTextLines(report))
            PrintOut(line);
    return WriteOutputs(out, read.log, report, header);
}
