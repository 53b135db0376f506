#pragma once

#include "register_image.h"
#include "table_texts.h"
#include "view_options.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <span>

// Writing a settings table (or the writable rows of the status table) back to the controller:
// the value cells are converted row by row into the block of the register image, and the whole
// block is sent in one write. Registers no row feeds go out as last read.

enum class WritableTable { CommSettings, AlarmSettings, ChargeSettings, Status };

// The write-back of a settings table.
WritableTable WritableOf(SettingsTable table);

// The value cell (column 2) of a table row. A cell whose text is still the one a fill wrote from
// the controller's register carries that register's value, which goes back unchanged: a scaled
// text has only four significant digits, so converting it back could change the register.
struct ValueCell {
    ValueCell(QString cellText = {}, std::optional<quint32> word = std::nullopt)
        : text(std::move(cellText)), filledWord(word) {}
    QString text;
    std::optional<quint32> filledWord;
};

// The value cell of a row; rows count from 1 below the header.
using CellReader = std::function<ValueCell(int row)>;

// A text for column 3 of a row of the communication table.
struct Remark {
    int row = 0;
    QString text;
    friend bool operator==(const Remark&, const Remark&) = default;
};

struct TableStore {
    bool complete = false; // every row converted and stored
    QString error;         // the conversion message of the row that stopped it
    QList<Remark> remarks; // decode texts or range messages of the coded rows stored
};

// Converts and stores the rows in order (a filled cell stores its word as it is); a row that does
// not convert stops the run, the rows before it staying stored.
TableStore StoreTableCells(WritableTable table, const CellReader& cells, RegisterImage& image,
                           bool scaledUnits = UseScaledUnits);

// The registers a table's write sends: start register, count and the words from the image.
// The alarm block goes out as 49 registers, as it is read; DIN_Time at offset 49 is stored in the
// image but not sent, since the controller is not known to accept register 0x7031.
struct TableTransfer {
    quint16 start = 0;
    std::span<const quint16> words;
};
TableTransfer TransferOf(WritableTable table, const RegisterImage& image);

// The remarks of rows 1 to 4 of the communication table after an edit; a row whose value is
// not a whole number keeps its remark and is left out.
QList<Remark> CommSettingsEditRemarks(const CellReader& cells);

// The row and range message of the first of the address, baud-rate code and format code in a
// stored communication block that the controller's link could not work with; nothing when all
// three can.
std::optional<Remark> CommSettingsLinkError(std::span<const quint16> commBlock);
