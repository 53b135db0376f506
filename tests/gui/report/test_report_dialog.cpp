#include "discharge_log_text.h"
#include "report_dialog.h"
#include "scripted_prompts.h"
#include "test_file.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The dialog "Отчёт об испытании" on a log read on its own thread.
class TestReportDialog : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<ScriptedPrompts> prompts;

    template <typename W> static W* Find(QWidget& dialog, const char* name) {
        W* w = dialog.findChild<W*>(QLatin1String(name));
        if (!w)
            qFatal("no %s", name);
        return w;
    }
    QString Write(const QString& name, const QByteArray& bytes) {
        return WriteTestFile(dir.filePath(name), bytes);
    }
    QString Summary(QWidget& dialog) {
        return Find<QLabel>(dialog, "Label_REPORTSUMMARY_")->text();
    }

private Q_SLOTS:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        prompts = std::make_unique<ScriptedPrompts>();
    }
    void cleanup() { prompts.reset(); }

    // The controller's threshold is proposed, the segment found and shown, its start moved and
    // found again, and the report saved.
    void readsAdjustsAndSaves() {
        DischargeModel m;
        m.slopes = {{2, 93}};
        const QString log = Write(QStringLiteral("test_log.csv"), EncodeLines(m.Log()));
        TFormReport dialog([] { return std::optional<double>(1.8); });
        dialog.show();
        QCOMPARE(Find<QLineEdit>(dialog, "Edit_REPORTENDVOLTAGE_")->text(),
                 QStringLiteral("1,800"));
        QVERIFY(!Find<QPushButton>(dialog, "BitBtn_REPORTPDF_")->isEnabled());

        prompts->files = {log};
        QSignalSpy finished(&dialog, &TFormReport::LogReadFinished);
        QTest::mouseClick(Find<QPushButton>(dialog, "BitBtn_REPORTOPEN_"), Qt::LeftButton);
        QVERIFY(dialog.Reading());
        QVERIFY(finished.wait(10000));
        QVERIFY2(Summary(dialog).contains(QStringLiteral("Найденная емкость: 66,67 А*ч (66,7 %).")),
                 qPrintable(Summary(dialog)));
        QVERIFY(Summary(dialog).contains(QStringLiteral("Слабые элементы: 2.")));
        auto* from = Find<QDateTimeEdit>(dialog, "DateTimeEdit_REPORTFROM_");
        QCOMPARE(from->dateTime().time(), QTime(8, 10));
        QCOMPARE(Find<QDateTimeEdit>(dialog, "DateTimeEdit_REPORTTO_")->dateTime().time(),
                 QTime(13, 10));

        // An hour later the test has 140 minutes to its end point.
        from->setDateTime(from->dateTime().addSecs(3600));
        QVERIFY2(Summary(dialog).contains(QStringLiteral("Найденная емкость: 46,67 А*ч")),
                 qPrintable(Summary(dialog)));
        QTest::mouseClick(Find<QPushButton>(dialog, "BitBtn_REPORTAUTO_"), Qt::LeftButton);
        QVERIFY(Summary(dialog).contains(QStringLiteral("Найденная емкость: 66,67 А*ч")));
        QCOMPARE(from->dateTime().time(), QTime(8, 10));

        auto* endVolts = Find<QLineEdit>(dialog, "Edit_REPORTENDVOLTAGE_");
        endVolts->setText(QStringLiteral("x"));
        Q_EMIT endVolts->editingFinished();
        QVERIFY(Summary(dialog).contains(QStringLiteral("не является числом")));
        QVERIFY(!Find<QPushButton>(dialog, "BitBtn_REPORTPDF_")->isEnabled());
        endVolts->setText(QStringLiteral("1.8"));
        Q_EMIT endVolts->editingFinished();

        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        prompts->files = {pdf};
        QTest::mouseClick(Find<QPushButton>(dialog, "BitBtn_REPORTPDF_"), Qt::LeftButton);
        QVERIFY(prompts->shown.last().extra.endsWith(QStringLiteral("_report.pdf")));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(5), QByteArray("%PDF-"));
    }

    // A long log is read on a thread while the dialog goes on; a cancel leaves it as it was, and a
    // file that is no log is refused in a message.
    void cancelAndRefusal() {
        QByteArray junk = EncodeLines({TestLogHeader(4)});
        junk += QByteArray(40 * 1024 * 1024, 'x');
        for (qsizetype i = 100; i < junk.size(); i += 100)
            junk[i] = '\n';
        const QString big = Write(QStringLiteral("big_log.csv"), junk);
        TFormReport dialog(nullptr);
        dialog.show();
        prompts->files = {big};
        QSignalSpy finished(&dialog, &TFormReport::LogReadFinished);
        // The click returns at once; the cancel follows before the thread can have read 40 MB,
        // however fast the machine.
        QTest::mouseClick(Find<QPushButton>(dialog, "BitBtn_REPORTOPEN_"), Qt::LeftButton);
        QVERIFY(finished.isEmpty());
        QVERIFY(Find<QWidget>(dialog, "ProgressBar_REPORTLOG_")->isVisible());
        QVERIFY(dialog.Reading());
        QTest::mouseClick(Find<QPushButton>(dialog, "BitBtn_REPORTCANCEL_"), Qt::LeftButton);
        QVERIFY(finished.wait(10000));
        QCOMPARE(Summary(dialog), QStringLiteral("Чтение лога отменено."));
        QVERIFY(prompts->messageTexts().isEmpty());
        QVERIFY(!Find<QWidget>(dialog, "ProgressBar_REPORTLOG_")->isVisible());

        prompts->files = {Write(QStringLiteral("text.csv"), "a,b\r\n")};
        QTest::mouseClick(Find<QPushButton>(dialog, "BitBtn_REPORTOPEN_"), Qt::LeftButton);
        QVERIFY(finished.wait(10000));
        QCOMPARE(prompts->messageTexts().size(), 1);
        QVERIFY(prompts->messageTexts().first().contains(QStringLiteral("не является логом")));
        QVERIFY(!Find<QPushButton>(dialog, "BitBtn_REPORTCSV_")->isEnabled());
    }
};

QTEST_MAIN(TestReportDialog)
#include "test_report_dialog.moc"
