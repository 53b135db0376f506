#include "connection_groups.h"

#include "named_widget.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A pressed toggle looks hardly different from a released one in most styles; polling must be
// seen to run at a glance.
const QString PressedToggleStyle = QStringLiteral(
    "QPushButton:checked { background-color: #2E7D32; color: white; border: 1px solid #1B5E20;"
    " border-radius: 3px; }");

} // namespace

void BuildConnectionGroups(QBoxLayout* column) {
    auto* connection = Named<QGroupBox>(
        "GroupBox1", QCoreApplication::translate("ConnectionGroups", "Соединение"));
    auto* connect = Named<QPushButton>(
        "SpeedButton_CONNECT_",
        QCoreApplication::translate("ConnectionGroups", "Опрос модуля контроллера"));
    connect->setCheckable(true);
    connect->setStyleSheet(PressedToggleStyle);
    // Two rows of check boxes beside the toggle leave the pages more of the smallest window.
    auto* options = new QGridLayout;
    options->setVerticalSpacing(0);
    options->addWidget(Named<QCheckBox>("CheckBox_LOGEN_", QCoreApplication::translate(
                                                               "ConnectionGroups", "Вести лог?")),
                       0, 0);
    options->addWidget(
        Named<QCheckBox>("CheckBox_READSETTINGS_",
                         QCoreApplication::translate("ConnectionGroups", "Читать настройки")),
        0, 1);
    options->addWidget(
        Named<QCheckBox>("CheckBox_READLOG_",
                         QCoreApplication::translate("ConnectionGroups", "Читать журнал")),
        1, 1);
    auto* connectionLayout = new QHBoxLayout(connection);
    connectionLayout->addWidget(connect);
    connectionLayout->addLayout(options);
    connectionLayout->addStretch(1);

    auto* password = Named<QGroupBox>("GroupBox_PASSWORD_",
                                      QCoreApplication::translate("ConnectionGroups", "Пароль"));
    auto* login = Named<QPushButton>("SpeedButton_PASSWORD_",
                                     QCoreApplication::translate("ConnectionGroups", "Войти"));
    login->setCheckable(true);
    auto* passwordLayout = new QHBoxLayout(password);
    passwordLayout->addWidget(login);
    passwordLayout->addWidget(Named<QPushButton>(
        "BitBtn_PASSWORDNEW_", QCoreApplication::translate("ConnectionGroups", "Новый пароль")));

    auto* top = new QHBoxLayout;
    top->addWidget(connection);
    top->addStretch(1);
    top->addWidget(password, 0, Qt::AlignTop);
    column->addLayout(top);
}
