#pragma once

#include "journal_rows.h"
#include "register_image.h"
#include "settings_map.h"
#include "view_options.h"

#include <QList>
#include <QStringList>

#include <span>

// The cells of the text tables the window shows and saves, header row first, so that the window's
// tables, their files and the command-line tool are built from the same texts.

enum class SettingsTable { Comm, Alarm, Charge };

// A list of texts written in the source as UTF-8.
QStringList TextList(std::initializer_list<const char*> texts);

std::span<const SettingsRegister> SettingsTableRegisters(SettingsTable table);
// The block of the register image the table shows.
std::span<quint16> SettingsTableBlock(SettingsTable table, RegisterImage& image);
std::span<const quint16> SettingsTableBlock(SettingsTable table, const RegisterImage& image);

QStringList StatusTableHeader();
QStringList SettingsTableHeader(SettingsTable table);
QStringList JournalTableHeader();

// Number, date-time, event text and cell of one journal row.
QStringList JournalRowCells(const JournalRow& row);

// Whole tables as filled from the register blocks: the status table (registers 0 to 49), a
// settings table, and the journal rows newest first.
QList<QStringList> StatusTableCells(std::span<const quint16> statusBlock,
                                    bool russianNames = UseRussianNames,
                                    bool scaledUnits = UseScaledUnits);
QList<QStringList> SettingsTableCells(SettingsTable table, std::span<const quint16> block,
                                      bool scaledUnits = UseScaledUnits);
QList<QStringList> JournalTableCells(const QList<JournalRow>& rows);
