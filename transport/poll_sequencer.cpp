#include "poll_sequencer.h"

#include "reply_reports.h"

#include <QCoreApplication>

namespace {

// The status area is read to its end: the cell status array ends at register 649.
constexpr quint16 StatusEnd = 650;
constexpr quint16 JournalStart = 0x7400;
constexpr quint16 LastFullJournalRun = 0x7F83; // a run of 125 from here still ends in the journal
constexpr quint32 JournalEnd = 0x8000;

quint8 ByteAt(QByteArrayView bytes, qsizetype i) {
    return i < bytes.size() ? quint8(bytes[i]) : 0;
}

// The block a memo line is about, after its text.
QString RequestText(PollRequest request) {
    return QCoreApplication::translate("PollSequencer", " Адрес=%1 Кол-во=%2")
        .arg(request.firstRegister)
        .arg(request.count);
}

QString BlockText(const char* what, PollRequest request) {
    return QCoreApplication::translate("PollSequencer", what) + RequestText(request);
}

// Status-bar panel 1 after a link error, and the memo line's text of it.
QString LinkErrorReply(LinkCount count) {
    return LinkErrorText(count) + QLatin1Char('!');
}

// The diagnostic line of a reply that failed its CRC; waiting is every byte that came, reply the
// part of it judged. The reply is looked at as it lies in a zero-filled receive buffer, so bytes
// it lacks read as zero and are never read past its end.
QString CrcDetails(QByteArrayView reply, qsizetype waiting) {
    const bool exception = ByteAt(reply, 1) & 0x80;
    const int byteCount = exception ? 0 : ByteAt(reply, 2);
    const qsizetype covered = exception ? 3 : ByteAt(reply, 2) + 3;
    QByteArray buffer(reply.data(), reply.size());
    buffer.resize(qMax(buffer.size(), covered + 2), '\0');
    const quint16 computed = ModbusCrc16(QByteArrayView(buffer).first(covered));
    const quint16 received = quint16(ByteAt(buffer, covered) << 8 | ByteAt(buffer, covered + 1));
    return QStringLiteral("rxcnt=%1 ByteRx=%2 crc=%3 crcRx=%4")
        .arg(waiting)
        .arg(byteCount)
        .arg(computed)
        .arg(received);
}

} // namespace

std::optional<PollRequest> PollSequencer::StartCycle() {
    if (!idle_)
        return std::nullopt;
    idle_ = false;
    return Ask(1, PollArea::Status, 0, 50, 0);
}

std::optional<PollRequest> PollSequencer::ReplyJudged(bool readSettings, bool readJournal) {
    if (idle_)
        return std::nullopt;
    const PollRequest current = block_.request;
    switch (state_) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: {
        const quint16 first = current.firstRegister + current.count;
        const quint16 count = state_ == 5 ? StatusEnd - first : MaxReadRegisters;
        return Ask(state_ + 1, PollArea::Status, first, count, first);
    }
    case 6:
        return AfterStatus(readSettings, readJournal);
    case 7:
        return Ask(8, PollArea::ChargeSettings, 0x6C00, 47, 0);
    case 8:
        return Ask(9, PollArea::AlarmSettings, 0x7000, 49, 0);
    case 9:
        return readJournal ? JournalFrom(JournalStart, 0) : EndCycle();
    case 10:
        return JournalFrom(current.firstRegister + MaxReadRegisters,
                           block_.index + MaxReadRegisters);
    default:
        return EndCycle();
    }
}

void PollSequencer::TimedOut() {
    EndCycle();
}

std::optional<PollRequest> PollSequencer::Ask(int state, PollArea area, quint16 first,
                                              quint16 count, int index) {
    state_ = state;
    block_ = {{first, count}, area, index};
    return block_.request;
}

std::optional<PollRequest> PollSequencer::AfterStatus(bool readSettings, bool readJournal) {
    if (readSettings)
        return Ask(7, PollArea::CommSettings, 0x6800, 6, 0);
    return readJournal ? JournalFrom(JournalStart, 0) : EndCycle();
}

// Runs of 125 while a whole run fits below 0x8000, then the rest of the journal in state 11.
std::optional<PollRequest> PollSequencer::JournalFrom(quint16 first, int index) {
    if (first <= LastFullJournalRun)
        return Ask(10, PollArea::Journal, first, MaxReadRegisters, index);
    return Ask(11, PollArea::Journal, first, quint16(JournalEnd - first), index);
}

std::optional<PollRequest> PollSequencer::EndCycle() {
    state_ = 1;
    idle_ = true;
    return std::nullopt;
}

ParsedPollReply ParsePollReply(QByteArrayView received, PollRequest request,
                               const QDateTime& when) {
    const QByteArrayView reply =
        received.first(std::min<qsizetype>(received.size(), MaxFrameBytes));
    ParsedPollReply parsed;
    PollReport& report = parsed.report;
    report.when = when;
    report.memoLines << QStringLiteral(" ");
    ReadReply judged = JudgeReadReply(reply, request.count);
    switch (judged.verdict.status) {
    case ReplyStatus::Exception: {
        const int code = judged.verdict.exceptionCode;
        report.verdict = PollVerdict::Exception;
        report.memoLines << ExceptionText(code) + RequestText(request);
        report.counter = PollCounter::Success;
        report.replyText = ExceptionReplyText(code);
        break;
    }
    case ReplyStatus::TooLong:
        report.verdict = PollVerdict::TooLong;
        report.memoLines << BlockText(
            QT_TRANSLATE_NOOP("PollSequencer", "Данные полученные не влазят в массив."), request);
        break;
    case ReplyStatus::Correct:
        if (judged.words.size() != request.count) {
            report.verdict = PollVerdict::WrongLength;
            report.memoLines << BlockText(
                QT_TRANSLATE_NOOP("PollSequencer", "Длина ответа не совпадает с запросом."),
                request);
            break;
        }
        report.verdict = PollVerdict::Stored;
        report.memoLines << BlockText(QT_TRANSLATE_NOOP("PollSequencer", "Ответ получен."),
                                      request);
        report.counter = PollCounter::Success;
        report.replyText = CorrectReplyText();
        report.refreshPercentage = true;
        parsed.words = std::move(judged.words);
        break;
    default:
        report.verdict = PollVerdict::CrcError;
        report.replyText = LinkErrorReply(LinkCount::CrcError);
        report.memoLines << report.replyText + RequestText(request)
                         << CrcDetails(reply, received.size());
        report.counter = PollCounter::CrcError;
        report.logText = LinkErrorLogEvent(LinkCount::CrcError);
        report.refreshPercentage = true;
        break;
    }
    return parsed;
}

PollReport NoAnswerReport(PollRequest request, const QDateTime& when) {
    PollReport report;
    report.verdict = PollVerdict::NoAnswer;
    report.replyText = LinkErrorReply(LinkCount::NoAnswer);
    report.memoLines << report.replyText + RequestText(request);
    report.counter = PollCounter::NoAnswer;
    report.logText = LinkErrorLogEvent(LinkCount::NoAnswer);
    report.when = when;
    return report;
}

QString RxTotalText(quint32 rxBytesTotal) {
    return QCoreApplication::translate("PollSequencer", "Всего принято %1 байт").arg(rxBytesTotal);
}
