#pragma once

#include "bootloader.h"
#include "update_procedures.h"

#include <QObject>

#include <optional>

class QWidget;

// Locks (false) or unlocks (true) the window's exchange controls and the poll button, with the
// busy cursor while locked, for the length of one bootloader command.
void SetBootloaderControlsEnabled(QWidget* window, bool enabled);

// The handlers of the "Обновление" page. They find the page's controls by objectName under the
// root widget (the main window), read them, and run the bootloader's commands and procedures over
// the synchronous exchange; the page is their view: Memo2, the frame fields and the progress.
class BootloaderHandlers final : public QObject, public BootView {
    Q_OBJECT
public:
    // diagnostic: the value of DiagnosticMode the commands follow.
    BootloaderHandlers(QWidget* root, bool diagnostic);

    // Connects every control of the page present under the root now.
    void Connect();
    // While a bootloader command runs the window must not close (the controller would be left
    // half programmed): true then, after saying so in the update log.
    bool RefuseClose();
    // How long an automatic update waits for the restarted application.
    void SetApplicationWait(const ApplicationWait& wait) { applicationWait_ = wait; }

    void BitBtn_BOOTLOADERAUTO_Click();
    void BitBtn_BOOTLOADERAUTOBOOT_Click();
    void BitBtn_BOOTLOADER30_Click();
    void BitBtn_BOOTLOADER03_Click();
    void BitBtn_BOOTLOADER20_Click();
    void BitBtn_BOOTLOADER21_Click();
    void BitBtn_BOOTLOADER31_Click();
    void RadioButton_READVERSION_Click();
    void RadioButton_READBOOTREG_Click();

    void AddLine(const QString& line) override;
    void ShowFrameFields(const FrameFields& fields) override;
    void ShowProgress(const PacketProgress& progress) override;
    void SetControlsEnabled(bool enabled) override;

private:
    template <class Widget> Widget* Find(const char* name) const;
    void ConnectButton(const char* name, void (BootloaderHandlers::*handler)());
    // The commands for the address typed now; nothing when it is not a number (said so).
    std::optional<Bootloader> Session();
    void RunUpdate(UpdateStart start);
    // A single-blank line, then the command.
    void RunCommand(const std::function<void(Bootloader&)>& command);
    void ShowPreset(const char* radioName, const RegisterReadPreset& preset);

    QWidget* root_;
    bool diagnostic_;
    ApplicationWait applicationWait_;
};
