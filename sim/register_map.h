#pragma once

#include "register_image.h"

#include <QtGlobal>

// Where the controller keeps what: the five register blocks, the status values the battery model
// fills, the alarm thresholds it compares them with, the journal ring and the command codes.
namespace SimMap {

struct BlockSpan {
    quint16 start;
    int size;
};

inline constexpr BlockSpan StatusBlock{StatusBlockStart, StatusBlockWords};
inline constexpr BlockSpan CommSettingsBlock{CommSettingsBlockStart, CommSettingsBlockWords};
inline constexpr BlockSpan ChargeSettingsBlock{ChargeSettingsBlockStart, ChargeSettingsBlockWords};
inline constexpr BlockSpan AlarmSettingsBlock{AlarmSettingsBlockStart, AlarmSettingsBlockWords};
inline constexpr BlockSpan JournalBlock{JournalBlockStart, JournalBlockWords};
inline constexpr BlockSpan Blocks[] = {StatusBlock, CommSettingsBlock, ChargeSettingsBlock,
                                       AlarmSettingsBlock, JournalBlock};

// Status block; a 32-bit value takes two registers, low word first.
namespace Status {
inline constexpr quint16 DesignCapacity = 0;
inline constexpr quint16 DesignCellNumber = 2;
inline constexpr quint16 FirmwareVersion = 6;
inline constexpr quint16 PackVoltageSum = 8;
inline constexpr quint16 PackCurrent = 10;
inline constexpr quint16 PackCurrentLeakage = 12;
inline constexpr quint16 PackCurrentAverage = 14;
inline constexpr quint16 CellVoltageAverage = 16;
inline constexpr quint16 CellVoltageMax = 17;
inline constexpr quint16 CellVoltageMin = 18;
inline constexpr quint16 CellTempAverage = 19;
inline constexpr quint16 CellTempMax = 20;
inline constexpr quint16 CellTempMin = 21;
inline constexpr quint16 TemperatureAmbient = 22; // 0.1 degC
inline constexpr quint16 RelativeStateOfCharge = 23;
inline constexpr quint16 AbsoluteStateOfCharge = 24;
inline constexpr quint16 RemainingPackCapacity = 26;
inline constexpr quint16 FullChargeCapacity = 28;
inline constexpr quint16 RunTimeToEmpty = 30;
inline constexpr quint16 AverageTimeToEmpty = 31;
inline constexpr quint16 AverageTimeToFull = 32;
inline constexpr quint16 BatteryMode = 33;
inline constexpr quint16 BatteryStatus = 34;
inline constexpr quint16 CycleCount = 35;
inline constexpr quint16 SafetyAlert = 36;
inline constexpr quint16 SafetyStatus = 38;
inline constexpr quint16 ChargeAlert = 40;
inline constexpr quint16 ChargeStatus = 41;
inline constexpr quint16 DinDoutStatus = 42;
inline constexpr quint16 ChargingCurrent = 43; // 10 mA
inline constexpr quint16 ChargingVoltage = 44; // 10 mV
inline constexpr quint16 Command = 45;
inline constexpr quint16 CommandValue = 46;
inline constexpr quint16 RtcTimeValue = 48;
inline constexpr quint16 CellVoltages = CellVoltageOffset;
inline constexpr quint16 CellTemperatures = CellTemperatureOffset;
inline constexpr quint16 CellStatuses = CellStatusOffset;
} // namespace Status

// The application's version at start, 1.205; each accepted firmware update adds one.
inline constexpr quint32 InitialFirmwareVersion = 1205;

inline constexpr quint16 LoginBit = 1u << 5; // Battery_Mode: a password login is in force

namespace CellBit {
inline constexpr quint16 Ov = 1u << 0;
inline constexpr quint16 Uv = 1u << 1;
inline constexpr quint16 Ova = 1u << 2;
inline constexpr quint16 Uva = 1u << 3;
inline constexpr quint16 Ot = 1u << 4;
inline constexpr quint16 Ut = 1u << 5;
inline constexpr quint16 Ota = 1u << 6;
inline constexpr quint16 Tmax = 1u << 8;
inline constexpr quint16 Tmin = 1u << 9;
inline constexpr quint16 Vmax = 1u << 10;
inline constexpr quint16 Vmin = 1u << 11;
inline constexpr quint16 Balance = 1u << 12;
} // namespace CellBit

// Safety_Alert / Safety_Status bit numbers; the journal numbers its events the same way.
namespace Safety {
inline constexpr int Cov = 0;
inline constexpr int Cuv = 1;
inline constexpr int Cova = 2;
inline constexpr int Cuva = 3;
inline constexpr int Cot = 4;
inline constexpr int Cut = 5;
inline constexpr int Cota = 6;
inline constexpr int Otaa = 8;
inline constexpr int Aot = 9;
inline constexpr int Otamb = 10;
inline constexpr int Occ = 12;
inline constexpr int Ocd = 13;
inline constexpr int Utc = 14;
inline constexpr int Utd = 15;
inline constexpr int Count = 20;
} // namespace Safety

namespace ChargeBit {
inline constexpr quint16 FullyCharged = 1u << 0;
inline constexpr quint16 FullyDischarged = 1u << 1;
inline constexpr quint16 Float = 1u << 2;
inline constexpr quint16 Discharging = 1u << 3;
inline constexpr quint16 LowCharge = 1u << 4;
inline constexpr quint16 HighCharge = 1u << 5;
inline constexpr quint16 Balancing = 1u << 7;
} // namespace ChargeBit

namespace BatteryStatusBit {
inline constexpr quint16 FullyDischarged = 1u << 4;
inline constexpr quint16 FullyCharged = 1u << 5;
inline constexpr quint16 Discharging = 1u << 6;
inline constexpr quint16 LowCharge = 1u << 9;
inline constexpr quint16 TerminateDischarge = 1u << 11;
inline constexpr quint16 Overtemperature = 1u << 12;
inline constexpr quint16 TerminateCharge = 1u << 14;
inline constexpr quint16 Overcharged = 1u << 15;
} // namespace BatteryStatusBit

// Offsets inside the charge settings block.
namespace ChargeSettings {
inline constexpr quint16 CfVoltage = 0;
inline constexpr quint16 ChargeVoltage = 16;
inline constexpr quint16 ChargeCurrent = 18;
inline constexpr quint16 BalanceDifferenceThreshold = 22;
inline constexpr quint16 BalanceDifferenceRecovery = 23;
inline constexpr quint16 DesignCapacity1Ah = 36;
inline constexpr quint16 DesignCellNumber = 40;
inline constexpr quint16 RemainingCapacityAlarmPercent = 41;
inline constexpr quint16 MaxChargeCapacityAlarmPercent = 42;
inline constexpr quint16 LeakageCurrent = 43;
} // namespace ChargeSettings

// Offsets inside the alarm settings block: a threshold, a recovery level and a delay in seconds
// per protection. The two current protections hold 32-bit levels.
namespace Alarm {
struct Protection {
    int safetyBit;
    quint16 threshold;
    quint16 recovery;
    quint16 delay;
    bool wide; // 32-bit signed levels
};
inline constexpr Protection Cov{Safety::Cov, 0, 1, 2, false};
inline constexpr Protection Cuv{Safety::Cuv, 3, 4, 5, false};
inline constexpr Protection Cova{Safety::Cova, 6, 7, 8, false};
inline constexpr Protection Cuva{Safety::Cuva, 9, 10, 11, false};
inline constexpr Protection Cot{Safety::Cot, 12, 13, 14, false};
inline constexpr Protection Cut{Safety::Cut, 15, 16, 17, false};
inline constexpr Protection Cota{Safety::Cota, 18, 19, 20, false};
inline constexpr Protection Otaa{Safety::Otaa, 21, 22, 23, false};
inline constexpr Protection Aot{Safety::Aot, 24, 25, 26, false};
inline constexpr Protection Otamb{Safety::Otamb, 27, 28, 29, false};
inline constexpr Protection Occ{Safety::Occ, 30, 32, 34, true};
inline constexpr Protection Ocd{Safety::Ocd, 36, 38, 40, true};
inline constexpr Protection Utc{Safety::Utc, 41, 42, 43, false};
inline constexpr Protection Utd{Safety::Utd, 44, 45, 46, false};
} // namespace Alarm

// The journal: 768 records of four registers (time low, time high, event code, cell), filled as a
// ring in pages of 256; an empty slot holds the time 0xFFFFFFFF and marks the write position.
namespace Journal {
inline constexpr int RecordWords = 4;
inline constexpr int Records = 768;
inline constexpr int PageRecords = 256;
inline constexpr quint32 EmptyTime = 0xFFFFFFFF;
} // namespace Journal

// Codes written into the Command register, the parameter into Command_Value.
namespace CommandCode {
inline constexpr quint16 Calibrate = 1;
inline constexpr quint16 SetClock = 2;
inline constexpr quint16 ClearJournal = 3;
inline constexpr quint16 Login = 4;
inline constexpr quint16 Logout = 5;
inline constexpr quint16 NewPassword = 6;
inline constexpr quint16 SetRemainingCapacity = 7;
inline constexpr quint16 SetFullChargeCapacity = 8;
inline constexpr quint16 SetCycleCount = 9;
inline constexpr quint16 SetMode = 10;
} // namespace CommandCode

// The bootloader: its private function codes, its two register blocks and its flash.
namespace Boot {
inline constexpr quint8 Init = 0x30;
inline constexpr quint8 Erase = 0x20;
inline constexpr quint8 Write = 0x21;
inline constexpr quint8 Finish = 0x31;
inline constexpr quint8 InitMark = 0x01;
inline constexpr quint8 SpecialCode = 0x01;
inline constexpr quint8 StatusDone = 0x01;
inline constexpr quint8 ProgramArea = 0;
inline constexpr quint8 SettingsArea = 1;
inline constexpr int MaxPacketBytes = 240;
inline constexpr BlockSpan Registers{0, 11};
inline constexpr BlockSpan ProgramData{4248, 18};
inline constexpr quint16 FlashFreeRegister = 9;
inline constexpr quint16 AppIntegrityRegister = 10;
inline constexpr quint32 FlashBase = 0x08002000;
inline constexpr quint16 FlashSizeKb = 256;
inline constexpr quint16 FlashFreeKb = 248; // what the 8 kB bootloader leaves
} // namespace Boot

} // namespace SimMap
