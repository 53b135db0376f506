#include "exit_codes.h"

#include <QCoreApplication>

ExitCode ExitCodeOf(const ReplyVerdict& verdict) {
    switch (verdict.status) {
    case ReplyStatus::Correct:
        return ExitDone;
    case ReplyStatus::Exception:
        return ExitRefused;
    case ReplyStatus::TooLong:
    case ReplyStatus::CrcError:
    case ReplyStatus::NoAnswer:
    case ReplyStatus::UnexpectedFunction:
        break;
    }
    return ExitNoAnswer;
}

QString VerdictText(const ReplyVerdict& verdict) {
    switch (verdict.status) {
    case ReplyStatus::Correct:
        break;
    case ReplyStatus::Exception:
        return QCoreApplication::translate("Cli", "Ответ с ошибкой: ") +
               ExceptionText(verdict.exceptionCode);
    case ReplyStatus::TooLong:
        return QCoreApplication::translate("Cli", "Ответ длиннее допустимого");
    case ReplyStatus::CrcError:
        return QCoreApplication::translate("Cli", "Ошибка CRC ответа");
    case ReplyStatus::NoAnswer:
        return QCoreApplication::translate("Cli", "Нет ответа");
    case ReplyStatus::UnexpectedFunction:
        return QCoreApplication::translate("Cli", "Ответ с неожиданным кодом функции");
    }
    return {};
}
