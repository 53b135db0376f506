#include "connection_settings.h"

namespace {
std::function<ConnectionSettings()> settingsSource;
thread_local const ConnectionSettings* pinnedSettings = nullptr;
} // namespace

ConnectionSettings CurrentConnectionSettings() {
    if (pinnedSettings)
        return *pinnedSettings;
    return settingsSource ? settingsSource() : ConnectionSettings{};
}

PinnedConnectionSettings::PinnedConnectionSettings(const ConnectionSettings& settings)
    : settings_(settings) {
    pinnedSettings = &settings_;
}

PinnedConnectionSettings::~PinnedConnectionSettings() {
    pinnedSettings = nullptr;
}

void SetConnectionSettingsSource(std::function<ConnectionSettings()> source) {
    settingsSource = std::move(source);
}
