#include "labeled_edit.h"

#include <QGridLayout>
#include <QLabel>
#include <QStyleOptionFrame>

namespace {

// Values are short numbers; the widest is a small signed power with six decimals.
const QString kWidestValue = QStringLiteral("-0,000000");

// QLineEdit keeps this many pixels between its frame and its text on either side.
constexpr int kTextMargin = 2;

} // namespace

LabeledEdit::LabeledEdit(const QString& name, const QString& caption, const QString& hint)
    : label_(new QLabel(caption)) {
    setObjectName(name);
    setReadOnly(true);
    setToolTip(hint);
    label_->setObjectName(name + QStringLiteral("Label"));
    label_->setBuddy(this);
    label_->setToolTip(hint);
}

QSize LabeledEdit::sizeHint() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins margins = textMargins();
    const int text = fontMetrics().horizontalAdvance(kWidestValue) + 2 * kTextMargin +
                     margins.left() + margins.right();
    const int width =
        style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(text, 0), this).width();
    return {width, QLineEdit::sizeHint().height()};
}

LabeledEdit* AddLabeledEdit(QGridLayout* grid, int row, int column, const QString& name,
                            const QString& caption, const QString& hint) {
    auto* edit = new LabeledEdit(name, caption, hint);
    grid->addWidget(edit->EditLabel(), 2 * row, column);
    grid->addWidget(edit, 2 * row + 1, column);
    return edit;
}
