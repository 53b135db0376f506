#pragma once

#include "command_block.h"
#include "command_parameters.h"
#include "settings_write.h"

#include <QObject>

class QWidget;

// The handlers of the write buttons, the service commands and the password buttons. They find
// their controls by objectName under the root widget (the main window), read them, call the
// command logic and write what comes back into the controls. Controls that are not there are
// left unconnected, so a window without one of the pages still works.
class CommandHandlers final : public QObject {
    Q_OBJECT
public:
    CommandHandlers(QWidget* root, RegisterImage& image);

    // Connects every button (and the communication table's edits) present under the root now.
    void Connect();

    void BitBtn_WRITESETRS_Click();
    void BitBtn_WRITESETALARM_Click();
    void BitBtn_WRITESETCHARGE_Click();
    void BitBtn_WRITEINFOBASE_Click();
    // Column, row and text of the edited cell do not matter: rows 1 to 4 are checked again.
    void StringGrid_SETRS_SetEditText();

    void BitBtn_CALIBERCURRNULL_Click();
    void BitBtn_CALIBERCURR_Click();
    void BitBtn_SETSOC_Click();
    void BitBtn_SETFCC_Click();
    void BitBtn_SETCYCLE_Click();
    void BitBtn_SETMODE_Click();
    void BitBtn_CLEARLOG_Click();
    void BitBtn_TIMEREAD_Click();
    void BitBtn_TIMEWIN_Click();
    void BitBtn_TIMEWRITE_Click();

    void SpeedButton_PASSWORD_Click();
    void BitBtn_PASSWORDNEW_Click();

private:
    template <class Widget> Widget* Find(const char* name) const;
    QString Text(const char* name) const;
    void ConnectButton(const char* name, void (CommandHandlers::*handler)());
    void WriteGrid(const char* gridName, WritableTable table);
    void SendEntry(const char* fieldName, CommandCode code);
    void ShowClockFields(const ClockFields& fields);
    void ShowLoginState(bool loggedIn);

    QWidget* root_;
    RegisterImage& image_;
};
