#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// The command line of velmora-cli: words (the subcommand and its arguments) and options
// ("--name value", "--name=value" or a flag "--name") in any order; "--" ends the options.

struct CliOptionInfo {
    const char* name;      // without the dashes
    const char* valueName; // nullptr for a flag; shown through CliText
    const char* help;      // shown through CliText
};

// A text of the tool's tables (options, subcommands) in the installed language.
QString CliText(const char* text);

// Every option the tool knows; each subcommand accepts some of them.
std::span<const CliOptionInfo> CliOptions();

struct CliCall {
    QStringList words;
    QHash<QString, QString>
        options; // the value (the last one of a repeated option), empty for a flag
    QHash<QString, QStringList> repeated; // every value of an option that may be given again
    QString error;                        // set when the line cannot be taken

    bool has(const char* name) const { return options.contains(QLatin1String(name)); }
    QString value(const char* name) const { return options.value(QLatin1String(name)); }
    QStringList values(const char* name) const { return repeated.value(QLatin1String(name)); }
};

// `valued` names the flags that take a value in the subcommand at hand (report's --csv ФАЙЛ),
// `repeatable` the options it takes more than once (serve's --controller).
CliCall ParseArguments(const QStringList& arguments, const QStringList& valued = {},
                       const QStringList& repeatable = {});

// A whole number within [low, high], written in decimal; otherwise the message in `error`.
std::optional<qint64> IntegerValue(const QString& option, const QString& text, qint64 low,
                                   qint64 high, QString* error);
// A number with a decimal point or the locale's separator, within [low, high]; `what` names it
// in the message ("число секунд").
std::optional<double> DecimalValue(const QString& option, const QString& text, double low,
                                   double high, const QString& what, QString* error);
// A number of seconds with a decimal point or the locale's separator, within [low, high].
std::optional<double> SecondsValue(const QString& option, const QString& text, double low,
                                   double high, QString* error);
