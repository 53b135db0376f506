#pragma once

#include <QLineEdit>

class QGridLayout;
class QLabel;

// A read-only edit box with its caption above it.
class LabeledEdit : public QLineEdit {
    Q_OBJECT
public:
    LabeledEdit(const QString& name, const QString& caption, const QString& hint);

    QLabel* EditLabel() const { return label_; }

    // As wide as the widest value in the edit's font, so the page stays compact and no value
    // is cut.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    QLabel* label_;
};

// Puts the caption at (2 x row, column) of grid and the field just below it.
LabeledEdit* AddLabeledEdit(QGridLayout* grid, int row, int column, const QString& name,
                            const QString& caption, const QString& hint = QString());
