#pragma once

#include "battery_model.h"
#include "device_clock.h"
#include "register_space.h"

#include <QList>
#include <QtGlobal>

#include <span>

// Everything the controller holds, without any I/O or locking: the registers, the battery behind
// them, the clock, the password and the command mailbox. Reads and writes return a Modbus
// exception code, 0 when they succeed.
class ControllerModel {
public:
    ControllerModel(quint8 address, int cellCount, bool animate);

    quint8 readRegisters(quint16 first, int count, QList<quint16>* values);
    quint8 writeRegisters(quint16 first, std::span<const quint16> values);

    // Direct access for tests and tools: no command is run, but writing the clock registers sets
    // the clock. Returns false when a register lies outside the map.
    bool setRegisters(quint16 first, std::span<const quint16> values);
    QList<quint16> registers(quint16 first, int count);

    void step();
    void appendJournalEvent(quint16 code, quint16 cell, quint32 secondsAgo = 0);
    void setAnimated(bool animate) { animate_ = animate; }

    QByteArray password() const { return password_; }

private:
    void refreshClock();
    void followClockRegisters(quint16 first, int count);
    quint8 runCommand();

    RegisterSpace regs_;
    BatteryModel battery_;
    DeviceClock clock_;
    QByteArray password_ = "0000";
    bool animate_;
};
