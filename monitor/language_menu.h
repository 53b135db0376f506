#pragma once

#include "language.h"

#include <QString>
#include <QStringList>

#include <optional>

class QMenuBar;
class QSettings;

// The language a start of the window uses: --lang among the arguments (without the program
// name), then the variable VELMORA_LANG's value, then the choice remembered in the settings.
// Nothing when --lang names no language the program has.
std::optional<Language> StartLanguage(const QStringList& arguments, const QString& variable,
                                      QSettings& settings);

// Installs the start's language; false, with the refusal to print, when --lang is wrong.
bool InstallStartLanguage(const QStringList& arguments, QString* refusal);

// The "Вид" menu, opened from the menu bar's corner, with its "Язык" submenu: one checked item per
// language, each named in its own language. A choice is remembered in the window's settings and
// takes effect at the next start: every page is built once, with the texts of the language
// installed before it.
void AddLanguageMenu(QMenuBar* bar);
