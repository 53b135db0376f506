#include "report_document.h"

#include "language.h"
#include "monitor_log.h"
#include "report_charts.h"
#include "status_map.h"
#include "table_file.h"
#include "trend_store.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace {

QString Number(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

QString Time(qint64 stamp) {
    return StandardDateTimeText(StampDateTime(stamp));
}

QString Duration(double seconds) {
    const qint64 s = std::llround(seconds);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString Range(const MinMeanMax& t) {
    return QStringLiteral("%1 / %2 / %3")
        .arg(Number(t.min, 1), Number(t.mean, 1), Number(t.max, 1));
}

const QString Dash = QStringLiteral("—");

QString WeakReason(const CellFigures& c) {
    QStringList reasons;
    if (c.lowVoltage)
        reasons.append(QCoreApplication::translate("Report", "низкое напряжение"));
    if (c.highResistance)
        reasons.append(QCoreApplication::translate("Report", "высокое сопротивление"));
    return reasons.join(QStringLiteral(", "));
}

QString Milliohm(const CellFigures& c) {
    return c.milliohm ? Number(*c.milliohm, 2) : Dash;
}

QString EndPointText(const DischargeReport& r) {
    if (!r.endVolts)
        return QCoreApplication::translate("Report", "не задана");
    if (!r.endPoint)
        return QCoreApplication::translate("Report", "не достигнута");
    return Time(*r.endPoint);
}

QStringList Notes(const DischargeReport& r) {
    QStringList notes;
    if (!r.endVolts)
        notes.append(QCoreApplication::translate(
                         "Report", "Конечное напряжение не задано, поэтому конечная точка не "
                                   "задана и емкость не определена: отдано за весь участок "
                                   "%1 А*ч.")
                         .arg(Number(r.ampereHours, 2)));
    else if (!r.endPoint)
        notes.append(QCoreApplication::translate(
                         "Report", "Ни один элемент не достиг конечного напряжения %1 В: "
                                   "емкость не меньше отданных за участок %2 А*ч.")
                         .arg(Number(*r.endVolts, 3), Number(r.ampereHours, 2)));
    if (!r.gaps.empty())
        notes.append(QCoreApplication::translate(
                         "Report", "В логе %1 пропуск(ов) дольше трёх периодов опроса: за это "
                                   "время ампер-часы не считались.")
                         .arg(r.gaps.size()));
    if (r.ratedAmpereHours <= 0)
        notes.append(QCoreApplication::translate(
            "Report", "Емкость АБ в логе равна 0: процент емкости не определён, "
                      "пороги тока разряда и ступеней тока равны 0."));
    if (r.otherCellCountLines > 0)
        notes.append(QCoreApplication::translate(
                         "Report", "Строк с другим числом элементов: %1, они не учтены.")
                         .arg(r.otherCellCountLines));
    return notes;
}

ReportTable SummaryTable(const DischargeReport& r) {
    QList<QStringList> rows = {
        {QCoreApplication::translate("Report", "Участок разряда"),
         r.foundSegment ? QCoreApplication::translate("Report", "найден по току разряда")
                        : QCoreApplication::translate("Report", "задан вручную")},
        {QCoreApplication::translate("Report", "Начало"), Time(r.start)},
        {QCoreApplication::translate("Report", "Конец"), Time(r.end)},
        {QCoreApplication::translate("Report", "Длительность, ч:мм:сс"), Duration(r.seconds)},
        {QCoreApplication::translate("Report", "Отдано, А*ч"), Number(r.ampereHours, 2)},
        {QCoreApplication::translate("Report", "Отдано, Вт*ч"), Number(r.wattHours, 0)},
        {QCoreApplication::translate("Report", "Средний ток разряда, А"), Number(r.meanAmps, 2)},
        {QCoreApplication::translate("Report", "Напряжение АБ в начале, В"),
         Number(r.startPackVolts, 2)},
        {QCoreApplication::translate("Report", "Напряжение АБ в конце, В"),
         Number(r.endPackVolts, 2)},
        {QCoreApplication::translate("Report", "Конечное напряжение элемента, В"),
         r.endVolts ? Number(*r.endVolts, 3) : QCoreApplication::translate("Report", "не задано")},
        {QCoreApplication::translate("Report", "Конечная точка"), EndPointText(r)},
        {QCoreApplication::translate("Report", "Найденная емкость, А*ч"),
         r.capacityAmpereHours ? Number(*r.capacityAmpereHours, 2) : Dash},
        {QCoreApplication::translate("Report", "Найденная емкость, % номинальной"),
         r.capacityPercent ? Number(*r.capacityPercent, 1) : Dash},
        {QCoreApplication::translate("Report", "Температура элементов, °С (мин. / сред. / макс.)"),
         Range(r.cellDegrees)},
        {QCoreApplication::translate("Report",
                                     "Температура окружающей среды, °С (мин. / сред. / макс.)"),
         r.ambientDegrees ? Range(*r.ambientDegrees)
                          : QCoreApplication::translate("Report", "датчика нет")},
        {QCoreApplication::translate("Report", "Период опроса, с"), Number(r.pollSeconds, 2)},
    };
    QStringList gaps;
    for (const LogGap& g : r.gaps)
        gaps.append(QStringLiteral("%1 – %2").arg(Time(g.start), Time(g.end)));
    rows.append({QCoreApplication::translate("Report", "Пропуски в логе"),
                 gaps.isEmpty() ? QCoreApplication::translate("Report", "нет")
                                : gaps.join(QStringLiteral("; "))});
    return {QCoreApplication::translate("Report", "Итоги испытания"), {}, rows};
}

// The table of the cells is shown in the installed language and stored in the table file in the
// source one, so that its file reads the same whichever language wrote it.
enum class Wording { Shown, Stored };

QString Worded(const char* text, Wording wording) {
    return wording == Wording::Shown ? QCoreApplication::translate("Report", text)
                                     : QString::fromUtf8(text);
}

constexpr const char* CellColumns[] = {
    QT_TRANSLATE_NOOP("Report", "Элемент"),
    QT_TRANSLATE_NOOP("Report", "Место"),
    QT_TRANSLATE_NOOP("Report", "U в начале, В"),
    QT_TRANSLATE_NOOP("Report", "U в конечной точке, В"),
    QT_TRANSLATE_NOOP("Report", "U мин., В"),
    QT_TRANSLATE_NOOP("Report", "Достиг конечного напряжения"),
    QT_TRANSLATE_NOOP("Report", "Отклонение от медианы, мВ"),
    QT_TRANSLATE_NOOP("Report", "T макс., °С"),
    QT_TRANSLATE_NOOP("Report", "R, мОм"),
    QT_TRANSLATE_NOOP("Report", "Ступеней тока"),
    QT_TRANSLATE_NOOP("Report", "Слабый"),
};

ReportTable CellTable(const DischargeReport& r, Wording wording) {
    ReportTable t{Worded(QT_TRANSLATE_NOOP("Report", "Элементы"), wording), {}, {}};
    for (const char* column : CellColumns)
        t.columns.append(Worded(column, wording));
    const QString weak = Worded(QT_TRANSLATE_NOOP("Report", "да"), wording);
    for (const CellFigures* c : r.ListedCells())
        t.rows.append({QString::number(c->cell), QString::number(c->rank), Number(c->startVolts, 3),
                       Number(c->endVolts, 3), Number(c->minVolts, 3),
                       c->reachedEnd ? Time(*c->reachedEnd) : Dash,
                       Number(c->deviationMillivolts, 0), QString::number(c->maxDegrees),
                       Milliohm(*c), QString::number(c->steps), c->Weak() ? weak : QString()});
    return t;
}

ReportTable WeakTable(const DischargeReport& r) {
    ReportTable t{QCoreApplication::translate("Report", "Слабые элементы"),
                  {QCoreApplication::translate("Report", "Элемент"),
                   QCoreApplication::translate("Report", "U в конечной точке, В"),
                   QCoreApplication::translate("Report", "Отклонение от медианы, мВ"),
                   QCoreApplication::translate("Report", "R, мОм"),
                   QCoreApplication::translate("Report", "Причина")},
                  {}};
    for (const int cell : r.weakCells) {
        const CellFigures& c = r.cellFigures[std::size_t(cell - 1)];
        t.rows.append({QString::number(cell), Number(c.endVolts, 3),
                       Number(c.deviationMillivolts, 0), Milliohm(c), WeakReason(c)});
    }
    return t;
}

QString Html(const QString& text) {
    return text.toHtmlEscaped();
}

QString HtmlTable(const ReportTable& t) {
    QString html = QStringLiteral("<h2>%1</h2>\n<table>\n").arg(Html(t.title));
    if (!t.columns.isEmpty()) {
        html += QStringLiteral("<tr>");
        for (const QString& c : t.columns)
            html += QStringLiteral("<th>%1</th>").arg(Html(c));
        html += QStringLiteral("</tr>\n");
    }
    for (const QStringList& row : t.rows) {
        html += QStringLiteral("<tr>");
        for (qsizetype i = 0; i < row.size(); ++i)
            html += (t.columns.isEmpty() && i == 0 ? QStringLiteral("<th>%1</th>")
                                                   : QStringLiteral("<td>%1</td>"))
                        .arg(Html(row[i]));
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

// The pictures of the HTML file: sharp on a page 60 characters wide, small enough to write fast.
constexpr QSize HtmlPicture(1200, 480);

const QString HtmlStyle = QStringLiteral(
    "body{font-family:sans-serif;max-width:60em;margin:2em auto;color:#222}"
    "table{border-collapse:collapse;margin-bottom:1em}"
    "th,td{border:1px solid #bbb;padding:.2em .5em;text-align:left;vertical-align:top}"
    "th{background:#eef2f7}img{width:100%;border:1px solid #ddd;margin:.5em 0}"
    ".note{background:#fff5d6;padding:.4em .8em}");

} // namespace

ReportContent ReportTexts(const DischargeReport& r, const ReportHeader& h) {
    ReportContent c;
    c.title = QCoreApplication::translate("Report", "Отчёт об испытании АБ разрядом");
    c.header = {
        QCoreApplication::translate("Report", "Батарея"),
        {},
        {{QCoreApplication::translate("Report", "Объект"), h.site},
         {QCoreApplication::translate("Report", "Батарея"), h.battery},
         {QCoreApplication::translate("Report", "Инженер"), h.engineer},
         {QCoreApplication::translate("Report", "Версия ПО контроллера"),
          FirmwareVersionText(quint32(r.firmwareVersion))},
         {QCoreApplication::translate("Report", "Число элементов"), QString::number(r.cells)},
         {QCoreApplication::translate("Report", "Номинальная емкость, А*ч"),
          Number(r.ratedAmpereHours, 1)},
         {QCoreApplication::translate("Report", "Дата испытания"), Time(r.start)},
         {QCoreApplication::translate("Report", "Отчёт составлен"), StandardDateTimeText(h.made)}}};
    c.summary = SummaryTable(r);
    c.notes = Notes(r);
    c.weak = WeakTable(r);
    c.cells = CellTable(r, Wording::Shown);
    return c;
}

QByteArray ReportHtml(const DischargeLog& log, const DischargeReport& report,
                      const ReportHeader& header) {
    const ReportContent c = ReportTexts(report, header);
    QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%3\">\n<head>\n<meta "
                                  "charset=\"utf-8\">\n<title>%1</title>\n<style>%2</style>\n"
                                  "</head>\n<body>\n<h1>%1</h1>\n")
                       .arg(Html(c.title), HtmlStyle, LanguageCode(InstalledLanguage()));
    html += HtmlTable(c.header) + HtmlTable(c.summary);
    for (const QString& note : c.notes)
        html += QStringLiteral("<p class=\"note\">%1</p>\n").arg(Html(note));
    html += c.weak.rows.isEmpty()
                ? QStringLiteral("<h2>%1</h2>\n<p>%2</p>\n")
                      .arg(Html(c.weak.title),
                           Html(QCoreApplication::translate("Report", "Слабых элементов нет.")))
                : HtmlTable(c.weak);
    html +=
        QStringLiteral("<h2>%1</h2>\n").arg(Html(QCoreApplication::translate("Report", "Графики")));
    const ReportPainter painter(log, report);
    for (const ReportPicture picture : ReportPictures) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        painter.Image(picture, HtmlPicture).save(&buffer, "PNG");
        html += QStringLiteral("<img alt=\"%1\" src=\"data:image/png;base64,%2\">\n")
                    .arg(Html(ReportPictureTitle(picture)), QString::fromLatin1(png.toBase64()));
    }
    html += HtmlTable(c.cells) + QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

QByteArray ReportCsv(const DischargeReport& report) {
    const ReportTable cells = CellTable(report, Wording::Stored);
    return TableFileBytes(QList<QStringList>{cells.columns} + cells.rows);
}

QStringList ReportTextLines(const DischargeReport& report) {
    QStringList lines;
    for (const QStringList& row : SummaryTable(report).rows)
        lines.append(row.join(QStringLiteral(": ")));
    lines += Notes(report);
    if (report.weakCells.empty()) {
        lines.append(QCoreApplication::translate("Report", "Слабых элементов нет"));
        return lines;
    }
    const ReportTable weak = WeakTable(report);
    lines.append(weak.title + QLatin1Char(':'));
    for (const QStringList& row : weak.rows) {
        QStringList parts;
        for (qsizetype i = 0; i < row.size(); ++i)
            parts.append(weak.columns[i] + QStringLiteral(": ") + row[i]);
        lines.append(QStringLiteral("  ") + parts.join(QStringLiteral("; ")));
    }
    return lines;
}
