#include "bootloader.h"

#include "boot_registers.h"
#include "modbus_frames.h"
#include "prompts.h"
#include "register_image.h"
#include "reply_reports.h"
#include "table_state.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace {

constexpr int PacketAttempts = 3;
// The first cell's voltage: a status register past the bootloader's own, so that only the
// application answers its read.
constexpr quint16 ApplicationProbeStart = StatusBlockStart + CellVoltageOffset;

// The view's controls are locked for one command and unlocked on every way out of it.
class ControlsLock {
public:
    explicit ControlsLock(BootView& view) : view_(view) { view_.SetControlsEnabled(false); }
    ~ControlsLock() { view_.SetControlsEnabled(true); }
    ControlsLock(const ControlsLock&) = delete;
    ControlsLock& operator=(const ControlsLock&) = delete;

private:
    BootView& view_;
};

// A log line of the bootloader's own words (a source text, translated here) and a number.
QString Numbered(const char* text, quint32 number) {
    return QCoreApplication::translate("Bootloader", text) + QString::number(number);
}

// The line of a packet attempt that brought no reply to the packet, without its number.
const char* PacketFailureText(BootVerdict verdict) {
    switch (verdict) {
    case BootVerdict::NoAnswer:
        return QT_TRANSLATE_NOOP("Bootloader", "Нет ответа на пакет №");
    case BootVerdict::Stray:
        return QT_TRANSLATE_NOOP("Bootloader", "Ответ на другой запрос вместо пакета №");
    default:
        return QT_TRANSLATE_NOOP("Bootloader", "Ошибка CRC ответа на пакет №");
    }
}

} // namespace

Bootloader::Bootloader(BootExchange exchange, BootView& view, quint8 address, bool diagnostic)
    : exchange_(std::move(exchange)), view_(view), address_(address), diagnostic_(diagnostic) {}

Bootloader::Exchanged Bootloader::Exchange(const QByteArray& request, BootWait wait) {
    FrameFields fields{FrameHexText(request), {}, FrameDollarText(request)};
    view_.ShowFrameFields(fields);
    Exchanged done;
    done.reply = exchange_(request, wait);
    done.judged = JudgeBootReplyTo(request, done.reply);
    fields.reply = FrameHexText(done.reply);
    view_.ShowFrameFields(fields);
    return done;
}

bool Bootloader::Stopping() {
    if (!view_.StopRequested())
        return false;
    lastEnd_ = CommandEnd::Stopped;
    return true;
}

bool Bootloader::BeginProgramChange() {
    if (view_.BeginProgramChange())
        return true;
    lastEnd_ = CommandEnd::Stopped;
    return false;
}

void Bootloader::ReportException(quint8 code) {
    lastEnd_ = CommandEnd::Refused;
    const QString text = ExceptionText(code);
    Log(text);
    CurrentPrompts().Message(text, QCoreApplication::translate("Bootloader", "Ответ с ошибкой"));
}

void Bootloader::ReportUnexpected() {
    CurrentPrompts().Message(QCoreApplication::translate("Bootloader", "Неверный ответ"),
                             QCoreApplication::translate("Bootloader", "Ошибка"));
}

std::optional<QByteArray>
Bootloader::Run(const QByteArray& request, quint8 command, BootWait wait,
                const std::function<void(const BootReply&)>& beforeException) {
    view_.ShowFrameFields({});
    lastEnd_ = CommandEnd::Failed;
    const Exchanged done = Exchange(request, wait);
    switch (done.judged.verdict) {
    case BootVerdict::Expected:
        lastEnd_ = CommandEnd::Done;
        return done.reply;
    case BootVerdict::NoAnswer:
    case BootVerdict::CrcError:
        Log(LinkErrorText(done.judged.verdict == BootVerdict::NoAnswer ? LinkCount::NoAnswer
                                                                       : LinkCount::CrcError));
        // The erase and the finish also show what the receive buffer holds.
        if (command == BootEraseCode || command == BootFinishCode)
            view_.ShowFrameFields(
                {FrameHexText(request), FrameHexText(done.reply), ReceiveBufferText(done.reply)});
        return std::nullopt;
    case BootVerdict::Exception:
        if (beforeException)
            beforeException(done.judged);
        ReportException(done.judged.exceptionCode);
        return std::nullopt;
    case BootVerdict::Unexpected:
    case BootVerdict::Stray: // only a packet's reply names its request
        ReportUnexpected();
        return std::nullopt;
    }
    return std::nullopt;
}

bool Bootloader::BootInit() {
    const ControlsLock lock(view_);
    if (!Run(BootInitRequest(address_), BootInitCode, BootWait::Normal, {}))
        return false;
    Log(QCoreApplication::translate("Bootloader", "Команда принята!"));
    return true;
}

bool Bootloader::BootReadRegisters(quint16 start, quint16 count) {
    const ControlsLock lock(view_);
    const std::optional<QByteArray> reply =
        Run(BootReadRequest(address_, start, count), BootReadCode, BootWait::Normal, {});
    if (!reply)
        return false;
    if (start == BootRegistersStart) {
        BootloaderRegisters = DecodeBootRegisters(*reply);
        if (diagnostic_)
            for (const QString& line : BootRegisterLines(BootloaderRegisters))
                Log(line);
    } else if (start == ProgramDataStart) {
        for (const QString& line : ProgramDataLines(*reply))
            Log(line);
    }
    return true;
}

bool Bootloader::BootErase(quint8 area) {
    const ControlsLock lock(view_);
    if (area == EraseProgramArea && !BeginProgramChange())
        return false;
    Log(QCoreApplication::translate("Bootloader", "Очистка флэш-памяти микроконтроллера..."));
    const std::optional<QByteArray> reply =
        Run(BootEraseRequest(address_, area), BootEraseCode, BootWait::Long, {});
    if (!reply)
        return false;
    const bool erased = ReplyByte(*reply, 3) == BootStatusDone;
    Log(erased ? QCoreApplication::translate("Bootloader", "Флэш память стерта!")
               : QCoreApplication::translate("Bootloader", "Ошибка при стирании"));
    if (!erased)
        lastEnd_ = CommandEnd::Refused;
    return erased;
}

bool Bootloader::BootFinish() {
    const ControlsLock lock(view_);
    const auto beforeException = [this](const BootReply& judged) {
        if (judged.exceptionCode == 3)
            Log(QCoreApplication::translate("Bootloader", "Программа записана с ошибками!"));
        else if (judged.exceptionCode == 2)
            Log(QCoreApplication::translate("Bootloader", "Недопустимый спецкод!"));
    };
    const std::optional<QByteArray> reply =
        Run(BootFinishRequest(address_), BootFinishCode, BootWait::Normal, beforeException);
    if (!reply)
        return false;
    const bool written = ReplyByte(*reply, 3) == BootStatusDone;
    Log(written ? QCoreApplication::translate("Bootloader", "Программа успешно записана!")
                : QCoreApplication::translate("Bootloader", "Ошибочный спецкод!"));
    if (written)
        view_.EndProgramChange();
    else
        lastEnd_ = CommandEnd::Refused;
    return written;
}

bool Bootloader::BootWriteImage(QByteArrayView image) {
    const ControlsLock lock(view_);
    if (!BeginProgramChange())
        return false;
    const quint32 fullPackets = FullPackets(image.size());
    view_.ShowFrameFields({});
    QElapsedTimer clock;
    clock.start();
    int attemptsLeft = PacketAttempts;
    bool resend = false;
    QByteArray frame;
    lastEnd_ = CommandEnd::Failed;
    for (quint32 n = 0; n <= fullPackets;) {
        // Lets the thread that runs the update see its events (the terminal's stop signal).
        QCoreApplication::processEvents();
        if (attemptsLeft == 0 || Stopping())
            return false;
        const BootPacket packet = PacketAt(image.size(), n);
        // A packet tried again goes out exactly as it went the first time.
        if (!resend)
            frame = BootWriteRequest(address_, packet.flashAddress,
                                     image.sliced(packet.offset, packet.length));
        Exchanged done = Exchange(frame, BootWait::Normal);
        Log(QStringLiteral(" "));
        const bool answered = done.judged.verdict == BootVerdict::Expected ||
                              done.judged.verdict == BootVerdict::Exception ||
                              done.judged.verdict == BootVerdict::Unexpected;
        bool late = false;
        if (!answered) {
            // A reply still on its way answers this packet: were the packet sent again first,
            // its second reply would be taken for the next packet's.
            Exchanged again = Exchange(frame, BootWait::Again);
            late = again.judged.verdict == BootVerdict::Expected ||
                   again.judged.verdict == BootVerdict::Exception;
            if (late)
                done = std::move(again);
        }
        switch (done.judged.verdict) {
        case BootVerdict::Expected:
            view_.ShowProgress(ProgressAfter(n, fullPackets, clock.elapsed()));
            if (late)
                Log(Numbered(
                    QT_TRANSLATE_NOOP("Bootloader", "Ответ пришёл с опозданием на пакет №"), n));
            Log(Numbered(QT_TRANSLATE_NOOP("Bootloader", "Принят пакет №"), n));
            if (diagnostic_) {
                Log(Numbered(QT_TRANSLATE_NOOP("Bootloader", "Записано байт:"),
                             ReplyByte(done.reply, 2)));
                Log(QCoreApplication::translate("Bootloader", "Адрес: 0x") +
                    HexText(packet.flashAddress, 8));
            }
            attemptsLeft = PacketAttempts;
            resend = false;
            ++n;
            break;
        case BootVerdict::Exception:
            ReportException(done.judged.exceptionCode);
            Log(Numbered(QT_TRANSLATE_NOOP("Bootloader", "Ошибка принятия пакета №"), n));
            return false;
        case BootVerdict::Unexpected:
            ReportUnexpected();
            return false;
        case BootVerdict::NoAnswer:
        case BootVerdict::CrcError:
        case BootVerdict::Stray:
            Log(Numbered(PacketFailureText(done.judged.verdict), n));
            resend = true;
            --attemptsLeft;
            break;
        }
    }
    lastEnd_ = CommandEnd::Done;
    return true;
}

RestartCheck Bootloader::CheckRestart(int waitMs, int pauseMs) {
    const ControlsLock lock(view_);
    const auto read = [this](quint16 start, quint16 count) {
        return JudgeReadReply(exchange_(BuildReadRequest(address_, start, count), BootWait::Normal),
                              count);
    };
    const int version = StatusByMnemonic(u"Firmware_Version").field.offset;
    bool answered = false;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const ReadReply probe = read(ApplicationProbeStart, 1);
        if (probe.verdict.status == ReplyStatus::Correct && probe.words.size() == 1) {
            const ReadReply status = read(StatusBlockStart, StatusValueCount);
            if (status.verdict.status == ReplyStatus::Correct &&
                status.words.size() == StatusValueCount)
                return {RestartCheck::Answered::Application, Word32(status.words, version)};
        }
        answered = answered || (probe.verdict.status != ReplyStatus::NoAnswer &&
                                probe.verdict.status != ReplyStatus::CrcError);
        if (clock.elapsed() >= waitMs || Stopping())
            break;
        QCoreApplication::processEvents();
        QThread::msleep(pauseMs);
    }
    return {answered ? RestartCheck::Answered::Bootloader : RestartCheck::Answered::Nobody};
}
