#include "battery_model.h"

#include "journal_ring.h"
#include "register_space.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numeric>

namespace {

using namespace SimMap;

constexpr qint32 ChargeCurrent = 20000;     // mA
constexpr qint32 FloatCurrent = 300;        // mA
constexpr qint32 DischargeCurrent = -25000; // mA, swings by DischargeSwing around it
constexpr qint32 DischargeSwing = 10000;    // mA
constexpr qint32 DischargePulse = -105000;  // mA, a short load peak now and then
constexpr int DischargePulseEvery = 45;     // steps
constexpr int FloatSteps = 20;
constexpr int DischargedPercent = 20;      // discharge ends here and charging starts
constexpr quint32 DesignCapacity = 100000; // mAh
constexpr quint16 NotApplicableMinutes = 0xFFFF;

struct Setting {
    quint16 address;
    qint32 value;
    bool wide = false;
};

void WriteSettings(RegisterSpace& regs, std::initializer_list<Setting> settings) {
    for (const Setting& s : settings) {
        if (s.wide)
            regs.setDword(s.address, quint32(s.value));
        else
            regs.setWord(s.address, quint16(s.value));
    }
}

quint16 ChargeAt(quint16 offset) {
    return quint16(ChargeSettingsBlock.start + offset);
}
quint16 AlarmAt(quint16 offset) {
    return quint16(AlarmSettingsBlock.start + offset);
}

// A threshold or recovery level: signed 16 bits, or signed 32 bits for the current protections.
int Level(const RegisterSpace& regs, const Alarm::Protection& p, quint16 offset) {
    return p.wide ? int(qint32(regs.dword(AlarmAt(offset))))
                  : int(qint16(regs.word(AlarmAt(offset))));
}

// The time `mAh` lasts at a current other than 0.
quint16 Minutes(double mAh, qint32 mA) {
    return quint16(std::clamp(mAh / std::abs(mA) * 60.0, 0.0, double(NotApplicableMinutes - 1)));
}

template <typename T> int IndexOfMax(const std::vector<T>& values) {
    return int(std::max_element(values.begin(), values.end()) - values.begin());
}
template <typename T> int IndexOfMin(const std::vector<T>& values) {
    return int(std::min_element(values.begin(), values.end()) - values.begin());
}
template <typename T> int Average(const std::vector<T>& values) {
    return int(std::accumulate(values.begin(), values.end(), qint64(0)) / qint64(values.size()));
}

} // namespace

BatteryModel::BatteryModel(int cellCount, const BatteryTest& test)
    : cellCount_(std::clamp(cellCount, 1, MaxCells)), test_(test), cellOffsets_(size_t(cellCount_)),
      cellResistance_(size_t(cellCount_), BatteryTest::CellMilliohm),
      cellSocLead_(size_t(cellCount_)), cellWarmth_(size_t(cellCount_)),
      voltages_(size_t(cellCount_)), temperatures_(size_t(cellCount_)) {
    for (int i = 0; i < cellCount_; ++i) {
        cellOffsets_[i] = (i * 37) % 21 - 10;
        cellWarmth_[i] = (i * 13) % 5 - 2;
    }
    // One cell sits nearer a heat source.
    cellWarmth_[cellCount_ - 1] += 6;
    if (test_.Active()) {
        // A test starts full, and its cells differ only as it says.
        remaining_ = fullChargeCapacity_;
        cellCapacity_.assign(size_t(cellCount_), fullChargeCapacity_);
        for (const int cell : test_.weakCells)
            if (cell >= 1 && cell <= cellCount_)
                cellCapacity_[size_t(cell - 1)] *= BatteryTest::WeakCapacityShare;
        cellCharge_ = cellCapacity_;
        for (const auto& [cell, milliohm] : test_.milliohm)
            if (cell >= 1 && cell <= cellCount_)
                cellResistance_[size_t(cell - 1)] = milliohm;
        current_ = -qint32(std::lround(test_.dischargeAmps * 1000));
    } else {
        // One weak cell, of less capacity and more resistance, runs ahead when nearly full and
        // sags under load, so that the extreme flags, balancing and a few protections have
        // something to show.
        const int weak = std::min(2, cellCount_ - 1);
        cellOffsets_[weak] += 10;
        cellResistance_[weak] = 3;
        cellSocLead_[weak] = 6;
        current_ = DischargeCurrent;
    }
    for (const Alarm::Protection& p :
         {Alarm::Cov, Alarm::Cuv, Alarm::Cova, Alarm::Cuva, Alarm::Cot, Alarm::Cut, Alarm::Cota,
          Alarm::Otaa, Alarm::Aot, Alarm::Otamb, Alarm::Occ, Alarm::Ocd, Alarm::Utc, Alarm::Utd})
        protections_.push_back({p});
    averageCurrent_ = current_;
    measureCells();
}

void BatteryModel::WriteDefaultSettings(RegisterSpace& regs, int cellCount, quint8 address) {
    const quint16 comm = CommSettingsBlock.start;
    WriteSettings(regs, {{comm, address}, {quint16(comm + 1), 4}, {quint16(comm + 2), 0}});
    WriteSettings(regs,
                  {{ChargeAt(ChargeSettings::CfVoltage), 3400},
                   {ChargeAt(1), 20},
                   {ChargeAt(2), 30},
                   {ChargeAt(4), 500, true},
                   {ChargeAt(6), 200, true},
                   {ChargeAt(8), 30},
                   {ChargeAt(9), 90},
                   {ChargeAt(10), 100, true},
                   {ChargeAt(12), 2900},
                   {ChargeAt(13), 3000},
                   {ChargeAt(14), 5000, true},
                   {ChargeAt(ChargeSettings::ChargeVoltage), 3550},
                   {ChargeAt(ChargeSettings::ChargeCurrent), ChargeCurrent, true},
                   {ChargeAt(20), 1000, true},
                   {ChargeAt(ChargeSettings::BalanceDifferenceThreshold), 30},
                   {ChargeAt(ChargeSettings::BalanceDifferenceRecovery), 15},
                   {ChargeAt(24), 60},
                   {ChargeAt(25), 3400},
                   {ChargeAt(26), 3350},
                   {ChargeAt(28), 100, true},
                   {ChargeAt(30), 300},
                   {ChargeAt(31), 300},
                   {ChargeAt(32), 500},
                   {ChargeAt(33), 60},
                   {ChargeAt(34), -1000},
                   {ChargeAt(35), 1000},
                   {ChargeAt(ChargeSettings::DesignCapacity1Ah), qint32(DesignCapacity), true},
                   {ChargeAt(38), 320000, true},
                   {ChargeAt(ChargeSettings::DesignCellNumber), cellCount},
                   {ChargeAt(ChargeSettings::RemainingCapacityAlarmPercent), 30},
                   {ChargeAt(ChargeSettings::MaxChargeCapacityAlarmPercent), 95},
                   {ChargeAt(ChargeSettings::LeakageCurrent), 15},
                   {ChargeAt(44), 33000}});
    // Threshold, recovery, delay in seconds, protection after protection.
    const int levels[][3] = {{3600, 3500, 5}, {2800, 3000, 5}, {80, 60, 10}, {80, 60, 10},
                             {55, 50, 10},    {0, 5, 10},      {8, 6, 10},   {15, 12, 60},
                             {45, 40, 60},    {40, 38, 60}};
    quint16 offset = 0;
    for (const auto& [threshold, recovery, delay] : levels) {
        WriteSettings(regs, {{AlarmAt(offset), threshold},
                             {AlarmAt(quint16(offset + 1)), recovery},
                             {AlarmAt(quint16(offset + 2)), delay}});
        offset = quint16(offset + 3);
    }
    WriteSettings(regs, {{AlarmAt(Alarm::Occ.threshold), 40000, true},
                         {AlarmAt(Alarm::Occ.recovery), 35000, true},
                         {AlarmAt(Alarm::Occ.delay), 5},
                         {AlarmAt(Alarm::Ocd.threshold), 100000, true},
                         {AlarmAt(Alarm::Ocd.recovery), 90000, true},
                         {AlarmAt(Alarm::Ocd.delay), 2},
                         {AlarmAt(Alarm::Utc.threshold), 0},
                         {AlarmAt(Alarm::Utc.recovery), 3},
                         {AlarmAt(Alarm::Utc.delay), 10},
                         {AlarmAt(Alarm::Utd.threshold), -20},
                         {AlarmAt(Alarm::Utd.recovery), -18},
                         {AlarmAt(Alarm::Utd.delay), 10},
                         {AlarmAt(47), 10},
                         {AlarmAt(48), 600},
                         {AlarmAt(49), 100}});
}

int BatteryModel::stateOfCharge() const {
    return fullChargeCapacity_ ? int(std::lround(remaining_ * 100.0 / fullChargeCapacity_)) : 0;
}

void BatteryModel::advanceCharge() {
    ++phaseSteps_;
    switch (phase_) {
    case Phase::Charging:
        current_ = ChargeCurrent;
        if (remaining_ >= fullChargeCapacity_) {
            phase_ = Phase::Floating;
            phaseSteps_ = 0;
            ++cycleCount_;
        }
        break;
    case Phase::Floating:
        current_ = FloatCurrent;
        if (phaseSteps_ >= FloatSteps) {
            phase_ = Phase::Discharging;
            phaseSteps_ = 0;
        }
        break;
    case Phase::Discharging:
        current_ = phaseSteps_ % DischargePulseEvery == 0
                       ? DischargePulse
                       : DischargeCurrent + qint32(DischargeSwing * std::sin(phaseSteps_ / 7.0));
        if (stateOfCharge() <= DischargedPercent) {
            phase_ = Phase::Charging;
            phaseSteps_ = 0;
        }
        break;
    }
    remaining_ = std::clamp(remaining_ + current_ * double(StepSeconds) / 3600.0, 0.0,
                            double(fullChargeCapacity_));
    averageCurrent_ = (3 * averageCurrent_ + current_) / 4;
    ambientTenths_ = std::clamp(ambientTenths_ + int(noise_() % 5) - 2, 200, 280);
}

void BatteryModel::advanceTest(double seconds) {
    // The current of the moment the step starts holds for the step; a test stepped at least
    // once a current lasts sees every change.
    const bool other = test_.stepSeconds > 0 &&
                       std::fmod(testSeconds_, 2 * test_.stepSeconds) >= test_.stepSeconds;
    const bool ended = std::any_of(cellCharge_.begin(), cellCharge_.end(),
                                   [](double charge) { return charge <= 0; });
    current_ =
        ended ? 0 : -qint32(std::lround((other ? test_.stepAmps : test_.dischargeAmps) * 1000));
    testSeconds_ += seconds;
    for (double& charge : cellCharge_)
        charge = std::max(0.0, charge + current_ * seconds / 3600.0);
    remaining_ =
        std::clamp(remaining_ + current_ * seconds / 3600.0, 0.0, double(fullChargeCapacity_));
    averageCurrent_ = (3 * averageCurrent_ + current_) / 4;
}

void BatteryModel::measureCells() {
    // A flat middle, a steep rise when nearly full and a fall when nearly empty.
    const auto openCircuit = [](double soc) {
        return 3000 + 3 * soc + std::max(0.0, soc - 90) * 15 - std::max(0.0, 10 - soc) * 30;
    };
    const int soc = stateOfCharge();
    const int heating = std::abs(current_) / 10000;
    for (int i = 0; i < cellCount_; ++i) {
        const int noise = int(noise_() % 5) - 2;
        const double cellSoc =
            test_.Active() ? cellCharge_[i] * 100 / cellCapacity_[i] : soc + cellSocLead_[i];
        const int voltage = int(std::lround(openCircuit(cellSoc))) +
                            int(std::trunc(current_ * cellResistance_[i] / 1000)) +
                            cellOffsets_[i] + noise;
        voltages_[i] = quint16(std::clamp(voltage, 0, 65535));
        temperatures_[i] = qint16(ambientTenths_ / 10 + 2 + heating + cellWarmth_[i]);
    }
}

void BatteryModel::step(RegisterSpace& regs, quint32 now, double seconds) {
    if (test_.Active())
        advanceTest(seconds);
    else
        advanceCharge();
    measureCells();
    judgeProtections(regs, now, int(std::lround(seconds)));
    publish(regs);
}

BatteryModel::Reading BatteryModel::reading(int safetyBit) const {
    const int vAverage = Average(voltages_);
    const int tAverage = Average(temperatures_);
    const int vMax = IndexOfMax(voltages_), vMin = IndexOfMin(voltages_);
    const int tMax = IndexOfMax(temperatures_), tMin = IndexOfMin(temperatures_);
    const int ambient = ambientTenths_ / 10;
    switch (safetyBit) {
    case Safety::Cov:
        return {true, false, voltages_[vMax], vMax + 1};
    case Safety::Cuv:
        return {true, true, voltages_[vMin], vMin + 1};
    case Safety::Cova:
        return {true, false, voltages_[vMax] - vAverage, vMax + 1};
    case Safety::Cuva:
        return {true, false, vAverage - voltages_[vMin], vMin + 1};
    case Safety::Cot:
        return {true, false, temperatures_[tMax], tMax + 1};
    case Safety::Cut:
        return {true, true, temperatures_[tMin], tMin + 1};
    case Safety::Cota:
        return {true, false, temperatures_[tMax] - tAverage, tMax + 1};
    case Safety::Otaa:
        return {true, false, tAverage - ambient, 0};
    case Safety::Aot:
        return {true, false, tAverage, 0};
    case Safety::Otamb:
        return {true, false, ambient, 0};
    case Safety::Occ:
        return {current_ > 0, false, current_, 0};
    case Safety::Ocd:
        return {current_ < 0, false, -current_, 0};
    case Safety::Utc:
        return {current_ > 0, true, temperatures_[tMin], tMin + 1};
    case Safety::Utd:
        return {current_ < 0, true, temperatures_[tMin], tMin + 1};
    }
    return {false, false, 0, 0};
}

void BatteryModel::judgeProtections(RegisterSpace& regs, quint32 now, int seconds) {
    for (Protection& p : protections_) {
        const Reading r = reading(p.where.safetyBit);
        const int threshold = Level(regs, p.where, p.where.threshold);
        const int recovery = Level(regs, p.where, p.where.recovery);
        const bool beyond = r.lowSide ? r.value < threshold : r.value > threshold;
        const bool recovered = r.lowSide ? r.value > recovery : r.value < recovery;
        if (!p.alert && r.applies && beyond) {
            p.alert = true;
            p.heldSeconds = 0;
        } else if (p.alert && (!r.applies || recovered)) {
            p = Protection{p.where};
        }
        if (!p.alert)
            continue;
        p.heldSeconds += seconds;
        if (!p.tripped && p.heldSeconds >= int(regs.word(AlarmAt(p.where.delay)))) {
            p.tripped = true;
            JournalRing::Append(regs, {now, quint16(p.where.safetyBit), quint16(r.cell)});
        }
    }
}

quint32 BatteryModel::safetyBits(bool tripped) const {
    quint32 bits = 0;
    for (const Protection& p : protections_) {
        if (tripped ? p.tripped : p.alert)
            bits |= 1u << p.where.safetyBit;
    }
    return bits;
}

quint16 BatteryModel::cellFlags(int cell, const RegisterSpace& regs) const {
    const auto level = [&](const Alarm::Protection& p) { return Level(regs, p, p.threshold); };
    const int v = voltages_[cell];
    const int t = temperatures_[cell];
    const int vAverage = Average(voltages_);
    const int tAverage = Average(temperatures_);
    const int vMin = voltages_[IndexOfMin(voltages_)];
    const int balanceFrom = regs.word(ChargeAt(ChargeSettings::BalanceDifferenceThreshold));
    quint16 flags = 0;
    const auto flag = [&flags](bool on, quint16 bit) {
        if (on)
            flags |= bit;
    };
    flag(v > level(Alarm::Cov), CellBit::Ov);
    flag(v < level(Alarm::Cuv), CellBit::Uv);
    flag(v - vAverage > level(Alarm::Cova), CellBit::Ova);
    flag(vAverage - v > level(Alarm::Cuva), CellBit::Uva);
    flag(t > level(Alarm::Cot), CellBit::Ot);
    flag(t < level(Alarm::Cut), CellBit::Ut);
    flag(t - tAverage > level(Alarm::Cota), CellBit::Ota);
    flag(t == temperatures_[IndexOfMax(temperatures_)], CellBit::Tmax);
    flag(t == temperatures_[IndexOfMin(temperatures_)], CellBit::Tmin);
    flag(v == voltages_[IndexOfMax(voltages_)], CellBit::Vmax);
    flag(v == vMin, CellBit::Vmin);
    flag(phase_ != Phase::Discharging && v - vMin > balanceFrom, CellBit::Balance);
    return flags;
}

void BatteryModel::publish(RegisterSpace& regs) const {
    regs.setDword(Status::DesignCapacity, DesignCapacity);
    regs.setWord(Status::DesignCellNumber, quint16(cellCount_));

    bool balancing = false;
    quint32 packVoltage = 0;
    for (int i = 0; i < MaxCells; ++i) {
        const bool present = i < cellCount_;
        const quint16 flags = present ? cellFlags(i, regs) : 0;
        balancing = balancing || (flags & CellBit::Balance);
        packVoltage += present ? voltages_[i] : 0;
        regs.setWord(quint16(Status::CellVoltages + i), present ? voltages_[i] : 0);
        regs.setWord(quint16(Status::CellTemperatures + i),
                     present ? quint16(temperatures_[i]) : 0);
        regs.setWord(quint16(Status::CellStatuses + i), flags);
    }
    regs.setDword(Status::PackVoltageSum, packVoltage);
    regs.setDword(Status::PackCurrent, quint32(current_));
    const qint32 leakage = regs.word(ChargeAt(ChargeSettings::LeakageCurrent));
    regs.setDword(Status::PackCurrentLeakage, quint32(current_ - leakage));
    regs.setDword(Status::PackCurrentAverage, quint32(averageCurrent_));
    regs.setWord(Status::CellVoltageAverage, quint16(Average(voltages_)));
    regs.setWord(Status::CellVoltageMax, voltages_[IndexOfMax(voltages_)]);
    regs.setWord(Status::CellVoltageMin, voltages_[IndexOfMin(voltages_)]);
    regs.setWord(Status::CellTempAverage, quint16(Average(temperatures_)));
    regs.setWord(Status::CellTempMax, quint16(temperatures_[IndexOfMax(temperatures_)]));
    regs.setWord(Status::CellTempMin, quint16(temperatures_[IndexOfMin(temperatures_)]));
    regs.setWord(Status::TemperatureAmbient, quint16(ambientTenths_));
    publishCharge(regs);

    const int soc = stateOfCharge();
    const quint32 tripped = safetyBits(true);
    const auto any = [tripped](std::initializer_list<int> bits) {
        return std::any_of(bits.begin(), bits.end(), [tripped](int b) { return tripped >> b & 1; });
    };
    const bool full = phase_ == Phase::Floating;
    const bool empty = soc <= 5;
    const bool low = soc < regs.word(ChargeAt(ChargeSettings::RemainingCapacityAlarmPercent));
    const bool high = soc > regs.word(ChargeAt(ChargeSettings::MaxChargeCapacityAlarmPercent));
    const bool discharging = current_ < 0;
    const bool stopCharge = any({Safety::Cov, Safety::Occ, Safety::Cot, Safety::Utc});
    const bool stopDischarge = any({Safety::Cuv, Safety::Ocd, Safety::Utd});

    quint16 chargeStatus = (full ? ChargeBit::FullyCharged | ChargeBit::Float : 0) |
                           (empty ? ChargeBit::FullyDischarged : 0) |
                           (discharging ? ChargeBit::Discharging : 0) |
                           (balancing ? ChargeBit::Balancing : 0);
    const quint16 chargeAlert =
        (low ? ChargeBit::LowCharge : 0) | (high ? ChargeBit::HighCharge : 0);
    regs.setWord(Status::ChargeAlert, chargeAlert);
    regs.setWord(Status::ChargeStatus, quint16(chargeStatus | chargeAlert));
    regs.setDword(Status::SafetyAlert, safetyBits(false));
    regs.setDword(Status::SafetyStatus, tripped);

    using namespace BatteryStatusBit;
    regs.setWord(Status::BatteryStatus,
                 quint16((empty ? FullyDischarged : 0) | (full ? FullyCharged : 0) |
                         (discharging ? Discharging : 0) | (low ? LowCharge : 0) |
                         (stopDischarge ? TerminateDischarge : 0) |
                         (any({Safety::Cot, Safety::Aot}) ? Overtemperature : 0) |
                         (stopCharge ? TerminateCharge : 0) |
                         (any({Safety::Cov}) ? Overcharged : 0)));
    // Outputs 1 to 4: charge stop, discharge stop, reduced (float) charge, low charge.
    regs.setWord(Status::DinDoutStatus, quint16((stopCharge ? 1 : 0) | (stopDischarge ? 2 : 0) |
                                                (full ? 4 : 0) | (low ? 8 : 0)));
    const qint32 chargingCurrent = phase_ == Phase::Charging   ? ChargeCurrent
                                   : phase_ == Phase::Floating ? FloatCurrent
                                                               : 0;
    regs.setWord(Status::ChargingCurrent, quint16(chargingCurrent / 10));
    regs.setWord(Status::ChargingVoltage,
                 quint16(std::min<quint32>(
                     quint32(regs.word(ChargeAt(ChargeSettings::ChargeVoltage))) * cellCount_ / 10,
                     0xFFFF)));
}

void BatteryModel::publishCharge(RegisterSpace& regs) const {
    const int soc = stateOfCharge();
    regs.setWord(Status::RelativeStateOfCharge, quint16(std::clamp(soc, 0, 100)));
    regs.setWord(
        Status::AbsoluteStateOfCharge,
        quint16(std::clamp(int(std::lround(remaining_ * 100.0 / DesignCapacity)), 0, 100)));
    regs.setDword(Status::RemainingPackCapacity, quint32(qint32(std::lround(remaining_))));
    regs.setDword(Status::FullChargeCapacity, fullChargeCapacity_);
    regs.setWord(Status::RunTimeToEmpty,
                 current_ < 0 ? Minutes(remaining_, current_) : NotApplicableMinutes);
    regs.setWord(Status::AverageTimeToEmpty,
                 averageCurrent_ < 0 ? Minutes(remaining_, averageCurrent_) : NotApplicableMinutes);
    regs.setWord(Status::AverageTimeToFull,
                 averageCurrent_ > 0 ? Minutes(fullChargeCapacity_ - remaining_, averageCurrent_)
                                     : NotApplicableMinutes);
    regs.setWord(Status::CycleCount, cycleCount_);
}

// Both are stored as given so that they read back unchanged; the next step brings the charge
// back within 0 .. full capacity.
void BatteryModel::setRemainingCapacity(qint32 mAh) {
    remaining_ = mAh;
}

void BatteryModel::setFullChargeCapacity(quint32 mAh) {
    fullChargeCapacity_ = mAh;
}

void BatteryModel::setCycleCount(quint16 count) {
    cycleCount_ = count;
}
