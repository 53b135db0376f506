#pragma once

#include <QList>
#include <QString>

#include <array>
#include <span>

// What the main page shows for one status block, computed without widgets. The page always
// shows engineering units; the view flags do not apply to it.

struct PageFieldText {
    QString name; // objectName of the field
    QString text;
    friend bool operator==(const PageFieldText&, const PageFieldText&) = default;
};

struct PageLampState {
    QString name; // objectName of the lamp
    bool set = false;
    bool alarm = true; // false: a state indicator, not an alarm
    friend bool operator==(const PageLampState&, const PageLampState&) = default;
};

struct MainPageView {
    // In the order the page is filled. A cell-number field that no cell claims is left out, so
    // the field keeps its previous text.
    QList<PageFieldText> fields;
    int stateOfCharge = 0;
    bool chargeLow = false; // 20 % or less: the bar turns red
    // Battery-status lamps, then the 20 alarm lamps, in update order.
    QList<PageLampState> lamps;
    bool loggedIn = false; // bit 5 of Battery_Mode: a password login is in force
};

MainPageView ComputeMainPage(std::span<const quint16> statusBlock);

// The highest-numbered cell carrying each extreme flag (0 when none does), and the count of cells
// being balanced: the controller's own marking, which the page and the exports show.
struct CellScan {
    int vmax = 0, vmin = 0, tmax = 0, tmin = 0;
    int balancing = 0;
};
CellScan ScanCells(std::span<const quint16> statusBlock);

// Battery_Status bits in the order their lamps are updated.
inline constexpr std::array<int, 9> BatteryLampOrder = {14, 11, 9, 13, 6, 5, 4, 12, 15};

inline constexpr int LowChargePercent = 20;

// The label beside an alarm lamp: "Shape_COV_" is labelled "COV".
QString AlarmLampLabel(QStringView lamp);
