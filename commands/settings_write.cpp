#include "settings_write.h"

#include "number_format.h"
#include "settings_map.h"
#include "status_map.h"
#include "table_texts.h"

#include <QCoreApplication>

#include <array>

namespace {

struct WritableRow {
    int row = 0;
    RegisterField field;
    Scaling scaling = Scaling::None;
    SettingsDecode decode = SettingsDecode::None;
};

// Rows of the status table the "save to panel" write takes: the two capacities, the mode and
// status words and the cycle count.
constexpr std::array<int, 5> WritableStatusRows = {18, 19, 23, 24, 25};

// The alarm block is transferred as 49 registers, as it is read.
constexpr size_t AlarmTransferWords = 49;

// The settings table a write-back takes its rows from; nothing for the status table.
std::optional<SettingsTable> SettingsTableOf(WritableTable table) {
    switch (table) {
    case WritableTable::CommSettings:
        return SettingsTable::Comm;
    case WritableTable::AlarmSettings:
        return SettingsTable::Alarm;
    case WritableTable::ChargeSettings:
        return SettingsTable::Charge;
    case WritableTable::Status:
        break;
    }
    return std::nullopt;
}

QList<WritableRow> RowsOf(WritableTable table) {
    QList<WritableRow> rows;
    if (const std::optional<SettingsTable> settings = SettingsTableOf(table)) {
        for (const SettingsRegister& r : SettingsTableRegisters(*settings))
            rows.append({r.row, r.field, r.scaling, r.decode});
        return rows;
    }
    for (int row : WritableStatusRows) {
        const StatusRegister& r = StatusRegisters[size_t(row - 1)];
        rows.append({r.row, r.field, r.scaling, SettingsDecode::None});
    }
    return rows;
}

std::span<quint16> BlockOf(WritableTable table, RegisterImage& image) {
    const std::optional<SettingsTable> settings = SettingsTableOf(table);
    return settings ? SettingsTableBlock(*settings, image) : std::span<quint16>(image.StatusBlock);
}

QString CodeRangeMessage(SettingsDecode decode) {
    return decode == SettingsDecode::Baudrate
               ? QCoreApplication::translate("SettingsWrite", "Значение должно быть от 0 до 4!")
               : QCoreApplication::translate("SettingsWrite", "Значение должно быть от 0 до 2!");
}

// The decode text of a code; empty for a code the list does not have.
QString DecodeText(SettingsDecode decode, qint64 code) {
    return decode == SettingsDecode::Baudrate ? BaudrateDecodeText(code) : FormatDecodeText(code);
}

// The decode text of a coded value, or the range message when the code has none.
QString CodeRemark(SettingsDecode decode, qint64 code) {
    const QString text = DecodeText(decode, code);
    return text.isEmpty() ? CodeRangeMessage(decode) : text;
}

// Rows 1 and 4 of the communication table are range-checked while typed. Row 4 accepts 0
// although its message names 1 as the lower bound.
struct EditRange {
    qint64 lowest, highest;
    const char* message;
};
constexpr EditRange AddressRange = {
    1, 247, QT_TRANSLATE_NOOP("SettingsWrite", "Значение должно быть от 1 до 247!")};
constexpr EditRange ModeRange = {
    0, 10000, QT_TRANSLATE_NOOP("SettingsWrite", "Значение должно быть от 1 до 10000!")};

bool Inside(const EditRange& range, qint64 value) {
    return value >= range.lowest && value <= range.highest;
}

QString RangeMessage(const EditRange& range) {
    return QCoreApplication::translate("SettingsWrite", range.message);
}

} // namespace

TableStore StoreTableCells(WritableTable table, const CellReader& cells, RegisterImage& image,
                           bool scaledUnits) {
    TableStore store;
    const std::span<quint16> block = BlockOf(table, image);
    for (const WritableRow& r : RowsOf(table)) {
        const ValueCell cell = cells(r.row);
        const RegisterConversion c =
            cell.filledWord ? RegisterConversion{cell.filledWord, {}}
                            : CellTextToRegister(cell.text, r.field, r.scaling, scaledUnits);
        if (!c.value) {
            store.error = c.error;
            return store;
        }
        StoreField(block, r.field, *c.value);
        if (r.decode != SettingsDecode::None)
            store.remarks.append({r.row, CodeRemark(r.decode, Word16(block, r.field.offset))});
    }
    store.complete = true;
    return store;
}

TableTransfer TransferOf(WritableTable table, const RegisterImage& image) {
    switch (table) {
    case WritableTable::CommSettings:
        return {CommSettingsBlockStart, image.CommSettingsBlock};
    case WritableTable::AlarmSettings:
        return {AlarmSettingsBlockStart,
                std::span(image.AlarmSettingsBlock).first(AlarmTransferWords)};
    case WritableTable::ChargeSettings:
        return {ChargeSettingsBlockStart, image.ChargeSettingsBlock};
    case WritableTable::Status:
        break;
    }
    return {StatusBlockStart, std::span(image.StatusBlock).first(StatusValueCount)};
}

QList<Remark> CommSettingsEditRemarks(const CellReader& cells) {
    QList<Remark> remarks;
    for (const SettingsRegister& r : CommSettingsRegisters) {
        if (r.row > 4)
            break;
        const ParsedNumber n = ParseInteger(cells(r.row).text);
        if (!n.value)
            continue;
        if (r.decode != SettingsDecode::None) {
            remarks.append({r.row, CodeRemark(r.decode, *n.value)});
            continue;
        }
        const EditRange& range = r.row == 1 ? AddressRange : ModeRange;
        remarks.append(
            {r.row, Inside(range, *n.value) ? QStringLiteral(" ") : RangeMessage(range)});
    }
    return remarks;
}

std::optional<Remark> CommSettingsLinkError(std::span<const quint16> commBlock) {
    for (const SettingsRegister& r : CommSettingsRegisters) {
        const quint16 value = Word16(commBlock, r.field.offset);
        if (r.decode != SettingsDecode::None && DecodeText(r.decode, value).isEmpty())
            return Remark{r.row, CodeRangeMessage(r.decode)};
        if (r.row == 1 && !Inside(AddressRange, value))
            return Remark{r.row, RangeMessage(AddressRange)};
    }
    return std::nullopt;
}

WritableTable WritableOf(SettingsTable table) {
    for (WritableTable writable :
         {WritableTable::CommSettings, WritableTable::AlarmSettings, WritableTable::ChargeSettings})
        if (SettingsTableOf(writable) == table)
            return writable;
    return WritableTable::Status;
}
