#pragma once

#include <QtGlobal>

#include <array>
#include <map>
#include <random>
#include <vector>

#include "register_map.h"

class RegisterSpace;

// A discharge test instead of the battery's round of charge, float and discharge: the battery
// starts full and draws a constant current, or two currents in turn, until its first cell is
// empty, and then rests. The cells are alike but for the weak ones, which hold less charge, and
// those of another resistance.
struct BatteryTest {
    double dischargeAmps = 0;       // 0: no test
    double stepAmps = 0;            // the other current of the steps
    double stepSeconds = 0;         // how long each current lasts; 0: no steps
    std::vector<int> weakCells;     // 1-based
    std::map<int, double> milliohm; // 1-based cell, its resistance (1 mOhm otherwise)
    double speed = 1;               // battery seconds per second of the controller's clock

    bool Active() const { return dischargeAmps > 0; }
    static constexpr double WeakCapacityShare = 0.8;
    static constexpr double CellMilliohm = 1;
};

// A battery of N series cells that charges, floats and discharges in turn. Each step moves it on
// by one minute of battery time (a test: by the time given), judges the protections against the
// alarm thresholds held in the registers, and writes an event into the journal whenever a
// protection trips.
class BatteryModel {
public:
    explicit BatteryModel(int cellCount, const BatteryTest& test = {});

    // The controller's settings as it leaves the factory, for the three settings blocks.
    static void WriteDefaultSettings(RegisterSpace& regs, int cellCount, quint8 address);

    // `now` stamps the journal events (device seconds); a test moves on by `seconds`.
    void step(RegisterSpace& regs, quint32 now, double seconds = StepSeconds);

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
    void advanceTest(double seconds);
    void measureCells();
    Reading reading(int safetyBit) const;
    void judgeProtections(RegisterSpace& regs, quint32 now, int seconds);
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
    BatteryTest test_;
    double testSeconds_ = 0;             // since the test started
    std::vector<double> cellCharge_;     // mAh each cell holds in a test
    std::vector<double> cellCapacity_;   // mAh
    std::vector<int> cellOffsets_;       // mV
    std::vector<double> cellResistance_; // mOhm
    std::vector<int> cellSocLead_;       // percent of charge ahead of the others
    std::vector<int> cellWarmth_;        // degC above the battery's own heating
    std::vector<quint16> voltages_;
    std::vector<qint16> temperatures_;
    std::vector<Protection> protections_;
    std::mt19937 noise_{20241203};
};
