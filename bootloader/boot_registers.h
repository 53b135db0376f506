#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <QtGlobal>

// The two register blocks the bootloader reads: its own registers from address 0 and the data of
// the application in flash from address 4248.

inline constexpr quint16 BootRegistersStart = 0;
inline constexpr quint16 BootRegistersCount = 11;
inline constexpr quint16 ProgramDataStart = 4248;
inline constexpr quint16 ProgramDataCount = 18;

struct BootRegisterBlock {
    quint32 IDREG0 = 0;
    quint32 IDREG1 = 0;
    quint32 IDREG2 = 0;
    quint32 IDREG3 = 0;
    quint32 REVISION = 0;
    quint32 DEVICE_ID = 0;
    quint32 FLASH_SIZE = 0;
    quint32 FLASH_FREE = 0; // kilobytes of free application flash
    quint32 AppIntegrityFalse = 0;
    friend bool operator==(const BootRegisterBlock&, const BootRegisterBlock&) = default;
};

// The last block read from register 0, kept for the life of the program; all zero at start.
extern BootRegisterBlock BootloaderRegisters;

// The block from the fixed positions of a read reply (data byte 0 is reply byte 3). Positions
// past a short reply read as the receive buffer holds them: its CRC bytes, then zeros.
BootRegisterBlock DecodeBootRegisters(QByteArrayView reply);
// "Регистры загрузчика:" and its nine lines.
QStringList BootRegisterLines(const BootRegisterBlock& block);
// "Данные основной программы:" and the five lines of the program data block in the reply.
QStringList ProgramDataLines(QByteArrayView reply);
