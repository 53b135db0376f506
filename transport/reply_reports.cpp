#include "reply_reports.h"

namespace {

const QString NoAnswerText = QStringLiteral("Нет ответа");
const QString CrcErrorText = QStringLiteral("Ошибка CRC ответа");
const QString ErrorCaption = QStringLiteral("Ошибка");

QString ExceptionName(int code) {
    return code < int(ExceptionNames.size()) ? QString::fromUtf8(ExceptionNames[code]) : QString();
}

// The parts a read and a write report alike for a bad CRC or a missing reply.
void AddLinkError(ReplyReport& report, const QString& text, LinkCount count, quint16 start) {
    report.logEvent = QLatin1Char(' ') + text;
    report.memoLine = text + QStringLiteral(": ") + QString::number(start);
    report.count = count;
}

} // namespace

ReplyReport ReadReplyReport(const ReplyVerdict& verdict, quint16 start) {
    ReplyReport report;
    switch (verdict.status) {
    case ReplyStatus::Exception:
        report.statusText =
            QStringLiteral("Ответ с ошибкой: ") + ExceptionName(verdict.exceptionCode);
        report.memoLine = ExceptionText(verdict.exceptionCode);
        return report;
    case ReplyStatus::TooLong:
    case ReplyStatus::UnexpectedFunction:
        return report;
    case ReplyStatus::Correct:
        report.memoLine = QStringLiteral("Ответ получен по: ") + QString::number(start);
        report.statusText = QStringLiteral("Ответ принят корректно");
        break;
    case ReplyStatus::CrcError:
        AddLinkError(report, CrcErrorText, LinkCount::CrcError, start);
        report.statusText = CrcErrorText + QLatin1Char('!');
        break;
    case ReplyStatus::NoAnswer:
        AddLinkError(report, NoAnswerText, LinkCount::NoAnswer, start);
        break;
    }
    report.refreshPercent = true;
    return report;
}

ReplyReport WriteReplyReport(const ReplyVerdict& verdict, quint16 start) {
    ReplyReport report;
    report.messageCaption = ErrorCaption;
    switch (verdict.status) {
    case ReplyStatus::Exception:
        report.messageText = ExceptionText(verdict.exceptionCode);
        report.messageCaption = QStringLiteral("Ответ с ошибкой");
        report.memoLine = report.messageText;
        return report;
    case ReplyStatus::TooLong:
        return {};
    case ReplyStatus::Correct:
        report.messageText = QStringLiteral("Настройки изменены");
        report.messageCaption = QStringLiteral("Успешная запись");
        break;
    case ReplyStatus::UnexpectedFunction:
        report.messageText = QStringLiteral("Что-то пошло не так");
        break;
    case ReplyStatus::CrcError:
        report.messageText = CrcErrorText;
        AddLinkError(report, CrcErrorText, LinkCount::CrcError, start);
        break;
    case ReplyStatus::NoAnswer:
        report.messageText = NoAnswerText;
        AddLinkError(report, NoAnswerText, LinkCount::NoAnswer, start);
        break;
    }
    report.refreshPercent = true;
    return report;
}
