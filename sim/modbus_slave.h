#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

class ControllerModel;

// The slave side of Modbus RTU for the two register functions.
namespace ModbusSlave {

inline constexpr int MaxWriteRegisters = 123;
inline constexpr int LengthUnknown = -1;

// The full length of the request that begins `bytes`, judged from its first bytes: 0 while too
// few have arrived to tell, LengthUnknown for a function whose frame only a silence can end.
int ExpectedRequestLength(QByteArrayView bytes);

QByteArray ExceptionReply(quint8 address, quint8 function, quint8 code);

// The reply to a request that carries a good CRC and this controller's address.
QByteArray Answer(QByteArrayView request, ControllerModel& model);

} // namespace ModbusSlave
