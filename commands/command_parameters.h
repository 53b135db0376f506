#pragma once

#include "register_field.h"

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <optional>

// Parameters of the service commands, from the texts of their fields. A parameter that cannot be
// built is reported to the operator here and comes back empty: the handler then sends nothing.

// A typed signed 32-bit integer as the 32 bits of a parameter; negative numbers as two's
// complement. Anything else, a number too large for 32 bits included, is a conversion error.
RegisterConversion ParameterFromText(const QString& text);

// State of charge, full charge capacity and cycle count (codes 7 to 9): any whole number is sent
// as it is; anything else gets the entry message.
std::optional<quint32> EntryParameter(const QString& text);
QString EntryMessage();
QString EntryCaption();

// Calibration with a known current: a text that is not a whole number gets the conversion error.
std::optional<quint32> CalibrationParameter(const QString& text);

// The mode command carries only the buzzer option, bit 6; the other bits stay zero.
inline constexpr quint32 BuzzerModeBit = 0x40;
constexpr quint32 ModeParameter(bool buzzer) {
    return buzzer ? BuzzerModeBit : 0;
}

// The texts of the clock fields.
struct ClockTexts {
    QString hour, minute, second, day, month, year;
};

// Device seconds of the typed time. Each field is a signed 32-bit integer and keeps its low 8
// bits; a year below 100 counts from 2000 as it is, any other year has 2000 taken off first.
// Hours, minutes, seconds and days are not range-checked; a month outside 1 to 12 and a time
// outside 2000 to 2099 (the clock texts would read a later count as 2000) are refused.
std::optional<quint32> ClockParameter(const ClockTexts& texts);

// What the clock fields show: plain numbers, the day and month as list positions from 1, the
// year with its century.
struct ClockFields {
    int hour = 0, minute = 0, second = 0, day = 1, month = 1, year = 2000;
    friend bool operator==(const ClockFields&, const ClockFields&) = default;
};
ClockFields ClockFieldsFromSeconds(quint32 deviceSeconds);
// Whole seconds of the local time.
ClockFields ClockFieldsFromDateTime(const QDateTime& local);
