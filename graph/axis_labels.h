#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

class DateTimeTextParser;

// The label of a poll: the standard date-time text of its stamp (TrendStamp).
QString TrendLabelText(qint64 stamp);

// The bottom axis text for a point's label: "hh:nn:ss" when the label holds a time of day,
// "dd-MMM" when it holds a date alone; a label that is no date and time stays as it is.
QString Chart_GRAPH_GetAxisLabel(const QString& label, const DateTimeTextParser& parser);

// Where the bottom axis puts its labels over the visible X range: integer positions at a step
// of 1, 2 or 5 times a power of ten, no more than `most` of them.
std::vector<qint64> LabelPositions(double xMin, double xMax, int most);

// The step of a vertical range spinner for its next click, from the magnitude of its position:
// 100 above 500, 50 above 250, 20 above 100, 5 above 10, otherwise 1.
int ScaleStep(int magnitude);
