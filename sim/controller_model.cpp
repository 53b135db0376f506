#include "controller_model.h"

#include "journal_ring.h"
#include "modbus_slave.h"
#include "register_map.h"

using namespace SimMap;

namespace {

constexpr quint8 IllegalDataAddress = 2;
constexpr quint8 IllegalDataValue = 3;

bool Covers(quint16 first, int count, quint16 address) {
    return address >= first && address < first + count;
}

// The controller keeps the settings it cannot work with: a cell count beyond its 200 cells (or
// none) is acknowledged like any write but not taken.
void KeepUnworkableSettings(RegisterSpace& regs, quint16 first, int count,
                            const QList<quint16>& before) {
    const quint16 cells = ChargeSettingsBlock.start + ChargeSettings::DesignCellNumber;
    if (!Covers(first, count, cells))
        return;
    const quint16 value = regs.word(cells);
    if (value < 1 || value > MaxCells)
        regs.setWord(cells, before[cells - first]);
}

// The clock of a test that runs `speed` times faster.
std::function<qint64()> Faster(const std::function<qint64()>& monotonicMs, double speed) {
    if (speed == 1)
        return monotonicMs;
    return [monotonicMs, speed] { return qint64(double(monotonicMs()) * speed); };
}

} // namespace

ControllerModel::ControllerModel(quint8 address, int cellCount, bool animate,
                                 const BootloaderModel::Timing& bootTiming, const ModelClock& clock,
                                 const BatteryTest& test)
    : battery_(cellCount, test), boot_(bootTiming, InitialFirmwareVersion),
      monotonicMs_(Faster(clock.monotonicMs, test.Active() ? test.speed : 1)),
      clock_(clock.localSeconds(), monotonicMs_), testing_(test.Active()),
      steppedAtMs_(monotonicMs_()), animate_(animate) {
    BatteryModel::WriteDefaultSettings(regs_, cellCount, address);
    JournalRing::Clear(regs_);
    battery_.publish(regs_);
    // The application reports the version of the program in flash.
    regs_.setDword(Status::FirmwareVersion, boot_.programVersion());
    refreshClock();
}

bool ControllerModel::inBootloader(qint64 nowMs) {
    // The application started from the new image reports that image's version.
    if (boot_.restartDue(nowMs))
        regs_.setDword(Status::FirmwareVersion, boot_.programVersion());
    return boot_.running();
}

SimReply ControllerModel::answer(QByteArrayView request, qint64 nowMs) {
    if (inBootloader(nowMs) || quint8(request[1]) == Boot::Init)
        return boot_.answer(request, nowMs);
    return {ModbusSlave::Answer(request, *this)};
}

void ControllerModel::refreshClock() {
    regs_.setDword(Status::RtcTimeValue, clock_.now());
}

void ControllerModel::followClockRegisters(quint16 first, int count) {
    if (Covers(first, count, Status::RtcTimeValue) ||
        Covers(first, count, Status::RtcTimeValue + 1))
        clock_.set(regs_.dword(Status::RtcTimeValue));
}

quint8 ControllerModel::readRegisters(quint16 first, int count, QList<quint16>* values) {
    if (!regs_.contains(first, count))
        return IllegalDataAddress;
    // A read from register 0 opens every polling cycle: the battery moves on once per cycle.
    if (animate_ && first == StatusBlock.start)
        step();
    refreshClock();
    *values = regs_.read(first, count);
    return 0;
}

quint8 ControllerModel::writeRegisters(quint16 first, std::span<const quint16> values) {
    const int count = int(values.size());
    if (!regs_.contains(first, count))
        return IllegalDataAddress;
    const QList<quint16> before = regs_.read(first, count);
    const DeviceClock clockBefore = clock_;
    regs_.write(first, values);
    KeepUnworkableSettings(regs_, first, count, before);
    followClockRegisters(first, count);
    if (!Covers(first, count, Status::Command))
        return 0;
    const quint8 refused = runCommand();
    // A refused command leaves the registers and the clock as they were, as a refused request
    // should: the clock words of the same write are not taken either.
    if (refused) {
        regs_.write(first, before);
        clock_ = clockBefore;
    }
    return refused;
}

bool ControllerModel::setRegisters(quint16 first, std::span<const quint16> values) {
    if (!regs_.write(first, values))
        return false;
    followClockRegisters(first, int(values.size()));
    return true;
}

QList<quint16> ControllerModel::registers(quint16 first, int count) {
    refreshClock();
    return regs_.read(first, count);
}

void ControllerModel::step() {
    // A test moves on by the time since its last step, the round by one step of its own.
    const qint64 now = monotonicMs_();
    const double seconds = testing_ ? double(now - steppedAtMs_) / 1000 : BatteryModel::StepSeconds;
    steppedAtMs_ = now;
    battery_.step(regs_, clock_.now(), seconds);
}

void ControllerModel::appendJournalEvent(quint16 code, quint16 cell, quint32 secondsAgo) {
    JournalRing::Append(regs_, {clock_.now() - qMin(secondsAgo, clock_.now()), code, cell});
}

quint8 ControllerModel::runCommand() {
    const quint32 value = regs_.dword(Status::CommandValue);
    // The password travels as four code-page bytes, the first one in the lowest bits.
    QByteArray packed;
    for (int shift = 0; shift < 32; shift += 8)
        packed.append(char(value >> shift & 0xFF));
    const quint16 mode = regs_.word(Status::BatteryMode);
    switch (regs_.word(Status::Command)) {
    case 0:
    case CommandCode::Calibrate:
    case CommandCode::SetMode:
        break;
    case CommandCode::SetClock:
        clock_.set(value);
        refreshClock();
        break;
    case CommandCode::ClearJournal:
        JournalRing::Clear(regs_);
        break;
    case CommandCode::Login:
        regs_.setWord(Status::BatteryMode, packed == password_ ? quint16(mode | LoginBit) : mode);
        break;
    case CommandCode::Logout:
        regs_.setWord(Status::BatteryMode, quint16(mode & ~LoginBit));
        break;
    case CommandCode::NewPassword:
        password_ = packed;
        break;
    case CommandCode::SetRemainingCapacity:
        battery_.setRemainingCapacity(qint32(value));
        battery_.publishCharge(regs_);
        break;
    case CommandCode::SetFullChargeCapacity:
        battery_.setFullChargeCapacity(value);
        battery_.publishCharge(regs_);
        break;
    case CommandCode::SetCycleCount:
        battery_.setCycleCount(quint16(value));
        battery_.publishCharge(regs_);
        break;
    default:
        return IllegalDataValue;
    }
    return 0;
}
