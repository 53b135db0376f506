#pragma once

#include "simulated_controller.h"

#include <QtGlobal>

// The link a test reaches the simulated controller by: its terminal, or the network link that
// VELMORA_TEST_LINK names ("tcp" for Modbus TCP, "rtu+tcp"), so that one test covers all three.
inline SimulatedControllerOptions OverTestLink(SimulatedControllerOptions options = {}) {
    const QByteArray link = qgetenv("VELMORA_TEST_LINK");
    options.network = link == "tcp"       ? SimNetwork::ModbusTcp
                      : link == "rtu+tcp" ? SimNetwork::RtuOverTcp
                                          : SimNetwork::None;
    return options;
}

// Whether the frames carry their CRC on the test's link: Modbus TCP leaves it to TCP.
inline bool CrcOnTheWire() {
    return OverTestLink().network != SimNetwork::ModbusTcp;
}

// The connection dialog's control that names the test's link: the port list or the host.
inline const char* LinkControlName() {
    return OverTestLink().network == SimNetwork::None ? "ComboBox_PORT_" : "Edit_HOST_";
}
