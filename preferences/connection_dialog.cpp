#include "connection_dialog.h"

#include "address_check.h"
#include "named_widget.h"
#include "port_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

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
    setWindowTitle(QStringLiteral("Настройки связи"));

    portScan_ = Named<QPushButton>("BitBtn_PORTSCAN_", QStringLiteral("Поиск портов"));
    port_ = Named<QComboBox>("ComboBox_PORT_");
    port_->setToolTip(QStringLiteral("Номер порта"));
    port_->setMinimumContentsLength(12);
    port_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    baudRate_ = Named<QComboBox>("ComboBox_BAUDRATE_");
    baudRate_->setToolTip(QStringLiteral("Скорость"));
    baudRate_->addItems({"9600", "19200", "38400", "57600", "115200"});
    baudRate_->setCurrentIndex(4);

    format_ = Named<QComboBox>("ComboBox_FORMAT_");
    format_->setToolTip(QStringLiteral("Формат"));
    format_->addItems({"8N1", "8E1", "8O1"});
    format_->setCurrentIndex(0);

    address_ = Named<QLineEdit>("Edit_ADDRESS_", QStringLiteral("238"));
    address_->setToolTip(QStringLiteral("Адрес (от 1 до 247))"));

    period_ = Named<QComboBox>("ComboBox_FREQ_");
    period_->setToolTip(QStringLiteral("Период опроса, с"));
    // Seconds in the user's own notation ("0,25" with a decimal comma).
    for (int ms : PollPeriodsMs)
        period_->addItem(QLocale().toString(ms / 1000.0));
    period_->setCurrentIndex(DefaultPeriodIndex);

    // Off by default: with it on, a reply is complete when its last byte has come.
    fastExchange_ = Named<QCheckBox>("CheckBox_FASTEXCHANGE_", QStringLiteral("Быстрый обмен"));
    fastExchange_->setToolTip(
        QStringLiteral("Ответ принимается, как только пришёл его последний байт"));

    // Off by default: with it on, polling survives an adapter that is unplugged and comes back.
    reconnect_ = Named<QCheckBox>("CheckBox_RECONNECT_",
                                  QStringLiteral("Переподключаться автоматически"));

    auto* group = new QGroupBox(QStringLiteral("Настройки связи"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(portScan_, 0, 0);
    grid->addWidget(port_, 0, 1);
    const std::pair<const char*, QWidget*> rows[] = {{"Скорость порта", baudRate_},
                                                     {"Параметры передачи", format_},
                                                     {"Адрес  Modbus", address_},
                                                     {"Период опроса", period_}};
    int row = 1;
    for (const auto& [label, control] : rows) {
        auto* caption = new QLabel(QString::fromUtf8(label));
        caption->setBuddy(control);
        grid->addWidget(caption, row, 0);
        grid->addWidget(control, row, 1);
        ++row;
    }
    grid->addWidget(fastExchange_, row++, 1);
    grid->addWidget(reconnect_, row, 1);

    const auto [ok, cancel] = LayOutDialog(this, group, "Button_FORM4OK_", "Button_FORM4CANCEL_");

    connect(portScan_, &QPushButton::clicked, this, &TForm4::ListPorts);
    connect(ok, &QPushButton::clicked, this, &TForm4::Button_FORM4OK_Click);
    // Leaving by "Cancel" or the close box keeps every change made in the dialog.
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    ListPorts();
    SetConnectionSettingsSource([this] { return Settings(); });
}

TForm4::~TForm4() {
    SetConnectionSettingsSource({});
}

ConnectionSettings TForm4::Settings() const {
    // An item shows the adapter and opens by its stable name, held as the item's data.
    const QVariant openName = port_->currentData();
    return {openName.isValid() ? openName.toString() : port_->currentText(),
            baudRate_->currentIndex(),
            format_->currentIndex(),
            address_->text(),
            fastExchange_->isChecked(),
            reconnect_->isChecked()};
}

int TForm4::PollIntervalMs() const {
    const int index = period_->currentIndex();
    return PollPeriodsMs[index >= 0 ? index : DefaultPeriodIndex];
}

void TForm4::AddPort(const QString& port) {
    if (!extraPorts_.contains(port))
        extraPorts_.append(port);
    ListPorts();
    port_->setCurrentIndex(port_->findData(port));
}

void TForm4::SetSettingControlsEnabled(bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(port_), static_cast<QWidget*>(baudRate_),
                             static_cast<QWidget*>(format_), static_cast<QWidget*>(address_),
                             static_cast<QWidget*>(period_), static_cast<QWidget*>(fastExchange_),
                             static_cast<QWidget*>(reconnect_),
                             static_cast<QWidget*>(portScan_)})
        control->setEnabled(enabled);
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
    if (ConfirmAddressText(address_->text()))
        accept();
}
