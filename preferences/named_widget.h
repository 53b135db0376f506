#pragma once

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <utility>

// Creates a widget (or any QObject) carrying its given control name as objectName, so that tests
// and tools find it by that name.
template <typename W, typename... Args> W* Named(const char* name, Args&&... args) {
    auto* object = new W(std::forward<Args>(args)...);
    object->setObjectName(QLatin1String(name));
    return object;
}

// Lays out a dialog: its content above, the named OK and Cancel buttons at the bottom right.
// Enter means OK wherever the focus is: OK is the default button and no button of the dialog
// takes that role when it gets the focus.
struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

inline DialogButtons LayOutDialog(QWidget* dialog, QWidget* content, const char* okName,
                                  const char* cancelName, int contentStretch = 0) {
    // Qt's own captions, in the language of Qt's installed translation.
    const QDialogButtonBox standard(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    DialogButtons buttons{
        Named<QPushButton>(okName, standard.button(QDialogButtonBox::Ok)->text()),
        Named<QPushButton>(cancelName, standard.button(QDialogButtonBox::Cancel)->text())};
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(content, contentStretch);
    layout->addLayout(row);
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        button->setAutoDefault(false);
    buttons.ok->setDefault(true);
    return buttons;
}
