#include "bootloader_page.h"

#include "named_widget.h"
#include "update_procedures.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QPushButton* AddButton(QBoxLayout* layout, const char* name, const QString& caption) {
    auto* button = Named<QPushButton>(name, caption);
    layout->addWidget(button);
    return button;
}

QLineEdit* AddEdit(QBoxLayout* layout, const char* name, const QString& text = {},
                   const QString& hint = {}) {
    auto* edit = Named<QLineEdit>(name, text);
    edit->setToolTip(hint);
    layout->addWidget(edit);
    return edit;
}

QRadioButton* AddRadio(QBoxLayout* layout, const char* name, const QString& caption, bool checked) {
    auto* radio = Named<QRadioButton>(name, caption);
    radio->setChecked(checked);
    layout->addWidget(radio);
    return radio;
}

QGroupBox* ReadGroup() {
    auto* group = Named<QGroupBox>("GroupBox_BOOTLOADERREAD_",
                                   QCoreApplication::translate("BootloaderPage", "Чтение памяти"));
    auto* layout = new QVBoxLayout(group);
    AddButton(layout, "BitBtn_BOOTLOADER03_",
              QCoreApplication::translate("BootloaderPage", "Чтение регистров"));
    const RegisterReadPreset preset = ProgramDataPreset();
    auto* fields = new QHBoxLayout;
    AddEdit(fields, "Edit_READREGADDRESS_", preset.start,
            QCoreApplication::translate("BootloaderPage", "Адрес регистра"));
    AddEdit(fields, "Edit_READREGNUMBER_", preset.count,
            QCoreApplication::translate("BootloaderPage", "Число регистров"));
    layout->addLayout(fields);
    AddRadio(layout, "RadioButton_READVERSION_",
             QCoreApplication::translate("BootloaderPage", "Версия прошивки"), true);
    AddRadio(layout, "RadioButton_READBOOTREG_",
             QCoreApplication::translate("BootloaderPage", "Регистры загрузчика"), false);
    return group;
}

QGroupBox* EraseGroup() {
    auto* group =
        Named<QGroupBox>("GroupBox_BOOTLOADERERASE_",
                         QCoreApplication::translate("BootloaderPage", "Стирание памяти"));
    auto* layout = new QVBoxLayout(group);
    AddButton(layout, "BitBtn_BOOTLOADER20_",
              QCoreApplication::translate("BootloaderPage", "Стирание памяти"));
    AddRadio(layout, "RadioButton1",
             QCoreApplication::translate("BootloaderPage", "Область программы"), true);
    AddRadio(layout, "RadioButton2",
             QCoreApplication::translate("BootloaderPage", "Область настроек"), false);
    return group;
}

QGroupBox* FunctionsGroup() {
    auto* group =
        Named<QGroupBox>("GroupBox_BOOTLOADER_",
                         QCoreApplication::translate("BootloaderPage", "Функции загрузчика"));
    auto* layout = new QVBoxLayout(group);
    AddButton(layout, "BitBtn_BOOTLOADERAUTO_",
              QCoreApplication::translate("BootloaderPage", "Автообновление "));
    AddButton(layout, "BitBtn_BOOTLOADERAUTOBOOT_",
              QCoreApplication::translate("BootloaderPage", "Автообновление из загрузчика"));
    // Ends a running update at its next step; enabled only while one runs.
    AddButton(layout, "BitBtn_STOPUPDATE_", QCoreApplication::translate("BootloaderPage", "Стоп"))
        ->setEnabled(false);
    auto* progress = Named<QProgressBar>("ProgressBar_BOOTLOADER_");
    progress->setRange(0, 100);
    progress->setValue(0);
    layout->addWidget(progress);
    auto* packets = Named<QLabel>("Label_BOOTLOADERPROGRESS_");
    packets->setWordWrap(true);
    layout->addWidget(packets);
    AddButton(layout, "BitBtn_BOOTLOADER30_",
              QCoreApplication::translate("BootloaderPage", "Инициализация загрузчика"));
    AddButton(layout, "BitBtn_BOOTLOADER21_",
              QCoreApplication::translate("BootloaderPage", "Программрование"));
    AddButton(layout, "BitBtn_BOOTLOADER31_",
              QCoreApplication::translate("BootloaderPage", "Перезапуск"));
    layout->addStretch(1);
    return group;
}

} // namespace

void BuildBootloaderPage(QWidget* page) {
    auto* memo = Named<QPlainTextEdit>("Memo2");
    memo->setReadOnly(true);
    auto* right = new QVBoxLayout;
    for (const char* name : {"Edit3", "Edit4", "Edit_ReqCode"})
        AddEdit(right, name)->setReadOnly(true);
    right->addWidget(memo, 1);
    auto* service = new QVBoxLayout;
    service->addWidget(ReadGroup());
    service->addWidget(EraseGroup());
    service->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(FunctionsGroup());
    layout->addLayout(service);
    layout->addLayout(right, 1);
}
