#include "reply_reporting.h"

#include "connection_settings.h"
#include "number_format.h"
#include "prompts.h"
#include "sync_exchange.h"

#include <functional>

namespace {

ReplyDisplay* installedDisplay = nullptr;


// Sends the request built for the typed address and returns the count received. Nothing, and no
// reply to report, when the address does not convert or another exchange is still under way;
// each of those has said why.
std::optional<quint16> SendRequest(const std::function<QByteArray(quint8)>& build) {
    const std::optional<quint8> address = RequestAddress();
    if (!address || RefusedWhileBusy())
        return std::nullopt;
    return ExchangeSync(LoadSyncTxFrame(build(*address)));
}

void Present(const ReplyReport& report, const QDateTime& when) {
    ReplyDisplay* display = installedDisplay;
    if (display && !report.statusText.isEmpty())
        display->ShowReplyStatus(report.statusText);
    if (!report.messageText.isEmpty())
        CurrentPrompts().Message(report.messageText, report.messageCaption);
    if (!display)
        return;
    if (!report.logEvent.isEmpty())
        display->LogLinkError(when, report.logEvent);
    if (!report.memoLine.isEmpty())
        display->AddDiagnosticLine(report.memoLine);
    if (report.count != LinkCount::None)
        display->CountLinkError(report.count);
    if (report.refreshPercent)
        display->RefreshLinkPercent();
}

} // namespace

std::optional<quint8> RequestAddress() {
    const QString text = CurrentConnectionSettings().addressText;
    bool ok = false;
    const int address = text.trimmed().toInt(&ok, 10);
    if (ok)
        return quint8(address & 0xFF);
    ReportError(NotInteger(text));
    return std::nullopt;
}


void SetReplyDisplay(ReplyDisplay* display) {
    installedDisplay = display;
}

std::optional<ReplyVerdict> ShowReadReply(quint16 start, int index, std::span<quint16> target,
                                          quint16 count) {
    const QDateTime when = QDateTime::currentDateTime();
    const std::optional<quint16> received =
        SendRequest([&](quint8 address) { return BuildReadRequest(address, start, count); });
    if (!received)
        return std::nullopt;
    ReadReply reply;
    if (*received != 0)
        reply = JudgeReadReply(SyncReply(), count);
    const ReplyReport report = ReadReplyReport(reply.verdict, start);
    if (reply.verdict.status == ReplyStatus::Correct && index >= 0) {
        // A reply that announces fewer words than asked for leaves the rest as they were.
        for (qsizetype k = 0; k < reply.words.size() && std::size_t(index + k) < target.size(); ++k)
            target[index + k] = reply.words[k];
    }
    Present(report, when);
    return reply.verdict;
}

std::optional<ReplyVerdict> ShowWriteReply(quint16 start, std::span<const quint16> values,
                                           WriteSuccess success) {
    const QDateTime when = QDateTime::currentDateTime();
    const std::optional<quint16> received =
        SendRequest([&](quint8 address) { return BuildWriteRequest(address, start, values); });
    if (!received)
        return std::nullopt;
    const ReplyVerdict verdict =
        *received != 0 ? JudgeWriteReply(SyncReply()) : ReplyVerdict{ReplyStatus::NoAnswer, 0};
    ReplyReport report = WriteReplyReport(verdict, start);
    if (verdict.status == ReplyStatus::Correct && success == WriteSuccess::LeftToCaller)
        report.messageText.clear();
    Present(report, when);
    return verdict;
}

void TellWriteTaken() {
    const ReplyReport taken = WriteReplyReport({ReplyStatus::Correct, 0}, 0);
    CurrentPrompts().Message(taken.messageText, taken.messageCaption);
}
