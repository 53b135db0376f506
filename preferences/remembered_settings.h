#pragma once

#include "view_options.h"

#include <span>

class QObject;
class QSettings;

// A setting kept between runs in the control that holds it, found by its objectName under a root.
// A combo box keeps its item's data where items carry some (a port's open name, a period in
// milliseconds), else its text; a line edit its text; a check box its state.
struct RememberedControl {
    const char* key;
    const char* control;
};

// The connection settings. A network link's type, host and TCP port are a line each here.
inline constexpr RememberedControl ConnectionControls[] = {
    {"connection/port", "ComboBox_PORT_"},
    {"connection/baudRate", "ComboBox_BAUDRATE_"},
    {"connection/format", "ComboBox_FORMAT_"},
    {"connection/address", "Edit_ADDRESS_"},
    {"connection/period", "ComboBox_FREQ_"},
    {"connection/fastExchange", "CheckBox_FASTEXCHANGE_"},
    {"connection/reconnect", "CheckBox_RECONNECT_"},
};

// A program-wide flag kept between runs.
struct RememberedFlag {
    const char* key;
    bool* flag;
};

inline constexpr RememberedFlag ViewAndLogFlags[] = {
    {"view/russianNames", &UseRussianNames},
    {"view/scaledUnits", &UseScaledUnits},
    {"log/linkErrors", &LogLinkErrors},
};

void SaveControls(QSettings& settings, const QObject* root,
                  std::span<const RememberedControl> controls);
// A control with nothing remembered, or with a value it cannot take (a port no longer listed,
// a period it does not offer), keeps what it holds.
void RestoreControls(const QSettings& settings, const QObject* root,
                     std::span<const RememberedControl> controls);

void SaveFlags(QSettings& settings, std::span<const RememberedFlag> flags);
void RestoreFlags(const QSettings& settings, std::span<const RememberedFlag> flags);
