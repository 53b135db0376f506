#include "exchange_lock.h"

#include "connection_dialog.h"

#include <QWidget>

namespace {

// The main window's controls, in the order they are locked after the log check box and the
// connection dialog's settings.
constexpr const char* WindowControls[] = {
    "BitBtn_WRITEINFOBASE_",  "BitBtn_WRITESETRS_",       "BitBtn_WRITESETALARM_",
    "BitBtn_WRITESETCHARGE_", "BitBtn_BOOTLOADERAUTO_",   "BitBtn_BOOTLOADERAUTOBOOT_",
    "BitBtn_BOOTLOADER30_",   "BitBtn_BOOTLOADER03_",     "BitBtn_BOOTLOADER20_",
    "BitBtn_BOOTLOADER21_",   "BitBtn_BOOTLOADER31_",     "Edit_READREGADDRESS_",
    "Edit_READREGNUMBER_",    "RadioButton_READVERSION_", "RadioButton_READBOOTREG_",
    "SpeedButton_PASSWORD_",  "BitBtn_PASSWORDNEW_",      "BitBtn_CALIBERCURRNULL_",
    "BitBtn_CALIBERCURR_",    "BitBtn_SETSOC_",           "BitBtn_SETFCC_",
    "BitBtn_SETCYCLE_",       "BitBtn_SETMODE_",          "BitBtn_TIMEREAD_",
    "BitBtn_TIMEWRITE_",      "BitBtn_CLEARLOG_",
};

void SetEnabled(QWidget* window, const char* name, bool enabled) {
    if (auto* control = window->findChild<QWidget*>(QLatin1String(name)))
        control->setEnabled(enabled);
}

} // namespace

void SetExchangeControlsEnabled(QWidget* window, bool enabled) {
    SetEnabled(window, "CheckBox_LOGEN_", enabled);
    if (auto* dialog = window->findChild<TForm4*>())
        dialog->SetSettingControlsEnabled(enabled);
    for (const char* name : WindowControls)
        SetEnabled(window, name, enabled);
}
