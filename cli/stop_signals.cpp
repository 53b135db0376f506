#include "stop_signals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The handler may only write: the byte (which signal) wakes the notifier on the event loop, the
// flag tells those who look.
int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t received = 0;

constexpr char StopByte = 1;
constexpr char HangUpByte = 2;

void OnStopSignal(int) {
    received = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &StopByte, 1);
}

void OnHangUp(int) {
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &HangUpByte, 1);
}

void SetHandler(int signal, void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

void SetStopHandler(void (*handler)(int)) {
    SetHandler(SIGINT, handler);
    SetHandler(SIGTERM, handler);
}

} // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
    received = 0;
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        bool stop = false;
        bool hangUp = false;
        char byte = 0;
        while (::read(signalPipe[0], &byte, 1) > 0) {
            stop = stop || byte == StopByte;
            hangUp = hangUp || byte == HangUpByte;
        }
        // A stop outweighs a reload that came with it.
        if (stop)
            Q_EMIT Stopped();
        else if (hangUp)
            Q_EMIT HangUp();
    });
    SetStopHandler(OnStopSignal);
}

StopSignals::~StopSignals() {
    if (notifier_ == nullptr)
        return;
    SetStopHandler(SIG_DFL);
    if (hangUpCaught_)
        SetHandler(SIGHUP, SIG_DFL);
    delete notifier_;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

bool StopSignals::Received() const {
    return received != 0;
}

void StopSignals::CatchHangUp() {
    if (notifier_ == nullptr)
        return;
    hangUpCaught_ = true;
    SetHandler(SIGHUP, OnHangUp);
}
