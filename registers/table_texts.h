#pragma once

#include "journal_rows.h"
#include "register_image.h"
#include "settings_map.h"
#include "view_options.h"

#include <QList>
#include <QStringList>

#include <span>

// The cells of the text tables the window shows and saves, header row first, so that the window's
// tables, their files and the command-line tool are built from the same texts. They are the
// files' texts, in Russian in every language; the window shows each through ShownText.

enum class SettingsTable { Comm, Alarm, Charge };

// A list of texts written in the source as UTF-8.
QStringList TextList(std::initializer_list<const char*> texts);

std::span<const SettingsRegister> SettingsTableRegisters(SettingsTable table);
// The block of the register image the table shows.
std::span<quint16> SettingsTableBlock(SettingsTable table, RegisterImage& image);
std::span<const quint16> SettingsTableBlock(SettingsTable table, const RegisterImage& image);

QStringList StatusTableHeader();
// The tables of the Safety and Charge bits: number, name, warning bit, alarm (or mode) bit.
QStringList AlarmTableHeader();
QStringList ChargeTableHeader();
// Number, voltage, temperature, then the title of each cell status flag.
QStringList CellTableHeader();
QStringList SettingsTableHeader(SettingsTable table);
QStringList JournalTableHeader();

// Number, date-time, event text and cell of one journal row.
QStringList JournalRowCells(const JournalRow& row);

// Whole tables as filled from the register blocks: the status table (registers 0 to 49), the
// cell table, a settings table, and the journal rows newest first.
QList<QStringList> StatusTableCells(std::span<const quint16> statusBlock,
                                    bool russianNames = UseRussianNames,
                                    bool scaledUnits = UseScaledUnits);
// The cell table: one row per cell of Design_Cell_Number (at most MaxCells).
QList<QStringList> CellTableCells(std::span<const quint16> statusBlock,
                                  bool scaledUnits = UseScaledUnits);
QList<QStringList> SettingsTableCells(SettingsTable table, std::span<const quint16> block,
                                      bool scaledUnits = UseScaledUnits);
QList<QStringList> JournalTableCells(const QList<JournalRow>& rows);
