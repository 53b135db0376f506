#pragma once

#include <QtGlobal>

#include <optional>

// The paging of the cell bar chart: which bar positions the left axis shows and what the two
// spinners beside the chart allow, for n cells, k cells per screen and page p.
struct CellChartWindow {
    int pointsMinimum = 0; // range of the cells-per-screen spinner
    int pointsMaximum = 0;
    int pageMaximum = 0;              // highest page the page spinner allows
    std::optional<int> correctedPage; // set when p lay beyond pageMaximum
    double axisMinimum = 0;           // new range of the left (bar position) axis
    double axisMaximum = 0;
};

inline constexpr int kMinimumCellsPerScreen = 10;

// currentAxisMaximum is the left axis's maximum before the call; the window moves relative to it.
// Fewer than 10 cells keep the cells-per-screen range at 10..10 and no cells give one page (0),
// so the spinners never get a maximum below their minimum.
CellChartWindow ComputeCellChartWindow(quint16 n, quint16 k, quint16 p, double currentAxisMaximum);

// Every how many bar positions the left axis carries a label, so that each label gets at least
// labelHeight of the plot's height: a label per bar while they fit, then every second, third...
// positions is the axis range (maximum - minimum); the axis has a label at both ends.
int PositionLabelStep(double positions, double plotHeight, double labelHeight);
