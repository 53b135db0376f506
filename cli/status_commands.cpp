// ports, read and journal: what the controller shows, without changing anything.

#include "console.h"
#include "device_access.h"
#include "handlers.h"
#include "port_list.h"
#include "register_image.h"
#include "status_map.h"
#include "table_output.h"
#include "table_texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

QByteArray StatusJson(std::span<const quint16> statusBlock) {
    QJsonArray rows;
    for (const StatusRegister& row : StatusRegisters) {
        const RowTexts texts = StatusRowTexts(row, statusBlock, true);
        rows.append(QJsonObject{{QStringLiteral("row"), row.row},
                                {QStringLiteral("mnemonic"), row.mnemonic.toString()},
                                {QStringLiteral("name"), texts.name},
                                {QStringLiteral("value"), texts.value},
                                {QStringLiteral("unit"), texts.unit},
                                {QStringLiteral("raw"), FieldValue(statusBlock, row.field)}});
    }
    return QJsonDocument(rows).toJson(QJsonDocument::Indented);
}

// The --save file can be written; told and false otherwise.
bool SaveTargetWritable(const CliCall& call) {
    const QString error = call.has("save") ? FileTargetError(call.value("save")) : QString();
    if (!error.isEmpty())
        PrintError(error);
    return error.isEmpty();
}

int SaveIfAsked(const CliCall& call, const QList<QStringList>& cells) {
    return call.has("save") ? SaveTableFile(call.value("save"), cells) : ExitDone;
}

} // namespace

int RunPorts(const CliCall&, const QStringList&) {
    const QStringList ports = ListSerialPorts();
    if (ports.isEmpty())
        PrintError(QStringLiteral("Последовательные порты не найдены"));
    for (const QString& port : ports)
        PrintOut(port);
    return ExitDone;
}

int RunRead(const CliCall& call, const QStringList&) {
    if (call.has("csv") && call.has("json")) {
        PrintError(QStringLiteral("Параметры --csv и --json исключают друг друга"));
        return ExitUsage;
    }
    if (!SaveTargetWritable(call))
        return ExitFileError;
    UseScaledUnits = !call.has("raw");
    UseRussianNames = !call.has("mnemonics");
    RegisterImage image;
    if (const ExitCode code = ReadStatusValues(image))
        return code;
    const QList<QStringList> cells = StatusTableCells(image.StatusBlock);
    if (call.has("json"))
        std::fputs(StatusJson(image.StatusBlock).constData(), stdout);
    else if (call.has("csv"))
        PrintOut(CsvText(cells));
    else
        PrintOut(AlignedText(cells));
    return SaveIfAsked(call, cells);
}

int RunJournal(const CliCall& call, const QStringList&) {
    if (!SaveTargetWritable(call))
        return ExitFileError;
    RegisterImage image;
    if (const ExitCode code = ReadRegisters(JournalBlockStart, image.JournalBlock))
        return code;
    const std::optional<QList<JournalRow>> rows = JournalRows(image.JournalBlock);
    if (!rows) {
        PrintError(QStringLiteral("В журнале нет пустой записи: место записи в кольце не "
                                  "определить, журнал не показан"));
        return ExitNoAnswer;
    }
    const QList<QStringList> cells = JournalTableCells(*rows);
    PrintOut(CsvText(cells));
    return SaveIfAsked(call, cells);
}
