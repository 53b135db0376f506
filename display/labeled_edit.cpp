#include "labeled_edit.h"

#include <QGridLayout>
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

LabeledEdit* AddLabeledEdit(QGridLayout* grid, int row, int column, const QString& name,
                            const QString& caption, const QString& hint) {
    auto* edit = new LabeledEdit(name, caption, hint);
    grid->addWidget(edit->EditLabel(), 2 * row, column);
    grid->addWidget(edit, 2 * row + 1, column);
    return edit;
}
