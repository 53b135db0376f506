#include "report_dialog.h"

#include "background_work.h"
#include "file_names.h"
#include "monitor_log.h"
#include "named_widget.h"
#include "prompts.h"
#include "recent_files.h"
#include "report_charts.h"
#include "report_document.h"
#include "text_file.h"
#include "trend_store.h"

#include <QDateTimeEdit>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize PlotSize(640, 150);
const QString DateTimeFormat = QStringLiteral("dd.MM.yyyy HH:mm:ss");

QDateTimeEdit* MakeTimeEdit(const char* name) {
    auto* edit = Named<QDateTimeEdit>(name);
    // The times are the log's own local ones, held without a zone.
    edit->setTimeSpec(Qt::UTC);
    edit->setDisplayFormat(DateTimeFormat);
    edit->setKeyboardTracking(false);
    edit->setEnabled(false);
    return edit;
}

QString Figure(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

QString SummaryText(const DischargeReport& r) {
    if (!r.error.isEmpty())
        return r.error;
    QString text = TFormReport::tr("Участок: %1 – %2, отдано %3 А*ч, средний ток %4 А.")
                       .arg(StandardDateTimeText(StampDateTime(r.start)),
                            StandardDateTimeText(StampDateTime(r.end)), Figure(r.ampereHours, 2),
                            Figure(r.meanAmps, 2));
    if (r.capacityAmpereHours)
        text +=
            TFormReport::tr(" Найденная емкость: %1 А*ч").arg(Figure(*r.capacityAmpereHours, 2)) +
            (r.capacityPercent ? QStringLiteral(" (%1 %)").arg(Figure(*r.capacityPercent, 1))
                               : QString()) +
            QLatin1Char('.');
    else
        text += r.endVolts ? TFormReport::tr(" Конечное напряжение не достигнуто.")
                           : TFormReport::tr(" Конечная точка не задана.");
    QStringList weak;
    for (const int cell : r.weakCells)
        weak.append(QString::number(cell));
    text += weak.isEmpty()
                ? TFormReport::tr(" Слабых элементов нет.")
                : TFormReport::tr(" Слабые элементы: %1.").arg(weak.join(QStringLiteral(", ")));
    if (!r.gaps.empty())
        text += TFormReport::tr(" Пропусков в логе: %1.").arg(r.gaps.size());
    return text;
}

} // namespace

TFormReport::TFormReport(EndVoltsSource proposedEndVolts, QWidget* parent)
    : QDialog(parent), proposedEndVolts_(std::move(proposedEndVolts)) {
    setObjectName(QStringLiteral("TFormReport"));
    setWindowTitle(tr("Отчёт об испытании"));
    task_ = new BackgroundWork(this);

    logPath_ = Named<QLineEdit>("Edit_REPORTLOG_");
    logPath_->setReadOnly(true);
    open_ = Named<QPushButton>("BitBtn_REPORTOPEN_", tr("Открыть лог..."));
    cancel_ = Named<QPushButton>("BitBtn_REPORTCANCEL_", tr("Отмена"));
    progress_ = Named<QProgressBar>("ProgressBar_REPORTLOG_");
    progress_->setRange(0, BackgroundWork::ProgressSteps);
    progress_->hide();
    cancel_->hide();
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(logPath_, 1);
    logRow->addWidget(progress_);
    logRow->addWidget(cancel_);
    logRow->addWidget(open_);
    auto* logGroup = Named<QGroupBox>("GroupBox_REPORTLOG_", tr("Лог опроса"));
    logGroup->setLayout(logRow);

    plot_ = Named<QLabel>("Image_REPORTSEGMENT_");
    plot_->setFixedSize(PlotSize);
    from_ = MakeTimeEdit("DateTimeEdit_REPORTFROM_");
    to_ = MakeTimeEdit("DateTimeEdit_REPORTTO_");
    auto* automatic = Named<QPushButton>("BitBtn_REPORTAUTO_", tr("Найти по току"));
    auto* rangeRow = new QHBoxLayout;
    rangeRow->addWidget(new QLabel(tr("с")));
    rangeRow->addWidget(from_);
    rangeRow->addWidget(new QLabel(tr("по")));
    rangeRow->addWidget(to_);
    rangeRow->addStretch(1);
    rangeRow->addWidget(automatic);
    auto* segmentLayout = new QVBoxLayout;
    segmentLayout->addWidget(plot_);
    segmentLayout->addLayout(rangeRow);
    auto* segmentGroup = Named<QGroupBox>("GroupBox_REPORTSEGMENT_", tr("Участок разряда"));
    segmentGroup->setLayout(segmentLayout);

    endVolts_ = Named<QLineEdit>("Edit_REPORTENDVOLTAGE_");
    endVolts_->setPlaceholderText(tr("не задано"));
    site_ = Named<QLineEdit>("Edit_REPORTSITE_");
    battery_ = Named<QLineEdit>("Edit_REPORTBATTERY_");
    engineer_ = Named<QLineEdit>("Edit_REPORTENGINEER_");
    auto* fields = new QFormLayout;
    fields->addRow(tr("Конечное напряжение элемента, В:"), endVolts_);
    fields->addRow(tr("Объект:"), site_);
    fields->addRow(tr("Батарея:"), battery_);
    fields->addRow(tr("Инженер:"), engineer_);
    auto* fieldGroup = Named<QGroupBox>("GroupBox_REPORTFIELDS_", tr("Отчёт"));
    fieldGroup->setLayout(fields);

    summary_ =
        Named<QLabel>("Label_REPORTSUMMARY_", tr("Откройте лог опроса с испытанием разрядом."));
    summary_->setWordWrap(true);
    summary_->setMinimumHeight(3 * fontMetrics().height());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    struct SaveButton {
        const char* name;
        const char* caption;
        const char* suffix;
        const char* filter;
        std::function<QByteArray()> bytes;
    };
    const auto header = [this] {
        return ReportHeader{site_->text(), battery_->text(), engineer_->text(),
                            QDateTime::currentDateTime()};
    };
    const SaveButton saveButtons[] = {
        {"BitBtn_REPORTPDF_", QT_TRANSLATE_NOOP("TFormReport", "Сохранить PDF"), "_report.pdf",
         "PDF (*.pdf)|*.pdf", [this, header] { return ReportPdf(log_, report_, header()); }},
        {"BitBtn_REPORTHTML_", QT_TRANSLATE_NOOP("TFormReport", "Сохранить HTML"), "_report.html",
         "HTML (*.html)|*.html", [this, header] { return ReportHtml(log_, report_, header()); }},
        {"BitBtn_REPORTCSV_", QT_TRANSLATE_NOOP("TFormReport", "Сохранить CSV"), "_report.csv",
         "Comma-Separated Values files (*.csv)|*.csv", [this] { return ReportCsv(report_); }},
    };
    for (const SaveButton& b : saveButtons) {
        auto* button = Named<QPushButton>(b.name, tr(b.caption));
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this,
                [this, suffix = QString::fromUtf8(b.suffix), filter = QString::fromUtf8(b.filter),
                 bytes = b.bytes] { Save(suffix, filter, bytes); });
        buttons->addWidget(button);
        saves_.append(button);
    }
    auto* close = Named<QPushButton>("BitBtn_REPORTCLOSE_", tr("Закрыть"));
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(logGroup);
    layout->addWidget(segmentGroup);
    layout->addWidget(fieldGroup);
    layout->addWidget(summary_);
    layout->addLayout(buttons);

    connect(open_, &QPushButton::clicked, this, &TFormReport::BitBtn_REPORTOPEN_Click);
    connect(cancel_, &QPushButton::clicked, this, &TFormReport::BitBtn_REPORTCANCEL_Click);
    connect(automatic, &QPushButton::clicked, this, &TFormReport::BitBtn_REPORTAUTO_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(task_, &BackgroundWork::Progress, progress_, &QProgressBar::setValue);
    connect(task_, &BackgroundWork::Finished, this, &TFormReport::TakeLogRead);
    for (QDateTimeEdit* edit : {from_, to_})
        connect(edit, &QDateTimeEdit::dateTimeChanged, this, [this] {
            segmentGiven_ = true;
            Analyse();
        });
    connect(endVolts_, &QLineEdit::editingFinished, this, &TFormReport::Analyse);
    ShowSegment();
}

TFormReport::~TFormReport() = default;

bool TFormReport::Reading() const {
    return task_->Running();
}

void TFormReport::showEvent(QShowEvent* event) {
    if (endVolts_->text().isEmpty())
        if (const std::optional<double> volts =
                proposedEndVolts_ ? proposedEndVolts_() : std::nullopt)
            endVolts_->setText(Figure(*volts, 3));
    QDialog::showEvent(event);
}

void TFormReport::BitBtn_REPORTOPEN_Click() {
    if (Reading())
        return;
    const QString path = AskOpenFile(FileKind::Log, MonitorLogUse, MonitorLogFilter());
    if (path.isEmpty())
        return;
    logPath_->setText(QDir::toNativeSeparators(path));
    read_ = std::make_shared<DischargeLogRead>();
    task_->StartLogRead(path, [read = read_](const QString& log, MonitorLogProgress* progress) {
        *read = ReadDischargeLog(log, progress);
    });
    open_->setEnabled(false);
    progress_->setValue(0);
    progress_->show();
    cancel_->show();
    summary_->setText(tr("Лог читается..."));
}

void TFormReport::BitBtn_REPORTCANCEL_Click() {
    task_->Cancel();
}

void TFormReport::TakeLogRead() {
    progress_->hide();
    cancel_->hide();
    open_->setEnabled(true);
    const std::shared_ptr<DischargeLogRead> read = std::move(read_);
    if (read->cancelled || !read->error.isEmpty()) {
        summary_->setText(read->cancelled ? tr("Чтение лога отменено.") : read->error);
        if (!read->cancelled)
            CurrentPrompts().Message(read->error, tr("Ошибка!"), Prompts::Buttons::Ok,
                                     Prompts::Icon::Error);
        Q_EMIT LogReadFinished();
        return;
    }
    log_ = std::move(read->log);
    BitBtn_REPORTAUTO_Click();
    Q_EMIT LogReadFinished();
}

void TFormReport::BitBtn_REPORTAUTO_Click() {
    segmentGiven_ = false;
    Analyse();
}

std::optional<double> TFormReport::EndVolts(bool* valid) const {
    const QString text = endVolts_->text().trimmed();
    *valid = true;
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    double volts = QLocale().toDouble(text, &ok);
    if (!ok)
        volts = QLocale::c().toDouble(text, &ok);
    *valid = ok && volts > 0;
    return *valid ? std::optional<double>(volts) : std::nullopt;
}

void TFormReport::Analyse() {
    bool valid = true;
    DischargeSettings settings;
    settings.endVolts = EndVolts(&valid);
    if (!valid) {
        summary_->setText(
            tr("Конечное напряжение «%1» не является числом вольт.").arg(endVolts_->text()));
        for (QPushButton* button : saves_)
            button->setEnabled(false);
        return;
    }
    if (segmentGiven_) {
        settings.from = TrendStamp(from_->dateTime());
        settings.to = TrendStamp(to_->dateTime());
    }
    report_ = AnalyseDischarge(log_, settings);
    summary_->setText(log_.Lines() == 0 ? tr("Откройте лог опроса с испытанием "
                                             "разрядом.")
                                        : SummaryText(report_));
    for (QPushButton* button : saves_)
        button->setEnabled(report_.error.isEmpty());
    ShowSegment();
}

void TFormReport::ShowSegment() {
    const bool found = report_.error.isEmpty() && log_.Lines() > 0;
    const std::optional<LineRange> segment =
        found ? std::optional<LineRange>(LineRange{report_.firstLine, report_.lastLine})
              : std::nullopt;
    plot_->setPixmap(QPixmap::fromImage(SegmentPreview(log_, segment, PlotSize)));
    const bool any = log_.Lines() > 0;
    for (QDateTimeEdit* edit : {from_, to_}) {
        const QSignalBlocker block(edit);
        edit->setEnabled(any);
        if (!any)
            continue;
        edit->setDateTimeRange(StampDateTime(log_.stamps.front()),
                               StampDateTime(log_.stamps.back()));
        // The ends the engineer set stay as set; a found segment shows its own.
        if (found && !segmentGiven_)
            edit->setDateTime(StampDateTime(edit == from_ ? report_.start : report_.end));
    }
}

void TFormReport::Save(const QString& suffix, const QString& filter,
                       const std::function<QByteArray()>& bytes) {
    // Reports go where the graph's exports go.
    const QString path = AskSaveFile(FileKind::GraphExport, QStringLiteral("report"), filter,
                                     FileNameStamp(QDateTime::currentDateTime()) + suffix);
    if (path.isEmpty())
        return;
    const FileError error = SaveWholeFile(path, bytes());
    if (!error.isEmpty())
        CurrentPrompts().Message(error, tr("Ошибка!"), Prompts::Buttons::Ok, Prompts::Icon::Error);
}

void AddTestReportItem(QMenu* fileMenu, QWidget* window,
                       TFormReport::EndVoltsSource proposedEndVolts) {
    QAction* item = new QAction(TFormReport::tr("Отчёт об испытании..."), fileMenu);
    item->setObjectName(QStringLiteral("MenuItem_TESTREPORT_"));
    const QList<QAction*> items = fileMenu->actions();
    fileMenu->insertAction(items.isEmpty() ? nullptr : items.last(), item);
    // Made when first asked for, and shown beside the window, which goes on polling and showing
    // while a report is made.
    QObject::connect(
        item, &QAction::triggered, window,
        [window, source = std::move(proposedEndVolts), dialog = QPointer<TFormReport>()]() mutable {
            if (!dialog)
                dialog = new TFormReport(source, window);
            dialog->show();
            dialog->raise();
            dialog->activateWindow();
        });
}
