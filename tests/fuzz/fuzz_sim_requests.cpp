// The simulated controller's request handling on any bytes off the line: framing, then the reply
// to each frame, with a clock of its own so that the same input gives the same run.
#include "controller_model.h"
#include "fault_plan.h"
#include "fuzz_input.h"
#include "modbus_slave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    qint64 nowMs = 0;
    const ModelClock clock{[] { return quint32(788918400); }, [&nowMs] { return nowMs; }};
    ControllerModel model(238, 1 + in.Byte() % 200, in.Flag(), {0, 0}, clock);
    FaultPlan faults;
    QByteArray pending;
    while (!in.Empty()) {
        pending += in.Take(1 + in.Byte() % 64);
        const bool silence = in.Flag();
        for (const QByteArray& frame : ModbusSlave::TakeRequestFrames(pending, silence)) {
            const SimReply reply = ModbusSlave::Respond(frame, 238, model, faults, nowMs);
            if (reply.bytes.size() > 256)
                __builtin_trap();
        }
        nowMs += 100;
    }
    return 0;
}
