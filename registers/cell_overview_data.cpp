#include "cell_overview_data.h"

#include "bit_tables.h"
#include "number_format.h"
#include "register_image.h"
#include "shown_text.h"
#include "table_cells.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

constexpr quint16 AlarmBits = 1u << 0 | 1u << 1 | 1u << 4 | 1u << 5 | 1u << 7; // OV UV OT UT FAIL
constexpr quint16 WarningBits = 1u << 2 | 1u << 3 | 1u << 6;                   // OVA UVA OTA
constexpr int BalanceBit = 12;

template <class Value>
OverviewExtremes Extremes(const QList<OverviewCell>& cells, Value value, int minimumSpan) {
    OverviewExtremes e;
    if (cells.isEmpty())
        return e;
    const auto less = [&value](const OverviewCell& a, const OverviewCell& b) {
        return value(a) < value(b);
    };
    // Both give the first of equal cells.
    const auto low = std::min_element(cells.begin(), cells.end(), less);
    const auto high = std::max_element(cells.begin(), cells.end(), less);
    e.minCell = low->number;
    e.maxCell = high->number;
    e.min = value(*low);
    e.max = value(*high);
    // A spread narrower than the minimum is centred in it.
    const int widen = std::max(0, minimumSpan - e.Spread());
    e.scale = {e.min - widen / 2, e.max + (widen - widen / 2)};
    return e;
}

QString Volts(int millivolts) {
    return QCoreApplication::translate("CellOverview", "%1 В").arg(FormatG15(millivolts, 1000));
}

QString Degrees(int degrees) {
    return QString::number(degrees) + QStringLiteral(" °C");
}

QString Summary(const QString& quantity, const OverviewExtremes& e, QString (*text)(int),
                const QString& spread) {
    if (e.minCell == 0)
        return quantity;
    return QCoreApplication::translate("CellOverview", "%1, разброс %2\nмин. №%3 %4, макс. №%5 %6")
        .arg(quantity, spread, QString::number(e.minCell), text(e.min), QString::number(e.maxCell),
             text(e.max));
}

} // namespace

double OverviewScale::Position(int value) const {
    if (high <= low)
        return 0.5;
    return std::clamp(double(value - low) / (high - low), 0.0, 1.0);
}

CellOverviewData ComputeCellOverview(std::span<const quint16> statusBlock) {
    CellOverviewData data;
    const int n = ShownCellCount(statusBlock);
    data.cells.reserve(n);
    for (int cell = 1; cell <= n; ++cell)
        data.cells.append({cell, CellVoltage(statusBlock, cell), CellTemperature(statusBlock, cell),
                           CellStatus(statusBlock, cell)});
    data.volts = Extremes(data.cells, [](const OverviewCell& c) { return c.millivolts; },
                          MinimumVoltScaleMv);
    data.degrees =
        Extremes(data.cells, [](const OverviewCell& c) { return c.degrees; }, MinimumDegreeScale);
    return data;
}

bool CellAlarm(quint16 status) {
    return (status & AlarmBits) != 0;
}

bool CellWarning(quint16 status) {
    return (status & WarningBits) != 0;
}

bool CellBalancing(quint16 status) {
    return BitSet(status, BalanceBit);
}

QString CellToolTip(const OverviewCell& cell) {
    QStringList lines{
        QCoreApplication::translate("CellOverview", "Элемент %1").arg(cell.number),
        QCoreApplication::translate("CellOverview", "Напряжение: %1").arg(Volts(cell.millivolts)),
        QCoreApplication::translate("CellOverview", "Температура: %1").arg(Degrees(cell.degrees))};
    for (const CellStatusBit& b : CellStatusBits)
        if (BitSet(cell.status, b.bit))
            lines.append(ShownText(b.meaning.toString()));
    return lines.join(QLatin1Char('\n'));
}

QString VoltSummary(const OverviewExtremes& volts) {
    return Summary(QCoreApplication::translate("CellOverview", "Напряжение"), volts, &Volts,
                   QCoreApplication::translate("CellOverview", "%1 мВ").arg(volts.Spread()));
}

QString DegreeSummary(const OverviewExtremes& degrees) {
    return Summary(QCoreApplication::translate("CellOverview", "Температура"), degrees, &Degrees,
                   Degrees(degrees.Spread()));
}
