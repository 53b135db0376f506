// command ...: the one-shot commands of the controller's mailbox and its clock.

#include "command_sending.h"
#include "console.h"
#include "device_access.h"
#include "device_time.h"
#include "handlers.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>

namespace {

// Sends the command when its parameter could be built; otherwise the reason has been told.
int Send(CommandCode code, std::optional<quint32> parameter) {
    if (!parameter)
        return ExitUsage;
    return WriteOutcome(SendCommand(code, *parameter));
}

QString ClockText(const ClockFields& f) {
    return QStringLiteral("%1.%2.%3 %4:%5:%6")
        .arg(f.day, 2, 10, QLatin1Char('0'))
        .arg(f.month, 2, 10, QLatin1Char('0'))
        .arg(f.year, 4, 10, QLatin1Char('0'))
        .arg(f.hour, 2, 10, QLatin1Char('0'))
        .arg(f.minute, 2, 10, QLatin1Char('0'))
        .arg(f.second, 2, 10, QLatin1Char('0'));
}

// "now" or "dd.mm.yyyy hh:mm:ss" as a real date and time; nothing, with the reason told, for any
// other text.
std::optional<ClockFields> ClockArgument(const QString& text) {
    if (text == QLatin1String("now"))
        return ClockFieldsFromDateTime(QDateTime::currentDateTime());
    static const QRegularExpression pattern(QStringLiteral(
        "^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})\\s+(\\d{1,2}):(\\d{1,2}):(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) {
        PrintError(QCoreApplication::translate(
                       "Cli", "Время задаётся как now или \"дд.мм.гггг чч:мм:сс\", задано "
                              "\"%1\"")
                       .arg(text));
        return std::nullopt;
    }
    const auto number = [&](int group) { return m.captured(group).toInt(); };
    const ClockFields fields = {number(4), number(5), number(6), number(1), number(2), number(3)};
    if (!QDate(fields.year, fields.month, fields.day).isValid() ||
        !QTime(fields.hour, fields.minute, fields.second).isValid()) {
        PrintError(QCoreApplication::translate("Cli", "Нет такой даты или времени: %1").arg(text));
        return std::nullopt;
    }
    // The year is written in full: 0099 is not 2099.
    if (fields.year < FirstClockYear || fields.year > LastClockYear) {
        PrintError(ClockRangeText());
        return std::nullopt;
    }
    return fields;
}

int SetClock(const ClockFields& fields) {
    const ClockTexts texts = {QString::number(fields.hour),   QString::number(fields.minute),
                              QString::number(fields.second), QString::number(fields.day),
                              QString::number(fields.month),  QString::number(fields.year)};
    const std::optional<quint32> seconds = ClockParameter(texts);
    const int code = Send(CommandCode::SetClock, seconds);
    // The time sent, as the controller's clock reads it back.
    if (code == ExitDone)
        PrintOut(QCoreApplication::translate("Cli", "Часы контроллера установлены: %1")
                     .arg(ClockText(ClockFieldsFromSeconds(*seconds))));
    return code;
}

int ShowClock() {
    RegisterImage image;
    if (const ExitCode code = ReadStatusValues(image))
        return code;
    PrintOut(ClockText(StatusClock(image)));
    return ExitDone;
}

} // namespace

int RunCalibrateZero(const CliCall&, const QStringList&) {
    return Send(CommandCode::CalibrateCurrent, 0);
}

int RunCalibrate(const CliCall&, const QStringList& arguments) {
    return Send(CommandCode::CalibrateCurrent, CalibrationParameter(arguments.first()));
}

int RunSetStateOfCharge(const CliCall&, const QStringList& arguments) {
    return Send(CommandCode::SetStateOfCharge, EntryParameter(arguments.first()));
}

int RunSetFullChargeCapacity(const CliCall&, const QStringList& arguments) {
    return Send(CommandCode::SetFullChargeCapacity, EntryParameter(arguments.first()));
}

int RunSetCycleCount(const CliCall&, const QStringList& arguments) {
    return Send(CommandCode::SetCycleCount, EntryParameter(arguments.first()));
}

int RunClock(const CliCall&, const QStringList& arguments) {
    if (arguments.isEmpty())
        return ShowClock();
    // The date and the time may also come as two words.
    const std::optional<ClockFields> fields = ClockArgument(arguments.join(QLatin1Char(' ')));
    return fields ? SetClock(*fields) : ExitUsage;
}

int RunClearJournal(const CliCall&, const QStringList&) {
    return Send(CommandCode::ClearJournal, 0);
}
