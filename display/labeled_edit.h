#pragma once

#include <QLineEdit>

class QBoxLayout;
class QLabel;

// A read-only edit box with its caption above it.
class LabeledEdit : public QLineEdit {
    Q_OBJECT
public:
    LabeledEdit(const QString& name, const QString& caption, const QString& hint);

    QLabel* EditLabel() const { return label_; }

private:
    QLabel* label_;
};

// Creates the caption and the field one above the other at the end of layout.
LabeledEdit* AddLabeledEdit(QBoxLayout* layout, const QString& name, const QString& caption,
                            const QString& hint = QString());
