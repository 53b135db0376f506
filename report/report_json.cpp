#include "report_document.h"

#include "trend_store.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A local date and time without a zone, as the log holds it.
QJsonValue Time(std::optional<qint64> stamp) {
    if (!stamp)
        return QJsonValue::Null;
    return StampDateTime(*stamp).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QJsonValue Number(std::optional<double> value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonObject Cell(const CellFigures& c) {
    return {{QStringLiteral("cell"), c.cell},
            {QStringLiteral("start_voltage"), c.startVolts},
            {QStringLiteral("end_voltage"), c.endVolts},
            {QStringLiteral("min_voltage"), c.minVolts},
            {QStringLiteral("reached_end_voltage"), Time(c.reachedEnd)},
            {QStringLiteral("end_deviation_millivolts"), c.deviationMillivolts},
            {QStringLiteral("rank"), c.rank},
            {QStringLiteral("max_temperature"), c.maxDegrees},
            {QStringLiteral("resistance_milliohm"), Number(c.milliohm)},
            {QStringLiteral("resistance_steps"), c.steps},
            {QStringLiteral("weak"), c.Weak()}};
}

} // namespace

QByteArray ReportJson(const DischargeReport& r) {
    QJsonArray weak, gaps, cells;
    for (const int cell : r.weakCells)
        weak.append(cell);
    for (const LogGap& g : r.gaps)
        gaps.append(QJsonObject{{QStringLiteral("start"), Time(g.start)},
                                {QStringLiteral("end"), Time(g.end)}});
    for (const CellFigures& c : r.cellFigures)
        cells.append(Cell(c));
    const QJsonObject report{
        {QStringLiteral("segment"), QJsonObject{{QStringLiteral("start"), Time(r.start)},
                                                {QStringLiteral("end"), Time(r.end)},
                                                {QStringLiteral("seconds"), r.seconds}}},
        {QStringLiteral("segment_found"), r.foundSegment},
        {QStringLiteral("cell_count"), r.cells},
        {QStringLiteral("rated_ampere_hours"), r.ratedAmpereHours},
        {QStringLiteral("ampere_hours"), r.ampereHours},
        {QStringLiteral("watt_hours"), r.wattHours},
        {QStringLiteral("mean_current_amperes"), r.meanAmps},
        {QStringLiteral("start_pack_voltage"), r.startPackVolts},
        {QStringLiteral("end_pack_voltage"), r.endPackVolts},
        {QStringLiteral("end_voltage"), Number(r.endVolts)},
        {QStringLiteral("end_point"), Time(r.endPoint)},
        {QStringLiteral("capacity_ampere_hours"), Number(r.capacityAmpereHours)},
        {QStringLiteral("capacity_percent"), Number(r.capacityPercent)},
        {QStringLiteral("weak_cells"), weak},
        {QStringLiteral("gaps"), gaps},
        {QStringLiteral("cells"), cells},
    };
    return QJsonDocument(report).toJson(QJsonDocument::Indented);
}
