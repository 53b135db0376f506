#include "bootloader_model.h"

#include "modbus_frames.h"
#include "modbus_slave.h"
#include "register_map.h"

#include <QDateTime>
#include <QLocale>

using namespace SimMap;

namespace {

constexpr quint8 IllegalFunction = 1;
constexpr quint8 IllegalDataAddress = 2;
constexpr quint8 IllegalDataValue = 3;
constexpr quint8 DeviceFailure = 4;
constexpr quint8 Erased = 0xFF;
constexpr int ShortRequestBytes = 5; // address, function, one byte, CRC
constexpr int WriteHeaderBytes = 7;  // address, function, flash address, length
constexpr int CrcBytes = 2;
// The program size register counts the kilobytes beyond 304.
constexpr int ProgramSizeOffsetKb = 304;
constexpr quint32 CompilerVersion = 6020000;
constexpr int InitialProgramKb = 96;
constexpr quint32 Crc32Polynomial = 0x04C11DB7;

// IDREG0 to AppIntegrityFalse as the registers hold them, 32-bit values low half first.
const QList<quint16> FirstRegisters = {0x3F21,
                                       0x0032,
                                       0x5118,
                                       0x3438,
                                       0x3650,
                                       0x2037,
                                       0x1001,
                                       0x0413,
                                       Boot::FlashSizeKb,
                                       Boot::FlashFreeKb,
                                       0x0000};

quint8 Byte(QByteArrayView bytes, qsizetype i) {
    return quint8(bytes[i]);
}

QByteArray Reply(quint8 address, quint8 function, std::initializer_list<quint8> body) {
    QByteArray reply;
    reply.append(char(address));
    reply.append(char(function));
    for (quint8 b : body)
        reply.append(char(b));
    AppendCrc(reply);
    return reply;
}

// "Mmm dd yyyy", a zero byte, "hh:mm:ss": the compiler's date and time of the program.
QByteArray CompileDateText(const QDateTime& when) {
    const QLocale c = QLocale::c();
    return c.toString(when, QStringLiteral("MMM dd yyyy")).toLatin1() + '\0' +
           c.toString(when, QStringLiteral("hh:mm:ss")).toLatin1();
}

} // namespace

BootloaderModel::BootloaderModel(const Timing& timing, quint32 programVersion)
    : timing_(timing), registers_(FirstRegisters), flash_(Boot::FlashFreeKb * 1024, char(Erased)),
      programVersion_(programVersion),
      compileDate_(CompileDateText(QDateTime(QDate(2024, 6, 3), QTime(14, 27, 35)))) {
    // The application that runs at start is in flash as if programmed.
    const QByteArray running = DemoImage(InitialProgramKb * 1024);
    flash_.replace(0, running.size(), running);
    programmedEnd_ = running.size();
    programSizeField_ = InitialProgramKb - ProgramSizeOffsetKb;
}

bool BootloaderModel::restartDue(qint64 nowMs) {
    if (!restartDueMs_ || nowMs < *restartDueMs_)
        return false;
    restartDueMs_.reset();
    running_ = false;
    return true;
}

SimReply BootloaderModel::answer(QByteArrayView request, qint64 nowMs) {
    const quint8 address = Byte(request, 0);
    const quint8 function = Byte(request, 1);
    switch (function) {
    case Boot::Init:
        if (request.size() != ShortRequestBytes || Byte(request, 2) != Boot::InitMark)
            return {ModbusSlave::ExceptionReply(address, function, IllegalDataValue)};
        running_ = true;
        restartDueMs_.reset();
        return {Reply(address, Boot::Init, {Boot::InitMark})};
    case FunctionReadHolding:
        return answerRead(request);
    case Boot::Erase:
        return {answerErase(request), timing_.eraseDelayMs};
    case Boot::Write:
        return {answerWrite(request), timing_.writeDelayMs};
    case Boot::Finish:
        return {answerFinish(request, nowMs)};
    default:
        return {ModbusSlave::ExceptionReply(address, function, IllegalFunction)};
    }
}

std::optional<QList<quint16>> BootloaderModel::readBlock(quint16 first, int count) const {
    for (const auto& [block, values] :
         {std::pair{Boot::Registers, registers_}, std::pair{Boot::ProgramData, programData()}})
        if (first >= block.start && first + count <= block.start + block.size)
            return values.mid(first - block.start, count);
    return std::nullopt;
}

SimReply BootloaderModel::answerRead(QByteArrayView request) const {
    return {ModbusSlave::AnswerRead(
        request, [this](quint16 first, int count, QList<quint16>* values) -> quint8 {
            const std::optional<QList<quint16>> block = readBlock(first, count);
            if (!block)
                return IllegalDataAddress;
            *values = *block;
            return 0;
        })};
}

QList<quint16> BootloaderModel::programData() const {
    QList<quint16> words;
    for (quint32 value :
         {quint32(programSizeField_), programVersion_, quint32(0), CompilerVersion}) {
        words.append(quint16(value & 0xFFFF));
        words.append(quint16(value >> 16));
    }
    // Two characters a register, the first in the low byte.
    for (qsizetype i = 0; i + 1 < compileDate_.size(); i += 2)
        words.append(quint16(Byte(compileDate_, i) | Byte(compileDate_, i + 1) << 8));
    return words;
}

QByteArray BootloaderModel::answerErase(QByteArrayView request) {
    const quint8 address = Byte(request, 0);
    if (request.size() != ShortRequestBytes)
        return ModbusSlave::ExceptionReply(address, Boot::Erase, IllegalDataValue);
    const quint8 area = Byte(request, 2);
    if (area == Boot::ProgramArea) {
        flash_.fill(char(Erased));
        programmedEnd_ = 0;
        registers_[Boot::AppIntegrityRegister] = 1;
    }
    const bool known = area == Boot::ProgramArea || area == Boot::SettingsArea;
    return Reply(address, Boot::Erase, {area, known ? Boot::StatusDone : quint8(0)});
}

QByteArray BootloaderModel::answerWrite(QByteArrayView request) {
    const quint8 address = Byte(request, 0);
    if (request.size() < WriteHeaderBytes + CrcBytes)
        return ModbusSlave::ExceptionReply(address, Boot::Write, IllegalDataValue);
    const int length = Byte(request, WriteHeaderBytes - 1);
    if (length > Boot::MaxPacketBytes || request.size() != WriteHeaderBytes + length + CrcBytes)
        return ModbusSlave::ExceptionReply(address, Boot::Write, IllegalDataValue);
    quint32 flashAddress = 0;
    for (int i = 2; i < 6; ++i)
        flashAddress = flashAddress << 8 | Byte(request, i);
    const qint64 offset = qint64(flashAddress) - Boot::FlashBase;
    if (offset < 0 || offset + length > flash_.size())
        return ModbusSlave::ExceptionReply(address, Boot::Write, IllegalDataAddress);
    const QByteArrayView data = request.sliced(WriteHeaderBytes, length);
    // Flash takes new bytes only where it is erased; a packet sent again writes the same bytes.
    for (int i = 0; i < length; ++i)
        if (Byte(flash_, offset + i) != Erased && flash_[offset + i] != data[i])
            return ModbusSlave::ExceptionReply(address, Boot::Write, DeviceFailure);
    flash_.replace(offset, length, data.toByteArray());
    programmedEnd_ = qMax(programmedEnd_, qsizetype(offset + length));
    return Reply(address, Boot::Write, {quint8(length)});
}

QByteArray BootloaderModel::answerFinish(QByteArrayView request, qint64 nowMs) {
    const quint8 address = Byte(request, 0);
    if (request.size() != ShortRequestBytes || Byte(request, 2) != Boot::SpecialCode)
        return ModbusSlave::ExceptionReply(address, Boot::Finish, IllegalDataAddress);
    if (programmedEnd_ == 0 || FlashCrc32(programmed()) != 0)
        return ModbusSlave::ExceptionReply(address, Boot::Finish, IllegalDataValue);
    acceptImage();
    restartDueMs_ = nowMs + timing_.restartDelayMs;
    return Reply(address, Boot::Finish, {Boot::SpecialCode, Boot::StatusDone});
}

void BootloaderModel::acceptImage() {
    ++programVersion_;
    programSizeField_ = qint32((programmedEnd_ + 1023) / 1024) - ProgramSizeOffsetKb;
    compileDate_ = CompileDateText(QDateTime::currentDateTime());
    registers_[Boot::AppIntegrityRegister] = 0;
}

quint32 FlashCrc32(QByteArrayView image) {
    quint32 crc = 0xFFFFFFFF;
    for (qsizetype word = 0; word < image.size(); word += 4)
        for (int k = 3; k >= 0; --k) {
            const quint8 b = word + k < image.size() ? Byte(image, word + k) : Erased;
            crc ^= quint32(b) << 24;
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 0x80000000u) ? (crc << 1) ^ Crc32Polynomial : crc << 1;
        }
    return crc;
}

QByteArray SealedImage(QByteArray content) {
    const quint32 crc = FlashCrc32(content);
    for (int shift = 0; shift < 32; shift += 8)
        content.append(char(crc >> shift & 0xFF));
    return content;
}

QByteArray DemoImage(int bytes) {
    QByteArray content;
    for (int i = 0; i < bytes - 4; ++i)
        content.append(char((i * 7 + i / 251) & 0xFF));
    return SealedImage(content);
}
