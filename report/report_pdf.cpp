#include "report_charts.h"
#include "report_document.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <numeric>

namespace {

constexpr int Dpi = 300;
constexpr int PicturesPerPage = 3;

// The pages of the PDF, filled from the top: each block starts a new page when it does not fit
// on this one, and every page gets its number at the bottom.
class PdfPages {
public:
    PdfPages(QPdfWriter& writer, QPainter& painter) : writer_(writer), p_(painter) {
        body_.setPointSizeF(8.5);
        const double footer = 2.2 * Line(body_);
        bottom_ = writer.height() - footer;
        width_ = writer.width();
    }

    int Pages() const { return page_; }

    void NewPage() {
        Footer();
        writer_.newPage();
        ++page_;
        y_ = 0;
    }

    void Finish() { Footer(); }

    void Heading(const QString& text, double points) {
        QFont font = body_;
        font.setPointSizeF(points);
        font.setBold(true);
        const double gap = y_ > 0 ? 0.8 * Line(font) : 0;
        Need(gap + 2.2 * Line(font));
        y_ += gap;
        p_.setFont(font);
        p_.setPen(Qt::black);
        const QRectF used =
            p_.boundingRect(QRectF(0, y_, width_, bottom_ - y_), Qt::TextWordWrap, text);
        p_.drawText(QRectF(0, y_, width_, used.height()), Qt::TextWordWrap, text);
        y_ += used.height() + 0.3 * Line(font);
    }

    void Paragraph(const QString& text) {
        p_.setFont(body_);
        p_.setPen(Qt::black);
        const QRectF used = p_.boundingRect(QRectF(0, 0, width_, bottom_), Qt::TextWordWrap, text);
        const double gap = 0.5 * Line(body_);
        Need(gap + used.height());
        y_ += gap;
        p_.drawText(QRectF(0, y_, width_, used.height()), Qt::TextWordWrap, text);
        y_ += used.height();
    }

    void Table(const ReportTable& t) {
        Heading(t.title, 11);
        p_.setFont(body_);
        const std::vector<double> widths = ColumnWidths(t);
        if (!t.columns.isEmpty())
            Row(t.columns, widths, true, true);
        for (const QStringList& row : t.rows) {
            if (RowHeight(row, widths) + y_ > bottom_) {
                NewPage();
                if (!t.columns.isEmpty())
                    Row(t.columns, widths, true, true);
            }
            Row(row, widths, false, t.columns.isEmpty());
        }
    }

    // The space a picture takes so that `count` of them and a heading fill a page.
    double PictureHeight(int count) const {
        QFont heading = body_;
        heading.setPointSizeF(11);
        return (bottom_ - 2.6 * Line(heading)) / count - Line(body_);
    }

    void Picture(const ReportPainter& painter, ReportPicture picture, double height) {
        Need(height + Line(body_));
        painter.Draw(p_, QRectF(0, y_, width_, height), picture);
        p_.setPen(QPen(QColor(0xCC, 0xCC, 0xCC), 2));
        p_.drawRect(QRectF(0, y_, width_, height));
        y_ += height + Line(body_);
    }

private:
    double Line(const QFont& font) const { return QFontMetricsF(font, &writer_).height(); }
    double Padding() const { return 0.3 * Line(body_); }

    void Need(double height) {
        if (y_ > 0 && y_ + height > bottom_)
            NewPage();
    }

    void Footer() {
        p_.setFont(body_);
        p_.setPen(Qt::darkGray);
        p_.drawText(QRectF(0, bottom_, width_, writer_.height() - bottom_),
                    Qt::AlignRight | Qt::AlignBottom,
                    QCoreApplication::translate("Report", "Страница %1").arg(page_));
    }

    // A name and value table splits 45 to 55; other tables give each column the room of its
    // longest text, and at least that of the longest word of its title.
    std::vector<double> ColumnWidths(const ReportTable& t) const {
        if (t.columns.isEmpty())
            return {0.45 * width_, 0.55 * width_};
        const QFontMetricsF metrics(body_, &writer_);
        std::vector<double> widths(std::size_t(t.columns.size()));
        for (qsizetype c = 0; c < t.columns.size(); ++c) {
            double natural = 0;
            for (const QString& word : t.columns[c].split(QLatin1Char(' ')))
                natural = std::max(natural, metrics.horizontalAdvance(word));
            for (const QStringList& row : t.rows)
                natural = std::max(natural, metrics.horizontalAdvance(row.value(c)));
            widths[std::size_t(c)] = natural + 2 * Padding();
        }
        const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
        for (double& w : widths)
            w *= width_ / total;
        return widths;
    }

    double RowHeight(const QStringList& cells, const std::vector<double>& widths) const {
        double height = 0;
        for (std::size_t c = 0; c < widths.size(); ++c)
            height = std::max(height, p_.boundingRect(QRectF(0, 0, widths[c] - 2 * Padding(), 1e6),
                                                      Qt::TextWordWrap, cells.value(qsizetype(c)))
                                          .height());
        return height + 2 * Padding();
    }

    void Row(const QStringList& cells, const std::vector<double>& widths, bool heading,
             bool firstShaded) {
        const double height = RowHeight(cells, widths);
        double x = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QRectF cell(x, y_, widths[c], height);
            if (heading || (firstShaded && c == 0))
                p_.fillRect(cell, QColor(0xEE, 0xF2, 0xF7));
            p_.setPen(QPen(QColor(0xBB, 0xBB, 0xBB), 2));
            p_.drawRect(cell);
            p_.setPen(Qt::black);
            p_.drawText(cell.adjusted(Padding(), Padding(), -Padding(), -Padding()),
                        Qt::TextWordWrap, cells.value(qsizetype(c)));
            x += widths[c];
        }
        y_ += height;
    }

    QPdfWriter& writer_;
    QPainter& p_;
    QFont body_;
    double width_ = 0;
    double bottom_ = 0;
    double y_ = 0;
    int page_ = 1;
};

} // namespace

QByteArray ReportPdf(const DischargeLog& log, const DischargeReport& report,
                     const ReportHeader& header, int* pages) {
    const ReportContent c = ReportTexts(report, header);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
    writer.setResolution(Dpi);
    writer.setTitle(c.title);
    writer.setCreator(QStringLiteral("Velmora"));
    QPainter painter(&writer);
    PdfPages out(writer, painter);

    out.Heading(c.title, 16);
    out.Table(c.header);
    out.Table(c.summary);
    for (const QString& note : c.notes)
        out.Paragraph(note);
    if (c.weak.rows.isEmpty()) {
        out.Heading(c.weak.title, 11);
        out.Paragraph(QCoreApplication::translate("Report", "Слабых элементов нет."));
    } else {
        out.Table(c.weak);
    }

    const ReportPainter pictures(log, report);
    const double height = out.PictureHeight(PicturesPerPage);
    for (std::size_t k = 0; k < ReportPictures.size(); ++k) {
        if (k % PicturesPerPage == 0) {
            out.NewPage();
            out.Heading(k == 0 ? QCoreApplication::translate("Report", "Графики")
                               : QCoreApplication::translate("Report", "Графики (окончание)"),
                        11);
        }
        out.Picture(pictures, ReportPictures[k], height);
    }
    out.NewPage();
    out.Table(c.cells);
    out.Finish();
    painter.end();
    if (pages)
        *pages = out.Pages();
    return bytes;
}
