#include "command_sending.h"

#include "page_main.h"
#include "password.h"
#include "prompts.h"
#include "reply_reporting.h"
#include "table_state.h"

#include <QCoreApplication>

namespace {

// The verdict on the read; nothing when it could not be sent.
std::optional<ReplyVerdict> ReadStatusValues(RegisterImage& image) {
    return ShowReadReply(StatusBlockStart, 0, image.StatusBlock, StatusValueCount);
}

// The typed password packed, or nothing after the operator cancelled or was told why not.
std::optional<quint32> AskPassword(const QString& prompt) {
    const std::optional<QString> typed = CurrentPrompts().Input(
        QCoreApplication::translate("CommandSending", "Окно ввода пароля"), prompt, QString());
    if (!typed)
        return std::nullopt;
    const PasswordPacking packed = PackPassword(*typed);
    if (!packed.parameter)
        CurrentPrompts().Message(packed.error, QCoreApplication::applicationName());
    return packed.parameter;
}

} // namespace

std::optional<ReplyVerdict> SendCommand(CommandCode code, quint32 parameter, WriteSuccess success) {
    const CommandBlock block = MakeCommandBlock(code, parameter);
    return ShowWriteReply(CommandRegister, block.words, success);
}

TableStore WriteTable(WritableTable table, const CellReader& cells, RegisterImage& image) {
    const TableStore store = StoreTableCells(table, cells, image);
    if (!store.complete) {
        ReportError(store.error);
        return store;
    }
    const TableTransfer transfer = TransferOf(table, image);
    ShowWriteReply(transfer.start, transfer.words);
    return store;
}

ClockFields StatusClock(const RegisterImage& image) {
    const int clock = StatusByMnemonic(u"RTC_Time_Value").field.offset;
    return ClockFieldsFromSeconds(Word32(image.StatusBlock, clock));
}

std::optional<ClockFields> ReadClock(RegisterImage& image) {
    if (!ReadStatusValues(image))
        return std::nullopt;
    return StatusClock(image);
}

std::optional<bool> PasswordToggled(bool pressed, RegisterImage& image) {
    std::optional<ReplyVerdict> written;
    if (pressed) {
        const std::optional<quint32> password =
            AskPassword(QCoreApplication::translate("CommandSending", "Введите пароль:"));
        if (!password)
            return false;
        written = SendCommand(CommandCode::Login, *password, WriteSuccess::LeftToCaller);
    } else {
        written = SendCommand(CommandCode::Logout, 0, WriteSuccess::LeftToCaller);
    }
    // The read-back could not be sent either, and would say so a second time.
    if (!written)
        return std::nullopt;
    const std::optional<ReplyVerdict> read = ReadStatusValues(image);
    const bool loggedIn = LoginInForce(image);
    if (written->status != ReplyStatus::Correct)
        return loggedIn;
    // The controller takes any password into its mailbox; only the bit read back tells.
    if (read && read->status == ReplyStatus::Correct && loggedIn != pressed)
        CurrentPrompts().Message(
            pressed ? QCoreApplication::translate("CommandSending",
                                                  "Пароль не принят: вход не выполнен!")
                    : QCoreApplication::translate("CommandSending",
                                                  "Выход не выполнен: вход остался в силе!"),
            QCoreApplication::translate("CommandSending", "Ошибка"), Prompts::Buttons::Ok,
            Prompts::Icon::Error);
    else
        TellWriteTaken();
    return loggedIn;
}

bool SendNewPassword() {
    const std::optional<quint32> password =
        AskPassword(QCoreApplication::translate("CommandSending", "Введите новый пароль:"));
    return password && SendCommand(CommandCode::NewPassword, *password).has_value();
}

bool LoginInForce(const RegisterImage& image) {
    return ComputeMainPage(image.StatusBlock).loggedIn;
}
