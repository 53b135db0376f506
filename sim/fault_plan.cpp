#include "fault_plan.h"

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
    case FaultKind::Exception:
    case FaultKind::Delay:
        return reply;
    }
    return reply;
}
