#include "command_sending.h"

#include "conversion_report.h"
#include "page_main.h"
#include "password.h"
#include "prompts.h"
#include "reply_reporting.h"
#include "table_state.h"

#include <QCoreApplication>

namespace {

void ReadStatusValues(RegisterImage& image) {
    ShowReadReply(StatusBlockStart, 0, image.StatusBlock, StatusValueCount);
}

// The typed password packed, or nothing after the operator cancelled or was told why not.
std::optional<quint32> AskPassword(const QString& prompt) {
    const std::optional<QString> typed =
        CurrentPrompts().Input(QStringLiteral("Окно ввода пароля"), prompt, QString());
    if (!typed)
        return std::nullopt;
    const PasswordPacking packed = PackPassword(*typed);
    if (!packed.parameter)
        CurrentPrompts().Message(packed.error, QCoreApplication::applicationName());
    return packed.parameter;
}

} // namespace

void SendCommand(CommandCode code, quint32 parameter) {
    const CommandBlock block = MakeCommandBlock(code, parameter);
    ShowWriteReply(CommandRegister, block.words);
}

TableStore WriteTable(WritableTable table, const CellReader& cells, RegisterImage& image) {
    const TableStore store = StoreTableCells(table, cells, image);
    if (!store.complete) {
        ReportConversionError(store.error);
        return store;
    }
    const TableTransfer transfer = TransferOf(table, image);
    ShowWriteReply(transfer.start, transfer.words);
    return store;
}

ClockFields ReadClock(RegisterImage& image) {
    ReadStatusValues(image);
    const int clock = StatusByMnemonic(u"RTC_Time_Value").field.offset;
    return ClockFieldsFromSeconds(Word32(image.StatusBlock, clock));
}

bool PasswordToggled(bool pressed, RegisterImage& image) {
    if (pressed) {
        const std::optional<quint32> password = AskPassword(QStringLiteral("Введите пароль:"));
        if (!password)
            return false;
        SendCommand(CommandCode::Login, *password);
    } else {
        SendCommand(CommandCode::Logout, 0);
    }
    ReadStatusValues(image);
    return LoginInForce(image);
}

bool SendNewPassword() {
    const std::optional<quint32> password = AskPassword(QStringLiteral("Введите новый пароль:"));
    if (password)
        SendCommand(CommandCode::NewPassword, *password);
    return password.has_value();
}

bool LoginInForce(const RegisterImage& image) {
    return ComputeMainPage(image.StatusBlock).loggedIn;
}
