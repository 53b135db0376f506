#pragma once

#include "trend_store.h"

#include <QByteArray>
#include <QLocale>
#include <QStringList>

// A plotted value as the files write numbers: the shortest text that reads back as the same
// float, in fixed notation, with the locale's decimal separator.
QString TrendNumberText(float value, const QLocale& locale = QLocale());

// The points as a ";"-separated file in the program's text encoding (EncodeLines): a header of
// "Дата-Время" and the titles of the series that hold points, then one line per poll with its
// label and, for each of those series, its value at that poll or an empty field when it took
// none. titles: the titles of the series by index (AllTrendSeriesTitles).
QByteArray TrendCsvBytes(const TrendStore& store, const QStringList& titles);
