#include "exit_codes.h"

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
        return QStringLiteral("Ответ с ошибкой: ") + ExceptionText(verdict.exceptionCode);
    case ReplyStatus::TooLong:
        return QStringLiteral("Ответ длиннее допустимого");
    case ReplyStatus::CrcError:
        return QStringLiteral("Ошибка CRC ответа");
    case ReplyStatus::NoAnswer:
        return QStringLiteral("Нет ответа");
    case ReplyStatus::UnexpectedFunction:
        return QStringLiteral("Ответ с неожиданным кодом функции");
    }
    return {};
}
