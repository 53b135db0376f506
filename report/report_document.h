#pragma once

#include "discharge_analysis.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The fields of the report's header the engineer fills in, and when the report was made.
struct ReportHeader {
    QString site;
    QString battery;
    QString engineer;
    QDateTime made;
};

// One table of the report's texts.
struct ReportTable {
    QString title;
    QStringList columns; // empty for rows of a name and its value
    QList<QStringList> rows;
};

// The texts of a report, the same for every output: the header, the summary, what the reader
// must know, the weak cells and the table of every cell.
struct ReportContent {
    QString title;
    ReportTable header;
    ReportTable summary;
    QStringList notes;
    ReportTable weak;
    ReportTable cells; // the weak cells first, each part by rank
};

ReportContent ReportTexts(const DischargeReport& report, const ReportHeader& header);

// The report as a PDF: the header, summary and weak cells, then the five pictures, three a page,
// then the table of the cells; every page numbered. `pages` receives the page count.
QByteArray ReportPdf(const DischargeLog& log, const DischargeReport& report,
                     const ReportHeader& header, int* pages = nullptr);

// The report as one HTML file (UTF-8) that needs nothing else: the pictures are PNG images
// inside it.
QByteArray ReportHtml(const DischargeLog& log, const DischargeReport& report,
                      const ReportHeader& header);

// The table of the cells in the program's table-file format, its header and texts Russian in
// either language: a file the window and scripts read. PDF, HTML and text follow the language.
QByteArray ReportCsv(const DischargeReport& report);

// The summary, the notes and the weak cells as lines of text, for the terminal.
QStringList ReportTextLines(const DischargeReport& report);

// The report for scripts: numbers as JSON numbers, times as local ISO 8601, null for a figure
// that has no value.
QByteArray ReportJson(const DischargeReport& report);
