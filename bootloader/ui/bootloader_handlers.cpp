#include "bootloader_handlers.h"

#include "exchange_lock.h"
#include "reply_reporting.h"
#include "sync_boot_exchange.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>

namespace {

// The busy cursor is set once per lock however the calls pair up.
bool bootloaderLocked = false;

} // namespace

void SetBootloaderControlsEnabled(QWidget* window, bool enabled) {
    SetExchangeControlsEnabled(window, enabled);
    if (auto* connect = window->findChild<QWidget*>(QStringLiteral("SpeedButton_CONNECT_")))
        connect->setEnabled(enabled);
    if (bootloaderLocked == !enabled)
        return;
    bootloaderLocked = !enabled;
    if (enabled)
        QApplication::restoreOverrideCursor();
    else
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

BootloaderHandlers::BootloaderHandlers(QWidget* root, bool diagnostic)
    : QObject(root), root_(root), diagnostic_(diagnostic) {}

template <class Widget> Widget* BootloaderHandlers::Find(const char* name) const {
    return root_->findChild<Widget*>(QLatin1String(name));
}

void BootloaderHandlers::ConnectButton(const char* name, void (BootloaderHandlers::*handler)()) {
    if (auto* button = Find<QAbstractButton>(name))
        connect(button, &QAbstractButton::clicked, this, handler);
}

void BootloaderHandlers::Connect() {
    ConnectButton("BitBtn_BOOTLOADERAUTO_", &BootloaderHandlers::BitBtn_BOOTLOADERAUTO_Click);
    ConnectButton("BitBtn_BOOTLOADERAUTOBOOT_",
                  &BootloaderHandlers::BitBtn_BOOTLOADERAUTOBOOT_Click);
    ConnectButton("BitBtn_BOOTLOADER30_", &BootloaderHandlers::BitBtn_BOOTLOADER30_Click);
    ConnectButton("BitBtn_BOOTLOADER03_", &BootloaderHandlers::BitBtn_BOOTLOADER03_Click);
    ConnectButton("BitBtn_BOOTLOADER20_", &BootloaderHandlers::BitBtn_BOOTLOADER20_Click);
    ConnectButton("BitBtn_BOOTLOADER21_", &BootloaderHandlers::BitBtn_BOOTLOADER21_Click);
    ConnectButton("BitBtn_BOOTLOADER31_", &BootloaderHandlers::BitBtn_BOOTLOADER31_Click);
    ConnectButton("RadioButton_READVERSION_", &BootloaderHandlers::RadioButton_READVERSION_Click);
    ConnectButton("RadioButton_READBOOTREG_", &BootloaderHandlers::RadioButton_READBOOTREG_Click);
}

std::optional<Bootloader> BootloaderHandlers::Session() {
    const std::optional<quint8> address = RequestAddress();
    if (!address)
        return std::nullopt;
    return Bootloader(SyncBootExchange, *this, *address, diagnostic_);
}

void BootloaderHandlers::RunUpdate(UpdateStart start) {
    std::optional<Bootloader> boot = Session();
    if (!boot)
        return;
    const QString path = ChooseImage();
    if (path.isEmpty())
        return;
    // The log tells this update only.
    if (auto* memo = Find<QPlainTextEdit>("Memo2"))
        memo->clear();
    if (const std::optional<QByteArray> image = LoadImage(*this, path))
        AutomaticUpdate(*boot, *image, start, applicationWait_);
}

void BootloaderHandlers::BitBtn_BOOTLOADERAUTO_Click() {
    RunUpdate(UpdateStart::FromApplication);
}

void BootloaderHandlers::BitBtn_BOOTLOADERAUTOBOOT_Click() {
    RunUpdate(UpdateStart::FromBootloader);
}

void BootloaderHandlers::BitBtn_BOOTLOADER21_Click() {
    std::optional<Bootloader> boot = Session();
    if (!boot)
        return;
    const QString path = ChooseImage();
    if (path.isEmpty())
        return;
    if (const std::optional<QByteArray> image = LoadImage(*this, path))
        ProgramImage(*boot, *image);
}

void BootloaderHandlers::RunCommand(const std::function<void(Bootloader&)>& command) {
    std::optional<Bootloader> boot = Session();
    if (!boot)
        return;
    boot->Log(QStringLiteral(" "));
    command(*boot);
}

void BootloaderHandlers::BitBtn_BOOTLOADER30_Click() {
    RunCommand([](Bootloader& boot) { boot.BootInit(); });
}

void BootloaderHandlers::BitBtn_BOOTLOADER03_Click() {
    const auto* startField = Find<QLineEdit>("Edit_READREGADDRESS_");
    const auto* countField = Find<QLineEdit>("Edit_READREGNUMBER_");
    if (!startField || !countField)
        return;
    const std::optional<quint16> start = RegisterFieldValue(startField->text());
    if (!start)
        return;
    const std::optional<quint16> count = RegisterFieldValue(countField->text());
    if (!count)
        return;
    RunCommand([&](Bootloader& boot) { boot.BootReadRegisters(*start, *count); });
}

void BootloaderHandlers::BitBtn_BOOTLOADER20_Click() {
    const auto* program = Find<QRadioButton>("RadioButton1");
    const quint8 area = program && program->isChecked() ? EraseProgramArea : EraseSettingsArea;
    RunCommand([&](Bootloader& boot) { boot.BootErase(area); });
}

void BootloaderHandlers::BitBtn_BOOTLOADER31_Click() {
    RunCommand([](Bootloader& boot) { boot.BootFinish(); });
}

void BootloaderHandlers::ShowPreset(const char* radioName, const RegisterReadPreset& preset) {
    const auto* radio = Find<QRadioButton>(radioName);
    if (!radio || !radio->isChecked())
        return;
    if (auto* start = Find<QLineEdit>("Edit_READREGADDRESS_"))
        start->setText(preset.start);
    if (auto* count = Find<QLineEdit>("Edit_READREGNUMBER_"))
        count->setText(preset.count);
}

void BootloaderHandlers::RadioButton_READVERSION_Click() {
    ShowPreset("RadioButton_READVERSION_", ProgramDataPreset());
}

void BootloaderHandlers::RadioButton_READBOOTREG_Click() {
    ShowPreset("RadioButton_READBOOTREG_", BootRegistersPreset());
}

bool BootloaderHandlers::RefuseClose() {
    if (bootloaderLocked)
        AddLine(QStringLiteral("Идёт обновление ПО: закройте программу после его окончания."));
    return bootloaderLocked;
}

void BootloaderHandlers::AddLine(const QString& line) {
    if (auto* memo = Find<QPlainTextEdit>("Memo2"))
        memo->appendPlainText(line);
}

void BootloaderHandlers::ShowFrameFields(const FrameFields& fields) {
    const std::pair<const char*, const QString*> edits[] = {{"Edit3", &fields.request},
                                                            {"Edit4", &fields.reply},
                                                            {"Edit_ReqCode", &fields.requestCode}};
    for (const auto& [name, text] : edits)
        if (auto* edit = Find<QLineEdit>(name))
            edit->setText(*text);
}

void BootloaderHandlers::ShowProgress(const PacketProgress& progress) {
    if (auto* bar = Find<QProgressBar>("ProgressBar_BOOTLOADER_"))
        bar->setValue(progress.percent);
    if (auto* label = Find<QLabel>("Label_BOOTLOADERPROGRESS_"))
        label->setText(ProgressText(progress));
}

void BootloaderHandlers::SetControlsEnabled(bool enabled) {
    SetBootloaderControlsEnabled(root_, enabled);
}
