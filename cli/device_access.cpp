#include "device_access.h"

#include "console.h"
#include "reply_reporting.h"
#include "settings_write.h"
#include "sync_exchange.h"

#include <QCoreApplication>

#include <algorithm>

ExitCode ReadRegisters(quint16 start, std::span<quint16> target) {
    for (std::size_t done = 0; done < target.size();) {
        const quint16 count =
            quint16(std::min<std::size_t>(MaxReadRegisters, target.size() - done));
        const quint16 first = quint16(start + done);
        const std::optional<ReplyVerdict> verdict = ShowReadReply(first, int(done), target, count);
        // Nothing sent: the reason has been told already.
        if (!verdict)
            return ExitUsage;
        QString failure = VerdictText(*verdict);
        // A correct reply with fewer registers than asked for would leave the rest unread.
        if (failure.isEmpty() && JudgeReadReply(SyncReply(), count).words.size() != count)
            failure =
                QCoreApplication::translate("Cli", "в ответе меньше регистров, чем запрошено");
        if (!failure.isEmpty()) {
            PrintError(QCoreApplication::translate("Cli", "Чтение регистров с 0x%1: %2")
                           .arg(first, 4, 16, QLatin1Char('0'))
                           .arg(failure));
            return verdict->status == ReplyStatus::Correct ? ExitNoAnswer : ExitCodeOf(*verdict);
        }
        done += count;
    }
    return ExitDone;
}

ExitCode ReadStatusValues(RegisterImage& image) {
    return ReadRegisters(StatusBlockStart, std::span(image.StatusBlock).first(StatusValueCount));
}

ExitCode WriteRegisters(quint16 start, std::span<const quint16> values) {
    return WriteOutcome(ShowWriteReply(start, values));
}

ExitCode WriteOutcome(const std::optional<ReplyVerdict>& verdict) {
    if (!verdict)
        return ExitUsage;
    // The reply reporting tells every other outcome of a write in its message.
    if (verdict->status == ReplyStatus::TooLong)
        PrintError(VerdictText(*verdict));
    return ExitCodeOf(*verdict);
}
