#include "boot_registers.h"

#include "boot_frames.h"

#include <QCoreApplication>
#include <QStringDecoder>

BootRegisterBlock BootloaderRegisters;

namespace {

constexpr qsizetype DataStart = 3;

quint16 Register(QByteArrayView reply, int k) {
    return quint16(ReplyByte(reply, DataStart + 2 * k) << 8 |
                   ReplyByte(reply, DataStart + 2 * k + 1));
}

// Two registers, the lower-addressed one the low half.
quint32 Register32(QByteArrayView reply, int k) {
    return Register(reply, k) | quint32(Register(reply, k + 1)) << 16;
}

// The compile date and time as 19 characters: registers 8 to 12 whole, the low byte of
// register 13, a blank for its high byte, registers 14 to 16 whole and the low byte of 17. Each
// register holds two characters, the low byte first.
QString CompileDate(QByteArrayView reply) {
    QByteArray text;
    const auto both = [&](int k) {
        text.append(char(Register(reply, k) & 0xFF));
        text.append(char(Register(reply, k) >> 8));
    };
    for (int k = 8; k <= 12; ++k)
        both(k);
    text.append(char(Register(reply, 13) & 0xFF));
    text.append(' ');
    for (int k = 14; k <= 16; ++k)
        both(k);
    text.append(char(Register(reply, 17) & 0xFF));
    // An empty field holds zero bytes, which a memo line cannot show.
    text.replace('\0', ' ');
    return QStringDecoder("windows-1251").decode(text);
}

} // namespace

BootRegisterBlock DecodeBootRegisters(QByteArrayView reply) {
    return {Register(reply, 0),   Register(reply, 1), Register32(reply, 2),
            Register32(reply, 4), Register(reply, 6), Register(reply, 7),
            Register(reply, 8),   Register(reply, 9), Register(reply, 10)};
}

QStringList BootRegisterLines(const BootRegisterBlock& block) {
    return {QCoreApplication::translate("BootRegisters", "Регистры загрузчика:"),
            QStringLiteral("IDREG0 = 0x") + HexText(block.IDREG0, 4),
            QStringLiteral("IDREG1 = 0x") + HexText(block.IDREG1, 4),
            QStringLiteral("IDREG2 = 0x") + HexText(block.IDREG2, 8),
            QStringLiteral("IDREG3 = 0x") + HexText(block.IDREG3, 8),
            QStringLiteral("REVISION    = 0x") + HexText(block.REVISION, 4),
            QStringLiteral("DEVICE_ID   = 0x") + HexText(block.DEVICE_ID, 4),
            QStringLiteral("FLASH_SIZE  = 0x") + HexText(block.FLASH_SIZE, 4),
            QStringLiteral("FLASH_FREE = 0x") + HexText(block.FLASH_FREE, 4),
            QStringLiteral("AppIntegrityFalse = 0x") + HexText(block.AppIntegrityFalse, 4)};
}

QStringList ProgramDataLines(QByteArrayView reply) {
    const auto signed32 = [&](int k) { return qint64(qint32(Register32(reply, k))); };
    return {
        QCoreApplication::translate("BootRegisters", "Данные основной программы:"),
        QCoreApplication::translate("BootRegisters", "Размер программы = ") +
            QString::number(signed32(0) + 304) + QCoreApplication::translate("BootRegisters", "кБ"),
        QCoreApplication::translate("BootRegisters", "Версия программы = ") +
            QString::number(signed32(2)),
        QCoreApplication::translate("BootRegisters", "Регистр статуса программы = 0x") +
            HexText(Register32(reply, 4), 8),
        QCoreApplication::translate("BootRegisters", "Версия компилятора = ") +
            QString::number(signed32(6)),
        QCoreApplication::translate("BootRegisters", "Дата компиляции = ") + CompileDate(reply)};
}
