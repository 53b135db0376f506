#pragma once

#include "bootloader.h"
#include "update_procedures.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <optional>

class QThread;
class QWidget;

// Locks (false) or unlocks (true) the window's exchange controls and the poll button, with the
// busy cursor while locked, for the length of one bootloader command.
void SetBootloaderControlsEnabled(QWidget* window, bool enabled);

// The handlers of the "Обновление" page. They find the page's controls by objectName under the
// root widget (the main window), read them, and run the bootloader's commands and procedures over
// the synchronous exchange on a thread of their own, so that the window stays live meanwhile; the
// page is their view (Memo2, the frame fields and the progress), reached through queued calls,
// and questions wait for the window's answer. The window's controls stay locked from a command's
// start to its end; "Стоп" ends a procedure at its next step.
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
    // A command or procedure is running.
    bool Running() const { return worker_ != nullptr; }
    ~BootloaderHandlers() override;

    void BitBtn_BOOTLOADERAUTO_Click();
    void BitBtn_BOOTLOADERAUTOBOOT_Click();
    void BitBtn_BOOTLOADER30_Click();
    void BitBtn_BOOTLOADER03_Click();
    void BitBtn_BOOTLOADER20_Click();
    void BitBtn_BOOTLOADER21_Click();
    void BitBtn_BOOTLOADER31_Click();
    void RadioButton_READVERSION_Click();
    void RadioButton_READBOOTREG_Click();
    // Asks the running procedure to stop; once the program area was touched, only after the
    // operator's Yes.
    void BitBtn_STOPUPDATE_Click();

    void AddLine(const QString& line) override;
    void ShowFrameFields(const FrameFields& fields) override;
    void ShowProgress(const PacketProgress& progress) override;

Q_SIGNALS:
    // The command or procedure started last has ended and the controls are unlocked.
    void Ended();

private:
    class WorkerView;

    template <class Widget> Widget* Find(const char* name) const;
    void ConnectButton(const char* name, void (BootloaderHandlers::*handler)());
    // Runs the work off the window thread for the address and the connection settings of the
    // moment. stoppable: "Стоп" is offered meanwhile.
    void RunOffThread(quint8 address, std::function<void(Bootloader&)> work, bool stoppable);
    void End();
    // For the address typed now (nothing when it is not a number, said so), the image the
    // operator chooses, read whole (nothing when cancelled or unreadable).
    void WithImage(bool clearLog,
                   const std::function<void(quint8 address, const QByteArray& image)>& run);
    void RunUpdate(UpdateStart start);
    // A single-blank line, then the command.
    void RunCommand(std::function<void(Bootloader&)> command);
    void ShowPreset(const char* radioName, const RegisterReadPreset& preset);

    QWidget* root_;
    bool diagnostic_;
    ApplicationWait applicationWait_;
    QThread* worker_ = nullptr;
    // Where the running work stands for "Стоп": the bits below.
    static constexpr int StopAsked = 1;       // the operator stopped it
    static constexpr int ProgramChanging = 2; // the program area is erased or written
    std::atomic<int> stage_ = 0;
};
