#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>

class QTableWidget;
class QWidget;

// One of the six tables that are saved to and loaded from files.
struct TableFileKind {
    const char* grid;       // the table's objectName
    const char* suffix;     // after the date-time stamp of a proposed name
    const char* filterName; // the first filter of the load dialog
    int (*rows)();          // the most rows the table holds, header included
};

// The save and load buttons of the journal, the status and cell tables and the three settings
// tables. A save writes every row of the table, header first; a load puts a file's lines into
// the table's cells and touches nothing else (neither the register image nor the controller).
// A file that cannot be written or read, or that has more lines than the table has rows, is
// reported, and the table and any existing file stay as they were.
class TableFileHandlers final : public QObject {
    Q_OBJECT
public:
    explicit TableFileHandlers(QWidget* root);

    // Connects the buttons present under the root now.
    void Connect();
    // The clock of the proposed file names.
    void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }

    void BitBtn_SAVELOG_Click();
    void BitBtn_LOADLOG_Click();
    void BitBtn_SAVEINFOBASE_Click();
    void BitBtn_LOADINFOBASE_Click();
    void BitBtn_SAVEINFOCELL_Click();
    void BitBtn_LOADINFOCELL_Click();
    void BitBtn_SAVESETRS_Click();
    void BitBtn_LOADSETRS_Click();
    void BitBtn_SAVESETALARM_Click();
    void BitBtn_LOADSETALARM_Click();
    void BitBtn_SAVESETCHARGE_Click();
    void BitBtn_LOADSETCHARGE_Click();

private:
    void Save(const TableFileKind& kind);
    void Load(const TableFileKind& kind);
    QTableWidget* Grid(const TableFileKind& kind) const;
    void ConnectButton(const char* name, void (TableFileHandlers::*handler)());

    QWidget* root_;
    std::function<QDateTime()> clock_ = &QDateTime::currentDateTime;
};
