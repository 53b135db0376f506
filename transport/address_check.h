#pragma once

#include "number_format.h"

#include <QString>

// The controller address as typed in the connection dialog: a decimal integer that fits the
// request's address byte.
using AddressCheck = RangeCheck;

AddressCheck CheckAddressText(const QString& text);
// Why the text is refused as an address; empty when it is valid.
QString AddressRefusal(const QString& text);

// Checks the text and, when it is refused, shows why in an error box; true when it is valid.
// The connection dialog's "OK" and the start of polling share this check and its messages.
bool ConfirmAddressText(const QString& text);
