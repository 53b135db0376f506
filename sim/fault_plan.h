#pragma once

#include <QByteArray>
#include <QtGlobal>

// What goes wrong with the replies, for tests of the master's failure paths.
enum class FaultKind {
    NoReply,    // the request is not heard: nothing is done and nothing is sent
    BadCrc,     // the reply's last CRC byte is flipped
    Exception,  // an exception reply with exceptionCode; the request is not carried out
    Delay,      // the reply leaves only after delayMs
    ExtraBytes, // the reply is followed by `bytes`
    Garbage,    // `bytes` are sent instead of the reply
    StatusZero, // an erase or finish reply reports status 0, its CRC made good again
    // Network links only; on the pseudo-terminal the reply goes as it is.
    StrayTransaction, // the Modbus TCP reply carries the transaction id after its request's
    DropConnection,   // the connection is closed instead of the reply
};

// A fault for requests of any function code.
inline constexpr int AnyFunction = -1;

struct Fault {
    FaultKind kind = FaultKind::NoReply;
    quint8 exceptionCode = 4;
    int delayMs = 0;            // holds back the reply of any kind
    QByteArray bytes = {};      // for ExtraBytes and Garbage; empty takes DefaultFaultBytes
    int function = AnyFunction; // only requests with this function code count and are faulted
    int after = 0;              // requests that count but are answered normally first
};

inline constexpr int PersistentFault = -1;
inline const QByteArray DefaultFaultBytes = QByteArray::fromHex("A55A00FF3C");

// One fault, applied to the next N requests that this controller would answer (of its function
// code, after the ones it lets pass), or to all.
class FaultPlan {
public:
    void set(const Fault& fault, int requests) {
        fault_ = fault;
        remaining_ = requests;
        passing_ = fault.after;
    }
    void clear() { remaining_ = 0; }

    // The fault for the request with this function code now being answered, or nothing.
    const Fault* next(quint8 function) {
        if (remaining_ == 0 || (fault_.function != AnyFunction && fault_.function != function))
            return nullptr;
        if (passing_ > 0) {
            --passing_;
            return nullptr;
        }
        if (remaining_ > 0)
            --remaining_;
        return &fault_;
    }

private:
    Fault fault_;
    int remaining_ = 0;
    int passing_ = 0;
};

// The reply as the fault makes it; an empty result sends nothing.
QByteArray ApplyFault(const Fault& fault, QByteArray reply);
