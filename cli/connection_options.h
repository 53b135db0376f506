#pragma once

#include "cli_arguments.h"
#include "connection_settings.h"

#include <QString>

#include <optional>

// The connection as the command line gives it, checked whole before any port is opened: the
// port must be named, the rate, frame format and address must be ones the connection dialog
// offers. The same defaults as the dialog: 115200, 8N1, address 238.
std::optional<ConnectionSettings> ConnectionFrom(const CliCall& call, QString* error);

// What a port that is not there gives when it is opened; empty when the device is present. A
// missing port is no mistake of the command line: the port did not open.
QString AbsentPortText(const ConnectionSettings& connection);

// --locale: makes the named locale the one numbers and dates are written in. False, with the
// message, for a name Qt does not know.
bool ApplyLocale(const CliCall& call, QString* error);
