#include "discharge_log_text.h"
#include "language.h"
#include "report_document.h"
#include "test_file.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The report in Russian and in English: the documents a reader reads follow the language, the
// files scripts and the window read keep their bytes.
class TestReportLanguages : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void cleanup() { InstallLanguage(Language::Russian); }

    void documents_follow_the_language_data() {
        QTest::addColumn<bool>("weakCells");
        QTest::addColumn<bool>("endVoltage");
        QTest::addColumn<int>("gapLines");
        QTest::newRow("weak cells and an end point") << true << true << 0;
        QTest::newRow("no end voltage") << true << false << 0;
        QTest::newRow("no weak cells, a gap") << false << true << 5;
    }
    void documents_follow_the_language() {
        QFETCH(bool, weakCells);
        QFETCH(bool, endVoltage);
        QFETCH(int, gapLines);
        DischargeModel m;
        if (weakCells)
            m.slopes = {{2, 93}, {5, 88}};
        m.stepAmps = 60;
        m.stepLines = 10;
        m.gapFrom = 100;
        m.gapLines = gapLines;
        const QString path =
            WriteTestFile(dir.filePath(QString::fromUtf8(QTest::currentDataTag()) + ".csv"),
                          EncodeLines(m.Log()));
        const DischargeLog log = ReadDischargeLog(path).log;
        DischargeSettings settings;
        if (endVoltage)
            settings.endVolts = 1.8;
        const DischargeReport report = AnalyseDischarge(log, settings);
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        const ReportHeader header{QStringLiteral("North substation"), QStringLiteral("Pack 2"),
                                  QStringLiteral("J. Smith"), QDateTime(QDate(2024, 3, 6), {9, 0})};

        const QByteArray russianHtml = ReportHtml(log, report, header);
        const QByteArray csv = ReportCsv(report);
        const QByteArray json = ReportJson(report);
        QVERIFY(InstallLanguage(Language::English));
        const QString html = QString::fromUtf8(ReportHtml(log, report, header));
        const QString lines = ReportTextLines(report).join(QLatin1Char('\n'));

        const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
        QVERIFY2(!html.contains(cyrillic), qPrintable(html.left(4000)));
        QVERIFY2(!lines.contains(cyrillic), qPrintable(lines));
        QVERIFY(html.contains(QStringLiteral("<html lang=\"en\">")));
        QVERIFY(russianHtml.contains("<html lang=\"ru\">"));
        QCOMPARE(ReportCsv(report), csv);
        QCOMPARE(ReportJson(report), json);
    }
};

QTEST_MAIN(TestReportLanguages)
#include "test_report_languages.moc"
