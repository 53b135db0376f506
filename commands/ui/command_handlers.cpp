#include "command_handlers.h"

#include "command_sending.h"
#include "main_page.h"
#include "string_grid.h"
#include "table_page.h"

#include <QAbstractButton>
#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QTableWidget>

namespace {

constexpr int ValueColumn = 2;
constexpr int RemarkColumn = 3;

CellReader ValueCells(const QTableWidget* grid) {
    return [grid](int row) {
        return ValueCell(GridCell(grid, row, ValueColumn), FilledGridWord(grid, row, ValueColumn));
    };
}

void ShowRemarks(QTableWidget* grid, const QList<Remark>& remarks) {
    for (const Remark& r : remarks)
        SetGridCell(grid, r.row, RemarkColumn, r.text);
}

} // namespace

CommandHandlers::CommandHandlers(QWidget* root, RegisterImage& image)
    : QObject(root), root_(root), image_(image) {}

template <class Widget> Widget* CommandHandlers::Find(const char* name) const {
    return root_->findChild<Widget*>(QLatin1String(name));
}

// The text of an edit field or of a list that takes typed text.
QString CommandHandlers::Text(const char* name) const {
    if (const auto* combo = Find<QComboBox>(name))
        return combo->currentText();
    if (const auto* edit = Find<QLineEdit>(name))
        return edit->text();
    return {};
}

void CommandHandlers::ConnectButton(const char* name, void (CommandHandlers::*handler)()) {
    ConnectPageButton(root_, name, this, handler);
}

void CommandHandlers::Connect() {
    ConnectButton("BitBtn_WRITESETRS_", &CommandHandlers::BitBtn_WRITESETRS_Click);
    ConnectButton("BitBtn_WRITESETALARM_", &CommandHandlers::BitBtn_WRITESETALARM_Click);
    ConnectButton("BitBtn_WRITESETCHARGE_", &CommandHandlers::BitBtn_WRITESETCHARGE_Click);
    ConnectButton("BitBtn_WRITEINFOBASE_", &CommandHandlers::BitBtn_WRITEINFOBASE_Click);
    ConnectButton("BitBtn_CALIBERCURRNULL_", &CommandHandlers::BitBtn_CALIBERCURRNULL_Click);
    ConnectButton("BitBtn_CALIBERCURR_", &CommandHandlers::BitBtn_CALIBERCURR_Click);
    ConnectButton("BitBtn_SETSOC_", &CommandHandlers::BitBtn_SETSOC_Click);
    ConnectButton("BitBtn_SETFCC_", &CommandHandlers::BitBtn_SETFCC_Click);
    ConnectButton("BitBtn_SETCYCLE_", &CommandHandlers::BitBtn_SETCYCLE_Click);
    ConnectButton("BitBtn_SETMODE_", &CommandHandlers::BitBtn_SETMODE_Click);
    ConnectButton("BitBtn_CLEARLOG_", &CommandHandlers::BitBtn_CLEARLOG_Click);
    ConnectButton("BitBtn_TIMEREAD_", &CommandHandlers::BitBtn_TIMEREAD_Click);
    ConnectButton("BitBtn_TIMEWIN_", &CommandHandlers::BitBtn_TIMEWIN_Click);
    ConnectButton("BitBtn_TIMEWRITE_", &CommandHandlers::BitBtn_TIMEWRITE_Click);
    // clicked, not toggled: the handler runs only for the operator's press, after the toggle
    // has taken its new state.
    ConnectButton("SpeedButton_PASSWORD_", &CommandHandlers::SpeedButton_PASSWORD_Click);
    ConnectButton("BitBtn_PASSWORDNEW_", &CommandHandlers::BitBtn_PASSWORDNEW_Click);
    // Only an edit the operator finishes is checked; fills and loaded files are not.
    if (auto* grid = Find<QTableWidget>("StringGrid_SETRS_"))
        connect(grid->itemDelegate(), &QAbstractItemDelegate::commitData, this,
                &CommandHandlers::StringGrid_SETRS_SetEditText);
}

void CommandHandlers::WriteGrid(const char* gridName, WritableTable table) {
    auto* grid = Find<QTableWidget>(gridName);
    if (!grid)
        return;
    const TableStore store = WriteTable(table, ValueCells(grid), image_);
    ShowRemarks(grid, store.remarks);
}

void CommandHandlers::BitBtn_WRITESETRS_Click() {
    WriteGrid("StringGrid_SETRS_", WritableTable::CommSettings);
}

void CommandHandlers::BitBtn_WRITESETALARM_Click() {
    WriteGrid("StringGrid_SETALARM_", WritableTable::AlarmSettings);
}

void CommandHandlers::BitBtn_WRITESETCHARGE_Click() {
    WriteGrid("StringGrid_SETCHARGE_", WritableTable::ChargeSettings);
}

void CommandHandlers::BitBtn_WRITEINFOBASE_Click() {
    WriteGrid("StringGrid_INFOBASE_", WritableTable::Status);
}

void CommandHandlers::StringGrid_SETRS_SetEditText() {
    if (auto* grid = Find<QTableWidget>("StringGrid_SETRS_"))
        ShowRemarks(grid, CommSettingsEditRemarks(ValueCells(grid)));
}

void CommandHandlers::BitBtn_CALIBERCURRNULL_Click() {
    SendCommand(CommandCode::CalibrateCurrent, 0);
}

void CommandHandlers::BitBtn_CALIBERCURR_Click() {
    if (const std::optional<quint32> current = CalibrationParameter(Text("Edit_CALIBERCURR_")))
        SendCommand(CommandCode::CalibrateCurrent, *current);
}

void CommandHandlers::SendEntry(const char* fieldName, CommandCode code) {
    if (const std::optional<quint32> value = EntryParameter(Text(fieldName)))
        SendCommand(code, *value);
}

void CommandHandlers::BitBtn_SETSOC_Click() {
    SendEntry("LabeledEdit_SETSOC_", CommandCode::SetStateOfCharge);
}

void CommandHandlers::BitBtn_SETFCC_Click() {
    SendEntry("LabeledEdit_SETFCC_", CommandCode::SetFullChargeCapacity);
}

void CommandHandlers::BitBtn_SETCYCLE_Click() {
    SendEntry("Edit_SETCYCLE_", CommandCode::SetCycleCount);
}

void CommandHandlers::BitBtn_SETMODE_Click() {
    const auto* buzzer = Find<QCheckBox>("CheckBox_SETMODE_BUZZER_");
    SendCommand(CommandCode::SetMode, ModeParameter(buzzer && buzzer->isChecked()));
}

void CommandHandlers::BitBtn_CLEARLOG_Click() {
    SendCommand(CommandCode::ClearJournal, 0);
}

void CommandHandlers::BitBtn_TIMEREAD_Click() {
    if (const std::optional<ClockFields> fields = ReadClock(image_))
        ShowClockFields(*fields);
}

void CommandHandlers::BitBtn_TIMEWIN_Click() {
    ShowClockFields(ClockFieldsFromDateTime(QDateTime::currentDateTime()));
}

void CommandHandlers::BitBtn_TIMEWRITE_Click() {
    const ClockTexts texts = {Text("LabeledEdit_HOUR_"),   Text("LabeledEdit_MINUTE_"),
                              Text("LabeledEdit_SECOND_"), Text("ComboBox_DAY_"),
                              Text("ComboBox_MONTH_"),     Text("LabeledEdit_YEAR_")};
    const std::optional<quint32> seconds = ClockParameter(texts);
    if (!seconds)
        return;
    // The fields show the time the controller took, as a read would show it: a year typed as 15
    // comes back as 2015, 25 o'clock as one o'clock of the next day.
    const std::optional<ReplyVerdict> verdict = SendCommand(CommandCode::SetClock, *seconds);
    if (verdict && verdict->status == ReplyStatus::Correct)
        ShowClockFields(ClockFieldsFromSeconds(*seconds));
}

void CommandHandlers::ShowClockFields(const ClockFields& fields) {
    const struct {
        const char* name;
        int value;
    } edits[] = {{"LabeledEdit_HOUR_", fields.hour},
                 {"LabeledEdit_MINUTE_", fields.minute},
                 {"LabeledEdit_SECOND_", fields.second},
                 {"LabeledEdit_YEAR_", fields.year}};
    for (const auto& e : edits)
        if (auto* edit = Find<QLineEdit>(e.name))
            edit->setText(QString::number(e.value));
    if (auto* day = Find<QComboBox>("ComboBox_DAY_"))
        day->setCurrentIndex(fields.day - 1);
    if (auto* month = Find<QComboBox>("ComboBox_MONTH_"))
        month->setCurrentIndex(fields.month - 1);
}

void CommandHandlers::SpeedButton_PASSWORD_Click() {
    if (auto* toggle = Find<QAbstractButton>("SpeedButton_PASSWORD_")) {
        const bool pressed = toggle->isChecked();
        ShowLoginState(PasswordToggled(pressed, image_).value_or(!pressed));
    }
}

void CommandHandlers::BitBtn_PASSWORDNEW_Click() {
    // The controller's login state is not read back: the toggle shows "Войти" until the next
    // polling cycle or login attempt shows it again.
    if (SendNewPassword())
        ShowLoginState(false);
}

void CommandHandlers::ShowLoginState(bool loggedIn) {
    if (auto* toggle = Find<QAbstractButton>("SpeedButton_PASSWORD_"))
        ::ShowLoginState(toggle, loggedIn);
}
