#include "main_window.h"

#include "bootloader_handlers.h"
#include "bootloader_page.h"
#include "cell_page.h"
#include "command_handlers.h"
#include "connection_dialog.h"
#include "connection_groups.h"
#include "diagnostic_mode.h"
#include "display_pages.h"
#include "language_menu.h"
#include "line_settings.h"
#include "link_test_page.h"
#include "named_widget.h"
#include "options_dialog.h"
#include "polling_cycle.h"
#include "report_dialog.h"
#include "series_dialog.h"
#include "service_controls.h"
#include "settings_tables.h"
#include "state_tables.h"
#include "sync_exchange.h"
#include "table_files.h"
#include "traffic_window.h"
#include "trend_graph_page.h"
#include "window_keys.h"
#include "window_position.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr QSize ClientSize(792, 554);

// The bootloader page's service controls, shown only in DiagnosticMode.
constexpr const char* DiagnosticControls[] = {
    "Edit3",
    "Edit4",
    "Edit_ReqCode",
    "GroupBox_BOOTLOADERREAD_",
    "GroupBox_BOOTLOADERERASE_",
    "BitBtn_BOOTLOADER30_",
    "BitBtn_BOOTLOADER21_",
    "BitBtn_BOOTLOADER31_",
    "BitBtn_BOOTLOADERAUTOBOOT_",
};

struct PageName {
    const char* name;
    const char* caption;
};

constexpr PageName MainPages[] = {
    {"TabSheet_MAIN_", QT_TRANSLATE_NOOP("TForm1", "Главная")},
    {"TabSheet_INFO_", QT_TRANSLATE_NOOP("TForm1", "Состояние")},
    {"TabSheet_SET_", QT_TRANSLATE_NOOP("TForm1", "Настройки")},
    {"TabSheet_LOG_", QT_TRANSLATE_NOOP("TForm1", "Журнал")},
    {"TabSheet_GRAPH_", QT_TRANSLATE_NOOP("TForm1", "График")},
    {"TabSheet_BOOTLOADER_", QT_TRANSLATE_NOOP("TForm1", "Обновление")},
    {"TabSheet2", QT_TRANSLATE_NOOP("TForm1", "Тест связи")},
};

constexpr PageName InfoPages[] = {
    {"TabSheet_INFOBASE_", QT_TRANSLATE_NOOP("TForm1", "Состояние")},
    {"TabSheet_INFOCELL_", QT_TRANSLATE_NOOP("TForm1", "Элементы")},
    {"TabSheet_INFOALARM_", QT_TRANSLATE_NOOP("TForm1", "Аварии")},
    {"TabSheet_INFOCHARGE_", QT_TRANSLATE_NOOP("TForm1", "Заряд")},
};

constexpr PageName SettingsPages[] = {
    {"TabSheet_SETRS_", QT_TRANSLATE_NOOP("TForm1", "Связь")},
    {"TabSheet_SETALARM_", QT_TRANSLATE_NOOP("TForm1", "Аварии")},
    {"TabSheet_SETCHARGE_", QT_TRANSLATE_NOOP("TForm1", "Заряд")},
    {"TabSheet_CALIBER_", QT_TRANSLATE_NOOP("TForm1", "Калибровка")},
    {"TabSheet_TIMEDATE_", QT_TRANSLATE_NOOP("TForm1", "Время-Дата")},
};

template <std::size_t N> void AddPages(QTabWidget* tabs, const PageName (&pages)[N]) {
    for (const PageName& page : pages)
        tabs->addTab(Named<QWidget>(page.name), TForm1::tr(page.caption));
}

QTabWidget* InnerPageControl(const char* name, QWidget* page) {
    auto* tabs = Named<QTabWidget>(name);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs);
    return tabs;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(tr("Velmora. Версия 2.0"));

    auto* central = new QWidget;
    BuildConnectionGroups(new QVBoxLayout(central));
    setCentralWidget(central);
    logEnabled_ = findChild<QCheckBox*>(QStringLiteral("CheckBox_LOGEN_"));
    BuildPages();
    BuildStatusBar();
    BuildMenu();
    // The client area lies below the menu bar, as in an 800 x 600 window frame; the window
    // never gets smaller.
    const QSize windowSize(ClientSize.width(),
                           ClientSize.height() + menuBar()->sizeHint().height());
    resize(windowSize);
    setMinimumSize(windowSize);
    BuildTimersAndDialogs();
    BuildPageContents();

    form3_ = new TForm3([this] { SetupTables(); },
                        [this] {
                            FillStateTables();
                            FillSettingsTables();
                        },
                        this);
    form4_ = new TForm4(this);
    polling_ = new PollingCycle(*this, image_);
    // Every frame of polling, of commands and of the bootloader reaches the traffic monitor.
    monitor_ = new TFormMonitor(this);
    monitor_->SetPortSource([this] { return PortSystemName(form4_->Settings().portName); });
    connect(&polling_->Controller(), &PollController::TrafficRecorded, monitor_,
            &TFormMonitor::Append);
    // An update's exchanges run off the window thread: their frames are queued to the monitor.
    SetSyncTrafficSink([this](const TrafficFrame& frame) {
        QMetaObject::invokeMethod(monitor_, [this, frame] { monitor_->Append({frame}); });
    });
    FormCreate();
    SetUpKeyboard(*this);
    SetReplyDisplay(this);
}

TForm1::~TForm1() {
    SetSyncTrafficSink({});
    SetReplyDisplay(nullptr);
}

void TForm1::BuildPages() {
    pageControlMain_ = Named<QTabWidget>("PageControl_MAIN_");
    pageControlMain_->setUsesScrollButtons(true);
    AddPages(pageControlMain_, MainPages);
    centralWidget()->layout()->addWidget(pageControlMain_);

    pageControlInfo_ = InnerPageControl("PageControl_INFO_", Page(MainPage::Info));
    AddPages(pageControlInfo_, InfoPages);
    pageControlSettings_ = InnerPageControl("PageControl_SET_", Page(MainPage::Settings));
    AddPages(pageControlSettings_, SettingsPages);

    linkTestPage_ = new LinkTestPage(Page(MainPage::LinkTest));
}

void TForm1::BuildStatusBar() {
    auto* bar = Named<QStatusBar>("StatusBar1");
    // The panels need all of the smallest window's width; the frame resizes the window.
    bar->setSizeGripEnabled(false);
    constexpr int widths[] = {200, 200, 50};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel;
        panel->setObjectName(QStringLiteral("StatusBar1_Panel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        // The last panel takes what the window leaves over.
        bar->addWidget(panel, i == 2 ? 1 : 0);
        statusPanels_[i] = panel;
    }
    // Shown only while the monitoring log takes no lines.
    logStatus_ = Named<QLabel>("StatusBar1_LogPanel");
    logStatus_->setStyleSheet(QStringLiteral("color: #C00000"));
    bar->addPermanentWidget(logStatus_);
    logStatus_->hide();
    setStatusBar(bar);
}

void TForm1::BuildMenu() {
    auto* menu = Named<QMenuBar>("MainMenu1");
    QMenu* file = menu->addMenu(tr("Файл"));
    file->setObjectName(QStringLiteral("N1"));
    QAction* options = file->addAction(tr("Настройки"), this, &TForm1::N6Click);
    options->setObjectName(QStringLiteral("N6"));
    QAction* exit = file->addAction(tr("Выход"), this, &TForm1::N2Click);
    exit->setObjectName(QStringLiteral("N2"));
    AddTestReportItem(file, this, [this] { return ControllerEndVolts(image_.AlarmSettingsBlock); });
    QMenu* link = menu->addMenu(tr("Связь"));
    link->setObjectName(QStringLiteral("N3"));
    QAction* connection = link->addAction(tr("Параметры связи"), this, &TForm1::N4Click);
    connection->setObjectName(QStringLiteral("N4"));
    QAction* traffic = link->addAction(tr("Монитор обмена"), this, &TForm1::N7Click);
    traffic->setObjectName(QStringLiteral("N7"));
    AddLanguageMenu(menu);
    setMenuBar(menu);
}

void TForm1::BuildTimersAndDialogs() {
    pollingTimer_ = Named<QTimer>("Timer_POLLING_", this);
    // A coarse timer may tick up to 5 % early; a precise one keeps every tick to its schedule.
    pollingTimer_->setTimerType(Qt::PreciseTimer);
    pollingTestTimer_ = Named<QTimer>("Timer_POLLINGTEST_", this);
    pollingTestTimer_->setInterval(500);
    indicateTimer_ = Named<QTimer>("Timer_INDICATE_", this);
    indicateTimer_->setInterval(250);

    openDialog_ = Named<QFileDialog>("OpenDialog1", this);
    openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
    openDialog_->setFileMode(QFileDialog::ExistingFile);
    saveDialog_ = Named<QFileDialog>("SaveDialog1", this);
    saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
    // An existing file is replaced without a question, and a name is taken as typed.
    saveDialog_->setOption(QFileDialog::DontConfirmOverwrite);
}

void TForm1::BuildPageContents() {
    DisplayPages pages;
    pages.main = Page(MainPage::Main);
    pages.infoBase = Page(InfoPage::Base);
    pages.cells = Page(InfoPage::Cells);
    pages.alarms = Page(InfoPage::Alarms);
    pages.charge = Page(InfoPage::Charge);
    pages.commSettings = Page(SettingsPage::Comm);
    pages.alarmSettings = Page(SettingsPage::Alarms);
    pages.chargeSettings = Page(SettingsPage::Charge);
    pages.journal = Page(MainPage::Journal);
    BuildDisplayPages(pages, image_);
    BuildCalibrationControls(Page(SettingsPage::Calibration));
    BuildClockControls(Page(SettingsPage::DateTime));

    AddTableSetup([this] { ::SetupTables(this); });
    SetTableFill(TableFill::InfoBase, [this] { FillInfoBase(image_, this); });
    SetTableFill(TableFill::CellTable, [this] { FillCellTable(image_, Page(InfoPage::Cells)); });
    SetTableFill(TableFill::AlarmTable, [this] { FillAlarmTable(image_, this); });
    SetTableFill(TableFill::ChargeTable, [this] { FillChargeTable(image_, this); });
    SetTableFill(TableFill::CommSettings, [this] { FillCommSettings(image_, this); });
    SetTableFill(TableFill::AlarmSettings, [this] { FillAlarmSettings(image_, this); });
    SetTableFill(TableFill::ChargeSettings, [this] { FillChargeSettings(image_, this); });

    // The series dialog is the first of the three, and the graph page shows it.
    form2_ = new TForm2(this);
    trendGraph_ = new TrendGraphPage(Page(MainPage::Graph), image_, *form2_);
    AddTableSetup([this] { trendGraph_->SetupTables(); });

    commands_ = new CommandHandlers(this, image_);
    commands_->Connect();
    (new TableFileHandlers(this))->Connect();

    BuildBootloaderPage(Page(MainPage::Bootloader));
    bootloader_ = new BootloaderHandlers(this, DiagnosticMode);
    bootloader_->Connect();
}

void TForm1::FormCreate() {
    move(CentredWindowPosition(screen()->geometry().size(), ClientSize));
    SetupTables();
    Memo1()->clear();
    ResetLinkStats();
    pollingTestTimer_->stop();
    ApplyDiagnosticVisibility();
    trendGraph_->SetScaleSpinners();
}

void TForm1::ApplyDiagnosticVisibility() {
    pageControlMain_->setTabVisible(int(MainPage::LinkTest), DiagnosticMode);
    for (const char* name : DiagnosticControls)
        if (auto* control = findChild<QWidget*>(QLatin1String(name)))
            control->setVisible(DiagnosticMode);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (bootloader_->RefuseClose()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TForm1::FormClose() {
    ClosePollPort();
}

void TForm1::ClosePollPort() {
    polling_->ClosePollPort();
}

QWidget* TForm1::Page(MainPage page) const {
    return pageControlMain_->widget(int(page));
}

QWidget* TForm1::Page(InfoPage page) const {
    return pageControlInfo_->widget(int(page));
}

QWidget* TForm1::Page(SettingsPage page) const {
    return pageControlSettings_->widget(int(page));
}

void TForm1::SetStatusPanel(int panel, const QString& text) {
    if (panel >= 0 && panel < int(statusPanels_.size()))
        statusPanels_[panel]->setText(text);
}

QString TForm1::StatusPanel(int panel) const {
    return panel >= 0 && panel < int(statusPanels_.size()) ? statusPanels_[panel]->text()
                                                           : QString();
}

void TForm1::AddDiagnosticLine(const QString& line) {
    if (DiagnosticMode)
        Memo1()->appendPlainText(line);
}

QPlainTextEdit* TForm1::Memo1() const {
    return linkTestPage_->Memo();
}

const LinkStats& TForm1::Stats() const {
    return linkTestPage_->Stats();
}

void TForm1::CountLinkSuccess() {
    if (DiagnosticMode)
        linkTestPage_->CountSuccess();
}

void TForm1::CountLinkCrcError() {
    if (DiagnosticMode)
        linkTestPage_->CountCrcError();
}

void TForm1::CountLinkNoAnswer() {
    if (DiagnosticMode)
        linkTestPage_->CountNoAnswer();
}

void TForm1::CountLinkError(LinkCount count) {
    if (count == LinkCount::CrcError)
        CountLinkCrcError();
    else if (count == LinkCount::NoAnswer)
        CountLinkNoAnswer();
}

void TForm1::RefreshLinkPercent() {
    linkTestPage_->RefreshPercent();
}

void TForm1::ResetLinkStats() {
    linkTestPage_->Reset();
}

bool TForm1::LogEnabled() const {
    return logEnabled_->isChecked();
}

void TForm1::LogLinkError(const QDateTime& when, const QString& event) {
    if (LogEnabled())
        AppendMonitorLog(LinkErrorLogLine(when, event));
}

void TForm1::AppendMonitorLog(const QString& line) {
    // With no log named the line has nowhere to go.
    if (MonitorLogPath.isEmpty())
        return;
    if (const std::optional<QString> notice =
            logNotice_.Update(AppendLogLine(MonitorLogPath, line))) {
        logStatus_->setText(*notice);
        logStatus_->setVisible(!notice->isEmpty());
    }
}

QString TForm1::LogStatusText() const {
    return logStatus_->text();
}

void TForm1::ShowReplyStatus(const QString& text) {
    SetStatusPanel(1, text);
}

void TForm1::AddTableSetup(std::function<void()> setup) {
    tableSetups_.push_back(std::move(setup));
}

void TForm1::SetTableFill(TableFill fill, std::function<void()> routine) {
    tableFills_[std::size_t(fill)] = std::move(routine);
}

void TForm1::SetupTables() {
    for (const auto& setup : tableSetups_)
        setup();
}

void TForm1::FillStateTables() {
    RunFills(TableFill::InfoBase, TableFill::ChargeTable);
}

void TForm1::FillSettingsTables() {
    RunFills(TableFill::CommSettings, TableFill::ChargeSettings);
}

void TForm1::RunFills(TableFill first, TableFill last) {
    for (auto i = std::size_t(first); i <= std::size_t(last); ++i)
        if (tableFills_[i])
            tableFills_[i]();
}

void TForm1::N2Click() {
    close();
}

void TForm1::N7Click() {
    monitor_->show();
    monitor_->raise();
}

void TForm1::N4Click() {
    form4_->exec();
}

void TForm1::N6Click() {
    form3_->ShowFromFlags();
}
