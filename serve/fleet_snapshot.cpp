#include "fleet_snapshot.h"

QString LinkStateLabel(LinkState state) {
    switch (state) {
    case LinkState::Up:
        return QStringLiteral("up");
    case LinkState::NeverAnswered:
        return QStringLiteral("never_answered");
    case LinkState::NoAnswer:
        return QStringLiteral("no_answer");
    case LinkState::Stale:
        return QStringLiteral("stale");
    case LinkState::PortError:
        return QStringLiteral("port_error");
    }
    return QStringLiteral("unknown");
}
