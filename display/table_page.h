#pragma once

#include <QString>

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

// Adds a row of buttons at the end of layout.
void AddButtonRow(QBoxLayout* layout, std::initializer_list<PageButton> buttons);

// Fills page with one text table above a row of buttons and returns the table.
QTableWidget* BuildTablePage(QWidget* page, const QString& tableName, bool editable,
                             std::initializer_list<PageButton> buttons);
