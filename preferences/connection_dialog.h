#pragma once

#include "connection_settings.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Настройки связи": port, baud rate, frame format, controller address and polling period. Its
// controls are the only store of these settings; every exchange reads them afresh, through
// CurrentConnectionSettings() while the dialog exists.
class TForm4 final : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    ConnectionSettings Settings() const;
    // The polling timer interval of the chosen period.
    int PollIntervalMs() const;

    // Adds a port the system does not list (a by-id path, the simulator's pseudo-terminal) after
    // the listed ones, keeps it across "Поиск портов" and selects it. "Поиск портов" keeps the
    // selected port while it is still listed, and otherwise selects the first.
    void AddPort(const QString& port);

    // Greys or restores the setting controls and "Поиск портов" while polling runs or a
    // bootloader command is under way.
    void SetSettingControlsEnabled(bool enabled);

private:
    void ListPorts();
    void Button_FORM4OK_Click();

    QStringList extraPorts_;
    QComboBox* port_ = nullptr;
    QComboBox* baudRate_ = nullptr;
    QComboBox* format_ = nullptr;
    QLineEdit* address_ = nullptr;
    QComboBox* period_ = nullptr;
    QCheckBox* fastExchange_ = nullptr;
    QCheckBox* reconnect_ = nullptr;
    QPushButton* portScan_ = nullptr;
};
