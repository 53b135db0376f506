#include "connection_settings.h"

namespace {
std::function<ConnectionSettings()> settingsSource;
}

ConnectionSettings CurrentConnectionSettings() {
    return settingsSource ? settingsSource() : ConnectionSettings{};
}

void SetConnectionSettingsSource(std::function<ConnectionSettings()> source) {
    settingsSource = std::move(source);
}
