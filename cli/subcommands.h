#pragma once

#include "cli_arguments.h"

#include <QStringList>

// The subcommands of velmora-cli. Each is one row of the table: its words, its usage, the
// options it takes and its handler; a new subcommand is a new row and its handler.
struct Subcommand {
    const char* name;      // one or two words: "read", "settings save"
    const char* arguments; // the usage after the name, without the common options; shown
                           // through CliText, as the summary is
    const char* summary;
    bool usesPort;       // takes the connection options, which are checked before it runs
    const char* options; // the options of its own, separated by blanks
    int minArguments, maxArguments;
    int (*run)(const CliCall& call, const QStringList& arguments);
};

// The text of --help: every subcommand, every option and the exit codes.
QString HelpText();

// The whole tool: parses the arguments (without the program name), checks them and runs the
// subcommand; the exit code.
int RunCli(const QStringList& arguments);
