#pragma once

#include "series_values.h"

#include <QList>
#include <QPointF>

// The visible part of the X axis divided into pixel columns.
struct ColumnGrid {
    double xMin = 0;
    double xMax = 1; // > xMin
    int columns = 1; // >= 1

    // The column of X = k, clamped to the grid.
    int ColumnOf(qint64 k) const;
    // The first point index at or after xMin (may lie past xMax).
    qint64 FirstIndex() const;
};

// The points that draw a series over the grid as its raw points would: for every column that
// holds points, its first, lowest, highest and last point (each once, in X order), plus the
// nearest point on either side outside the visible range, so that the line runs on to the edges.
// X of point k is k. The result has at most four points per column and two more.
QList<QPointF> DecimateSeries(const SeriesValues& values, const ColumnGrid& grid);
