#include "discharge_log_text.h"
#include "report_charts.h"
#include "report_document.h"
#include "table_file.h"
#include "test_file.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);

struct Analysed {
    DischargeLog log;
    DischargeReport report;
};

} // namespace

class TestReportOutputs : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // The model's log of `cells` cells, cells 2 and 5 weak, with current steps.
    Analysed Report(int cells, bool endVoltage = true) {
        DischargeModel m;
        m.cells = cells;
        m.slopes = {{2, 93}, {5, 88}};
        m.stepAmps = 60;
        m.stepLines = 10;
        const QString path = WriteTestFile(dir.filePath(QStringLiteral("log%1.csv").arg(cells)),
                                           EncodeLines(m.Log()));
        Analysed a{ReadDischargeLog(path).log, {}};
        DischargeSettings settings;
        if (endVoltage)
            settings.endVolts = 1.8;
        a.report = AnalyseDischarge(a.log, settings);
        if (!a.report.error.isEmpty())
            qFatal("%s", qPrintable(a.report.error));
        return a;
    }

    static ReportHeader Header() {
        return {QStringLiteral("Подстанция «Северная»"), QStringLiteral("АБ-2, 8 элементов"),
                QStringLiteral("Иванов И. И."), QDateTime(QDate(2024, 3, 6), QTime(9, 0))};
    }

private Q_SLOTS:
    void init() { QLocale::setDefault(Russian); }

    // The header, summary and weak cells on the first page, the pictures on two, then the table
    // of the cells on as many as it needs; the file says so in its page objects.
    void pdfPages_data() {
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("tablePages");
        QTest::newRow("8 cells") << 8 << 1;
        QTest::newRow("200 cells") << 200 << 5;
    }
    void pdfPages() {
        QFETCH(int, cells);
        QFETCH(int, tablePages);
        const Analysed a = Report(cells);
        int pages = 0;
        const QByteArray pdf = ReportPdf(a.log, a.report, Header(), &pages);
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QCOMPARE(pages, 3 + tablePages);
        const qsizetype pageObjects =
            QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b")));
        QCOMPARE(pageObjects, pages);
    }

    void htmlHoldsTablesAndPictures() {
        const Analysed a = Report(8);
        const QString html = QString::fromUtf8(ReportHtml(a.log, a.report, Header()));
        QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE html>")));
        QVERIFY(html.contains(QStringLiteral("Подстанция «Северная»")));
        QCOMPARE(html.count(QStringLiteral("<table>")), 4); // header, summary, weak cells, cells
        // Every picture is inside the file; nothing is fetched from elsewhere.
        const QRegularExpression image(QStringLiteral("<img alt=\"([^\"]+)\" src=\"([^\"]*)\">"));
        int images = 0;
        for (const QRegularExpressionMatch& m : image.globalMatch(html)) {
            QVERIFY(m.captured(2).startsWith(QStringLiteral("data:image/png;base64,")));
            const QImage picture =
                QImage::fromData(QByteArray::fromBase64(m.captured(2).mid(22).toLatin1()), "PNG");
            QCOMPARE(picture.size(), QSize(1200, 480));
            // A picture that drew nothing would be white throughout.
            int coloured = 0;
            for (int y = 0; y < picture.height(); y += 4)
                for (int x = 0; x < picture.width(); x += 4)
                    coloured += QColor(picture.pixel(x, y)).saturation() > 100;
            QVERIFY2(coloured > 100, qPrintable(m.captured(1)));
            ++images;
        }
        QCOMPARE(images, 5);
        QCOMPARE(html.count(QStringLiteral("src=")), 5);
        // The weak cells are listed before the others in the table of the cells.
        const qsizetype cells = html.lastIndexOf(QStringLiteral("<h2>Элементы</h2>"));
        QVERIFY(cells > 0);
        QVERIFY(html.indexOf(QStringLiteral("<tr><td>2</td>"), cells) <
                html.indexOf(QStringLiteral("<tr><td>1</td>"), cells));
    }

    void csvIsATableFile() {
        const Analysed a = Report(8);
        const QByteArray csv = ReportCsv(a.report);
        QVERIFY(csv.endsWith("\r\n"));
        const QByteArray start = QStringEncoder("windows-1251").encode(QStringLiteral("Элемент,"));
        QVERIFY(csv.startsWith(start));
        const QList<QStringList> rows = TableFromLines(DecodeLines(csv), 11);
        QCOMPARE(rows.size(), 9);
        QCOMPARE(rows[0][1], QStringLiteral("Место"));
        // The weak cells first, weakest first; the decimal comma kept inside its quotes.
        QCOMPARE(rows[1][0], QStringLiteral("2"));
        QCOMPARE(rows[1][10], QStringLiteral("да"));
        QCOMPARE(rows[2][0], QStringLiteral("5"));
        QCOMPARE(rows[3][10], QStringLiteral(" "));
        QCOMPARE(rows[1][3], QStringLiteral("1,800"));
    }

    void jsonForScripts_data() {
        QTest::addColumn<bool>("endVoltage");
        QTest::newRow("with an end voltage") << true;
        QTest::newRow("without") << false;
    }
    void jsonForScripts() {
        QFETCH(bool, endVoltage);
        const Analysed a = Report(8, endVoltage);
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(ReportJson(a.report), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject segment = o[QStringLiteral("segment")].toObject();
        QCOMPARE(segment[QStringLiteral("start")].toString(),
                 QStringLiteral("2024-03-05T08:10:00"));
        QCOMPARE(segment[QStringLiteral("seconds")].toDouble(), 18000.0);
        for (const char* key : {"ampere_hours", "watt_hours", "mean_current_amperes"})
            QVERIFY2(o[QLatin1String(key)].isDouble(), key);
        for (const char* key :
             {"end_voltage", "end_point", "capacity_ampere_hours", "capacity_percent"})
            QVERIFY2(endVoltage ? !o[QLatin1String(key)].isNull() : o[QLatin1String(key)].isNull(),
                     key);
        if (endVoltage) {
            QCOMPARE(o[QStringLiteral("end_point")].toString(),
                     QStringLiteral("2024-03-05T11:04:00"));
            QCOMPARE(o[QStringLiteral("end_voltage")].toDouble(), 1.8);
        }
        QCOMPARE(o[QStringLiteral("weak_cells")].toArray(), QJsonArray({2, 5}));
        QVERIFY(o[QStringLiteral("gaps")].toArray().isEmpty());
        const QJsonArray cells = o[QStringLiteral("cells")].toArray();
        QCOMPARE(cells.size(), 8);
        const QJsonObject second = cells[1].toObject();
        QCOMPARE(second[QStringLiteral("cell")].toInt(), 2);
        QCOMPARE(second[QStringLiteral("rank")].toInt(), 1);
        QVERIFY(second[QStringLiteral("weak")].toBool());
        QCOMPARE(second[QStringLiteral("resistance_steps")].toInt(), 30);
        for (const char* key :
             {"start_voltage", "end_voltage", "min_voltage", "end_deviation_millivolts",
              "max_temperature", "resistance_milliohm"})
            QVERIFY2(second[QLatin1String(key)].isDouble(), key);
    }
};

QTEST_MAIN(TestReportOutputs)
#include "test_report_outputs.moc"
