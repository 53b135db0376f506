#include "simulated_controller.h"

#include "modbus_frames.h"
#include "modbus_slave.h"
#include "register_map.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int ReadChunk = 4096;
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
        return fail(QStringLiteral("Число элементов должно быть от 1 до %1, задано %2")
                        .arg(MaxCells)
                        .arg(options_.cellCount));
    if (options_.address == 0)
        return fail(QStringLiteral("Адрес 0 зарезервирован для широковещательных запросов"));

    if (::openpty(&masterFd_, &slaveFd_, nullptr, nullptr, nullptr) != 0)
        return fail(QStringLiteral("Не удалось открыть псевдотерминал: %1").arg(SystemError()));
    // The terminal stays open on this side too, so the line does not hang up while no master
    // has it open.
    termios raw{};
    if (::tcgetattr(slaveFd_, &raw) != 0 ||
        (::cfmakeraw(&raw), ::tcsetattr(slaveFd_, TCSANOW, &raw)) != 0 || !SetFlags(masterFd_) ||
        ::fcntl(slaveFd_, F_SETFD, FD_CLOEXEC) != 0 ||
        ::pipe2(wakeFds_, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail(QStringLiteral("Не удалось настроить псевдотерминал: %1").arg(SystemError()));
    const char* name = ::ttyname(slaveFd_);
    if (!name)
        return fail(QStringLiteral("Не удалось узнать имя псевдотерминала: %1").arg(SystemError()));
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
            return fail(QStringLiteral("Не удалось создать ссылку %1: такой файл уже есть")
                            .arg(options_.linkPath));
        if (::symlink(name, QFile::encodeName(options_.linkPath).constData()) != 0)
            return fail(QStringLiteral("Не удалось создать ссылку %1: %2")
                            .arg(options_.linkPath, SystemError()));
        std::lock_guard lock(mutex_);
        linkPath_ = options_.linkPath;
    }

    running_ = true;
    thread_ = std::thread([this] { run(); });
    return true;
}

void SimulatedController::stop() {
    if (thread_.joinable()) {
        const char wake = 1;
        [[maybe_unused]] const ssize_t written = ::write(wakeFds_[1], &wake, 1);
        thread_.join();
    }
    running_ = false;
    CloseFd(masterFd_);
    CloseFd(slaveFd_);
    CloseFd(wakeFds_[0]);
    CloseFd(wakeFds_[1]);
    std::lock_guard lock(mutex_);
    if (!linkPath_.isEmpty() && QFileInfo(linkPath_).symLinkTarget() == portPath_)
        QFile::remove(linkPath_);
    linkPath_.clear();
    portPath_.clear();
    outgoing_.clear();
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
    qint64 lastByteUs = 0;
    const qint64 frameGapUs = qint64(options_.frameGapMs) * 1000;
    for (;;) {
        qint64 now = NowUs();
        qint64 wakeUs = -1;
        const auto wakeAt = [&](qint64 due) { wakeUs = wakeUs < 0 ? due : std::min(wakeUs, due); };
        if (!pending.isEmpty())
            wakeAt(lastByteUs + frameGapUs);
        if (const qint64 next = sendDue(now); next >= 0)
            wakeAt(next);
        timespec timeout{};
        if (wakeUs >= 0) {
            const qint64 waitUs = std::clamp<qint64>(wakeUs - now, 0, 60'000'000);
            timeout.tv_sec = time_t(waitUs / 1'000'000);
            timeout.tv_nsec = long(waitUs % 1'000'000) * 1000;
        }
        pollfd fds[2] = {{masterFd_, POLLIN, 0}, {wakeFds_[0], POLLIN, 0}};
        if (::ppoll(fds, 2, wakeUs >= 0 ? &timeout : nullptr, nullptr) < 0 && errno != EINTR)
            break;
        if (fds[1].revents)
            break;
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
        if (!pending.isEmpty() && now - lastByteUs >= frameGapUs)
            takeFrames(pending, true);
    }
    running_ = false;
}

void SimulatedController::takeFrames(QByteArray& pending, bool silence) {
    for (const QByteArray& frame : ModbusSlave::TakeRequestFrames(pending, silence))
        answer(frame);
}

void SimulatedController::answer(const QByteArray& frame) {
    SimReply reply;
    {
        std::lock_guard lock(mutex_);
        if (received_.size() == LoggedFramesKept)
            received_.removeFirst();
        received_.append(frame);
        reply = ModbusSlave::Respond(frame, options_.address, model_, faults_, NowMs());
        const bool paced = options_.pacedBaudRate > 0;
        // A new request makes the controller drop the replies it has not begun to send: on a
        // half-duplex line it answers the request it heard last.
        if (paced)
            outgoing_.removeIf([](const OutgoingReply& r) { return r.sent == 0; });
        if (reply.delayMs > 0 || (paced && !reply.bytes.isEmpty())) {
            // The pseudo-terminal hands over a request at once; on a line its last byte comes a
            // request's line time after its first, and only then does the controller turn round.
            const qint64 lineUs =
                paced ? qint64(std::ceil(frame.size() * characterUs())) + options_.turnaroundUs : 0;
            outgoing_.append({NowUs() + qint64(reply.delayMs) * 1000 + lineUs, reply.bytes});
            return;
        }
    }
    send(reply.bytes);
}

double SimulatedController::characterUs() const {
    return options_.pacedBaudRate > 0 ? options_.bitsPerCharacter * 1e6 / options_.pacedBaudRate
                                      : 0.0;
}

qint64 SimulatedController::sendDue(qint64 nowUs) {
    QByteArray due;
    qint64 next = -1;
    {
        std::lock_guard lock(mutex_);
        const double charUs = characterUs();
        // Replies leave one after the other, the next one not before the last byte of this one.
        while (!outgoing_.isEmpty()) {
            OutgoingReply& reply = outgoing_.first();
            const qint64 size = reply.bytes.size();
            // A byte has left when its last bit has: byte k at start + (k + 1) characters.
            const qint64 arrived =
                charUs > 0 ? std::min<qint64>(size, qint64((nowUs - reply.startUs) / charUs))
                           : (nowUs >= reply.startUs ? size : 0);
            if (arrived > reply.sent) {
                due += reply.bytes.mid(reply.sent, arrived - reply.sent);
                reply.sent = arrived;
            }
            if (reply.sent < size) {
                next = reply.startUs + qint64(std::ceil((reply.sent + 1) * charUs));
                break;
            }
            const qint64 endUs = reply.startUs + qint64(std::ceil(size * charUs));
            outgoing_.removeFirst();
            if (!outgoing_.isEmpty())
                outgoing_.first().startUs = std::max(outgoing_.first().startUs, endUs);
        }
    }
    send(due);
    return next;
}

// Nobody may be reading the terminal: what does not fit its buffer is dropped, as on a line.
void SimulatedController::send(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(masterFd_, bytes.constData() + done, size_t(bytes.size() - done));
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
