#include "connection_dialog.h"

#include "address_check.h"
#include "line_settings.h"
#include "named_widget.h"
#include "network_choice.h"
#include "port_list.h"
#include "prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>

#include <array>

namespace {

// The polling periods offered, in milliseconds. Every item is a period, so a start of polling
// always finds a valid interval once the port is open.
constexpr std::array<int, 11> PollPeriodsMs = {250,   500,   1000,   2000,   5000,  10000,
                                               20000, 60000, 120000, 300000, 600000};
constexpr int DefaultPeriodIndex = 2;

} // namespace

TForm4::TForm4(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(tr("Настройки связи"));

    linkType_ = Named<QComboBox>("ComboBox_LINKTYPE_");
    linkType_->setToolTip(tr("Тип связи"));
    linkType_->addItems({tr("COM-порт"), tr("RTU через TCP"), QStringLiteral("Modbus TCP")});
    host_ = Named<QLineEdit>("Edit_HOST_");
    host_->setToolTip(tr("Имя или адрес узла"));
    tcpPort_ = Named<QLineEdit>("Edit_TCPPORT_");
    tcpPort_->setToolTip(tr("TCP-порт (1..65535)"));
    networkTimeout_ = Named<QSpinBox>("SpinEdit_NETTIMEOUT_");
    networkTimeout_->setRange(MinNetworkTimeoutMs, MaxNetworkTimeoutMs);
    networkTimeout_->setSingleStep(100);
    networkTimeout_->setToolTip(tr("Время ожидания ответа по сети"));
    const RememberedLink remembered = LoadRememberedLink();
    linkType_->setCurrentIndex(ItemOfLinkKind(remembered.kind));
    host_->setText(remembered.host);
    tcpPort_->setText(remembered.tcpPortText);
    networkTimeout_->setValue(remembered.timeoutMs);

    portScan_ = Named<QPushButton>("BitBtn_PORTSCAN_", tr("Поиск портов"));
    port_ = Named<QComboBox>("ComboBox_PORT_");
    port_->setToolTip(tr("Номер порта"));
    port_->setMinimumContentsLength(12);
    port_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    baudRate_ = Named<QComboBox>("ComboBox_BAUDRATE_");
    baudRate_->setToolTip(tr("Скорость"));
    baudRate_->addItems(BaudRateItems());
    baudRate_->setCurrentIndex(4);

    format_ = Named<QComboBox>("ComboBox_FORMAT_");
    format_->setToolTip(tr("Формат"));
    format_->addItems(FrameFormatItems());
    format_->setCurrentIndex(0);

    address_ = Named<QLineEdit>("Edit_ADDRESS_", QStringLiteral("238"));
    address_->setToolTip(tr("Адрес (от 1 до 247))"));

    period_ = Named<QComboBox>("ComboBox_FREQ_");
    period_->setToolTip(tr("Период опроса, с"));
    // Seconds in the user's own notation ("0,25" with a decimal comma); the interval is the item's
    // data, whatever the notation.
    for (int ms : PollPeriodsMs)
        period_->addItem(QLocale().toString(ms / 1000.0), ms);
    period_->setCurrentIndex(DefaultPeriodIndex);

    // Off by default: with it on, a reply is complete when its last byte has come.
    fastExchange_ = Named<QCheckBox>("CheckBox_FASTEXCHANGE_", tr("Быстрый обмен"));
    fastExchange_->setToolTip(tr("Ответ принимается, как только пришёл его последний байт"));

    // Off by default: with it on, polling survives an adapter that is unplugged and comes back.
    reconnect_ = Named<QCheckBox>("CheckBox_RECONNECT_", tr("Переподключаться автоматически"));

    auto* group = new QGroupBox(tr("Настройки связи"));
    auto* grid = new QGridLayout(group);
    int row = 0;
    const auto addRow = [&](const char* label, QWidget* control) {
        auto* caption = new QLabel(tr(label));
        caption->setBuddy(control);
        grid->addWidget(caption, row, 0);
        grid->addWidget(control, row, 1);
        ++row;
    };
    addRow(QT_TR_NOOP("Тип связи"), linkType_);
    grid->addWidget(portScan_, row, 0);
    grid->addWidget(port_, row++, 1);
    const std::pair<const char*, QWidget*> rows[] = {
        {QT_TR_NOOP("Узел"), host_},
        {QT_TR_NOOP("TCP-порт"), tcpPort_},
        {QT_TR_NOOP("Тайм-аут сети, мс"), networkTimeout_},
        {QT_TR_NOOP("Скорость порта"), baudRate_},
        {QT_TR_NOOP("Параметры передачи"), format_},
        {QT_TR_NOOP("Адрес  Modbus"), address_},
        {QT_TR_NOOP("Период опроса"), period_}};
    for (const auto& [label, control] : rows)
        addRow(label, control);
    grid->addWidget(fastExchange_, row++, 1);
    grid->addWidget(reconnect_, row, 1);

    const auto [ok, cancel] = LayOutDialog(this, group, "Button_FORM4OK_", "Button_FORM4CANCEL_");

    connect(portScan_, &QPushButton::clicked, this, &TForm4::ListPorts);
    connect(linkType_, &QComboBox::currentIndexChanged, this, &TForm4::ComboBox_LINKTYPE_Change);
    connect(ok, &QPushButton::clicked, this, &TForm4::Button_FORM4OK_Click);
    // Leaving by "Cancel" or the close box keeps every change made in the dialog.
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    ListPorts();
    UpdateEnabled();
    SetConnectionSettingsSource([this] { return Settings(); });
}

TForm4::~TForm4() {
    SetConnectionSettingsSource({});
}

ConnectionSettings TForm4::Settings() const {
    // An item shows the adapter and opens by its stable name, held as the item's data.
    const QVariant openName = port_->currentData();
    return {ChosenPortName(LinkKindOfItem(linkType_->currentIndex()),
                           openName.isValid() ? openName.toString() : port_->currentText(),
                           host_->text(), tcpPort_->text()),
            baudRate_->currentIndex(),
            format_->currentIndex(),
            address_->text(),
            fastExchange_->isChecked(),
            reconnect_->isChecked(),
            networkTimeout_->value()};
}

int TForm4::PollIntervalMs() const {
    const int index = period_->currentIndex();
    return PollPeriodsMs[index >= 0 ? index : DefaultPeriodIndex];
}

void TForm4::AddPort(const QString& port) {
    QString error;
    if (const std::optional<NetworkTarget> target = ParseNetworkTarget(port, &error)) {
        linkType_->setCurrentIndex(ItemOfLinkKind(target->kind));
        host_->setText(target->host);
        tcpPort_->setText(QString::number(target->port));
        return;
    }
    linkType_->setCurrentIndex(ItemOfLinkKind(LinkKind::Serial));
    if (!extraPorts_.contains(port))
        extraPorts_.append(port);
    ListPorts();
    port_->setCurrentIndex(port_->findData(port));
}

void TForm4::SetSettingControlsEnabled(bool enabled) {
    settingsEnabled_ = enabled;
    UpdateEnabled();
}

void TForm4::UpdateEnabled() {
    const bool serial = LinkKindOfItem(linkType_->currentIndex()) == LinkKind::Serial;
    const std::pair<QWidget*, bool> controls[] = {
        {linkType_, true}, {port_, serial},  {portScan_, serial},     {baudRate_, serial},
        {format_, serial}, {host_, !serial}, {tcpPort_, !serial},     {networkTimeout_, !serial},
        {address_, true},  {period_, true},  {fastExchange_, serial}, {reconnect_, true}};
    for (const auto& [control, used] : controls)
        control->setEnabled(settingsEnabled_ && used);
}

void TForm4::ComboBox_LINKTYPE_Change() {
    // 502 is the Modbus TCP port; a serial device server has no usual one.
    const LinkKind kind = LinkKindOfItem(linkType_->currentIndex());
    const QString text = tcpPort_->text().trimmed();
    const QString standard = QString::number(ModbusTcpPort);
    if (kind == LinkKind::ModbusTcp && text.isEmpty())
        tcpPort_->setText(standard);
    else if (kind == LinkKind::RtuOverTcp && text == standard)
        tcpPort_->clear();
    UpdateEnabled();
}

void TForm4::ListPorts() {
    // The port in use (the demo's terminal, a chosen adapter) stays selected while it is listed.
    const QVariant selected = port_->currentData();
    port_->clear();
    for (const PortEntry& entry : ListSerialPortEntries(extraPorts_))
        port_->addItem(entry.label, entry.openName);
    const int kept = selected.isValid() ? port_->findData(selected) : -1;
    port_->setCurrentIndex(kept >= 0 ? kept : (port_->count() > 0 ? 0 : -1));
}

void TForm4::Button_FORM4OK_Click() {
    if (!ConfirmAddressText(address_->text()))
        return;
    const LinkKind kind = LinkKindOfItem(linkType_->currentIndex());
    if (kind != LinkKind::Serial) {
        if (const QString refusal = NetworkEntryRefusal(host_->text(), tcpPort_->text());
            !refusal.isEmpty()) {
            CurrentPrompts().Message(refusal, tr("Ошибка!"), Prompts::Buttons::Ok,
                                     Prompts::Icon::Error);
            return;
        }
    }
    SaveRememberedLink(
        {kind, host_->text().trimmed(), tcpPort_->text().trimmed(), networkTimeout_->value()});
    accept();
}
