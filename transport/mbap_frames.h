#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// Modbus TCP frames: the PDU (function and payload) behind a seven-byte header, the MBAP header:
// transaction id, protocol id 0, the count of the bytes that follow it, the unit id. No CRC.
// The program keeps speaking RTU: a request is wrapped on its way out, and a reply is turned
// back into the RTU frame the reply judges know.

inline constexpr int MbapHeaderBytes = 7;

// The RTU frame as a Modbus TCP frame: its address becomes the unit id and its CRC is dropped.
// A frame of fewer than four bytes (no function before the CRC) gives an empty result.
QByteArray WrapMbap(QByteArrayView rtuFrame, quint16 transactionId);

// The whole length of the Modbus TCP frame that begins `received`: 0 while its header has not
// all come, -1 for a header no frame has (a protocol id other than 0, a length field that
// leaves no function byte or a PDU too long for an RTU frame).
int MbapFrameLength(QByteArrayView received);

quint16 MbapTransactionId(QByteArrayView frame);
quint8 MbapUnitId(QByteArrayView frame);

// The RTU frame a whole Modbus TCP frame carries: the unit id as its address, the PDU, and a CRC
// made for them.
QByteArray MbapToRtu(QByteArrayView frame);
