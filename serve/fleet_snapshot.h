#pragma once

#include "connection_settings.h"
#include "register_image.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <array>

// One controller of a fleet as the configuration names it.
struct ControllerSpec {
    QString name;                   // the label of every series and topic: [A-Za-z0-9_-]+
    ConnectionSettings connection;  // port name or network link, baud and format, address
    int periodMs = 1000;            // a cycle is started this often (when the last one ended)
    bool readJournal = false;       // the journal block is read in every cycle
    QString logPath;                // a monitoring log of this controller; empty for none
    int configLine = 0;             // where the configuration defines it, for messages
};

// Why a controller's figures are or are not current.
enum class LinkState {
    Up,          // the last cycle got its replies within 3 periods
    NeverAnswered,
    NoAnswer,    // the last cycle timed out
    Stale,       // no answered cycle for more than 3 periods
    PortError    // the port or connection could not be opened or was lost
};

// Upper bounds, in seconds, of the cycle-duration histogram's buckets (+Inf follows).
inline constexpr std::array<double, 10> CycleDurationBounds = {0.05, 0.1, 0.25, 0.5, 1,
                                                               2,    4,   8,    15,  30};

// What the fleet knows of one controller at a moment; a copy, handed to the exporters.
struct ControllerSnapshot {
    ControllerSpec spec;
    RegisterImage image;       // the registers as the last answered cycle stored them
    LinkState link = LinkState::NeverAnswered;
    QString linkText;          // the program's own words for the state ("Нет ответа", ...)
    qint64 lastGoodCycleMs = 0; // wall-clock ms since the epoch of the last answered cycle; 0: none
    quint64 cycles = 0;        // cycles finished, answered or not
    quint64 answeredCycles = 0;
    quint64 timeouts = 0;      // replies that did not come
    quint64 crcErrors = 0;
    quint64 exceptions = 0;
    quint64 badReplies = 0;    // too long or of the wrong length
    std::array<quint64, CycleDurationBounds.size() + 1> durationBuckets{}; // not cumulative
    double durationSumSeconds = 0;
    qint64 lastCycleMs = 0;    // how long the last finished cycle took
};

// True when the figures may be exported at nowMs: an answered cycle no older than 3 periods. A
// slow line whose cycle outlasts its period gets 3 cycle times instead, or it would never be
// current between two answers.
inline bool SnapshotCurrent(const ControllerSnapshot& snapshot, qint64 nowMs) {
    const qint64 cadenceMs = std::max<qint64>(snapshot.spec.periodMs, snapshot.lastCycleMs);
    return snapshot.lastGoodCycleMs > 0 && nowMs - snapshot.lastGoodCycleMs <= 3 * cadenceMs;
}

// The state as a label value of the exports: "up", "never_answered", "no_answer", "stale",
// "port_error".
QString LinkStateLabel(LinkState state);
