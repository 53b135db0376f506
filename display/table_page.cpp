#include "table_page.h"

#include "string_grid.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>

QWidget* ScrollingPageContent(QWidget* page) {
    auto* content = new QWidget;
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return content;
}

void AddButtonRow(QBoxLayout* layout, std::initializer_list<PageButton> buttons) {
    auto* row = new QHBoxLayout;
    for (const PageButton& b : buttons) {
        auto* button = new QPushButton(QCoreApplication::translate("TablePage", b.caption));
        button->setObjectName(QString::fromLatin1(b.name));
        row->addWidget(button);
    }
    row->addStretch();
    layout->addLayout(row);
}

QTableWidget* BuildTablePage(QWidget* page, const QString& tableName, bool editable,
                             std::initializer_list<PageButton> buttons) {
    QTableWidget* table = MakeStringGrid(tableName, editable);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(table);
    if (buttons.size() != 0)
        AddButtonRow(layout, buttons);
    return table;
}
