#pragma once

#include <QtGlobal>

#include <array>
#include <random>
#include <vector>

#include "register_map.h"

class RegisterSpace;

// A battery of N series cells that charges, floats and discharges in turn. Each step moves it on
// by one minute of battery time, judges the protections against the alarm thresholds held in the
// registers, and writes an event into the journal whenever a protection trips.
class BatteryModel {
public:
    explicit BatteryModel(int cellCount);

    // The controller's settings as it leaves the factory, for the three settings blocks.
    static void WriteDefaultSettings(RegisterSpace& regs, int cellCount, quint8 address);

    // `now` stamps the journal events (device seconds).
    void step(RegisterSpace& regs, quint32 now);

    // Writes every measured and derived status value; leaves the mode, the mailbox and the clock.
    void publish(RegisterSpace& regs) const;
    // Writes only the charge figures, so that a command does not disturb other registers.
    void publishCharge(RegisterSpace& regs) const;

    void setRemainingCapacity(qint32 mAh);
    void setFullChargeCapacity(quint32 mAh);
    void setCycleCount(quint16 count);

    static constexpr int StepSeconds = 60;

private:
    enum class Phase { Charging, Floating, Discharging };

    struct Protection {
        SimMap::Alarm::Protection where;
        bool alert = false;
        bool tripped = false;
        int heldSeconds = 0;
    };
    struct Reading {
        bool applies;
        bool lowSide; // trips below its threshold
        int value;
        int cell; // 1-based, 0 for the whole battery
    };

    void advanceCharge();
    void measureCells();
    Reading reading(int safetyBit) const;
    void judgeProtections(RegisterSpace& regs, quint32 now);
    int stateOfCharge() const;
    quint16 cellFlags(int cell, const RegisterSpace& regs) const;
    quint32 safetyBits(bool tripped) const;

    int cellCount_;
    quint32 fullChargeCapacity_ = 98000;
    double remaining_ = 60000;
    quint16 cycleCount_ = 12;
    Phase phase_ = Phase::Discharging;
    int phaseSteps_ = 0;
    qint32 current_ = 0; // true current, mA; positive charges
    qint32 averageCurrent_ = 0;
    int ambientTenths_ = 235;
    std::vector<int> cellOffsets_;    // mV
    std::vector<int> cellResistance_; // mOhm
    std::vector<int> cellSocLead_;    // percent of charge ahead of the others
    std::vector<int> cellWarmth_;     // degC above the battery's own heating
    std::vector<quint16> voltages_;
    std::vector<qint16> temperatures_;
    std::vector<Protection> protections_;
    std::mt19937 noise_{20241203};
};
