#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QSettings;

// The language of the program's texts. Russian is the source language: with no translation
// installed every text is the Russian one.
enum class Language { Russian, English };

// "ru" or "en" (case and a region such as "en_US" aside); nothing for anything else.
std::optional<Language> LanguageFromCode(const QString& code);
QString LanguageCode(Language language);

// Where a choice of language can come from, strongest first: the --lang option, the
// VELMORA_LANG variable, the remembered choice; Russian when none of them names a language.
struct LanguageSources {
    QString option;     // the --lang value; empty when not given
    QString variable;   // VELMORA_LANG; empty when not set
    QString remembered; // the settings' value; empty when none
};
Language ChooseLanguage(const LanguageSources& sources);

// The --lang value among the arguments (without the program name): "--lang X" or "--lang=X";
// empty when not given.
QString LanguageOption(const QStringList& arguments);

// The language a program starts in: the --lang value among its arguments, else VELMORA_LANG, else
// the choice the window remembers in its settings (organisation and application "Velmora").
Language StartLanguage(const QStringList& arguments);
// Installs the start language; what the operator should be told when English was chosen and its
// translation is missing, else empty. Without Qt's own Russian texts the few of Qt's stay English,
// which is not worth a word on every run.
QString InstallStartLanguage(const QStringList& arguments);

// The remembered choice of the window's "Язык" menu.
QString RememberedLanguage(QSettings& settings);
void RememberLanguage(QSettings& settings, Language language);

// Installs the program's translation and Qt's own for the language in the running application,
// replacing what an earlier call installed. False, with the reason, when a translation the
// language needs is missing; the texts then stay in the source language.
bool InstallLanguage(Language language, QString* error = nullptr);

// The language InstallLanguage installed last; Russian before any call.
Language InstalledLanguage();
