#include "traffic_window.h"

#include "file_names.h"
#include "port_list.h"
#include "prompts.h"
#include "recent_files.h"
#include "table_file.h"
#include "text_file.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

// The shown frames as rows: indexes into the log, kept while the view is not paused.
class TrafficModel final : public QAbstractTableModel {
public:
    explicit TrafficModel(QObject* parent) : QAbstractTableModel(parent) {}

    void Show(const TrafficLog& log, TrafficFilter filter) {
        beginResetModel();
        rows_.clear();
        for (qsizetype i = 0; i < log.Size(); ++i)
            if (Matches(log.At(i), filter))
                rows_.push_back(log.At(i));
        endResetModel();
    }
    const TrafficFrame& Frame(int row) const { return rows_[size_t(row)]; }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(rows_.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(TrafficColumnTitles().size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return TrafficRowTexts(Frame(index.row())).value(index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return {};
        return ShownTrafficColumnTitles().value(section);
    }

private:
    std::vector<TrafficFrame> rows_;
};

namespace {

template <class W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

const QList<std::pair<const char*, TrafficFilter>> Filters = {
    {QT_TRANSLATE_NOOP("TFormMonitor", "Все кадры"), TrafficFilter::All},
    {QT_TRANSLATE_NOOP("TFormMonitor", "Только ошибки"), TrafficFilter::ErrorsOnly},
    {QT_TRANSLATE_NOOP("TFormMonitor", "Функция 3 (чтение)"), TrafficFilter::Read},
    {QT_TRANSLATE_NOOP("TFormMonitor", "Функция 16 (запись)"), TrafficFilter::Write},
    {QT_TRANSLATE_NOOP("TFormMonitor", "Загрузчик"), TrafficFilter::Bootloader},
};

} // namespace

TFormMonitor::TFormMonitor(QWidget* parent)
    : QWidget(parent, Qt::Window), model_(new TrafficModel(this)),
      view_(Named(new QTableView, "TableView_TRAFFIC_")),
      pause_(Named(new QCheckBox(tr("Пауза")), "CheckBox_TRAFFICPAUSE_")),
      autoscroll_(Named(new QCheckBox(tr("Автопрокрутка")), "CheckBox_TRAFFICAUTOSCROLL_")),
      filter_(Named(new QComboBox, "ComboBox_TRAFFICFILTER_")),
      dropped_(Named(new QLabel, "Label_TRAFFICDROPPED_")),
      latency_(Named(new QLabel, "Label_TRAFFICLATENCY_")) {
    setObjectName(QStringLiteral("TFormMonitor"));
    setWindowTitle(tr("Монитор обмена"));
    resize(1000, 500);
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setWordWrap(false);
    view_->verticalHeader()->setVisible(false);
    view_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    view_->horizontalHeader()->setStretchLastSection(true);
    // Each column as wide as its title or a typical text; the bytes get what is left over.
    const QString samples[] = {QStringLiteral("00:00:00.000"), QStringLiteral("загрузчик"),
                               QString(), QStringLiteral("EE 03 00 00 00 32 D2 80 EE 03 00"),
                               QStringLiteral("адрес 238, чтение 550..649 (100)")};
    const QStringList titles = ShownTrafficColumnTitles();
    for (int column = 0; column < int(std::size(samples)); ++column)
        view_->setColumnWidth(column, std::max(fontMetrics().horizontalAdvance(samples[column]),
                                               fontMetrics().horizontalAdvance(titles[column])) +
                                          16);
    for (const auto& [caption, filter] : Filters)
        filter_->addItem(tr(caption), int(filter));
    autoscroll_->setChecked(true);
    latency_->setWordWrap(true);
    latency_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* clear = Named(new QPushButton(tr("Очистить")), "BitBtn_TRAFFICCLEAR_");
    auto* copy = Named(new QPushButton(tr("Копировать")), "BitBtn_TRAFFICCOPY_");
    auto* save = Named(new QPushButton(tr("Экспорт в CSV")), "BitBtn_TRAFFICEXPORT_");
    auto* controls = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{pause_, autoscroll_, filter_, clear, copy, save})
        controls->addWidget(w);
    controls->addStretch();
    controls->addWidget(dropped_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(view_);
    layout->addWidget(latency_);

    connect(pause_, &QCheckBox::toggled, this, &TFormMonitor::Refresh);
    connect(filter_, &QComboBox::currentIndexChanged, this, &TFormMonitor::Refresh);
    connect(clear, &QPushButton::clicked, this, [this] {
        log_.Clear();
        Refresh();
    });
    connect(copy, &QPushButton::clicked, this, &TFormMonitor::Copy);
    connect(save, &QPushButton::clicked, this, &TFormMonitor::Export);
    Refresh();
}

TFormMonitor::~TFormMonitor() = default;

void TFormMonitor::Append(const QList<TrafficFrame>& frames) {
    log_.Append(frames);
    // A hidden or paused window only keeps the frames.
    if (isVisible() && !pause_->isChecked())
        Refresh();
}

QList<TrafficFrame> TFormMonitor::ShownFrames() const {
    QList<TrafficFrame> frames;
    for (int row = 0; row < model_->rowCount({}); ++row)
        frames.append(model_->Frame(row));
    return frames;
}

void TFormMonitor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    const QString port = port_ ? port_() : QString();
    const std::optional<int> latency = UsbLatencyTimerMs(port);
    latency_->setText(latency ? LatencyAdvice(port, *latency) : QString());
    latency_->setVisible(!latency_->text().isEmpty());
    Refresh();
}

void TFormMonitor::Refresh() {
    if (pause_->isChecked())
        return;
    model_->Show(log_, TrafficFilter(filter_->currentData().toInt()));
    dropped_->setText(log_.Dropped() == 0 ? QString()
                                          : tr("Отброшено старых кадров: %1").arg(log_.Dropped()));
    if (autoscroll_->isChecked())
        view_->scrollToBottom();
}

void TFormMonitor::Copy() {
    // The selected rows, or all shown when none is selected, a tab between columns.
    QList<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty())
        for (int row = 0; row < model_->rowCount({}); ++row)
            rows.append(row);
    QStringList lines;
    for (int row : rows)
        lines.append(TrafficRowTexts(model_->Frame(row)).join(QLatin1Char('\t')));
    QApplication::clipboard()->setText(lines.join(QLatin1Char('\n')));
}

void TFormMonitor::Export() {
    const QString path =
        AskSaveFile(FileKind::Log, QStringLiteral("traffic"),
                    QStringLiteral("Comma-Separated Values files (*.csv)|*.csv"),
                    FileNameStamp(QDateTime::currentDateTime()) + QStringLiteral("_traffic.csv"));
    if (path.isEmpty())
        return;
    QList<QStringList> rows{TrafficColumnTitles()};
    for (const TrafficFrame& frame : ShownFrames())
        rows.append(TrafficRowTexts(frame));
    const FileError error = SaveWholeFile(path, TableFileBytes(rows));
    if (!error.isEmpty())
        ReportError(error);
}
