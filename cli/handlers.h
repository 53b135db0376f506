#pragma once

#include "cli_arguments.h"

#include <QStringList>

// The handlers of the subcommands; the options are checked against the subcommand already, and
// the connection settings are installed when the subcommand uses the port.

int RunPorts(const CliCall& call, const QStringList& arguments);
int RunRead(const CliCall& call, const QStringList& arguments);
int RunJournal(const CliCall& call, const QStringList& arguments);
int RunSettingsSave(const CliCall& call, const QStringList& arguments);
int RunSettingsLoad(const CliCall& call, const QStringList& arguments);
int RunCalibrateZero(const CliCall& call, const QStringList& arguments);
int RunCalibrate(const CliCall& call, const QStringList& arguments);
int RunSetStateOfCharge(const CliCall& call, const QStringList& arguments);
int RunSetFullChargeCapacity(const CliCall& call, const QStringList& arguments);
int RunSetCycleCount(const CliCall& call, const QStringList& arguments);
int RunClock(const CliCall& call, const QStringList& arguments);
int RunClearJournal(const CliCall& call, const QStringList& arguments);
int RunPoll(const CliCall& call, const QStringList& arguments);
int RunFlash(const CliCall& call, const QStringList& arguments);
int RunReport(const CliCall& call, const QStringList& arguments);
int RunServe(const CliCall& call, const QStringList& arguments);
