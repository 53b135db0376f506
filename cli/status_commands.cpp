// ports, read and journal: what the controller shows, without changing anything.

#include "bit_tables.h"
#include "console.h"
#include "device_access.h"
#include "handlers.h"
#include "port_list.h"
#include "register_image.h"
#include "status_map.h"
#include "table_cells.h"
#include "table_output.h"
#include "table_state.h"
#include "table_texts.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

// A value as it is shown and the same as a JSON number (null where the text is no value).
QJsonObject ValueJson(const QString& text, std::optional<double> number) {
    return {{QStringLiteral("value"), text},
            {QStringLiteral("number"), number ? QJsonValue(*number) : QJsonValue()}};
}

void PrintJson(const QJsonArray& rows) {
    std::fputs(QJsonDocument(rows).toJson(QJsonDocument::Indented).constData(), stdout);
}

QJsonArray StatusJson(std::span<const quint16> statusBlock) {
    QJsonArray rows;
    for (const StatusRegister& row : StatusRegisters) {
        const RowTexts texts = StatusRowTexts(row, statusBlock, true);
        QJsonObject json = ValueJson(texts.value, StatusRowNumber(row, statusBlock));
        json.insert(QStringLiteral("row"), row.row);
        json.insert(QStringLiteral("mnemonic"), row.mnemonic.toString());
        json.insert(QStringLiteral("name"), texts.name);
        json.insert(QStringLiteral("unit"), texts.unit);
        json.insert(QStringLiteral("raw"), FieldValue(statusBlock, row.field));
        rows.append(json);
    }
    return rows;
}

// Each cell: its voltage and temperature as the cell table shows them, in the units of the
// status rows of their averages, and its status word with the titles of the flags set.
QJsonArray CellsJson(std::span<const quint16> statusBlock) {
    const StatusRegister& volts = StatusByMnemonic(u"Cell_Voltage_Average");
    const StatusRegister& degrees = StatusByMnemonic(u"Cell_Temp_Average");
    QJsonArray rows;
    for (int cell = 1; cell <= ShownCellCount(statusBlock); ++cell) {
        const QStringList texts = CellTableRow(statusBlock, cell);
        const double millivolts = CellVoltage(statusBlock, cell);
        QJsonObject voltage = ValueJson(texts[1], UseScaledUnits ? millivolts / 1000 : millivolts);
        voltage.insert(QStringLiteral("unit"),
                       (UseScaledUnits ? volts.scaledUnit : volts.rawUnit).toString());
        QJsonObject temperature = ValueJson(texts[2], CellTemperature(statusBlock, cell));
        temperature.insert(QStringLiteral("unit"), degrees.scaledUnit.toString());
        const quint16 word = CellStatus(statusBlock, cell);
        QStringList flags;
        for (const CellStatusBit& b : CellStatusBits)
            if (BitSet(word, b.bit))
                flags.append(b.header.toString());
        QJsonObject status = ValueJson(flags.join(QLatin1Char(' ')), word);
        status.insert(QStringLiteral("flags"), QJsonArray::fromStringList(flags));
        rows.append(QJsonObject{{QStringLiteral("cell"), cell},
                                {QStringLiteral("voltage"), voltage},
                                {QStringLiteral("temperature"), temperature},
                                {QStringLiteral("status"), status}});
    }
    return rows;
}

// The journal rows newest first, each text with the record's own number: the device seconds of
// its time, its event code and its cell (null for none).
QJsonArray JournalJson(std::span<const quint16> journalBlock, const QList<JournalRow>& rows) {
    const QList<int> slots = JournalSlotsNewestFirst(journalBlock).value_or(QList<int>());
    QJsonArray json;
    for (qsizetype i = 0; i < rows.size() && i < slots.size(); ++i) {
        const JournalRecord record = ReadJournalRecord(journalBlock, slots[i]);
        const JournalRow& row = rows[i];
        json.append(
            QJsonObject{{QStringLiteral("row"), row.number},
                        {QStringLiteral("dateTime"), ValueJson(row.dateTime, record.time)},
                        {QStringLiteral("event"), ValueJson(row.event.trimmed(), record.eventCode)},
                        {QStringLiteral("cell"),
                         ValueJson(row.cell, record.cell != 0 ? std::optional<double>(record.cell)
                                                              : std::nullopt)}});
    }
    return json;
}

// Registers 0 to 49, then the voltages, temperatures and status words of the cells they count.
ExitCode ReadCellValues(RegisterImage& image) {
    if (const ExitCode code = ReadStatusValues(image))
        return code;
    const std::span<quint16> block(image.StatusBlock);
    const int n = ShownCellCount(image.StatusBlock);
    ExitCode code = ExitDone;
    for (int offset : {CellVoltageOffset, CellTemperatureOffset, CellStatusOffset})
        if (n > 0 && code == ExitDone)
            code = ReadRegisters(quint16(StatusBlockStart + offset), block.subspan(offset, n));
    return code;
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
        PrintError(QCoreApplication::translate("Cli", "Последовательные порты не найдены"));
    for (const QString& port : ports)
        PrintOut(port);
    return ExitDone;
}

int RunRead(const CliCall& call, const QStringList&) {
    if (call.has("csv") && call.has("json")) {
        PrintError(
            QCoreApplication::translate("Cli", "Параметры --csv и --json исключают друг друга"));
        return ExitUsage;
    }
    if (!SaveTargetWritable(call))
        return ExitFileError;
    UseScaledUnits = !call.has("raw");
    UseRussianNames = !call.has("mnemonics");
    const bool cells = call.has("cells");
    RegisterImage image;
    if (const ExitCode code = cells ? ReadCellValues(image) : ReadStatusValues(image))
        return code;
    const QList<QStringList> table =
        cells ? CellTableCells(image.StatusBlock) : StatusTableCells(image.StatusBlock);
    if (call.has("json"))
        PrintJson(cells ? CellsJson(image.StatusBlock) : StatusJson(image.StatusBlock));
    else if (call.has("csv"))
        PrintOut(CsvText(table));
    else
        PrintOut(AlignedText(table));
    return SaveIfAsked(call, table);
}

int RunJournal(const CliCall& call, const QStringList&) {
    if (!SaveTargetWritable(call))
        return ExitFileError;
    RegisterImage image;
    if (const ExitCode code = ReadRegisters(JournalBlockStart, image.JournalBlock))
        return code;
    const std::optional<QList<JournalRow>> rows = JournalRows(image.JournalBlock);
    if (!rows) {
        PrintError(QCoreApplication::translate(
            "Cli", "В журнале нет пустой записи: место записи в кольце не "
                   "определить, журнал не показан"));
        return ExitNoAnswer;
    }
    const QList<QStringList> cells = JournalTableCells(*rows);
    if (call.has("json"))
        PrintJson(JournalJson(image.JournalBlock, *rows));
    else
        PrintOut(CsvText(cells));
    return SaveIfAsked(call, cells);
}
