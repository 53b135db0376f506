#include "table_files.h"

#include "file_names.h"
#include "prompts.h"
#include "recent_files.h"
#include "register_image.h"
#include "status_map.h"
#include "string_grid.h"
#include "table_file.h"
#include "table_page.h"
#include "table_texts.h"
#include "text_file.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QTableWidget>

namespace {

template <SettingsTable table> int SettingsRows() {
    return int(SettingsTableRegisters(table).size()) + 1;
}

constexpr TableFileKind Journal = {"StringGrid_LOG_", "_alarm_data.csv",
                                   QT_TRANSLATE_NOOP("TableFileHandlers", "Журнал аварий"),
                                   [] { return JournalRecordCount + 1; }};
constexpr TableFileKind Status = {"StringGrid_INFOBASE_", "_info_data.csv",
                                  QT_TRANSLATE_NOOP("TableFileHandlers", "Таблица состояния АБ"),
                                  [] { return StatusRowCount + 1; }};
constexpr TableFileKind Cells = {
    "StringGrid_INFOCELL_", "_info_cell.csv",
    QT_TRANSLATE_NOOP("TableFileHandlers", "Таблица состояния элементов АБ"),
    [] { return MaxCells + 1; }};
constexpr TableFileKind CommSettings = {
    "StringGrid_SETRS_", "_connection_set.csv",
    QT_TRANSLATE_NOOP("TableFileHandlers", "Таблица настроек соединения"),
    SettingsRows<SettingsTable::Comm>};
constexpr TableFileKind AlarmSettings = {
    "StringGrid_SETALARM_", "_alarm_set.csv",
    QT_TRANSLATE_NOOP("TableFileHandlers", "Таблица настроек аварий"),
    SettingsRows<SettingsTable::Alarm>};
constexpr TableFileKind ChargeSettings = {
    "StringGrid_SETCHARGE_", "_charge_set.csv",
    QT_TRANSLATE_NOOP("TableFileHandlers", "Таблица настроек заряда"),
    SettingsRows<SettingsTable::Charge>};

const QString CsvFilter = QStringLiteral("Comma-Separated Values files (*.csv)|*.csv");

QString LoadFilter(const TableFileKind& kind) {
    return QCoreApplication::translate("TableFileHandlers", kind.filterName) +
           QStringLiteral("|*") + QString::fromUtf8(kind.suffix) + QLatin1Char('|') + CsvFilter +
           QLatin1Char('|') + QCoreApplication::translate("TableFileHandlers", "Все файлы") +
           QStringLiteral("|*.*");
}

void FillGrid(QTableWidget* grid, const QList<QStringList>& rows) {
    grid->setUpdatesEnabled(false);
    SetGridRowCount(grid, int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            SetGridCell(grid, r, c, rows[r][c]);
    grid->setUpdatesEnabled(true);
}

} // namespace

TableFileHandlers::TableFileHandlers(QWidget* root) : QObject(root), root_(root) {}

void TableFileHandlers::ConnectButton(const char* name, void (TableFileHandlers::*handler)()) {
    ConnectPageButton(root_, name, this, handler);
}

void TableFileHandlers::Connect() {
    ConnectButton("BitBtn_SAVELOG_", &TableFileHandlers::BitBtn_SAVELOG_Click);
    ConnectButton("BitBtn_LOADLOG_", &TableFileHandlers::BitBtn_LOADLOG_Click);
    ConnectButton("BitBtn_SAVEINFOBASE_", &TableFileHandlers::BitBtn_SAVEINFOBASE_Click);
    ConnectButton("BitBtn_LOADINFOBASE_", &TableFileHandlers::BitBtn_LOADINFOBASE_Click);
    ConnectButton("BitBtn_SAVEINFOCELL_", &TableFileHandlers::BitBtn_SAVEINFOCELL_Click);
    ConnectButton("BitBtn_LOADINFOCELL_", &TableFileHandlers::BitBtn_LOADINFOCELL_Click);
    ConnectButton("BitBtn_SAVESETRS_", &TableFileHandlers::BitBtn_SAVESETRS_Click);
    ConnectButton("BitBtn_LOADSETRS_", &TableFileHandlers::BitBtn_LOADSETRS_Click);
    ConnectButton("BitBtn_SAVESETALARM_", &TableFileHandlers::BitBtn_SAVESETALARM_Click);
    ConnectButton("BitBtn_LOADSETALARM_", &TableFileHandlers::BitBtn_LOADSETALARM_Click);
    ConnectButton("BitBtn_SAVESETCHARGE_", &TableFileHandlers::BitBtn_SAVESETCHARGE_Click);
    ConnectButton("BitBtn_LOADSETCHARGE_", &TableFileHandlers::BitBtn_LOADSETCHARGE_Click);
}

void TableFileHandlers::BitBtn_SAVELOG_Click() {
    Save(Journal);
}
void TableFileHandlers::BitBtn_LOADLOG_Click() {
    Load(Journal);
}
void TableFileHandlers::BitBtn_SAVEINFOBASE_Click() {
    Save(Status);
}
void TableFileHandlers::BitBtn_LOADINFOBASE_Click() {
    Load(Status);
}
void TableFileHandlers::BitBtn_SAVEINFOCELL_Click() {
    Save(Cells);
}
void TableFileHandlers::BitBtn_LOADINFOCELL_Click() {
    Load(Cells);
}
void TableFileHandlers::BitBtn_SAVESETRS_Click() {
    Save(CommSettings);
}
void TableFileHandlers::BitBtn_LOADSETRS_Click() {
    Load(CommSettings);
}
void TableFileHandlers::BitBtn_SAVESETALARM_Click() {
    Save(AlarmSettings);
}
void TableFileHandlers::BitBtn_LOADSETALARM_Click() {
    Load(AlarmSettings);
}
void TableFileHandlers::BitBtn_SAVESETCHARGE_Click() {
    Save(ChargeSettings);
}
void TableFileHandlers::BitBtn_LOADSETCHARGE_Click() {
    Load(ChargeSettings);
}

QTableWidget* TableFileHandlers::Grid(const TableFileKind& kind) const {
    return root_->findChild<QTableWidget*>(QLatin1String(kind.grid));
}

void TableFileHandlers::Save(const TableFileKind& kind) {
    const QTableWidget* grid = Grid(kind);
    if (!grid)
        return;
    const QString use = QString::fromUtf8(kind.suffix);
    const QString path =
        AskSaveFile(FileKind::Tables, use, CsvFilter, FileNameStamp(clock_()) + use);
    if (path.isEmpty())
        return;
    const FileError error = SaveWholeFile(path, TableFileBytes(GridTexts(grid)));
    if (!error.isEmpty())
        ReportError(error);
}

void TableFileHandlers::Load(const TableFileKind& kind) {
    QTableWidget* grid = Grid(kind);
    if (!grid)
        return;
    // The last file of this table is proposed, never one of another kind.
    const QString path =
        AskOpenFile(FileKind::Tables, QString::fromUtf8(kind.suffix), LoadFilter(kind));
    if (path.isEmpty())
        return;
    const TextFileRead read = ReadTextFile(path, MaxTextFileBytes, kind.rows());
    if (!read.error.isEmpty()) {
        ReportError(read.error);
        return;
    }
    // A table keeps at least its header row, so an empty file leaves it as it is.
    if (read.lines.isEmpty()) {
        ReportError(tr("Файл %1 пуст, таблица не изменена").arg(QDir::toNativeSeparators(path)));
        return;
    }
    FillGrid(grid, TableFromLines(read.lines, grid->columnCount()));
}
