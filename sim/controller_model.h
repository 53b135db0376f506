#pragma once

#include "battery_model.h"
#include "bootloader_model.h"
#include "device_clock.h"
#include "register_space.h"

#include <QList>
#include <QtGlobal>

#include <span>

// Everything the controller holds, without any I/O or locking: the registers, the battery behind
// them, the clock, the password, the command mailbox and the bootloader. Reads and writes return a
// Modbus exception code, 0 when they succeed.
class ControllerModel {
public:
    // A battery test runs its battery and the clock `speed` times faster than the clock given.
    ControllerModel(quint8 address, int cellCount, bool animate,
                    const BootloaderModel::Timing& bootTiming = {},
                    const ModelClock& clock = ModelClock::System(), const BatteryTest& test = {});

    // The reply to a request for this controller with a good CRC: the bootloader's while it runs
    // (and to 0x30 always), the application's otherwise.
    SimReply answer(QByteArrayView request, qint64 nowMs);
    // Whether the bootloader runs; an application restart that has come due happens first.
    bool inBootloader(qint64 nowMs);
    BootloaderModel& bootloader() { return boot_; }

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
    BootloaderModel boot_;
    std::function<qint64()> monotonicMs_;
    DeviceClock clock_;
    bool testing_;
    qint64 steppedAtMs_;
    QByteArray password_ = "0000";
    bool animate_;
};
