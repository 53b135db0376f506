#pragma once

#include "fleet_snapshot.h"

#include <QByteArray>
#include <QList>

// The Content-Type of the text MetricsExposition builds.
inline constexpr char MetricsContentType[] = "text/plain; version=0.0.4; charset=utf-8";

// The fleet's figures as a Prometheus scrape answer (text exposition format 0.0.4). Every series
// carries the controller's name as its `controller` label. The registers of a controller are
// exported only while SnapshotCurrent(snapshot, nowMs) holds, so that graphs show a gap instead
// of frozen values; its link state, the age of its last answered cycle and its poll counters are
// exported always. nowMs is wall-clock milliseconds since the epoch.
QByteArray MetricsExposition(const QList<ControllerSnapshot>& fleet, qint64 nowMs);
