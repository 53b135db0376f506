#include "bootloader_handlers.h"

#include "connection_settings.h"
#include "exchange_lock.h"
#include "prompts.h"
#include "reply_reporting.h"
#include "sync_boot_exchange.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QThread>

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
    ConnectButton("BitBtn_STOPUPDATE_", &BootloaderHandlers::BitBtn_STOPUPDATE_Click);
}

// The page as the worker thread sees it: every change is queued to the window, the lock is held
// by the handlers for the whole run, the stop request and the state of the program area are the
// bits of the stage.
class BootloaderHandlers::WorkerView final : public BootView {
public:
    explicit WorkerView(BootloaderHandlers& page) : page_(page) {}

    void AddLine(const QString& line) override {
        Queue([line](BootloaderHandlers& page) { page.AddLine(line); });
    }
    void ShowFrameFields(const FrameFields& fields) override {
        Queue([fields](BootloaderHandlers& page) { page.ShowFrameFields(fields); });
    }
    void ShowProgress(const PacketProgress& progress) override {
        Queue([progress](BootloaderHandlers& page) { page.ShowProgress(progress); });
    }
    bool StopRequested() override { return (page_.stage_ & StopAsked) != 0; }
    bool BeginProgramChange() override {
        // Fails only when the operator stopped the work before the area was touched.
        int untouched = 0;
        return page_.stage_.compare_exchange_strong(untouched, ProgramChanging) ||
               (untouched & ProgramChanging) != 0;
    }
    void EndProgramChange() override { page_.stage_ &= ~ProgramChanging; }

private:
    void Queue(std::function<void(BootloaderHandlers&)> show) {
        QMetaObject::invokeMethod(
            &page_, [&page = page_, show = std::move(show)] { show(page); }, Qt::QueuedConnection);
    }

    BootloaderHandlers& page_;
};

BootloaderHandlers::~BootloaderHandlers() {
    if (!worker_)
        return;
    // The work still running is stopped at its next step; its questions are still answered here.
    stage_ |= StopAsked;
    while (!worker_->wait(10))
        QCoreApplication::processEvents();
    delete worker_;
}

void BootloaderHandlers::RunOffThread(quint8 address, std::function<void(Bootloader&)> work,
                                      bool stoppable) {
    stage_ = 0;
    SetBootloaderControlsEnabled(root_, false);
    if (auto* stop = Find<QAbstractButton>("BitBtn_STOPUPDATE_"))
        stop->setEnabled(stoppable);
    const ConnectionSettings settings = CurrentConnectionSettings();
    worker_ = QThread::create([this, address, settings, work = std::move(work)] {
        const PinnedConnectionSettings pinned(settings);
        const ForwardedPrompts prompts(this);
        WorkerView view(*this);
        Bootloader boot(SyncBootExchange, view, address, diagnostic_);
        work(boot);
    });
    connect(worker_, &QThread::finished, this, &BootloaderHandlers::End);
    worker_->start();
}

void BootloaderHandlers::End() {
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    if (auto* stop = Find<QAbstractButton>("BitBtn_STOPUPDATE_"))
        stop->setEnabled(false);
    SetBootloaderControlsEnabled(root_, true);
    Q_EMIT Ended();
}

void BootloaderHandlers::BitBtn_STOPUPDATE_Click() {
    if (!worker_)
        return;
    // Untouched, the work stops without a question; the flash being changed, only on Yes.
    int untouched = 0;
    if (!stage_.compare_exchange_strong(untouched, StopAsked)) {
        if ((untouched & StopAsked) != 0 ||
            CurrentPrompts().Message(
                tr("Флэш-память контроллера уже стирается или записывается. Если "
                   "остановить обновление сейчас, в контроллере не будет действующей "
                   "программы, и обновление придётся запустить снова.\nОстановить "
                   "обновление?"),
                tr("Подтверждение"), Prompts::Buttons::YesNo,
                Prompts::Icon::Question) != Prompts::Answer::Yes)
            return;
        // The work may have ended while the operator was asked.
        if (!worker_)
            return;
        stage_ |= StopAsked;
    }
    if (auto* stop = Find<QAbstractButton>("BitBtn_STOPUPDATE_"))
        stop->setEnabled(false);
}

void BootloaderHandlers::WithImage(
    bool clearLog, const std::function<void(quint8 address, const QByteArray& image)>& run) {
    const std::optional<quint8> address = RequestAddress();
    if (!address)
        return;
    const QString path = ChooseImage();
    if (path.isEmpty())
        return;
    // The log of an update tells this update only.
    if (auto* memo = Find<QPlainTextEdit>("Memo2"); memo && clearLog)
        memo->clear();
    if (const std::optional<QByteArray> image = LoadImage(*this, path))
        run(*address, *image);
}

void BootloaderHandlers::RunUpdate(UpdateStart start) {
    WithImage(true, [&](quint8 address, const QByteArray& image) {
        RunOffThread(
            address,
            [image, start, wait = applicationWait_](Bootloader& boot) {
                AutomaticUpdate(boot, image, start, wait);
            },
            true);
    });
}

void BootloaderHandlers::BitBtn_BOOTLOADERAUTO_Click() {
    RunUpdate(UpdateStart::FromApplication);
}

void BootloaderHandlers::BitBtn_BOOTLOADERAUTOBOOT_Click() {
    RunUpdate(UpdateStart::FromBootloader);
}

void BootloaderHandlers::BitBtn_BOOTLOADER21_Click() {
    WithImage(false, [&](quint8 address, const QByteArray& image) {
        RunOffThread(
            address, [image](Bootloader& boot) { ProgramImage(boot, image); }, true);
    });
}

void BootloaderHandlers::RunCommand(std::function<void(Bootloader&)> command) {
    const std::optional<quint8> address = RequestAddress();
    if (!address)
        return;
    AddLine(QStringLiteral(" "));
    RunOffThread(*address, std::move(command), false);
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
    RunCommand([start = *start, count = *count](Bootloader& boot) {
        boot.BootReadRegisters(start, count);
    });
}

void BootloaderHandlers::BitBtn_BOOTLOADER20_Click() {
    const auto* program = Find<QRadioButton>("RadioButton1");
    const quint8 area = program && program->isChecked() ? EraseProgramArea : EraseSettingsArea;
    RunCommand([area](Bootloader& boot) { boot.BootErase(area); });
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
        AddLine(tr("Идёт обновление ПО: закройте программу после его окончания."));
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
