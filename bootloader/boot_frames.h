#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// The frames of the controller's bootloader: the Modbus outer frame (address, command, body,
// CRC-16) around private command codes, and the judging of their replies.

inline constexpr quint8 BootInitCode = 0x30;
inline constexpr quint8 BootReadCode = 0x03;
inline constexpr quint8 BootEraseCode = 0x20;
inline constexpr quint8 BootWriteCode = 0x21;
inline constexpr quint8 BootFinishCode = 0x31;

// The byte that follows 0x30 in the request and in its reply.
inline constexpr quint8 BootInitMark = 0x01;
// The special code that ends programming.
inline constexpr quint8 BootFinishSpecialCode = 0x01;
// The status byte of an erase or finish reply that reports success.
inline constexpr quint8 BootStatusDone = 0x01;

inline constexpr quint8 EraseProgramArea = 0;
inline constexpr quint8 EraseSettingsArea = 1;

QByteArray BootInitRequest(quint8 address);
QByteArray BootReadRequest(quint8 address, quint16 start, quint16 count);
QByteArray BootEraseRequest(quint8 address, quint8 area);
// One packet: the flash address most significant byte first, the data length, the data.
QByteArray BootWriteRequest(quint8 address, quint32 flashAddress, QByteArrayView data);
QByteArray BootFinishRequest(quint8 address);

// Stray: a well-formed packet reply that answers another request (another address, or another
// packet's length): a late reply to an earlier one.
enum class BootVerdict { Expected, NoAnswer, CrcError, Exception, Unexpected, Stray };

struct BootReply {
    BootVerdict verdict = BootVerdict::NoAnswer;
    quint8 exceptionCode = 0;
    friend bool operator==(const BootReply&, const BootReply&) = default;
};

// Judges the reply to a request with this command code. The CRC covers everything before the last
// two bytes, except for a packet's reply, whose CRC is taken from bytes 3 and 4. Neither the
// address nor the length is compared with the request; the reply to 0x30 must also carry 0x01.
BootReply JudgeBootReply(QByteArrayView reply, quint8 command);
// Judges the reply to this request, a packet's by the packet it names too: a packet reply must
// come from the request's address and echo its data length; otherwise it is Stray.
BootReply JudgeBootReplyTo(QByteArrayView request, QByteArrayView reply);

// Byte i of a reply as the receive buffer holds it: 0 past its end.
quint8 ReplyByte(QByteArrayView reply, qsizetype i);

// The frame fields of the page: two hexadecimal digits and a blank per byte ("EE 30 01 "), and a
// blank, "$" and two digits per byte (" $EE $30 $01").
QString FrameHexText(QByteArrayView bytes);
QString FrameDollarText(QByteArrayView bytes);
// The first nine bytes of the receive buffer as "$" and two digits each, without blanks.
QString ReceiveBufferText(QByteArrayView reply);

// Upper-case hexadecimal, zero-padded to `digits`.
QString HexText(quint32 value, int digits);
