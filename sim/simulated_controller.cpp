#include "simulated_controller.h"

#include "mbap_frames.h"
#include "modbus_frames.h"
#include "modbus_slave.h"
#include "network_link.h"
#include "register_map.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int ReadChunk = 4096;
// What the wake pipe carries: stop answering, or close the network master's connection.
constexpr char WakeStop = 1;
constexpr char WakeDrop = 2;
// The log keeps the latest frames only, so that a simulator left running does not grow for ever.
constexpr int LoggedFramesKept = 10000;

qint64 NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

qint64 NowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

QString SystemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

void CloseFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

bool SetFlags(int fd) {
    return ::fcntl(fd, F_SETFD, FD_CLOEXEC) == 0 &&
           ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK) == 0;
}

} // namespace

SimulatedControllerOptions DemoControllerOptions() {
    SimulatedControllerOptions options;
    options.animate = true;
    return options;
}

SimulatedController::SimulatedController(const Options& options)
    : options_(options), model_(options.address, options.cellCount, options.animate,
                                options.bootTiming, ModelClock::System(), options.batteryTest) {}

SimulatedController::~SimulatedController() {
    stop();
}

bool SimulatedController::start(QString* error) {
    const auto fail = [&](const QString& text) {
        if (error)
            *error = text;
        stop();
        return false;
    };
    if (running_)
        return true;
    if (options_.cellCount < 1 || options_.cellCount > MaxCells)
        return fail(QCoreApplication::translate("SimulatedController",
                                                "Число элементов должно быть от 1 до %1, задано %2")
                        .arg(MaxCells)
                        .arg(options_.cellCount));
    if (options_.address == 0)
        return fail(QCoreApplication::translate(
            "SimulatedController", "Адрес 0 зарезервирован для широковещательных запросов"));

    if (::openpty(&masterFd_, &slaveFd_, nullptr, nullptr, nullptr) != 0)
        return fail(QCoreApplication::translate("SimulatedController",
                                                "Не удалось открыть псевдотерминал: %1")
                        .arg(SystemError()));
    // The terminal stays open on this side too, so the line does not hang up while no master
    // has it open.
    termios raw{};
    if (::tcgetattr(slaveFd_, &raw) != 0 ||
        (::cfmakeraw(&raw), ::tcsetattr(slaveFd_, TCSANOW, &raw)) != 0 || !SetFlags(masterFd_) ||
        ::fcntl(slaveFd_, F_SETFD, FD_CLOEXEC) != 0 ||
        ::pipe2(wakeFds_, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail(QCoreApplication::translate("SimulatedController",
                                                "Не удалось настроить псевдотерминал: %1")
                        .arg(SystemError()));
    const char* name = ::ttyname(slaveFd_);
    if (!name)
        return fail(QCoreApplication::translate("SimulatedController",
                                                "Не удалось узнать имя псевдотерминала: %1")
                        .arg(SystemError()));
    {
        std::lock_guard lock(mutex_);
        portPath_ = QString::fromLocal8Bit(name);
    }

    if (!options_.linkPath.isEmpty()) {
        const QFileInfo existing(options_.linkPath);
        // A link left by an earlier run is replaced; anything else at that path is kept.
        if (existing.isSymLink())
            QFile::remove(options_.linkPath);
        else if (existing.exists())
            return fail(
                QCoreApplication::translate("SimulatedController",
                                            "Не удалось создать ссылку %1: такой файл уже есть")
                    .arg(options_.linkPath));
        if (::symlink(name, QFile::encodeName(options_.linkPath).constData()) != 0)
            return fail(QCoreApplication::translate("SimulatedController",
                                                    "Не удалось создать ссылку %1: %2")
                            .arg(options_.linkPath, SystemError()));
        std::lock_guard lock(mutex_);
        linkPath_ = options_.linkPath;
    }

    if (options_.network != SimNetwork::None && !startListening(error)) {
        stop();
        return false;
    }
    running_ = true;
    thread_ = std::thread([this] { run(); });
    return true;
}

bool SimulatedController::startListening(QString* error) {
    const auto fail = [&](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(options_.tcpPort);
    if (::inet_pton(AF_INET, options_.listenAddress.toLatin1().constData(), &address.sin_addr) != 1)
        return fail(QCoreApplication::translate(
                        "SimulatedController",
                        "Адрес для приёма соединений \"%1\" не является адресом IPv4")
                        .arg(options_.listenAddress));
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const int reuse = 1;
    socklen_t length = sizeof address;
    // A queue of a few masters: each waits there until the one being answered has gone.
    constexpr int Backlog = 4;
    if (listenFd_ < 0 ||
        ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse) != 0 ||
        ::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenFd_, Backlog) != 0 ||
        ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return fail(QCoreApplication::translate("SimulatedController",
                                                "Не удалось принимать соединения на %1:%2: %3")
                        .arg(options_.listenAddress)
                        .arg(options_.tcpPort)
                        .arg(SystemError()));
    std::lock_guard lock(mutex_);
    tcpPort_ = ntohs(address.sin_port);
    return true;
}

void SimulatedController::stop() {
    if (thread_.joinable()) {
        [[maybe_unused]] const ssize_t written = ::write(wakeFds_[1], &WakeStop, 1);
        thread_.join();
    }
    running_ = false;
    CloseFd(clientFd_);
    CloseFd(listenFd_);
    CloseFd(masterFd_);
    CloseFd(slaveFd_);
    CloseFd(wakeFds_[0]);
    CloseFd(wakeFds_[1]);
    std::lock_guard lock(mutex_);
    if (!linkPath_.isEmpty() && QFileInfo(linkPath_).symLinkTarget() == portPath_)
        QFile::remove(linkPath_);
    linkPath_.clear();
    portPath_.clear();
    tcpPort_ = 0;
    outgoing_.clear();
}

quint16 SimulatedController::tcpPort() const {
    std::lock_guard lock(mutex_);
    return tcpPort_;
}

QString SimulatedController::masterPortName() const {
    if (options_.network == SimNetwork::None)
        return portPath();
    const LinkKind kind =
        options_.network == SimNetwork::ModbusTcp ? LinkKind::ModbusTcp : LinkKind::RtuOverTcp;
    return NetworkPortName({kind, options_.listenAddress, tcpPort()});
}

void SimulatedController::dropConnection() {
    if (thread_.joinable()) [[maybe_unused]]
        const ssize_t written = ::write(wakeFds_[1], &WakeDrop, 1);
}

bool SimulatedController::isRunning() const {
    return running_;
}

QString SimulatedController::portPath() const {
    std::lock_guard lock(mutex_);
    return portPath_;
}

QString SimulatedController::linkPath() const {
    std::lock_guard lock(mutex_);
    return linkPath_;
}

void SimulatedController::run() {
    QByteArray pending;
    QByteArray netPending;
    qint64 lastByteUs = 0;
    qint64 lastNetByteUs = 0;
    const qint64 frameGapUs = qint64(options_.frameGapMs) * 1000;
    for (;;) {
        qint64 now = NowUs();
        qint64 wakeUs = -1;
        const auto wakeAt = [&](qint64 due) { wakeUs = wakeUs < 0 ? due : std::min(wakeUs, due); };
        if (!pending.isEmpty())
            wakeAt(lastByteUs + frameGapUs);
        if (!netPending.isEmpty())
            wakeAt(lastNetByteUs + frameGapUs);
        if (const qint64 next = sendDue(now); next >= 0)
            wakeAt(next);
        timespec timeout{};
        if (wakeUs >= 0) {
            const qint64 waitUs = std::clamp<qint64>(wakeUs - now, 0, 60'000'000);
            timeout.tv_sec = time_t(waitUs / 1'000'000);
            timeout.tv_nsec = long(waitUs % 1'000'000) * 1000;
        }
        // While a master is connected the next one waits in the listening queue.
        pollfd fds[3] = {{masterFd_, POLLIN, 0},
                         {wakeFds_[0], POLLIN, 0},
                         {clientFd_ >= 0 ? clientFd_ : listenFd_, POLLIN, 0}};
        const nfds_t count = listenFd_ >= 0 ? 3 : 2;
        if (::ppoll(fds, count, wakeUs >= 0 ? &timeout : nullptr, nullptr) < 0 && errno != EINTR)
            break;
        if (fds[1].revents) {
            char wake[16];
            const ssize_t n = ::read(wakeFds_[0], wake, sizeof wake);
            if (n <= 0 || std::find(wake, wake + n, WakeStop) != wake + n)
                break;
            closeClient();
            netPending.clear();
        }
        now = NowUs();
        if (fds[0].revents & POLLIN) {
            char chunk[ReadChunk];
            const ssize_t n = ::read(masterFd_, chunk, sizeof chunk);
            if (n > 0) {
                pending.append(chunk, n);
                lastByteUs = now;
                takeFrames(pending, false);
            }
        }
        if (count == 3 && fds[2].revents) {
            acceptOrRead(netPending);
            lastNetByteUs = now;
        }
        if (!pending.isEmpty() && now - lastByteUs >= frameGapUs)
            takeFrames(pending, true);
        if (!netPending.isEmpty() && now - lastNetByteUs >= frameGapUs)
            takeNetworkFrames(netPending, true);
    }
    running_ = false;
}

void SimulatedController::acceptOrRead(QByteArray& pending) {
    if (clientFd_ < 0) {
        clientFd_ = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        pending.clear();
        return;
    }
    char chunk[ReadChunk];
    const ssize_t n = ::recv(clientFd_, chunk, sizeof chunk, 0);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n <= 0) {
        closeClient();
        pending.clear();
        return;
    }
    pending.append(chunk, n);
    takeNetworkFrames(pending, false);
}

void SimulatedController::closeClient() {
    CloseFd(clientFd_);
    std::lock_guard lock(mutex_);
    outgoing_.removeIf([](const OutgoingReply& r) { return r.network; });
}

void SimulatedController::takeFrames(QByteArray& pending, bool silence) {
    for (const QByteArray& frame : ModbusSlave::TakeRequestFrames(pending, silence))
        answer(frame, {});
}

void SimulatedController::takeNetworkFrames(QByteArray& pending, bool silence) {
    if (options_.network == SimNetwork::RtuOverTcp) {
        for (const QByteArray& frame : ModbusSlave::TakeRequestFrames(pending, silence))
            answer(frame, {true});
        return;
    }
    for (;;) {
        const int length = MbapFrameLength(pending);
        if (length < 0) {
            // No request begins here, so none can be found after it either.
            pending.clear();
            return;
        }
        if (length == 0 || length > pending.size())
            return;
        const QByteArray frame = pending.first(length);
        pending.remove(0, length);
        answer(MbapToRtu(frame), {true, MbapTransactionId(frame)});
    }
}

void SimulatedController::answer(const QByteArray& frame, Route route) {
    SimReply reply;
    {
        std::lock_guard lock(mutex_);
        if (received_.size() == LoggedFramesKept)
            received_.removeFirst();
        received_.append(frame);
        reply = ModbusSlave::Respond(frame, options_.address, model_, faults_, NowMs());
        if (route.network) {
            reply.delayMs += options_.netDelayMs;
            if (route.transactionId >= 0 && !reply.bytes.isEmpty()) {
                const quint16 id = quint16(route.transactionId + (reply.strayTransaction ? 1 : 0));
                const QByteArray wrapped = WrapMbap(reply.bytes, id);
                reply.bytes = wrapped.isEmpty() ? reply.bytes : wrapped;
            }
        }
    }
    if (route.network && reply.dropConnection) {
        closeClient();
        return;
    }
    {
        std::lock_guard lock(mutex_);
        const bool paced = options_.pacedBaudRate > 0 && !route.network;
        // A new request makes the controller drop the replies it has not begun to send: on a
        // half-duplex line it answers the request it heard last.
        if (paced)
            outgoing_.removeIf([](const OutgoingReply& r) { return r.sent == 0 && !r.network; });
        if (reply.delayMs > 0 || (paced && !reply.bytes.isEmpty())) {
            // The pseudo-terminal hands over a request at once; on a line its last byte comes a
            // request's line time after its first, and only then does the controller turn round.
            const qint64 lineUs =
                paced ? qint64(std::ceil(frame.size() * characterUs())) + options_.turnaroundUs : 0;
            outgoing_.append(
                {NowUs() + qint64(reply.delayMs) * 1000 + lineUs, reply.bytes, route.network});
            return;
        }
    }
    send(reply.bytes, route.network);
}

double SimulatedController::characterUs() const {
    return options_.pacedBaudRate > 0 ? options_.bitsPerCharacter * 1e6 / options_.pacedBaudRate
                                      : 0.0;
}

qint64 SimulatedController::sendDue(qint64 nowUs) {
    QByteArray due;
    QByteArray netDue;
    qint64 next = -1;
    {
        std::lock_guard lock(mutex_);
        const double lineUs = characterUs();
        // Replies on the line leave one after the other, the next one not before the last byte of
        // this one.
        bool lineBusy = false;
        for (qsizetype i = 0; i < outgoing_.size();) {
            OutgoingReply& reply = outgoing_[i];
            if (lineBusy && !reply.network) {
                ++i;
                continue;
            }
            // A network reply leaves whole; a line reply a character at a time.
            const double charUs = reply.network ? 0.0 : lineUs;
            const qint64 size = reply.bytes.size();
            // A byte has left when its last bit has: byte k at start + (k + 1) characters.
            const qint64 arrived =
                charUs > 0 ? std::min<qint64>(size, qint64((nowUs - reply.startUs) / charUs))
                           : (nowUs >= reply.startUs ? size : 0);
            if (arrived > reply.sent) {
                (reply.network ? netDue : due) += reply.bytes.mid(reply.sent, arrived - reply.sent);
                reply.sent = arrived;
            }
            if (reply.sent < size) {
                const qint64 at = reply.startUs + qint64(std::ceil((reply.sent + 1) * charUs));
                next = next < 0 ? at : std::min(next, at);
                lineBusy = lineBusy || !reply.network;
                ++i;
                continue;
            }
            const qint64 endUs = reply.startUs + qint64(std::ceil(size * charUs));
            const bool network = reply.network;
            outgoing_.removeAt(i);
            for (qsizetype j = i; j < outgoing_.size(); ++j)
                if (outgoing_[j].network == network) {
                    outgoing_[j].startUs = std::max(outgoing_[j].startUs, endUs);
                    break;
                }
        }
    }
    send(due, false);
    send(netDue, true);
    return next;
}

// Nobody may be reading the terminal: what does not fit its buffer is dropped, as on a line.
void SimulatedController::send(const QByteArray& bytes, bool network) {
    const int fd = network ? clientFd_ : masterFd_;
    qsizetype done = 0;
    while (fd >= 0 && done < bytes.size()) {
        const char* from = bytes.constData() + done;
        const size_t left = size_t(bytes.size() - done);
        const ssize_t n = network ? ::send(fd, from, left, MSG_NOSIGNAL) : ::write(fd, from, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += n;
    }
}

void SimulatedController::injectFault(const Fault& fault, int requests) {
    std::lock_guard lock(mutex_);
    faults_.set(fault, requests);
}

void SimulatedController::clearFaults() {
    std::lock_guard lock(mutex_);
    faults_.clear();
}

QList<QByteArray> SimulatedController::receivedFrames() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void SimulatedController::clearReceivedFrames() {
    std::lock_guard lock(mutex_);
    received_.clear();
}

quint16 SimulatedController::registerValue(quint16 address) const {
    const QList<quint16> values = registerValues(address, 1);
    return values.isEmpty() ? 0 : values.first();
}

QList<quint16> SimulatedController::registerValues(quint16 first, int count) const {
    std::lock_guard lock(mutex_);
    return model_.registers(first, count);
}

bool SimulatedController::setRegister(quint16 address, quint16 value) {
    return setRegisters(address, std::span<const quint16>(&value, 1));
}

bool SimulatedController::setRegisters(quint16 first, std::span<const quint16> values) {
    std::lock_guard lock(mutex_);
    return model_.setRegisters(first, values);
}

bool SimulatedController::inBootloader() const {
    std::lock_guard lock(mutex_);
    return model_.inBootloader(NowMs());
}

void SimulatedController::enterBootloader() {
    std::lock_guard lock(mutex_);
    model_.bootloader().enter();
}

void SimulatedController::setFlashFree(quint16 kilobytes) {
    std::lock_guard lock(mutex_);
    model_.bootloader().setFlashFree(kilobytes);
}

QByteArray SimulatedController::programmedImage() const {
    std::lock_guard lock(mutex_);
    return model_.bootloader().programmed();
}

void SimulatedController::stepBattery(int steps) {
    std::lock_guard lock(mutex_);
    for (int i = 0; i < steps; ++i)
        model_.step();
}

void SimulatedController::setAnimated(bool animate) {
    std::lock_guard lock(mutex_);
    model_.setAnimated(animate);
}

void SimulatedController::appendJournalEvent(quint16 code, quint16 cell) {
    std::lock_guard lock(mutex_);
    model_.appendJournalEvent(code, cell);
}

void SimulatedController::preloadJournal(int count) {
    std::lock_guard lock(mutex_);
    const int cells = std::clamp(options_.cellCount, 1, MaxCells);
    // A minute apart, the last one now.
    for (int i = 0; i < count; ++i)
        model_.appendJournalEvent(quint16(i % SimMap::Safety::Count), quint16(i % cells + 1),
                                  quint32(count - 1 - i) * 60);
}

QByteArray SimulatedController::password() const {
    std::lock_guard lock(mutex_);
    return model_.password();
}
