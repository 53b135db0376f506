#include "reply_reports.h"

#include <QCoreApplication>

namespace {

// The Russian sources of the two link errors, which the monitoring log keeps as they are; none
// for None.
const char* LinkErrorSource(LinkCount count) {
    switch (count) {
    case LinkCount::CrcError:
        return QT_TRANSLATE_NOOP("ReplyReports", "Ошибка CRC ответа");
    case LinkCount::NoAnswer:
        return QT_TRANSLATE_NOOP("ReplyReports", "Нет ответа");
    case LinkCount::None:
        break;
    }
    return nullptr;
}

// The parts a read and a write report alike for a bad CRC or a missing reply.
void AddLinkError(ReplyReport& report, LinkCount count, quint16 start) {
    report.logEvent = LinkErrorLogEvent(count);
    report.memoLine = LinkErrorText(count) + QStringLiteral(": ") + QString::number(start);
    report.count = count;
}

} // namespace

QString LinkErrorText(LinkCount count) {
    return QCoreApplication::translate("ReplyReports", LinkErrorSource(count));
}

QString LinkErrorLogEvent(LinkCount count) {
    const char* source = LinkErrorSource(count);
    return source ? QLatin1Char(' ') + QString::fromUtf8(source) : QString();
}

QString ExceptionReplyText(int code) {
    return QCoreApplication::translate("ReplyReports", "Ответ с ошибкой: ") + ExceptionName(code);
}

QString CorrectReplyText() {
    return QCoreApplication::translate("ReplyReports", "Ответ принят корректно");
}

ReplyReport ReadReplyReport(const ReplyVerdict& verdict, quint16 start) {
    ReplyReport report;
    switch (verdict.status) {
    case ReplyStatus::Exception:
        report.statusText = ExceptionReplyText(verdict.exceptionCode);
        report.memoLine = ExceptionText(verdict.exceptionCode);
        return report;
    case ReplyStatus::TooLong:
    case ReplyStatus::UnexpectedFunction:
        return report;
    case ReplyStatus::Correct:
        report.memoLine = QCoreApplication::translate("ReplyReports", "Ответ получен по: ") +
                          QString::number(start);
        report.statusText = CorrectReplyText();
        break;
    case ReplyStatus::CrcError:
        AddLinkError(report, LinkCount::CrcError, start);
        report.statusText = LinkErrorText(LinkCount::CrcError) + QLatin1Char('!');
        break;
    case ReplyStatus::NoAnswer:
        AddLinkError(report, LinkCount::NoAnswer, start);
        break;
    }
    report.refreshPercent = true;
    return report;
}

ReplyReport WriteReplyReport(const ReplyVerdict& verdict, quint16 start) {
    ReplyReport report;
    report.messageCaption = QCoreApplication::translate("ReplyReports", "Ошибка");
    switch (verdict.status) {
    case ReplyStatus::Exception:
        report.messageText = ExceptionText(verdict.exceptionCode);
        report.messageCaption = QCoreApplication::translate("ReplyReports", "Ответ с ошибкой");
        report.memoLine = report.messageText;
        return report;
    case ReplyStatus::TooLong:
        return {};
    case ReplyStatus::Correct:
        report.messageText = QCoreApplication::translate("ReplyReports", "Настройки изменены");
        report.messageCaption = QCoreApplication::translate("ReplyReports", "Успешная запись");
        break;
    case ReplyStatus::UnexpectedFunction:
        report.messageText = QCoreApplication::translate("ReplyReports", "Что-то пошло не так");
        break;
    case ReplyStatus::CrcError:
        AddLinkError(report, LinkCount::CrcError, start);
        report.messageText = LinkErrorText(LinkCount::CrcError);
        break;
    case ReplyStatus::NoAnswer:
        AddLinkError(report, LinkCount::NoAnswer, start);
        report.messageText = LinkErrorText(LinkCount::NoAnswer);
        break;
    }
    report.refreshPercent = true;
    return report;
}
