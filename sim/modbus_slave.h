#pragma once

#include "bootloader_model.h"
#include "fault_plan.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QtGlobal>

#include <functional>

class ControllerModel;

// The slave side of Modbus RTU: the two register functions of the application and the framing of
// the bootloader's private functions.
namespace ModbusSlave {

inline constexpr int MaxWriteRegisters = 123;
inline constexpr int LengthUnknown = -1;

// The full length of the request that begins `bytes`, judged from its first bytes: 0 while too
// few have arrived to tell, LengthUnknown for a function whose frame only a silence can end.
int ExpectedRequestLength(QByteArrayView bytes);

// Takes the requests off the front of the bytes received: one whose length its header tells as
// soon as it is complete and its CRC holds; after a silence, whatever is left, whole.
QList<QByteArray> TakeRequestFrames(QByteArray& pending, bool silence);

QByteArray ExceptionReply(quint8 address, quint8 function, quint8 code);

// Reads `count` registers from `first` into values; returns an exception code, 0 on success.
using RegisterReader = std::function<quint8(quint16 first, int count, QList<quint16>* values)>;
// The reply to a function-3 request from the registers the reader gives.
QByteArray AnswerRead(QByteArrayView request, const RegisterReader& read);

// The application's reply to a request that carries a good CRC and this controller's address.
QByteArray Answer(QByteArrayView request, ControllerModel& model);

// The controller's reply to a frame as it came off the line, with the planned faults applied:
// nothing for a frame that is not for this address, is too short or has a bad CRC.
SimReply Respond(QByteArrayView frame, quint8 address, ControllerModel& model, FaultPlan& faults,
                 qint64 nowMs);

} // namespace ModbusSlave
