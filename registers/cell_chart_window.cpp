#include "cell_chart_window.h"

#include <algorithm>

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
