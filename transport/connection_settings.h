#pragma once

#include <QString>

#include <functional>

// A network link has no character time: a reply is complete at its announced length, and one
// that does not come within the network time-out is missing.
inline constexpr int DefaultNetworkTimeoutMs = 1000;
inline constexpr int MinNetworkTimeoutMs = 100;
inline constexpr int MaxNetworkTimeoutMs = 10000;

// The connection dialog's controls are the only store of these settings; every exchange reads
// them afresh at the moment of use through this source, so transport code needs no widget.
struct ConnectionSettings {
    // The port list's current text: a bare name or a full device path, or a network link
    // ("tcp://HOST[:PORT]", "rtu+tcp://HOST:PORT").
    QString portName;
    int baudIndex = 0;   // item index of the baud-rate list
    int formatIndex = 0; // item index of the frame-format list
    QString addressText; // the typed controller address, converted at every request
    // A reply is complete when its last byte arrives, not after the fixed waits.
    bool fastExchange = false;
    // Polling waits for a port that went away to come back, and goes on with it.
    bool reconnect = false;
    int networkTimeoutMs = DefaultNetworkTimeoutMs;
};

ConnectionSettings CurrentConnectionSettings();
// The main window installs the dialog as the source; tests install their own.
void SetConnectionSettingsSource(std::function<ConnectionSettings()> source);

// For work off the window thread: while it lives, CurrentConnectionSettings() on the thread that
// made it gives these settings, read from the dialog before the work started.
class PinnedConnectionSettings {
public:
    explicit PinnedConnectionSettings(const ConnectionSettings& settings);
    ~PinnedConnectionSettings();
    PinnedConnectionSettings(const PinnedConnectionSettings&) = delete;
    PinnedConnectionSettings& operator=(const PinnedConnectionSettings&) = delete;

private:
    ConnectionSettings settings_;
};
