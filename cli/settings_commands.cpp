// settings save and settings load: the settings tables between the controller and their files.

#include "console.h"
#include "device_access.h"
#include "handlers.h"
#include "settings_file.h"
#include "table_output.h"
#include "text_file.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {

const QStringList TableNames = {QStringLiteral("rs"), QStringLiteral("alarm"),
                                QStringLiteral("charge")};
constexpr SettingsTable TablesByName[] = {SettingsTable::Comm, SettingsTable::Alarm,
                                          SettingsTable::Charge};

// Reads the registers the table's write would send, as polling reads them.
ExitCode ReadSettingsBlock(SettingsTable table, RegisterImage& image) {
    const TableTransfer transfer = TransferOf(WritableOf(table), image);
    return ReadRegisters(transfer.start,
                         SettingsTableBlock(table, image).first(transfer.words.size()));
}

QString ValueText(const SettingsRegister& row, const RegisterImage& image, SettingsTable table,
                  bool scaledUnits) {
    const RowTexts texts = SettingsRowTexts(row, SettingsTableBlock(table, image), scaledUnits);
    return texts.unit.trimmed().isEmpty() ? texts.value
                                          : texts.value + QLatin1Char(' ') + texts.unit.trimmed();
}

void ListChanges(const SettingsFile& file, const RegisterImage& before, const RegisterImage& after,
                 const QList<SettingsChange>& changes) {
    PrintOut(QCoreApplication::translate("Cli", "Отличия от значений контроллера (%1):")
                 .arg(changes.size()));
    for (const SettingsChange& c : changes) {
        QString line = QStringLiteral("  %1 %2: %3 → %4")
                           .arg(c.row->row)
                           .arg(c.row->mnemonic.toString(),
                                ValueText(*c.row, before, file.table, file.scaledUnits),
                                ValueText(*c.row, after, file.table, file.scaledUnits));
        // The exact registers, since a scaled text carries only four significant digits.
        if (file.scaledUnits && c.row->scaling != Scaling::None)
            line +=
                QCoreApplication::translate("Cli", " (регистр %1 → %2)").arg(c.before).arg(c.after);
        PrintOut(line);
    }
}

// Told when the file holds values of rows the write does not send.
void NoteUnsentRows(const SettingsFile& file, const RegisterImage& after) {
    for (const SettingsRegister* row : UnsentRows(file.table))
        if (FieldValue(SettingsTableBlock(file.table, after), row->field) != 0)
            PrintError(QCoreApplication::translate(
                           "Cli", "%1: в контроллер не записывается, регистр не входит в "
                                  "блок записи")
                           .arg(row->mnemonic.toString()));
}

// The operator's yes; a no is told, and a question nobody could answer is a usage error.
std::optional<int> Refusal(int changes) {
    const Prompts::Answer answer = CurrentPrompts().Message(
        QCoreApplication::translate("Cli", "Записать %1 изм. в контроллер?").arg(changes),
        QString(), Prompts::Buttons::YesNo, Prompts::Icon::Question);
    if (answer == Prompts::Answer::Yes)
        return std::nullopt;
    const auto* console = dynamic_cast<const ConsolePrompts*>(&CurrentPrompts());
    if (console != nullptr && console->InputClosed()) {
        PrintError(QCoreApplication::translate(
            "Cli", "Ответа нет (стандартный ввод закрыт), ничего не записано; "
                   "для записи без вопроса укажите --yes"));
        return ExitUsage;
    }
    PrintError(QCoreApplication::translate("Cli", "Запись отменена, ничего не записано"));
    return ExitDone;
}

// A new address, baud rate or frame format: the controller no longer answers the old ones.
bool ChangesLink(const SettingsFile& file, const QList<SettingsChange>& changes) {
    constexpr int LastLinkRow = 3;
    return file.table == SettingsTable::Comm &&
           std::any_of(changes.begin(), changes.end(),
                       [](const SettingsChange& c) { return c.row->row <= LastLinkRow; });
}

// Reads the block back and tells every register that does not hold what was written.
int CheckReadBack(const SettingsFile& file, const RegisterImage& written) {
    RegisterImage readBack = written;
    if (const ExitCode code = ReadSettingsBlock(file.table, readBack))
        return code;
    const QList<SettingsChange> untaken = ChangedRows(file.table, written, readBack);
    if (untaken.isEmpty()) {
        PrintOut(QCoreApplication::translate("Cli", "Все значения приняты контроллером"));
        return ExitDone;
    }
    PrintError(QCoreApplication::translate("Cli", "Контроллер не принял значения (%1):")
                   .arg(untaken.size()));
    for (const SettingsChange& c : untaken)
        PrintError(QCoreApplication::translate("Cli", "  %1 %2: записано %3, прочитано %4")
                       .arg(c.row->row)
                       .arg(c.row->mnemonic.toString())
                       .arg(c.before)
                       .arg(c.after));
    return ExitRefused;
}

} // namespace

int RunSettingsSave(const CliCall& call, const QStringList& arguments) {
    const qsizetype index = TableNames.indexOf(call.value("table"));
    if (index < 0) {
        PrintError(
            QCoreApplication::translate("Cli", "--table: нужна таблица rs, alarm или charge%1")
                .arg(call.has("table") ? QCoreApplication::translate("Cli", ", задано \"%1\"")
                                             .arg(call.value("table"))
                                       : QString()));
        return ExitUsage;
    }
    const QString path = arguments.first();
    if (const QString error = FileTargetError(path); !error.isEmpty()) {
        PrintError(error);
        return ExitFileError;
    }
    // A backup in raw units restores every register exactly; a scaled value has four significant
    // digits only. --raw, the default, is still taken.
    if (call.has("raw") && call.has("scaled")) {
        PrintError(
            QCoreApplication::translate("Cli", "Параметры --raw и --scaled исключают друг друга"));
        return ExitUsage;
    }
    UseScaledUnits = call.has("scaled");
    const SettingsTable table = TablesByName[index];
    RegisterImage image;
    if (const ExitCode code = ReadSettingsBlock(table, image))
        return code;
    if (const ExitCode code =
            SaveTableFile(path, SettingsTableCells(table, SettingsTableBlock(table, image))))
        return code;
    PrintOut(QCoreApplication::translate("Cli", "Таблица сохранена в файл %1")
                 .arg(QDir::toNativeSeparators(path)));
    return ExitDone;
}

int RunSettingsLoad(const CliCall&, const QStringList& arguments) {
    const TextFileRead read = ReadTextFile(arguments.first());
    if (!read.error.isEmpty()) {
        PrintError(read.error);
        return ExitFileError;
    }
    const SettingsFileRead parsed = ParseSettingsFile(read.lines);
    if (!parsed.file) {
        PrintError(QCoreApplication::translate("Cli", "Файл %1 не загружен, ничего не записано. %2")
                       .arg(QDir::toNativeSeparators(arguments.first()), parsed.error));
        return ExitUsage;
    }
    const SettingsFile& file = *parsed.file;
    RegisterImage current;
    if (const ExitCode code = ReadSettingsBlock(file.table, current))
        return code;
    RegisterImage wanted = current;
    StoreSettingsFile(file, wanted);
    NoteUnsentRows(file, wanted);
    const QList<SettingsChange> changes = ChangedRows(file.table, current, wanted);
    if (changes.isEmpty()) {
        PrintOut(QCoreApplication::translate(
            "Cli", "Значения файла совпадают со значениями контроллера, запись не "
                   "нужна"));
        return ExitDone;
    }
    ListChanges(file, current, wanted, changes);
    if (const std::optional<int> refused = Refusal(int(changes.size())))
        return *refused;
    const TableTransfer transfer = TransferOf(WritableOf(file.table), wanted);
    if (const ExitCode code = WriteRegisters(transfer.start, transfer.words))
        return code;
    if (ChangesLink(file, changes)) {
        PrintOut(QCoreApplication::translate(
            "Cli", "Адрес, скорость или формат связи изменены: контроллер отвечает "
                   "уже с новыми настройками, проверка чтением не выполнялась"));
        return ExitDone;
    }
    return CheckReadBack(file, wanted);
}
