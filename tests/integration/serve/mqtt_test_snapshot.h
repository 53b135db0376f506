#pragma once

#include "fleet_snapshot.h"
#include "status_block.h"

#include <QDateTime>

// A controller that has just answered, with a pack voltage of 52.345 V; current for minutes.
inline ControllerSnapshot TestSnapshot(const QString& name) {
    ControllerSnapshot s;
    s.spec.name = name;
    s.spec.periodMs = 60000;
    s.image.StatusBlock = StatusBlockBuilder()
                              .Set(u"Design_Cell_Number", 2)
                              .Set(u"Pack_Voltage_Sum", 52345)
                              .Cell(1, 3301, 21, 0)
                              .Cell(2, 3350, 22, 0)
                              .words;
    s.link = LinkState::Up;
    s.lastGoodCycleMs = QDateTime::currentMSecsSinceEpoch();
    return s;
}
