#pragma once

#include "link_stats.h"
#include "monitor_log.h"
#include "register_image.h"
#include "reply_reporting.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <vector>

class BootloaderHandlers;
class CommandHandlers;
class LinkTestPage;
class PollingCycle;
class QCheckBox;
class QFileDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class TForm2;
class TForm3;
class TForm4;
class TFormMonitor;
class TrendGraphPage;

// Pages of PageControl_MAIN_, in tab order.
enum class MainPage { Main, Info, Settings, Journal, Graph, Bootloader, LinkTest };
// Inner pages of "Состояние" and "Настройки", in tab order.
enum class InfoPage { Base, Cells, Alarms, Charge };
enum class SettingsPage { Comm, Alarms, Charge, Calibration, DateTime };

// The fills that redraw a table from the register image, in the order they always run.
enum class TableFill {
    InfoBase,
    CellTable,
    AlarmTable,
    ChargeTable,
    CommSettings,
    AlarmSettings,
    ChargeSettings,
};

// The main window: the connection and password groups, the seven pages, the status bar, the
// menus and timers. It creates the three dialogs and owns them for the whole run, and shows the
// reports of command replies.
class TForm1 final : public QMainWindow, public ReplyDisplay {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Pages have no layout of their own: whoever fills a page sets one.
    QTabWidget* PageControlMain() const { return pageControlMain_; }
    QWidget* Page(MainPage page) const;
    QWidget* Page(InfoPage page) const;
    QWidget* Page(SettingsPage page) const;

    // Status bar panel 0 (port state), 1 (last reply) or 2 (bytes received).
    void SetStatusPanel(int panel, const QString& text);
    QString StatusPanel(int panel) const;

    // Diagnostic lines reach Memo1 only in DiagnosticMode.
    void AddDiagnosticLine(const QString& line) override;
    QPlainTextEdit* Memo1() const;

    // Link counters: counted only in DiagnosticMode; each label shows its count anew.
    const LinkStats& Stats() const;
    void CountLinkSuccess();
    void CountLinkCrcError();
    void CountLinkNoAnswer();
    void CountLinkError(LinkCount count) override;
    void RefreshLinkPercent() override;
    void ResetLinkStats();

    QTimer* PollingTimer() const { return pollingTimer_; }
    QTimer* PollingTestTimer() const { return pollingTestTimer_; }
    QTimer* IndicateTimer() const { return indicateTimer_; }
    QFileDialog* OpenDialog1() const { return openDialog_; }
    QFileDialog* SaveDialog1() const { return saveDialog_; }
    // "Вести лог?"
    bool LogEnabled() const;
    void LogLinkError(const QDateTime& when, const QString& event) override;
    // Appends a line to the monitoring log; a line that cannot be written is dropped, and the
    // status bar says so once until a line is written again.
    void AppendMonitorLog(const QString& line);
    // The status bar's text about the log: empty while lines are written.
    QString LogStatusText() const;
    // Panel 1, the outcome of the last reply.
    void ShowReplyStatus(const QString& text) override;

    // The "Обновление" page's handlers.
    BootloaderHandlers* Bootloader() const { return bootloader_; }

    // The copy of the controller's registers every page shows and every command fills.
    RegisterImage& Image() { return image_; }
    // The connect button, the polling tick and the polling reports.
    PollingCycle* Polling() const { return polling_; }

    TForm2* Form2() const { return form2_; }
    // The "График" page: its chart, series and points.
    TrendGraphPage* TrendGraph() const { return trendGraph_; }
    TForm3* Form3() const { return form3_; }
    TForm4* Form4() const { return form4_; }
    // "Монитор обмена", non-modal, created with the window.
    TFormMonitor* FormMonitor() const { return monitor_; }

    // The table layouts and fills of the pages register here while their page is built, before
    // FormCreate runs the setups for the first time.
    void AddTableSetup(std::function<void()> setup);
    void SetTableFill(TableFill fill, std::function<void()> routine);
    // SetupTables: every registered layout, in the order added.
    void SetupTables();
    // The status, cell, alarm and charge tables, in that order.
    void FillStateTables();
    // The communication, alarm and charge settings tables, in that order.
    void FillSettingsTables();

    // FormCreate's step 6: the link test tab and the bootloader service controls follow
    // DiagnosticMode. Controls added after FormCreate can be brought in line by calling it again.
    void ApplyDiagnosticVisibility();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildPages();
    void BuildStatusBar();
    void BuildMenu();
    void BuildTimersAndDialogs();
    void BuildPageContents();
    void FormCreate();
    void FormClose();
    void ClosePollPort();
    void RunFills(TableFill first, TableFill last);
    void N2Click();
    void N4Click();
    void N7Click();
    void N6Click();

    QTabWidget* pageControlMain_ = nullptr;
    QTabWidget* pageControlInfo_ = nullptr;
    QTabWidget* pageControlSettings_ = nullptr;
    std::array<QLabel*, 3> statusPanels_{};
    QLabel* logStatus_ = nullptr;
    LogWriteNotice logNotice_;
    QCheckBox* logEnabled_ = nullptr;
    LinkTestPage* linkTestPage_ = nullptr;
    QTimer* pollingTimer_ = nullptr;
    QTimer* pollingTestTimer_ = nullptr;
    QTimer* indicateTimer_ = nullptr;
    QFileDialog* openDialog_ = nullptr;
    QFileDialog* saveDialog_ = nullptr;
    TForm2* form2_ = nullptr;
    TrendGraphPage* trendGraph_ = nullptr;
    TForm3* form3_ = nullptr;
    TForm4* form4_ = nullptr;
    TFormMonitor* monitor_ = nullptr;
    RegisterImage image_;
    CommandHandlers* commands_ = nullptr;
    BootloaderHandlers* bootloader_ = nullptr;
    PollingCycle* polling_ = nullptr;
    std::vector<std::function<void()>> tableSetups_;
    std::array<std::function<void()>, 7> tableFills_;
};
