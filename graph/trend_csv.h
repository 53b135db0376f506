#pragma once

#include "trend_store.h"

#include <QByteArray>
#include <QLocale>
#include <QStringList>

#include <atomic>

// A plotted value as the files write numbers: the shortest text that reads back as the same
// float, in fixed notation, with the locale's decimal separator.
QString TrendNumberText(float value, const QLocale& locale = QLocale());

// Shared with the thread that exports: the polls written so far, and the operator's cancel.
struct CsvExportProgress {
    std::atomic<qint64> polls{0};
    std::atomic<bool> cancel{false};
};

// The points as a ";"-separated file in the program's text encoding (EncodeLines): a header of
// "Дата-Время" and the titles of the series that hold points, then one line per poll with its
// label and, for each of those series, its value at that poll or an empty field when it took
// none. titles: the titles of the series by index
// (AllTrendSeriesTitles). A cancelled export gives no bytes.
QByteArray TrendCsvBytes(const TrendStore& store, const QStringList& titles,
                         CsvExportProgress* progress = nullptr);
