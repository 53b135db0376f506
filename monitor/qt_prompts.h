#pragma once

#include "prompts.h"

#include <QStringList>

class QFileDialog;
class QWidget;

// The prompts shown to the operator: Qt message boxes, the input box and the window's shared
// file dialogs.
class QtPrompts final : public Prompts {
public:
    // window parents the boxes when no modal dialog is up; the file dialogs are the window's own.
    QtPrompts(QWidget* window, QFileDialog* openDialog, QFileDialog* saveDialog);

    Answer Message(const QString& text, const QString& caption, Buttons buttons,
                   Icon icon) override;
    void Explained(const QString& text, const QString& caption, const QString& details) override;
    std::optional<QString> Input(const QString& caption, const QString& prompt,
                                 const QString& initial) override;
    QString OpenFile(const QString& directory, const QString& filter,
                     const QString& proposedName) override;
    QString SaveFile(const QString& directory, const QString& filter,
                     const QString& proposedName) override;

private:
    QWidget* Parent() const;

    QWidget* window_;
    QFileDialog* openDialog_;
    QFileDialog* saveDialog_;
};

// Turns a "Description|*.ext|Description|*.ext" filter into Qt name filters
// ("Description (*.ext)"); a description that already names its pattern is kept as it is.
QStringList QtNameFilters(const QString& filter);
