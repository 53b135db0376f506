#include "mbap_frames.h"

#include "modbus_frames.h"

namespace {

constexpr int CrcBytes = 2;
// The bytes the length field counts besides the PDU: the unit id.
constexpr int UnitBytes = 1;
constexpr int LengthFieldEnd = 6;
// The longest PDU whose RTU frame fits the receive buffers.
constexpr int MaxPduBytes = MaxFrameBytes - UnitBytes - CrcBytes;

void AppendWord(QByteArray& frame, quint16 word) {
    frame.append(char(word >> 8));
    frame.append(char(word & 0xFF));
}

quint16 Word(QByteArrayView bytes, int at) {
    return quint16(quint8(bytes[at]) << 8 | quint8(bytes[at + 1]));
}

} // namespace

QByteArray WrapMbap(QByteArrayView rtuFrame, quint16 transactionId) {
    const qsizetype pdu = rtuFrame.size() - UnitBytes - CrcBytes;
    if (pdu < 1)
        return {};
    QByteArray frame;
    frame.reserve(MbapHeaderBytes + pdu);
    AppendWord(frame, transactionId);
    AppendWord(frame, 0);
    AppendWord(frame, quint16(pdu + UnitBytes));
    frame.append(rtuFrame.first(UnitBytes + pdu));
    return frame;
}

int MbapFrameLength(QByteArrayView received) {
    if (received.size() < MbapHeaderBytes)
        return 0;
    const int counted = Word(received, 4);
    if (Word(received, 2) != 0 || counted < UnitBytes + 1 || counted > UnitBytes + MaxPduBytes)
        return -1;
    return LengthFieldEnd + counted;
}

quint16 MbapTransactionId(QByteArrayView frame) {
    return Word(frame, 0);
}

quint8 MbapUnitId(QByteArrayView frame) {
    return quint8(frame[LengthFieldEnd]);
}

QByteArray MbapToRtu(QByteArrayView frame) {
    QByteArray rtu(frame.sliced(LengthFieldEnd).toByteArray());
    AppendCrc(rtu);
    return rtu;
}
