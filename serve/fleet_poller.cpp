#include "fleet_poller.h"

#include "fleet_config.h"
#include "polled_controller.h"

#include <algorithm>

FleetPoller::FleetPoller(QObject* parent) : QObject(parent) {}

FleetPoller::~FleetPoller() = default;

void FleetPoller::Apply(const QList<ControllerSpec>& specs) {
    std::vector<std::unique_ptr<PolledController>> old = std::move(controllers_);
    controllers_.clear();
    for (const ControllerSpec& spec : specs) {
        const auto same = std::find_if(old.begin(), old.end(), [&](const auto& controller) {
            return controller && controller->Snapshot().spec.name == spec.name;
        });
        if (same == old.end()) {
            controllers_.push_back(Started(spec));
        } else if (SamePolling((*same)->Snapshot().spec, spec)) {
            controllers_.push_back(std::move(*same));
        } else {
            same->reset(); // its port is closed before the new one opens it
            controllers_.push_back(Started(spec));
        }
    }
    for (std::unique_ptr<PolledController>& gone : old)
        if (gone) {
            const QString name = gone->Snapshot().spec.name;
            gone.reset();
            Q_EMIT ControllerRemoved(name);
        }
}

void FleetPoller::StopAll() {
    Apply({});
}

QList<ControllerSnapshot> FleetPoller::Snapshots() const {
    QList<ControllerSnapshot> snapshots;
    for (const std::unique_ptr<PolledController>& controller : controllers_)
        snapshots.append(controller->Snapshot());
    return snapshots;
}

std::unique_ptr<PolledController> FleetPoller::Started(const ControllerSpec& spec) {
    auto controller = std::make_unique<PolledController>(spec);
    connect(controller.get(), &PolledController::Cycled, this, &FleetPoller::ControllerCycled);
    connect(controller.get(), &PolledController::LinkChanged, this, &FleetPoller::LinkChanged);
    connect(controller.get(), &PolledController::LogNotice, this,
            [this, name = spec.name](const QString& text) { Q_EMIT LogNotice(name, text); });
    controller->Start();
    return controller;
}
