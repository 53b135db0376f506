#include "fault_plan.h"

#include "modbus_frames.h"

namespace {

// Address, function, a byte, the status, CRC.
constexpr int StatusReplyBytes = 6;
constexpr int StatusByte = 3;

} // namespace

QByteArray ApplyFault(const Fault& fault, QByteArray reply) {
    const QByteArray& bytes = fault.bytes.isEmpty() ? DefaultFaultBytes : fault.bytes;
    switch (fault.kind) {
    case FaultKind::NoReply:
        return {};
    case FaultKind::BadCrc:
        reply[reply.size() - 1] = char(reply.back() ^ 0xFF);
        return reply;
    case FaultKind::ExtraBytes:
        return reply + bytes;
    case FaultKind::Garbage:
        return bytes;
    case FaultKind::StatusZero:
        if (reply.size() == StatusReplyBytes) {
            reply[StatusByte] = 0;
            reply.chop(2);
            AppendCrc(reply);
        }
        return reply;
    case FaultKind::Exception:
    case FaultKind::Delay:
    case FaultKind::StrayTransaction:
    case FaultKind::DropConnection:
        return reply;
    }
    return reply;
}
