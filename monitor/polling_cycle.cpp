#include "polling_cycle.h"

#include "address_check.h"
#include "connection_dialog.h"
#include "cycle_panel.h"
#include "exchange_lock.h"
#include "file_names.h"
#include "journal_page.h"
#include "line_settings.h"
#include "main_page.h"
#include "main_window.h"
#include "monitor_log.h"
#include "network_link.h"
#include "prompts.h"
#include "recent_files.h"
#include "register_image.h"
#include "reply_reporting.h"
#include "trend_graph_page.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace {

const QString LogFileFilter = QStringLiteral("Comma-Separated Values files (*.csv)|*.csv");

template <class Widget> Widget* Control(const QObject* root, const char* name) {
    return root->findChild<Widget*>(QLatin1String(name));
}

} // namespace

PollingCycle::PollingCycle(TForm1& form, RegisterImage& image)
    : QObject(&form), form_(form), image_(image),
      connect_(Control<QAbstractButton>(&form, "SpeedButton_CONNECT_")),
      reconnectTimer_(new QTimer(this)), cyclePanel_(new CyclePanel) {
    form.statusBar()->addPermanentWidget(cyclePanel_);
    reconnectTimer_->setInterval(ReconnectCheckMs);
    connect(reconnectTimer_, &QTimer::timeout, this, &PollingCycle::TryReconnect);
    // clicked, not toggled: the handler runs for the operator's press, with the new state.
    connect(connect_, &QAbstractButton::clicked, this, &PollingCycle::SpeedButton_CONNECT_Click);
    connect(form_.PollingTimer(), &QTimer::timeout, this, &PollingCycle::Timer_POLLING_Timer);
    // The two check boxes stay usable while polling and count from the cycle's next decision.
    for (const char* name : {"CheckBox_READSETTINGS_", "CheckBox_READLOG_"})
        connect(Control<QCheckBox>(&form, name), &QCheckBox::toggled, this,
                &PollingCycle::UpdateReadOptions);
    UpdateReadOptions();

    connect(&controller_, &PollController::PortStateText, this,
            [this](const QString& text, PortEvent event) {
                // While the values are stale panel 0 keeps saying since when nothing has answered.
                if (!(stale_ && event == PortEvent::Sent))
                    form_.SetStatusPanel(0, text);
            });
    connect(&controller_, &PollController::PollReported, this, &PollingCycle::ShowReport);
    connect(&controller_, &PollController::RxTotalChanged, this,
            [this](quint32, const QString& text) { form_.SetStatusPanel(2, text); });
    connect(&controller_, &PollController::CycleFinished, this, &PollingCycle::OnCycleFinished);
    connect(&controller_, &PollController::PortLost, this, &PollingCycle::OnPortLost);
}

void PollingCycle::SpeedButton_CONNECT_Click() {
    if (!connect_->isChecked()) {
        StopPolling();
        return;
    }
    if (!StartPolling())
        connect_->setChecked(false);
}

bool PollingCycle::StartPolling() {
    // Stopping never depends on the address: it cannot change while polling runs.
    const ConnectionSettings settings = form_.Form4()->Settings();
    if (!ConfirmAddressText(settings.addressText))
        return false;
    if (form_.LogEnabled() && !ChooseLogFile())
        return false;
    settings_ = settings;
    if (!RunPolling())
        return false;
    SetPollingControlsEnabled(false);
    return true;
}

bool PollingCycle::RunPolling() {
    if (!controller_.OpenPollPort(settings_, quint8(settings_.addressText.trimmed().toInt())))
        return false;
    // The image holds nothing of this start yet: the first tick shows and writes nothing, and
    // what the main page shows from before is not known to hold.
    cycleEnded_ = false;
    ShowMainPageUnknown(form_.Page(MainPage::Main));
    form_.PollingTimer()->setInterval(form_.Form4()->PollIntervalMs());
    form_.PollingTimer()->start();
    form_.IndicateTimer()->start();
    return true;
}

void PollingCycle::OnCycleFinished(const QList<PolledBlock>& blocks, bool answered) {
    StorePolledBlocks(blocks, image_);
    cycleEnded_ = true;
    cyclePanel_->CycleEnded(cycleClock_.isValid() ? cycleClock_.elapsed() : -1,
                            form_.PollingTimer()->interval());
    if (answered) {
        // The page shows its values as known again at the tick that shows this cycle.
        unanswered_ = 0;
        stale_ = false;
        return;
    }
    if (unanswered_++ == 0)
        silentSince_ = clock_();
    if (unanswered_ >= StaleAfterCycles && !stale_)
        ShowStale();
}

void PollingCycle::ShowStale() {
    stale_ = true;
    ShowMainPageUnknown(form_.Page(MainPage::Main));
    form_.SetStatusPanel(0, tr("Нет ответа с ") + StandardDateTimeText(silentSince_));
}

bool PollingCycle::WaitingForPort() const {
    return reconnectTimer_->isActive();
}

void PollingCycle::OnPortLost() {
    // Nothing on the main page is known to hold once the line is gone.
    ShowMainPageUnknown(form_.Page(MainPage::Main));
    if (!settings_.reconnect) {
        StopPolling();
        return;
    }
    // The button stays down and the controls locked: a click on it ends the waiting.
    ClosePollPort();
    LogPortEvent(PortLostEvent);
    form_.SetStatusPanel(0, tr("Порт отключен, ожидание переподключения"));
    reconnectTimer_->setInterval(ReconnectCheckMs);
    reconnectTimer_->start();
}

void PollingCycle::TryReconnect() {
    // A serial port is looked for until it is back; a host can only be asked, each time later.
    const bool network = LinkKindOf(settings_.portName) != LinkKind::Serial;
    if ((!network && !QFileInfo::exists(PortSystemName(settings_.portName))) || !RunPolling()) {
        if (network)
            reconnectTimer_->setInterval(
                std::min(reconnectTimer_->interval() * 2, MaxReconnectPauseMs));
        return;
    }
    reconnectTimer_->stop();
    LogPortEvent(PortBackEvent);
    form_.SetStatusPanel(0, tr("Порт снова подключен, опрос продолжается"));
}

void PollingCycle::LogPortEvent(const QString& event) {
    if (form_.LogEnabled() && LogLinkErrors)
        form_.AppendMonitorLog(LinkErrorLogLine(clock_(), event));
}

bool PollingCycle::ChooseLogFile() {
    // The log may be a new file: the shared open dialog takes a name that does not exist yet.
    QFileDialog* dialog = form_.OpenDialog1();
    const QFileDialog::FileMode mode = dialog->fileMode();
    dialog->setFileMode(QFileDialog::AnyFile);
    const QString path = AskOpenFile(FileKind::Log, MonitorLogUse, LogFileFilter,
                                     FileNameStamp(clock_()) + QStringLiteral("_log.csv"));
    dialog->setFileMode(mode);
    if (path.isEmpty())
        return false;
    // Created empty when new; a file that cannot be written is refused before anything starts.
    QFile file(path);
    if (!file.open(QIODevice::Append)) {
        CurrentPrompts().Message(tr("Не удалось открыть файл лога ") +
                                     QDir::toNativeSeparators(path),
                                 tr("Ошибка!"), Prompts::Buttons::Ok, Prompts::Icon::Error);
        return false;
    }
    MonitorLogPath = path;
    return true;
}

void PollingCycle::StopPolling() {
    reconnectTimer_->stop();
    ClosePollPort();
    // Values that went stale stay greyed: nothing newer has come.
    unanswered_ = 0;
    stale_ = false;
    connect_->setChecked(false);
    SetPollingControlsEnabled(true);
}

void PollingCycle::ClosePollPort() {
    // What a cycle cut short has judged is kept, as a time-out keeps it.
    StorePolledBlocks(controller_.ClosePollPort(), image_);
    form_.PollingTimer()->stop();
    form_.IndicateTimer()->stop();
}

void PollingCycle::SetPollingControlsEnabled(bool enabled) {
    SetExchangeControlsEnabled(&form_, enabled);
}

void PollingCycle::Timer_POLLING_Timer() {
    if (!controller_.PollIdle())
        return;
    // After a time-out the previous values stay on screen and no log row is written; before the
    // first cycle of this start has ended there is nothing of it to show.
    if (cycleEnded_ && !controller_.LastPollNoAnswer())
        RefreshDisplay();
    cycleClock_.start();
    controller_.StartPollCycle();
}

void PollingCycle::RefreshDisplay() {
    cyclePanel_->ValuesShown();
    form_.FillStateTables();
    FillMainPage(image_, form_.Page(MainPage::Main));
    form_.TrendGraph()->AddTrendPoints();
    if (Checked("CheckBox_READSETTINGS_"))
        form_.FillSettingsTables();
    if (Checked("CheckBox_READLOG_"))
        FillJournal(image_, &form_);
    if (form_.LogEnabled())
        WriteLogLine();
}

void PollingCycle::WriteLogLine() {
    // The header goes into an empty file (its cell columns from this cycle's count); a file that
    // holds lines already gets the data line.
    form_.AppendMonitorLog(LogFileEmpty(MonitorLogPath) ? LogHeaderLine(image_.StatusBlock)
                                                        : LogRowLine(image_.StatusBlock, clock_()));
}

void PollingCycle::ShowReport(const PollReport& report) {
    if (!report.replyText.isEmpty())
        form_.SetStatusPanel(1, report.replyText);
    for (const QString& line : report.memoLines)
        form_.AddDiagnosticLine(line);
    switch (report.counter) {
    case PollCounter::None:
        break;
    case PollCounter::Success:
        form_.CountLinkSuccess();
        break;
    case PollCounter::CrcError:
        form_.CountLinkCrcError();
        break;
    case PollCounter::NoAnswer:
        form_.CountLinkNoAnswer();
        break;
    }
    if (report.refreshPercentage)
        form_.RefreshLinkPercent();
    if (!report.logText.isEmpty() && form_.LogEnabled() && LogLinkErrors)
        form_.AppendMonitorLog(LinkErrorLogLine(report.when, report.logText));
}

bool PollingCycle::Checked(const char* name) const {
    return Control<QCheckBox>(&form_, name)->isChecked();
}

void PollingCycle::UpdateReadOptions() {
    controller_.SetReadOptions(Checked("CheckBox_READSETTINGS_"), Checked("CheckBox_READLOG_"));
}
