#pragma once

class QWidget;
struct RegisterImage;

// The pages the display builds its contents into; the main window owns them.
struct DisplayPages {
    QWidget* main = nullptr;           // "Главная"
    QWidget* infoBase = nullptr;       // "Состояние" / "Состояние"
    QWidget* cells = nullptr;          // "Состояние" / "Элементы"
    QWidget* alarms = nullptr;         // "Состояние" / "Аварии"
    QWidget* charge = nullptr;         // "Состояние" / "Заряд"
    QWidget* commSettings = nullptr;   // "Настройки" / "Связь"
    QWidget* alarmSettings = nullptr;  // "Настройки" / "Аварии"
    QWidget* chargeSettings = nullptr; // "Настройки" / "Заряд"
    QWidget* journal = nullptr;        // "Журнал"
};

// Builds every display page; the cell page's spinners read the cell count from image, which must
// outlive the pages.
void BuildDisplayPages(const DisplayPages& pages, const RegisterImage& image);
