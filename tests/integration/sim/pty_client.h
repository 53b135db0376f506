#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

// The master's end of the line in its plainest form: a raw file descriptor on the terminal.
class PtyClient {
public:
    explicit PtyClient(const QString& path)
        : fd_(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {
        termios raw{};
        if (fd_ >= 0 && ::tcgetattr(fd_, &raw) == 0) {
            ::cfmakeraw(&raw);
            ::tcsetattr(fd_, TCSANOW, &raw);
        }
    }
    ~PtyClient() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    bool send(const QByteArray& bytes) {
        return ::write(fd_, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }

    // Reads until `count` bytes have come or `waitMs` has passed; returns what came.
    QByteArray receive(int count, int waitMs = 3000) {
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        while (got.size() < count && timer.elapsed() < waitMs) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, int(waitMs - timer.elapsed())) <= 0 || !(p.revents & POLLIN))
                break;
            char chunk[512];
            const ssize_t n = ::read(fd_, chunk, sizeof chunk);
            if (n <= 0)
                break;
            got.append(chunk, n);
        }
        return got;
    }

    QByteArray exchange(const QByteArray& request, int replyBytes, int waitMs = 3000) {
        return send(request) ? receive(replyBytes, waitMs) : QByteArray();
    }

    // True when the line has hung up: the other end has gone.
    bool hungUp(int waitMs) {
        pollfd p{fd_, POLLIN, 0};
        return ::poll(&p, 1, waitMs) > 0 && (p.revents & (POLLHUP | POLLERR));
    }

private:
    int fd_;
};
