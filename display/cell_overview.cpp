#include "cell_overview.h"

#include "register_image.h"

#include <QColor>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

enum Mark : quint8 {
    Extreme = 1,
    Alarm = 2,
    Warning = 4,
    Balancing = 8,
};

// Dark for the low end, bright for the high end, and no red, which the alarm corners keep.
constexpr std::array<QRgb, 5> ScaleColours = {
    qRgb(68, 1, 84), qRgb(59, 82, 139), qRgb(33, 145, 140), qRgb(94, 201, 98), qRgb(253, 231, 37)};

QRgb ScaleColour(double position) {
    const double at = position * (ScaleColours.size() - 1);
    const int i = std::min(int(at), int(ScaleColours.size()) - 2);
    const double f = at - i;
    const auto mix = [f](int a, int b) { return int(std::lround(a + (b - a) * f)); };
    const QRgb a = ScaleColours[i], b = ScaleColours[i + 1];
    return qRgb(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)));
}

// The summary over a map with a square of the lowest and of the highest cell's colour before
// their names, so that the map's colours read as values.
QString SummaryWithColours(const QString& summary, const OverviewExtremes& extremes) {
    QString html = summary.toHtmlEscaped();
    if (extremes.minCell != 0) {
        const auto square = [&extremes](int value) {
            return QStringLiteral("<span style=\"color:%1\">&#9632;</span>&nbsp;")
                .arg(QColor(ScaleColour(extremes.scale.Position(value))).name());
        };
        // The summary's own words for the extremes, in the language it was written in.
        const QString low = QCoreApplication::translate("CellOverview", "мин. ");
        const QString high = QCoreApplication::translate("CellOverview", "макс. ");
        html.replace(low, square(extremes.min) + low);
        html.replace(high, square(extremes.max) + high);
    }
    return html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

} // namespace

CellMap::CellMap(const char* name, Quantity quantity, std::function<void(int)> clicked)
    : quantity_(quantity), clicked_(std::move(clicked)) {
    setObjectName(QLatin1String(name));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

CellMap::Look CellMap::LookOf(const OverviewCell& cell) const {
    const bool volts = quantity_ == Quantity::Volts;
    const OverviewExtremes& e = volts ? data_.volts : data_.degrees;
    const int value = volts ? cell.millivolts : cell.degrees;
    Look look{ScaleColour(e.scale.Position(value)), 0};
    if (cell.number == e.minCell || cell.number == e.maxCell)
        look.marks |= Extreme;
    if (CellAlarm(cell.status))
        look.marks |= Alarm;
    else if (CellWarning(cell.status))
        look.marks |= Warning;
    if (CellBalancing(cell.status))
        look.marks |= Balancing;
    return look;
}

void CellMap::Show(const CellOverviewData& data) {
    const bool countChanged = data.cells.size() != data_.cells.size();
    data_ = data;
    QList<Look> looks;
    looks.reserve(data_.cells.size());
    for (const OverviewCell& cell : data_.cells)
        looks.append(LookOf(cell));
    if (countChanged) {
        looks_ = looks;
        LayOutCells();
        update();
        return;
    }
    for (int i = 0; i < looks.size(); ++i)
        if (looks[i] != looks_[i])
            update(CellRect(i + 1));
    looks_ = looks;
}

void CellMap::LayOutCells() {
    // The grid whose cells come out largest: as many columns as make the rows fit.
    const int n = std::max(1, int(looks_.size()));
    double best = -1;
    for (int columns = 1; columns <= n; ++columns) {
        const int rows = (n + columns - 1) / columns;
        const double side = std::min(double(width()) / columns, double(height()) / rows);
        if (side > best) {
            best = side;
            columns_ = columns;
            rows_ = rows;
        }
    }
}

void CellMap::resizeEvent(QResizeEvent*) {
    LayOutCells();
}

QRect CellMap::CellRect(int cell) const {
    const int i = cell - 1;
    const int column = i % columns_, row = i / columns_;
    const int left = width() * column / columns_, right = width() * (column + 1) / columns_;
    const int top = height() * row / rows_, bottom = height() * (row + 1) / rows_;
    return {left, top, right - left, bottom - top};
}

int CellMap::CellAt(QPoint point) const {
    if (!rect().contains(point))
        return 0;
    const int column = point.x() * columns_ / std::max(1, width());
    const int row = point.y() * rows_ / std::max(1, height());
    const int cell = row * columns_ + column + 1;
    return cell <= looks_.size() ? cell : 0;
}

void CellMap::DrawCell(QPainter& painter, int index) const {
    const QRect r = CellRect(index + 1).adjusted(0, 0, -1, -1);
    const Look& look = looks_[index];
    painter.fillRect(r, QColor(look.fill));
    const int corner = std::max(4, std::min(r.width(), r.height()) / 2);
    if (look.marks & (Alarm | Warning)) {
        const QColor colour = look.marks & Alarm ? QColor(230, 0, 0) : QColor(255, 140, 0);
        const QPoint tip = r.topLeft();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(QPolygon{tip, tip + QPoint(corner, 0), tip + QPoint(0, corner)});
    }
    if (look.marks & Balancing) {
        const int d = std::max(3, corner / 2);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QRect(r.right() - d - 1, r.bottom() - d - 1, d, d));
    }
    if (look.marks & Extreme) {
        // Black outside, white inside: seen on every colour of the scale.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(r);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(r.adjusted(1, 1, -1, -1));
    }
}

void CellMap::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (looks_.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter,
                         QCoreApplication::translate("CellOverview", "Нет данных об элементах"));
        return;
    }
    for (int i = 0; i < looks_.size(); ++i)
        if (event->region().intersects(CellRect(i + 1)))
            DrawCell(painter, i);
}

void CellMap::mousePressEvent(QMouseEvent* event) {
    if (const int cell = CellAt(event->position().toPoint()); cell != 0 && clicked_)
        clicked_(cell);
}

bool CellMap::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const int cell = CellAt(help->pos()); cell != 0)
        QToolTip::showText(help->globalPos(), CellToolTip(data_.cells[cell - 1]), this,
                           CellRect(cell));
    else
        QToolTip::hideText();
    return true;
}

CellOverview::CellOverview(const RegisterImage& image, std::function<void(int)> clicked)
    : image_(image), voltText_(new QLabel), degreeText_(new QLabel),
      volts_(new CellMap("PaintBox_CELLVOLTS_", CellMap::Quantity::Volts, clicked)),
      degrees_(new CellMap("PaintBox_CELLTEMPS_", CellMap::Quantity::Degrees, clicked)) {
    setObjectName(QStringLiteral("Panel_CELLOVERVIEW_"));
    voltText_->setObjectName(QStringLiteral("Label_CELLVOLTS_"));
    degreeText_->setObjectName(QStringLiteral("Label_CELLTEMPS_"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(voltText_, 0, 0);
    grid->addWidget(degreeText_, 0, 1);
    grid->addWidget(volts_, 1, 0);
    grid->addWidget(degrees_, 1, 1);
    // Two lines from the start, so that the maps do not move when the first values come.
    for (QLabel* text : {voltText_, degreeText_})
        text->setMinimumHeight(2 * text->fontMetrics().lineSpacing());
    voltText_->setText(SummaryWithColours(VoltSummary({}), {}));
    degreeText_->setText(SummaryWithColours(DegreeSummary({}), {}));
}

void CellOverview::Refresh() {
    if (!isVisible()) {
        pending_ = true;
        return;
    }
    pending_ = false;
    data_ = ComputeCellOverview(image_.StatusBlock);
    voltText_->setText(SummaryWithColours(VoltSummary(data_.volts), data_.volts));
    degreeText_->setText(SummaryWithColours(DegreeSummary(data_.degrees), data_.degrees));
    volts_->Show(data_);
    degrees_->Show(data_);
}

void CellOverview::showEvent(QShowEvent*) {
    if (pending_)
        Refresh();
}
