#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <span>

// The controller's journal is a ring of 768 records in three pages of 256 slots; the first empty
// slot marks the write position and the newest record is the one just before it.
inline constexpr int JournalPageSlots = 256;
inline constexpr int JournalEventTextWidth = 44;

// The slots holding valid records, newest first; nothing when no slot is empty (the ring cannot
// be placed, so the table keeps what it shows).
std::optional<QList<int>> JournalSlotsNewestFirst(std::span<const quint16> journalBlock);

// One row of the journal table: running number, date-time, event text, cell number.
struct JournalRow {
    int number = 0;
    QString dateTime;
    QString event;
    QString cell;
    friend bool operator==(const JournalRow&, const JournalRow&) = default;
};

std::optional<QList<JournalRow>> JournalRows(std::span<const quint16> journalBlock);

// Codes 0 to 31 have a text padded with blanks to 44 characters; higher codes have none. The text
// is the file's, in Russian; the screen shows it through ShownText.
QString JournalEventText(quint16 code);
// Device seconds as year.month.day - hour:minute:second, plain decimals ("24.3.15 - 9:5:0").
QString JournalDateTimeText(quint32 seconds);
