#pragma once

#include <QtGlobal>

class QChart;
class QWidget;
struct RegisterImage;

// Creates the cell table StringGrid_INFOCELL_, the bar chart Chart_INFOCELL_, the spinners
// UpDown_INFOCELLPT_ and UpDown_INFOCELLPAGE_ and the check box CheckBox_INFOCELL3D_ inside page.
// A spinner change pages the chart by the cell count of image, read at the moment of the change;
// image must outlive the page.
void BuildCellPage(QWidget* page, const RegisterImage& image);

// Sets the spinners' ranges and the left axis window for n cells, k per screen, page p.
void SetCellChartWindow(QWidget* page, quint16 n, quint16 k, quint16 p);

// Rewrites the cell table and both bar series from the status block.
void FillCellTable(const RegisterImage& image, QWidget* page);

// Flat or three-dimensional drawing of the bars.
void SetCellChart3D(QChart* chart, bool threeD);
