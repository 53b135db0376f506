#pragma once

#include "discharge_analysis.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

class QPainter;

// The pictures of a report, drawn with QPainter into a rectangle of any paint device: as lines
// in the PDF, as PNG images in the HTML file.
enum class ReportPicture {
    PackVoltageCurrent, // pack voltage and discharge current over the segment
    CellSpread,         // the lowest, median and highest cell voltage over time
    EndVoltages,        // every cell's voltage at the end point as bars, the weak ones marked
    WeakestCurves,      // the voltage of the five weakest cells against the median
    Resistance,         // the resistance of every cell as bars
};
inline constexpr std::array<ReportPicture, 5> ReportPictures = {
    ReportPicture::PackVoltageCurrent, ReportPicture::CellSpread, ReportPicture::EndVoltages,
    ReportPicture::WeakestCurves, ReportPicture::Resistance};

QString ReportPictureTitle(ReportPicture picture);

// Draws the pictures of one report; the spread of the cell voltages of every line of the segment
// is found once, for the two pictures that need it.
class ReportPainter {
public:
    ReportPainter(const DischargeLog& log, const DischargeReport& report);

    void Draw(QPainter& painter, const QRectF& area, ReportPicture picture) const;
    QImage Image(ReportPicture picture, QSize size) const;

private:
    void PackVoltageCurrent(QPainter& painter, const QRectF& area) const;
    void CellSpread(QPainter& painter, const QRectF& area) const;
    void EndVoltages(QPainter& painter, const QRectF& area) const;
    void WeakestCurves(QPainter& painter, const QRectF& area) const;
    void Resistance(QPainter& painter, const QRectF& area) const;

    const DischargeLog& log_;
    const DischargeReport& report_;
    // The lowest, median and highest cell voltage of line firstLine + k at k.
    std::vector<float> lowest_, medians_, highest_;
};

// The pack's discharge current over the whole log with the segment shaded, for choosing it.
QImage SegmentPreview(const DischargeLog& log, std::optional<LineRange> segment, QSize size);
