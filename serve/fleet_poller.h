#pragma once

#include "fleet_snapshot.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class PolledController;

// The controllers of velmora-cli serve, each polled on its own worker thread at its own period;
// lives on the main thread, where its signals arrive. A controller that does not answer or
// whose port will not open never slows the others.
class FleetPoller final : public QObject {
    Q_OBJECT
public:
    explicit FleetPoller(QObject* parent = nullptr);
    ~FleetPoller() override;

    // Polls the controllers of the list from now on, matched by name: new ones are started,
    // those no longer named are stopped (ControllerRemoved), those whose polling changed start
    // afresh with counters from zero, and the others go on untouched.
    void Apply(const QList<ControllerSpec>& specs);
    // Stops every controller, as Apply with an empty list does.
    void StopAll();

    // Copies of what is known of each controller, in the order of the last Apply.
    QList<ControllerSnapshot> Snapshots() const;

Q_SIGNALS:
    // After every finished cycle of a controller, answered or not.
    void ControllerCycled(const ControllerSnapshot& snapshot);
    // A controller's link state or its text has changed (also when it is first known).
    void LinkChanged(const ControllerSnapshot& snapshot);
    // A controller is no longer polled.
    void ControllerRemoved(const QString& name);
    // A controller's monitoring log has stopped or resumed taking lines.
    void LogNotice(const QString& name, const QString& text);

private:
    std::unique_ptr<PolledController> Started(const ControllerSpec& spec);

    std::vector<std::unique_ptr<PolledController>> controllers_;
};
