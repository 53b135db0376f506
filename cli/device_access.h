#pragma once

#include "exit_codes.h"
#include "register_image.h"

#include <QtGlobal>

#include <span>

// Register reads and writes of the tool through the reply reporting of the window's commands.
// A failure is told on standard error; the result is the exit code it stands for.

// Reads target.size() registers from `start` in requests of at most 125 registers; the first
// failure ends the reading.
ExitCode ReadRegisters(quint16 start, std::span<quint16> target);

// Registers 0 to 49 into the status block: the status values before the per-cell arrays.
ExitCode ReadStatusValues(RegisterImage& image);

// Writes the values from `start` with one request.
ExitCode WriteRegisters(quint16 start, std::span<const quint16> values);

// Tells the outcome of a write that carries no verdict of its own (nothing sent) or one that the
// reply reporting left unsaid, and gives its exit code.
ExitCode WriteOutcome(const std::optional<ReplyVerdict>& verdict);
