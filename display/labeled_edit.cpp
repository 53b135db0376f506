#include "labeled_edit.h"

#include <QBoxLayout>
#include <QLabel>

LabeledEdit::LabeledEdit(const QString& name, const QString& caption, const QString& hint)
    : label_(new QLabel(caption)) {
    setObjectName(name);
    setReadOnly(true);
    setToolTip(hint);
    label_->setObjectName(name + QStringLiteral("Label"));
    label_->setBuddy(this);
    label_->setToolTip(hint);
}

LabeledEdit* AddLabeledEdit(QBoxLayout* layout, const QString& name, const QString& caption,
                            const QString& hint) {
    auto* edit = new LabeledEdit(name, caption, hint);
    auto* pair = new QVBoxLayout;
    pair->setSpacing(1);
    pair->addWidget(edit->EditLabel());
    pair->addWidget(edit);
    layout->addLayout(pair);
    return edit;
}
