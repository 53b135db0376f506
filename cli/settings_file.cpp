#include "settings_file.h"

#include "table_file.h"

#include <QCoreApplication>

namespace {

constexpr int NameColumn = 1;
constexpr int ValueColumn = 2;
constexpr int UnitColumn = 3;
constexpr int TableColumns = 4;

constexpr SettingsTable AllTables[] = {SettingsTable::Comm, SettingsTable::Alarm,
                                       SettingsTable::Charge};

QString Line(int row) {
    return QCoreApplication::translate("Cli", "Строка %1").arg(row + 1);
}

// The table whose first row the file's second line names.
std::optional<SettingsTable> TableOfFirstRow(const QList<QStringList>& rows) {
    if (rows.size() < 2)
        return std::nullopt;
    for (SettingsTable table : AllTables)
        if (rows[1][NameColumn] == SettingsTableRegisters(table).front().mnemonic)
            return table;
    return std::nullopt;
}

QString RowsError(SettingsTable table, const QList<QStringList>& rows) {
    const std::span<const SettingsRegister> registers = SettingsTableRegisters(table);
    for (const SettingsRegister& r : registers) {
        if (r.row >= rows.size())
            return QCoreApplication::translate("Cli",
                                               "В файле %1 строк, у таблицы с заголовком их %2")
                .arg(rows.size())
                .arg(registers.size() + 1);
        if (rows[r.row][NameColumn] != r.mnemonic)
            return QCoreApplication::translate("Cli", "%1: ожидается регистр «%2», в файле «%3»")
                .arg(Line(r.row), r.mnemonic.toString(), rows[r.row][NameColumn]);
    }
    if (rows.size() > qsizetype(registers.size()) + 1)
        return QCoreApplication::translate("Cli", "%1: лишняя строка после регистра «%2»")
            .arg(Line(int(registers.size()) + 1), registers.back().mnemonic.toString());
    return {};
}

// The view of the scaled rows' units: every one in the scaled or every one in the raw view.
std::optional<bool> ViewOfUnits(SettingsTable table, const QList<QStringList>& rows,
                                QString* error) {
    std::optional<bool> scaled;
    int firstRow = 0;
    for (const SettingsRegister& r : SettingsTableRegisters(table)) {
        if (r.scaling == Scaling::None)
            continue;
        const QString& unit = rows[r.row][UnitColumn];
        std::optional<bool> view;
        if (unit == r.scaledUnit)
            view = true;
        else if (unit == r.rawUnit)
            view = false;
        if (!view) {
            *error = QCoreApplication::translate("Cli", "%1: единица «%2» не «%3» и не «%4»")
                         .arg(Line(r.row), unit, r.scaledUnit.toString(), r.rawUnit.toString());
            return std::nullopt;
        }
        if (scaled && *scaled != *view) {
            *error = QCoreApplication::translate(
                         "Cli", "%1 и %2: единицы измерения из разных видов значений")
                         .arg(Line(firstRow), Line(r.row));
            return std::nullopt;
        }
        if (!scaled)
            firstRow = r.row;
        scaled = view;
    }
    return scaled.value_or(false);
}

// The text without the blanks around it, its decimal separator a point: a file of either locale
// writes the same value with the same text otherwise.
QString ComparableText(const QString& text) {
    QString comparable = text.trimmed();
    comparable.replace(QLatin1Char(','), QLatin1Char('.'));
    return comparable;
}

// The controller's register value of a row when the file's text is the one the controller's
// register shows in the file's view: the row is unchanged since the file was saved from it.
std::optional<quint32> UnchangedWord(const SettingsFile& file, const SettingsRegister& row,
                                     const RegisterImage& controller, const QString& text) {
    const std::span<const quint16> block = SettingsTableBlock(file.table, controller);
    if (ComparableText(text) !=
        ComparableText(SettingsRowTexts(row, block, file.scaledUnits).value))
        return std::nullopt;
    return quint32(FieldValue(block, row.field));
}

// Converts every value into the image; the message of the first row that does not convert.
// With the controller's values, a text that is what its register shows keeps the register as it
// is.
QString StoreCells(const SettingsFile& file, RegisterImage& image,
                   const RegisterImage* controller) {
    const std::span<const SettingsRegister> registers = SettingsTableRegisters(file.table);
    int lastRow = 0;
    const TableStore store = StoreTableCells(
        WritableOf(file.table),
        [&](int row) {
            lastRow = row;
            const QString& text = file.cells[row][ValueColumn];
            return ValueCell(text, controller ? UnchangedWord(file, registers[size_t(row - 1)],
                                                              *controller, text)
                                              : std::nullopt);
        },
        image, file.scaledUnits);
    if (store.complete)
        return {};
    return QStringLiteral("%1 (%2): %3")
        .arg(Line(lastRow), file.cells[lastRow][NameColumn], store.error);
}

// The registers the table's write sends, from the start of its block.
int SentWords(SettingsTable table) {
    return int(TransferOf(WritableOf(table), RegisterImage{}).words.size());
}

bool Sent(const SettingsRegister& row, int sentWords) {
    return row.field.offset + (row.field.width == RegisterWidth::Bits32 ? 2 : 1) <= sentWords;
}

} // namespace

SettingsFileRead ParseSettingsFile(const QStringList& lines) {
    SettingsFile file;
    file.cells = TableFromLines(lines, TableColumns);
    const std::optional<SettingsTable> table = TableOfFirstRow(file.cells);
    if (!table)
        return {std::nullopt,
                QCoreApplication::translate(
                    "Cli", "Строка 2: нет первого регистра таблицы настроек связи "
                           "(RS485_Address), аварий (COV_Threshold) или заряда (CF_Voltage)")};
    file.table = *table;
    if (const QString error = RowsError(file.table, file.cells); !error.isEmpty())
        return {std::nullopt, error};
    QString error;
    const std::optional<bool> scaled = ViewOfUnits(file.table, file.cells, &error);
    if (!scaled)
        return {std::nullopt, error};
    file.scaledUnits = *scaled;
    RegisterImage image;
    if (error = StoreCells(file, image, nullptr); !error.isEmpty())
        return {std::nullopt, error};
    if (file.table == SettingsTable::Comm)
        if (const std::optional<Remark> link = CommSettingsLinkError(image.CommSettingsBlock))
            return {std::nullopt,
                    QStringLiteral("%1 (%2): %3")
                        .arg(Line(link->row), file.cells[link->row][NameColumn], link->text)};
    return {file, {}};
}

void StoreSettingsFile(const SettingsFile& file, RegisterImage& image) {
    const RegisterImage controller = image;
    StoreCells(file, image, &controller);
}

QList<SettingsChange> ChangedRows(SettingsTable table, const RegisterImage& before,
                                  const RegisterImage& after) {
    const int sent = SentWords(table);
    QList<SettingsChange> changes;
    for (const SettingsRegister& row : SettingsTableRegisters(table)) {
        const qint64 was = FieldValue(SettingsTableBlock(table, before), row.field);
        const qint64 is = FieldValue(SettingsTableBlock(table, after), row.field);
        if (Sent(row, sent) && was != is)
            changes.append({&row, was, is});
    }
    return changes;
}

QList<const SettingsRegister*> UnsentRows(SettingsTable table) {
    const int sent = SentWords(table);
    QList<const SettingsRegister*> rows;
    for (const SettingsRegister& row : SettingsTableRegisters(table))
        if (!Sent(row, sent))
            rows.append(&row);
    return rows;
}
