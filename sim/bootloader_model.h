#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QtGlobal>

#include <optional>

// A reply and how long after the request it leaves.
struct SimReply {
    QByteArray bytes;
    int delayMs = 0;
};

// The controller's bootloader, without any I/O: 0x30 starts it from the application; it answers
// reads of its registers (0 to 10) and of the program data (4248 to 4265), erases and programs
// its flash, and after a finish whose image checks it restarts into the application.
class BootloaderModel {
public:
    struct Timing {
        int eraseDelayMs = 3000;   // the erase reply leaves this long after the request
        int restartDelayMs = 1000; // from an accepted finish to the application running
        int writeDelayMs = 0;      // a packet's reply leaves this long after it: the flash write
    };

    BootloaderModel(const Timing& timing, quint32 programVersion);

    // True from 0x30 until the restart after an accepted finish.
    bool running() const { return running_; }
    // Restarts into the application when an accepted finish is restartDelayMs old; true then.
    bool restartDue(qint64 nowMs);
    void enter() { running_ = true; }

    // The reply to any request while running, and to 0x30 at any time.
    SimReply answer(QByteArrayView request, qint64 nowMs);

    quint32 programVersion() const { return programVersion_; }
    void setFlashFree(quint16 kilobytes) { registers_[FlashFreeIndex] = kilobytes; }
    // The flash from its base up to the end of the furthest packet since the last erase.
    QByteArray programmed() const { return flash_.left(programmedEnd_); }

private:
    static constexpr int FlashFreeIndex = 9;

    SimReply answerRead(QByteArrayView request) const;
    QByteArray answerErase(QByteArrayView request);
    QByteArray answerWrite(QByteArrayView request);
    QByteArray answerFinish(QByteArrayView request, qint64 nowMs);
    std::optional<QList<quint16>> readBlock(quint16 first, int count) const;
    QList<quint16> programData() const;
    void acceptImage();

    Timing timing_;
    bool running_ = false;
    std::optional<qint64> restartDueMs_;
    QList<quint16> registers_;
    QByteArray flash_;
    qsizetype programmedEnd_ = 0;
    quint32 programVersion_;
    qint32 programSizeField_ = 0;
    QByteArray compileDate_;
};

// The image's checksum as the controller checks its flash: CRC-32/MPEG-2 over the bytes of each
// 32-bit little-endian word taken high byte first, a last partial word completed with erased
// bytes (0xFF).
quint32 FlashCrc32(QByteArrayView image);

// The content (a multiple of 4 bytes) followed by its checksum word, low byte first: an image
// that checks.
QByteArray SealedImage(QByteArray content);
// A sealed image of `bytes` bytes (a multiple of 4, at least 4) with a repeating pattern.
QByteArray DemoImage(int bytes);
