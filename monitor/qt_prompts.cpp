#include "qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

QMessageBox::Icon BoxIcon(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Error:
        return QMessageBox::Critical;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Shows a file dialog prepared with the directory, filters and proposed name; the chosen file, or
// an empty text when cancelled.
QString RunFileDialog(QFileDialog* dialog, const QString& directory, const QString& filter,
                      const QString& proposedName) {
    dialog->setDirectory(directory);
    dialog->setNameFilters(QtNameFilters(filter));
    // The dialogs are shared: without a proposed name the name field is emptied, so that it never
    // offers a file of another kind. selectFile ignores an empty name.
    if (!proposedName.isEmpty())
        dialog->selectFile(proposedName);
    else if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->clear();
    if (dialog->exec() != QDialog::Accepted)
        return {};
    return dialog->selectedFiles().value(0);
}

} // namespace

QtPrompts::QtPrompts(QWidget* window, QFileDialog* openDialog, QFileDialog* saveDialog)
    : window_(window), openDialog_(openDialog), saveDialog_(saveDialog) {
    // Qt's own dialogs on every desktop: their name field is the program's to set and empty.
    for (QFileDialog* dialog : {openDialog_, saveDialog_})
        dialog->setOption(QFileDialog::DontUseNativeDialog);
}

QWidget* QtPrompts::Parent() const {
    // A box raised from inside a modal dialog belongs over that dialog.
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : window_;
}

Prompts::Answer QtPrompts::Message(const QString& text, const QString& caption, Buttons buttons,
                                   Icon icon) {
    const bool yesNo = buttons == Buttons::YesNo;
    QMessageBox box(BoxIcon(icon), caption, text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, Parent());
    const int result = box.exec();
    if (!yesNo)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtPrompts::Explained(const QString& text, const QString& caption, const QString& details) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, Parent());
    box.setInformativeText(details);
    box.exec();
}

std::optional<QString> QtPrompts::Input(const QString& caption, const QString& prompt,
                                        const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(Parent(), caption, prompt, QLineEdit::Normal, initial, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

QString QtPrompts::OpenFile(const QString& directory, const QString& filter,
                            const QString& proposedName) {
    return RunFileDialog(openDialog_, directory, filter, proposedName);
}

QString QtPrompts::SaveFile(const QString& directory, const QString& filter,
                            const QString& proposedName) {
    return RunFileDialog(saveDialog_, directory, filter, proposedName);
}

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString pattern = parts[i + 1];
        filters.append(description.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))
                           ? description
                           : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters;
}
