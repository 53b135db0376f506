#pragma once

#include "cell_page.h"
#include "display_pages.h"
#include "journal_page.h"
#include "labeled_edit.h"
#include "lamp.h"
#include "main_page.h"
#include "register_image.h"
#include "settings_tables.h"
#include "state_tables.h"
#include "string_grid.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLegend>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QValueAxis>

// Every display page built into tabs of one window, as the main window does, with the password
// button the main window owns.
struct DisplayWindow {
    RegisterImage image;
    QWidget window;
    QWidget* mainPage = nullptr;
    QWidget* cellPage = nullptr;
    QPushButton* password = nullptr;

    DisplayWindow() {
        auto* tabs = new QTabWidget(&window);
        password = new QPushButton(QStringLiteral("Войти"), &window);
        password->setObjectName(QStringLiteral("SpeedButton_PASSWORD_"));
        DisplayPages pages;
        for (QWidget** page :
             {&pages.main, &pages.infoBase, &pages.cells, &pages.alarms, &pages.charge,
              &pages.commSettings, &pages.alarmSettings, &pages.chargeSettings, &pages.journal}) {
            *page = new QWidget;
            tabs->addTab(*page, QString());
        }
        BuildDisplayPages(pages, image);
        mainPage = pages.main;
        cellPage = pages.cells;
        window.resize(1000, 700);
        SetupTables(&window);
    }

    QTableWidget* Table(const QString& name) { return window.findChild<QTableWidget*>(name); }
    template <class T> T* Find(const QString& name) { return window.findChild<T*>(name); }
};
