#pragma once

#include <QAbstractButton>
#include <QString>
#include <QWidget>

#include <initializer_list>

class QBoxLayout;
class QTableWidget;
class QWidget;

// A button of a page: objectName and caption. The handlers belong to the files and commands
// code, which finds the buttons by name.
struct PageButton {
    const char* name;
    const char* caption;
};

// Connects the button named `name` under root, if there is one, to a handler of receiver.
template <class Receiver>
void ConnectPageButton(QWidget* root, const char* name, Receiver* receiver,
                       void (Receiver::*handler)()) {
    if (auto* button = root->findChild<QAbstractButton*>(QLatin1String(name)))
        QObject::connect(button, &QAbstractButton::clicked, receiver, handler);
}

// Fills page with a frameless scroll area and returns the widget inside it, for the page's
// controls: the page scrolls only when the window is too small for them.
QWidget* ScrollingPageContent(QWidget* page);

// Adds a row of buttons at the end of layout.
void AddButtonRow(QBoxLayout* layout, std::initializer_list<PageButton> buttons);

// Fills page with one text table above a row of buttons and returns the table.
QTableWidget* BuildTablePage(QWidget* page, const QString& tableName, bool editable,
                             std::initializer_list<PageButton> buttons);
