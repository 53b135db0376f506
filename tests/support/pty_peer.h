#pragma once

// A pseudo-terminal pair in raw mode for serial tests: the program under test opens slavePath()
// as its port; the test plays the device on the master side. Link the test with `util`.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

class PtyPeer {
public:
    PtyPeer() {
        termios raw{};
        cfmakeraw(&raw);
        char name[128] = {};
        if (openpty(&master, &slave, name, &raw, nullptr) != 0) {
            master = slave = -1;
            return;
        }
        path = QString::fromLocal8Bit(name);
    }
    ~PtyPeer() {
        closeMaster();
        if (slave >= 0)
            ::close(slave);
    }
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    bool isOpen() const { return master >= 0; }
    // The device path the program opens, such as /dev/pts/4. The pair keeps its own slave
    // descriptor open, so the master side stays usable while the program closes and reopens.
    QString slavePath() const { return path; }
    int masterFd() const { return master; }

    // Reads from the master side until `count` bytes came or `timeoutMs` passed without any.
    QByteArray read(int count, int timeoutMs) const {
        QByteArray got;
        while (got.size() < count) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, timeoutMs) <= 0)
                break;
            char chunk[4096];
            const ssize_t n =
                ::read(master, chunk, std::min<size_t>(sizeof chunk, count - got.size()));
            if (n <= 0)
                break;
            got.append(chunk, n);
        }
        return got;
    }
    // Everything that arrives within `quietMs` of the previous byte.
    QByteArray drain(int quietMs) const { return read(1 << 20, quietMs); }

    bool write(QByteArrayView bytes) const {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(master, bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                return false;
            done += n;
        }
        return true;
    }
    // Writes the bytes in pieces of `piece` bytes with a pause between them, as a slow line would.
    bool writeSlowly(QByteArrayView bytes, int piece, std::chrono::microseconds pause) const {
        for (qsizetype at = 0; at < bytes.size(); at += piece) {
            if (at > 0)
                std::this_thread::sleep_for(pause);
            if (!write(bytes.sliced(at, std::min<qsizetype>(piece, bytes.size() - at))))
                return false;
        }
        return true;
    }

    // The device vanishes for the program: its reads and writes fail from now on.
    void closeMaster() {
        if (master >= 0)
            ::close(master);
        master = -1;
    }

private:
    int master = -1;
    int slave = -1;
    QString path;
};
