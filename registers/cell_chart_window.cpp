#include "cell_chart_window.h"

#include <algorithm>
#include <cmath>

CellChartWindow ComputeCellChartWindow(quint16 n, quint16 k, quint16 p, double currentAxisMaximum) {
    CellChartWindow w;
    w.pointsMinimum = kMinimumCellsPerScreen;
    w.pointsMaximum = std::max<int>(n, kMinimumCellsPerScreen);
    // A zero per-screen count cannot come from the spinner; treat it as one cell so nothing divides
    // by 0.
    const int perScreen = std::max<int>(k, 1);
    w.pageMaximum = n % perScreen != 0 ? n / perScreen : std::max(n / perScreen - 1, 0);
    if (p > w.pageMaximum)
        w.correctedPage = w.pageMaximum;
    // The window follows the page as passed; the corrected page takes effect on the next call.
    const double start = double(p) * perScreen;
    if (start > currentAxisMaximum) {
        w.axisMaximum = start + perScreen;
        w.axisMinimum = w.axisMaximum - perScreen;
    } else {
        w.axisMinimum = start;
        w.axisMaximum = w.axisMinimum + perScreen + 1;
    }
    return w;
}

int PositionLabelStep(double positions, double plotHeight, double labelHeight) {
    const int range = std::max(1, int(std::ceil(positions)));
    if (labelHeight <= 0)
        return 1;
    // With step s the axis shows range / s + 1 labels; each needs labelHeight.
    const double labels = std::floor(plotHeight / labelHeight);
    if (labels < 2)
        return range;
    return std::clamp(int(std::ceil(range / (labels - 1))), 1, range);
}
