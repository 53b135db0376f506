#include "report_charts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace {

constexpr double MsPerHour = 3600.0 * 1000.0;
constexpr int TargetTicks = 6;

const QColor VoltageColour(0xC0, 0x00, 0x00);
const QColor CurrentColour(0x00, 0x80, 0x00);
const QColor LowColour(0x1F, 0x77, 0xB4);
const QColor MedianColour(0x33, 0x33, 0x33);
const QColor HighColour(0xD6, 0x27, 0x28);
const QColor BarColour(0x4F, 0x81, 0xBD);
const QColor WeakColour(0xC0, 0x50, 0x4D);
const QColor LevelColour(0x80, 0x80, 0x80);
const QColor SegmentShade(0xFF, 0xE0, 0x80);
const QColor CurveColours[] = {{0xC0, 0x50, 0x4D},
                               {0xF7, 0x96, 0x46},
                               {0x9B, 0xBB, 0x59},
                               {0x80, 0x64, 0xA2},
                               {0x4B, 0xAC, 0xC6}};
constexpr int WeakestShown = 5;

// An axis range on whole ticks of 1, 2 or 5 times a power of ten.
struct Range {
    double min = 0, max = 1, step = 0.2;
};

Range NiceRange(double low, double high) {
    if (!std::isfinite(low) || !std::isfinite(high))
        return {};
    if (!(high > low)) {
        const double pad = std::max(std::abs(low) * 0.05, 0.01);
        low -= pad;
        high += pad;
    }
    const double raw = (high - low) / TargetTicks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / power;
    const double step = (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * power;
    return {std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step, step};
}

QString TickText(double value, double step) {
    const int decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
    return QLocale().toString(std::abs(value) < step * 1e-6 ? 0.0 : value, 'f', decimals);
}

using Legend = std::vector<std::pair<QString, QColor>>;

// The frame of one picture: its title and legend above (the legend on a line of its own when
// both do not fit on one), the axes with their ticks, grid and titles, and the mapping of values
// into the plot.
class ChartFrame {
public:
    ChartFrame(QPainter& painter, const QRectF& area, const QString& title, const Legend& legend,
               bool secondAxis)
        : p_(painter), area_(area) {
        font_.setPixelSize(std::max(8, int(area.height() / 24)));
        line_ = font_.pixelSize() / 10.0;
        const double h = font_.pixelSize();
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        p_.fillRect(area, Qt::white);
        QFont bold = font_;
        bold.setBold(true);
        p_.setFont(bold);
        p_.setPen(Qt::black);
        const double titleWidth = p_.fontMetrics().horizontalAdvance(title) + 2 * h;
        p_.drawText(QRectF(area.left() + h, area.top(), area.width(), 1.8 * h),
                    Qt::AlignLeft | Qt::AlignVCenter, title);
        p_.setFont(font_);
        const bool ownLine = titleWidth + KeysWidth(legend) > area.width();
        Keys(legend, area.top() + (ownLine ? 1.6 * h : 0));
        plot_ = area.adjusted(5.2 * h, (ownLine ? 3.8 : 2.2) * h, secondAxis ? -5.2 * h : -1.5 * h,
                              -2.8 * h);
    }
    ~ChartFrame() { p_.restore(); }

    const QRectF& Plot() const { return plot_; }

    void Axes(const Range& x, const QString& xTitle, const Range& y, const QString& yTitle,
              const Range* y2 = nullptr, const QString& y2Title = QString(), bool wholeX = false) {
        x_ = x;
        y_ = y;
        if (y2)
            y2_ = *y2;
        const double h = font_.pixelSize();
        p_.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), line_));
        for (double v = y.min; v <= y.max + y.step * 1e-6; v += y.step)
            p_.drawLine(QPointF(plot_.left(), Y(v, y_)), QPointF(plot_.right(), Y(v, y_)));
        p_.setPen(QPen(Qt::black, line_));
        p_.drawRect(plot_);
        for (double v = y.min; v <= y.max + y.step * 1e-6; v += y.step)
            p_.drawText(
                QRectF(area_.left(), Y(v, y_) - h, plot_.left() - area_.left() - 0.4 * h, 2 * h),
                Qt::AlignRight | Qt::AlignVCenter, TickText(v, y.step));
        if (y2)
            for (double v = y2->min; v <= y2->max + y2->step * 1e-6; v += y2->step)
                p_.drawText(QRectF(plot_.right() + 0.4 * h, Y(v, y2_) - h, 4.6 * h, 2 * h),
                            Qt::AlignLeft | Qt::AlignVCenter, TickText(v, y2->step));
        const double xStep = wholeX ? std::max(1.0, std::round(x.step)) : x.step;
        const double xFirst = wholeX ? std::ceil(x.min) : x.min;
        for (double v = xFirst; v <= x.max + xStep * 1e-6; v += xStep)
            p_.drawText(QRectF(X(v) - 3 * h, plot_.bottom() + 0.2 * h, 6 * h, 1.2 * h),
                        Qt::AlignHCenter | Qt::AlignTop, TickText(v, xStep));
        p_.drawText(QRectF(plot_.left(), plot_.bottom() + 1.4 * h, plot_.width(), 1.3 * h),
                    Qt::AlignHCenter | Qt::AlignTop, xTitle);
        VerticalTitle(yTitle, area_.left() + 0.1 * h);
        if (y2)
            VerticalTitle(y2Title, area_.right() - 1.3 * h);
    }

    QPointF At(double x, double y, bool second = false) const {
        return {X(x), Y(y, second ? y2_ : y_)};
    }

    void Lines(const std::vector<QPolygonF>& pieces, const QColor& colour, bool second = false,
               Qt::PenStyle style = Qt::SolidLine) {
        p_.save();
        p_.setClipRect(plot_);
        p_.setPen(QPen(colour, 1.6 * line_, style));
        for (const QPolygonF& piece : pieces) {
            QPolygonF mapped;
            mapped.reserve(piece.size());
            for (const QPointF& point : piece)
                mapped.append(At(point.x(), point.y(), second));
            p_.drawPolyline(mapped);
        }
        p_.restore();
    }

    // A bar from the bottom of the plot up to y, centred on x.
    void Bar(double x, double halfWidth, double y, const QColor& colour) {
        const QPointF top = At(x - halfWidth, std::clamp(y, y_.min, y_.max));
        const QPointF base = At(x + halfWidth, y_.min);
        p_.fillRect(QRectF(top, base), colour);
    }

    // A dashed line across the plot at y, its label at the right end above it.
    void Level(double y, const QString& label) {
        if (y < y_.min || y > y_.max)
            return;
        p_.setPen(QPen(LevelColour, 1.4 * line_, Qt::DashLine));
        p_.drawLine(At(x_.min, y), At(x_.max, y));
        const double width = p_.fontMetrics().horizontalAdvance(label) + 0.6 * Height();
        Label(QRectF(plot_.right() - width - 0.3 * Height(), Y(y, y_) - 1.3 * Height(), width,
                     1.2 * Height()),
              label);
    }

    // A dashed line up the plot at x, its label at the top beside it.
    void Marker(double x, const QString& label) {
        if (x < x_.min || x > x_.max)
            return;
        p_.setPen(QPen(LevelColour, 1.4 * line_, Qt::DashLine));
        p_.drawLine(At(x, y_.min), At(x, y_.max));
        const double width = p_.fontMetrics().horizontalAdvance(label) + 0.6 * Height();
        const double left = X(x) + width + 0.3 * Height() < plot_.right()
                                ? X(x) + 0.3 * Height()
                                : X(x) - width - 0.3 * Height();
        Label(QRectF(left, plot_.top() + 0.2 * Height(), width, 1.2 * Height()), label);
    }

    void Message(const QString& text) {
        p_.setPen(Qt::black);
        p_.drawText(plot_, Qt::AlignCenter | Qt::TextWordWrap, text);
    }

    void Shade(double fromX, double toX) {
        p_.fillRect(QRectF(At(fromX, y_.max), At(toX, y_.min)), SegmentShade);
    }

private:
    double Height() const { return font_.pixelSize(); }

    // A label over the lines, on white so that it can be read.
    void Label(const QRectF& box, const QString& text) {
        p_.fillRect(box, QColor(255, 255, 255, 220));
        p_.setPen(Qt::black);
        p_.drawText(box, Qt::AlignCenter, text);
    }

    double KeysWidth(const Legend& legend) const {
        double width = 0;
        for (const auto& key : legend)
            width += p_.fontMetrics().horizontalAdvance(key.first) + 2.8 * Height();
        return width;
    }

    // The legend along the top right: a short stroke of each colour before its name.
    void Keys(const Legend& legend, double top) {
        const double h = Height();
        double right = area_.right() - h;
        for (auto it = legend.rbegin(); it != legend.rend(); ++it) {
            const double width = p_.fontMetrics().horizontalAdvance(it->first);
            p_.setPen(Qt::black);
            p_.drawText(QRectF(right - width, top, width, 1.8 * h),
                        Qt::AlignLeft | Qt::AlignVCenter, it->first);
            right -= width + 0.4 * h;
            p_.fillRect(QRectF(right - 1.4 * h, top + 0.75 * h, 1.4 * h, 0.3 * h), it->second);
            right -= 2.4 * h;
        }
    }
    double X(double x) const {
        return plot_.left() + (x - x_.min) / (x_.max - x_.min) * plot_.width();
    }
    double Y(double y, const Range& r) const {
        return plot_.bottom() - (y - r.min) / (r.max - r.min) * plot_.height();
    }
    void VerticalTitle(const QString& text, double left) {
        p_.save();
        p_.translate(left, plot_.center().y());
        p_.rotate(-90);
        p_.drawText(QRectF(-plot_.height() / 2, 0, plot_.height(), 1.2 * Height()),
                    Qt::AlignHCenter | Qt::AlignTop, text);
        p_.restore();
    }

    QPainter& p_;
    QRectF area_;
    QRectF plot_;
    QFont font_;
    double line_ = 1;
    Range x_, y_, y2_;
};

// A value of every line from first to last as lines over hours since the first: for every
// column of the plot its lowest and highest point in their order, so that the picture shows
// what every line would, broken where the log has a gap.
std::vector<QPolygonF> TimeLine(const DischargeLog& log, qint64 first, qint64 last, double gapMs,
                                int columns, const std::function<double(qint64)>& value) {
    std::vector<QPolygonF> pieces(1);
    const qint64 origin = log.stamps[std::size_t(first)];
    const double span = std::max<double>(1, double(log.stamps[std::size_t(last)] - origin));
    int column = -1;
    QPointF low, high;
    bool lowFirst = true;
    const auto flush = [&] {
        if (column < 0)
            return;
        pieces.back().append(lowFirst ? low : high);
        if (low != high)
            pieces.back().append(lowFirst ? high : low);
    };
    for (qint64 i = first; i <= last; ++i) {
        const qint64 t = log.stamps[std::size_t(i)];
        if (i > first) {
            const qint64 dt = t - log.stamps[std::size_t(i - 1)];
            if (dt < 0 || dt > gapMs) {
                flush();
                column = -1;
                pieces.emplace_back();
            }
        }
        const QPointF point(double(t - origin) / MsPerHour, value(i));
        const int c = int(double(t - origin) / span * columns);
        if (c != column) {
            flush();
            column = c;
            low = high = point;
            lowFirst = true;
        } else if (point.y() < low.y()) {
            low = point;
            lowFirst = false;
        } else if (point.y() > high.y()) {
            high = point;
            lowFirst = true;
        }
    }
    flush();
    return pieces;
}

Range PlotRange(const std::vector<std::vector<QPolygonF>>& lines, std::optional<double> extra) {
    double low = extra.value_or(1e300), high = extra.value_or(-1e300);
    for (const auto& pieces : lines)
        for (const QPolygonF& piece : pieces)
            for (const QPointF& point : piece) {
                low = std::min(low, point.y());
                high = std::max(high, point.y());
            }
    return NiceRange(low, high);
}

QString CellText(int cell) {
    return QCoreApplication::translate("Report", "элемент %1").arg(cell);
}

} // namespace

QString ReportPictureTitle(ReportPicture picture) {
    switch (picture) {
    case ReportPicture::PackVoltageCurrent:
        return QCoreApplication::translate("Report", "Напряжение и ток разряда АБ");
    case ReportPicture::CellSpread:
        return QCoreApplication::translate("Report", "Разброс напряжений элементов");
    case ReportPicture::EndVoltages:
        return QCoreApplication::translate("Report", "Напряжение элементов в конечной точке");
    case ReportPicture::WeakestCurves:
        return QCoreApplication::translate("Report", "Пять самых слабых элементов против медианы");
    case ReportPicture::Resistance:
        return QCoreApplication::translate("Report", "Внутреннее сопротивление элементов");
    }
    return {};
}

ReportPainter::ReportPainter(const DischargeLog& log, const DischargeReport& report)
    : log_(log), report_(report) {
    if (!report.error.isEmpty())
        return;
    std::vector<double> cells(std::size_t(log.cells));
    for (qint64 i = report.firstLine; i <= report.lastLine; ++i) {
        for (int c = 1; c <= log.cells; ++c)
            cells[std::size_t(c - 1)] = log.CellVolts(i, c);
        const auto [low, high] = std::minmax_element(cells.begin(), cells.end());
        lowest_.push_back(float(*low));
        highest_.push_back(float(*high));
        medians_.push_back(float(Median(cells)));
    }
}

void ReportPainter::Draw(QPainter& painter, const QRectF& area, ReportPicture picture) const {
    if (!report_.error.isEmpty())
        return;
    switch (picture) {
    case ReportPicture::PackVoltageCurrent:
        return PackVoltageCurrent(painter, area);
    case ReportPicture::CellSpread:
        return CellSpread(painter, area);
    case ReportPicture::EndVoltages:
        return EndVoltages(painter, area);
    case ReportPicture::WeakestCurves:
        return WeakestCurves(painter, area);
    case ReportPicture::Resistance:
        return Resistance(painter, area);
    }
}

QImage ReportPainter::Image(ReportPicture picture, QSize size) const {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Draw(painter, QRectF(QPointF(0, 0), QSizeF(size)), picture);
    return image;
}

namespace {

// The lines of a segment's time pictures and the end point's place among them.
struct TimeAxis {
    Range hours;
    std::optional<double> endHours;
};

TimeAxis SegmentHours(const DischargeReport& r) {
    TimeAxis axis{NiceRange(0, std::max(r.seconds / 3600, 1e-3)), std::nullopt};
    axis.hours.min = 0;
    if (r.endPoint)
        axis.endHours = double(*r.endPoint - r.start) / MsPerHour;
    return axis;
}

QString HoursTitle() {
    return QCoreApplication::translate("Report", "Время от начала разряда, ч");
}

QString VoltsTitle() {
    return QCoreApplication::translate("Report", "Напряжение, В");
}

QString EndPointText() {
    return QCoreApplication::translate("Report", "конечная точка");
}

} // namespace

void ReportPainter::PackVoltageCurrent(QPainter& painter, const QRectF& area) const {
    ChartFrame frame(painter, area, ReportPictureTitle(ReportPicture::PackVoltageCurrent),
                     {{QCoreApplication::translate("Report", "напряжение"), VoltageColour},
                      {QCoreApplication::translate("Report", "ток"), CurrentColour}},
                     true);
    const int columns = int(frame.Plot().width());
    const double gapMs = 3 * report_.pollSeconds * 1000;
    const auto volts = TimeLine(log_, report_.firstLine, report_.lastLine, gapMs, columns,
                                [&](qint64 i) { return log_.packVolts[std::size_t(i)]; });
    const auto amps = TimeLine(log_, report_.firstLine, report_.lastLine, gapMs, columns,
                               [&](qint64 i) { return -log_.packAmps[std::size_t(i)]; });
    const TimeAxis time = SegmentHours(report_);
    const Range y = PlotRange({volts}, std::nullopt);
    const Range y2 = PlotRange({amps}, 0.0);
    frame.Axes(time.hours, HoursTitle(), y,
               QCoreApplication::translate("Report", "Напряжение АБ, В"), &y2,
               QCoreApplication::translate("Report", "Ток разряда, А"));
    frame.Lines(volts, VoltageColour);
    frame.Lines(amps, CurrentColour, true);
    if (time.endHours)
        frame.Marker(*time.endHours, EndPointText());
}

void ReportPainter::CellSpread(QPainter& painter, const QRectF& area) const {
    ChartFrame frame(painter, area, ReportPictureTitle(ReportPicture::CellSpread),
                     {{QCoreApplication::translate("Report", "наибольшее"), HighColour},
                      {QCoreApplication::translate("Report", "медиана"), MedianColour},
                      {QCoreApplication::translate("Report", "наименьшее"), LowColour}},
                     false);
    const int columns = int(frame.Plot().width());
    const double gapMs = 3 * report_.pollSeconds * 1000;
    const auto spread = [&](const std::vector<float>& values) {
        return TimeLine(log_, report_.firstLine, report_.lastLine, gapMs, columns,
                        [&](qint64 i) { return values[std::size_t(i - report_.firstLine)]; });
    };
    const auto low = spread(lowest_);
    const auto high = spread(highest_);
    const auto median = spread(medians_);
    const TimeAxis time = SegmentHours(report_);
    frame.Axes(time.hours, HoursTitle(), PlotRange({low, high}, report_.endVolts), VoltsTitle());
    if (report_.endVolts)
        frame.Level(*report_.endVolts,
                    QCoreApplication::translate("Report", "конечное напряжение"));
    frame.Lines(high, HighColour);
    frame.Lines(median, MedianColour);
    frame.Lines(low, LowColour);
    if (time.endHours)
        frame.Marker(*time.endHours, EndPointText());
}

namespace {

// Bars of one value per cell, the weak cells in their own colour.
void CellBars(ChartFrame& frame, const DischargeReport& r, const Range& y, const QString& yTitle,
              const std::function<std::optional<double>(const CellFigures&)>& value) {
    const Range x{0.5, r.cells + 0.5, NiceRange(1, std::max(r.cells, 2)).step};
    frame.Axes(x, QCoreApplication::translate("Report", "Элемент"), y, yTitle, nullptr, QString(),
               true);
    for (const CellFigures& c : r.cellFigures)
        if (const std::optional<double> v = value(c))
            frame.Bar(c.cell, 0.38, *v, c.Weak() ? WeakColour : BarColour);
}

Legend WeakKey() {
    return {{QCoreApplication::translate("Report", "слабый элемент"), WeakColour}};
}

} // namespace

void ReportPainter::EndVoltages(QPainter& painter, const QRectF& area) const {
    ChartFrame frame(painter, area, ReportPictureTitle(ReportPicture::EndVoltages), WeakKey(),
                     false);
    double low = 1e300, high = -1e300;
    for (const CellFigures& c : report_.cellFigures) {
        low = std::min(low, c.endVolts);
        high = std::max(high, c.endVolts);
    }
    const CellFigures& any = report_.cellFigures.front();
    const double median = any.endVolts - any.deviationMillivolts / 1000;
    if (report_.endVolts) {
        low = std::min(low, *report_.endVolts);
        high = std::max(high, *report_.endVolts);
    }
    CellBars(frame, report_, NiceRange(low - (high - low) * 0.1, high), VoltsTitle(),
             [](const CellFigures& c) { return c.endVolts; });
    frame.Level(median, QCoreApplication::translate("Report", "медиана"));
    if (report_.endVolts)
        frame.Level(*report_.endVolts,
                    QCoreApplication::translate("Report", "конечное напряжение"));
}

void ReportPainter::WeakestCurves(QPainter& painter, const QRectF& area) const {
    const std::vector<const CellFigures*> listed = report_.ListedCells();
    const std::size_t shown = std::min<std::size_t>(listed.size(), WeakestShown);
    Legend legend{{QCoreApplication::translate("Report", "медиана"), MedianColour}};
    for (std::size_t k = 0; k < shown; ++k)
        legend.push_back({CellText(listed[k]->cell), CurveColours[k]});
    ChartFrame frame(painter, area, ReportPictureTitle(ReportPicture::WeakestCurves), legend,
                     false);
    const int columns = int(frame.Plot().width());
    const double gapMs = 3 * report_.pollSeconds * 1000;
    std::vector<std::vector<QPolygonF>> lines;
    for (std::size_t k = 0; k < shown; ++k)
        lines.push_back(
            TimeLine(log_, report_.firstLine, report_.lastLine, gapMs, columns,
                     [&, cell = listed[k]->cell](qint64 i) { return log_.CellVolts(i, cell); }));
    const auto median =
        TimeLine(log_, report_.firstLine, report_.lastLine, gapMs, columns,
                 [&](qint64 i) { return medians_[std::size_t(i - report_.firstLine)]; });
    lines.push_back(median);
    frame.Axes(SegmentHours(report_).hours, HoursTitle(), PlotRange(lines, report_.endVolts),
               VoltsTitle());
    if (report_.endVolts)
        frame.Level(*report_.endVolts,
                    QCoreApplication::translate("Report", "конечное напряжение"));
    frame.Lines(median, MedianColour, false, Qt::DashLine);
    for (std::size_t k = 0; k < shown; ++k)
        frame.Lines(lines[k], CurveColours[k]);
}

void ReportPainter::Resistance(QPainter& painter, const QRectF& area) const {
    ChartFrame frame(painter, area, ReportPictureTitle(ReportPicture::Resistance), WeakKey(),
                     false);
    std::vector<double> estimates;
    for (const CellFigures& c : report_.cellFigures)
        if (c.milliohm)
            estimates.push_back(*c.milliohm);
    const double highest =
        estimates.empty() ? 1 : *std::max_element(estimates.begin(), estimates.end());
    const double median = Median(estimates);
    CellBars(frame, report_, NiceRange(0, std::max(highest, 1.5 * median) * 1.05),
             QCoreApplication::translate("Report", "Сопротивление, мОм"),
             [](const CellFigures& c) { return c.milliohm; });
    if (estimates.empty()) {
        frame.Message(QCoreApplication::translate(
            "Report", "Нет оценки: в участке меньше трёх ступеней тока"));
        return;
    }
    frame.Level(median, QCoreApplication::translate("Report", "медиана"));
    frame.Level(1.5 * median, QCoreApplication::translate("Report", "1,5 медианы"));
}

QImage SegmentPreview(const DischargeLog& log, std::optional<LineRange> segment, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (log.Lines() < 2)
        return image;
    QPainter painter(&image);
    ChartFrame frame(painter, QRectF(QPointF(0, 0), QSizeF(size)),
                     QCoreApplication::translate("Report", "Ток разряда по всему логу"),
                     {{QCoreApplication::translate("Report", "участок разряда"), SegmentShade}},
                     false);
    const double gapMs = 3 * PollSeconds(log.stamps) * 1000;
    const auto amps = TimeLine(log, 0, log.Lines() - 1, gapMs, int(frame.Plot().width()),
                               [&](qint64 i) { return -log.packAmps[std::size_t(i)]; });
    const double hours = double(log.stamps.back() - log.stamps.front()) / MsPerHour;
    Range x = NiceRange(0, std::max(hours, 1e-3));
    x.min = 0;
    frame.Axes(x, HoursTitle(), PlotRange({amps}, 0.0),
               QCoreApplication::translate("Report", "Ток, А"));
    if (segment) {
        const auto at = [&](qint64 line) {
            return double(log.stamps[std::size_t(line)] - log.stamps.front()) / MsPerHour;
        };
        frame.Shade(at(segment->first), at(segment->last));
    }
    frame.Lines(amps, CurrentColour);
    return image;
}
