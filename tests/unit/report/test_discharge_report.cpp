#include "discharge_analysis.h"
#include "discharge_log_text.h"
#include "test_file.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(DischargeModel)
Q_DECLARE_METATYPE(std::vector<float>)
Q_DECLARE_METATYPE(std::vector<quint16>)

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);

// How the test spoils the model's log before reading it.
enum class Spoil { None, TruncatedLastLine, WiderHeader };

} // namespace
Q_DECLARE_METATYPE(Spoil)
namespace {

// The charge the model's current delivers between two lines, summed second by second: the
// current of a moment is that of the nearer line.
double ModelAmpereHours(const DischargeModel& m, int first, int last) {
    double ampereSeconds = 0;
    for (int s = first * m.pollSeconds; s < last * m.pollSeconds; ++s) {
        const double line = (s + 0.5) / m.pollSeconds;
        ampereSeconds += m.Amps(int(std::lround(line)));
    }
    return ampereSeconds / 3600;
}

// A log of one line a minute with these currents and, for every line, the same cell voltages.
DischargeLog LogOf(const std::vector<float>& amps, const std::vector<quint16>& millivolts) {
    DischargeLog log;
    log.cells = int(millivolts.size());
    log.ratedAmpereHours = 100;
    const std::vector<qint16> degrees(millivolts.size(), 25);
    for (std::size_t i = 0; i < amps.size(); ++i)
        log.Append(qint64(i) * 60000, 50, amps[i], 20, millivolts.data(), degrees.data());
    return log;
}

} // namespace

class TestDischargeReport : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    DischargeLogRead Read(const QStringList& lines, Spoil spoil = Spoil::None) {
        QByteArray bytes = EncodeLines(lines);
        if (spoil == Spoil::TruncatedLastLine)
            bytes.chop(lines.last().size() / 2);
        return ReadDischargeLog(WriteTestFile(dir.filePath(QStringLiteral("log.csv")), bytes));
    }

private Q_SLOTS:
    void init() { QLocale::setDefault(Russian); }

    // Logs of a discharge with every figure known: the charge, the end point, the weak cells
    // and the resistance where the current steps.
    void knownAnswers_data() {
        QTest::addColumn<DischargeModel>("model");
        QTest::addColumn<Spoil>("spoil");
        QTest::addColumn<double>("endVolts"); // NaN: none
        QTest::addColumn<double>("ampereHours");
        QTest::addColumn<int>("endMinute"); // minutes of discharge to the end point, -1 none
        QTest::addColumn<double>("capacity");
        QTest::addColumn<QList<int>>("weak");
        QTest::addColumn<int>("gaps");
        const double none = std::nan("");

        DischargeModel twoWeak;
        twoWeak.slopes = {{3, 88}, {6, 93}};
        // Under load a cell starts at 2110 mV. Cell 6 reaches 1,8 V first, after 200 minutes;
        // cell 3 after 212.
        QTest::newRow("constant current, two weak cells")
            << twoWeak << Spoil::None << 1.8 << 100.0 << 200 << 20.0 * 200 / 60 << QList<int>{6, 3}
            << 0;
        QTest::newRow("no end voltage")
            << twoWeak << Spoil::None << none << 100.0 << -1 << none << QList<int>{6, 3} << 0;
        QTest::newRow("end voltage not reached")
            << twoWeak << Spoil::None << 1.5 << 100.0 << -1 << none << QList<int>{6, 3} << 0;
        QTest::newRow("header of another cell count")
            << twoWeak << Spoil::WiderHeader << 1.8 << 100.0 << 200 << 20.0 * 200 / 60
            << QList<int>{6, 3} << 0;

        DischargeModel truncated = twoWeak;
        truncated.restAfter = 0;
        // The last line, cut short, is no line: the segment ends a minute earlier.
        QTest::newRow("truncated last line")
            << truncated << Spoil::TruncatedLastLine << 1.8 << 20.0 * 299 / 60 << 200
            << 20.0 * 200 / 60 << QList<int>{6, 3} << 0;

        DischargeModel gap = twoWeak;
        gap.gapFrom = gap.restBefore + 100;
        gap.gapLines = 30;
        // The 31 minutes between the lines on either side count for nothing.
        QTest::newRow("a gap") << gap << Spoil::None << 1.8 << 20.0 * (300 - 31) / 60 << 200
                               << 20.0 * (200 - 31) / 60 << QList<int>{6, 3} << 1;

        DischargeModel steps;
        steps.stepAmps = 60;
        steps.stepLines = 10;
        steps.milliohm = {{5, 3.0}};
        QTest::newRow("current steps, one cell of high resistance")
            << steps << Spoil::None << none << ModelAmpereHours(steps, 10, 310) << -1 << none
            << QList<int>{5} << 0;
    }
    void knownAnswers() {
        QFETCH(DischargeModel, model);
        QFETCH(Spoil, spoil);
        QFETCH(double, endVolts);
        QFETCH(double, ampereHours);
        QFETCH(int, endMinute);
        QFETCH(double, capacity);
        QFETCH(QList<int>, weak);
        QFETCH(int, gaps);
        QStringList lines = model.Log();
        if (spoil == Spoil::WiderHeader)
            lines.first() = TestLogHeader(model.cells + 4);
        const DischargeLogRead read = Read(lines, spoil);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.badLines, spoil == Spoil::TruncatedLastLine ? 1 : 0);
        DischargeSettings settings;
        if (!std::isnan(endVolts))
            settings.endVolts = endVolts;
        const DischargeReport r = AnalyseDischarge(read.log, settings);
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QVERIFY(r.foundSegment);
        QCOMPARE(r.cells, model.cells);
        QCOMPARE(r.ratedAmpereHours, model.ratedAmpereHours);
        QCOMPARE(r.firmwareVersion, 1234);
        QCOMPARE(StampDateTime(r.start), QDateTime(model.When(model.restBefore).date(),
                                                   model.When(model.restBefore).time(), Qt::UTC));
        QVERIFY2(std::abs(r.ampereHours - ampereHours) <= 0.005 * ampereHours,
                 qPrintable(QString::number(r.ampereHours)));
        QCOMPARE(qsizetype(r.gaps.size()), gaps);
        if (endMinute < 0) {
            QVERIFY(!r.endPoint);
            QVERIFY(!r.capacityAmpereHours);
            QVERIFY(!r.capacityPercent);
        } else {
            QVERIFY(r.endLine);
            const QDateTime end = model.When(model.restBefore + endMinute);
            QCOMPARE(StampDateTime(*r.endPoint).time(), end.time());
            QVERIFY(std::abs(*r.capacityAmpereHours - capacity) <= 0.005 * capacity);
            QVERIFY(std::abs(*r.capacityPercent - capacity) <= 0.005 * capacity);
        }
        QCOMPARE(QList<int>(r.weakCells.begin(), r.weakCells.end()), weak);
        for (const CellFigures& c : r.cellFigures) {
            QCOMPARE(c.Weak(), weak.contains(c.cell));
            if (model.stepLines == 0) {
                QVERIFY(!c.milliohm);
                continue;
            }
            QVERIFY(c.milliohm);
            const double truth = model.Resistance(c.cell);
            QVERIFY2(std::abs(*c.milliohm - truth) <= 0.1 * truth,
                     qPrintable(QStringLiteral("cell %1: %2").arg(c.cell).arg(*c.milliohm)));
        }
    }

    // A discharge logged in either view, with the decimal comma or point and the dates of the
    // locale the log was written in, gives the figures of the scaled log with the comma.
    void viewsAndSeparators_data() {
        QTest::addColumn<bool>("scaled");
        QTest::addColumn<QLocale>("written");
        QTest::newRow("raw, decimal comma") << false << Russian;
        QTest::newRow("scaled, decimal point") << true << QLocale::c();
        QTest::newRow("raw, decimal point") << false << QLocale::c();
    }
    void viewsAndSeparators() {
        QFETCH(bool, scaled);
        QFETCH(QLocale, written);
        DischargeModel m;
        m.stepAmps = 60;
        m.stepLines = 10;
        m.slopes = {{6, 93}};
        m.milliohm = {{5, 3.0}};
        DischargeSettings settings;
        settings.endVolts = 1.8;
        const DischargeLog reference = Read(m.Log()).log;
        const DischargeReport expected = AnalyseDischarge(reference, settings);
        QLocale::setDefault(written);
        const QStringList lines = m.Log(scaled);
        QLocale::setDefault(Russian);
        const DischargeLogRead read = Read(lines);
        QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
        QCOMPARE(read.badLines, 0);
        const DischargeReport r = AnalyseDischarge(read.log, settings);
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QVERIFY(expected.endLine);
        QCOMPARE(r.ratedAmpereHours, m.ratedAmpereHours);
        QCOMPARE(r.start, expected.start);
        QCOMPARE(r.end, expected.end);
        QCOMPARE(r.endLine, expected.endLine);
        QCOMPARE(r.ampereHours, expected.ampereHours);
        // The scaled view writes the pack voltage to fewer digits than the raw one's millivolts.
        QVERIFY2(std::abs(r.wattHours - expected.wattHours) <= 1e-4 * expected.wattHours,
                 qPrintable(QString::number(r.wattHours)));
        QCOMPARE(r.weakCells, expected.weakCells);
        QCOMPARE(read.log.cellMillivolts, reference.cellMillivolts);
        for (std::size_t c = 0; c < r.cellFigures.size(); ++c)
            QCOMPARE(r.cellFigures[c].milliohm, expected.cellFigures[c].milliohm);
    }

    // The figures beside the charge, from the constant-current model.
    void segmentFigures() {
        DischargeModel m;
        m.slopes = {{2, 93}};
        DischargeSettings settings;
        settings.endVolts = 1.8;
        const DischargeReport r = AnalyseDischarge(Read(m.Log()).log, settings);
        QCOMPARE(r.seconds, 300.0 * 60);
        QCOMPARE(r.pollSeconds, 60.0);
        QVERIFY(std::abs(r.meanAmps - 20) < 1e-3);
        // The pack: eight cells of 2,110 V at the start, logged with four digits.
        QCOMPARE(float(r.startPackVolts), 16.88f);
        QCOMPARE(r.cellDegrees.min, 25.0);
        QCOMPARE(r.cellDegrees.max, 27.0);
        QCOMPARE(r.cellDegrees.mean, 26.125);
        QVERIFY(r.ambientDegrees);
        QCOMPARE(r.ambientDegrees->mean, 22.5);
        const CellFigures& weak = r.cellFigures[1];
        QCOMPARE(weak.rank, 1);
        QCOMPARE(weak.startVolts, 2.11);
        QCOMPARE(weak.endVolts, 1.8);
        QVERIFY(weak.reachedEnd);
        // The healthy cells at the end point, 200 minutes in: 2110 - 50 x 200 / 60 = 1943,33.
        QCOMPARE(std::lround(weak.deviationMillivolts), -143L);
        QCOMPARE(r.cellFigures[0].endVolts, 1.943);
        QCOMPARE(r.cellFigures[0].minVolts, 1.86);
        QVERIFY(!r.cellFigures[0].reachedEnd);
        QCOMPARE(r.cellFigures[0].maxDegrees, 26);
        // Watt-hours: the pack falls linearly, from 8 x 2,110 V to 7 x 1,860 + 1,645 V.
        const double wattHours = 20 * (16.88 + 14.665) / 2 * 5;
        QVERIFY(std::abs(r.wattHours - wattHours) < 0.005 * wattHours);
    }

    void findsTheLongestDischarge_data() {
        QTest::addColumn<std::vector<float>>("amps");
        QTest::addColumn<int>("first"); // -1: none
        QTest::addColumn<int>("last");
        using A = std::vector<float>;
        QTest::newRow("the longer of two runs")
            << A{0, -20, -20, -20, -20, -20, -20, 0, -20, -20, -20, -20, -20, -20, -20, -20, 0} << 8
            << 15;
        QTest::newRow("four minutes are too short") << A{0, -20, -20, -20, -20, -20, 0} << -1 << 0;
        QTest::newRow("five minutes are enough") << A{0, -20, -20, -20, -20, -20, -20, 0} << 1 << 6;
        QTest::newRow("the threshold itself is no discharge")
            << A{-2, -2, -2, -2, -2, -2, -2, -2} << -1 << 0;
        QTest::newRow("a run to the log's end") << A{3, -2.5, -3, -30, -30, -30, -30} << 1 << 6;
        QTest::newRow("charging") << A{20, 20, 20, 20, 20, 20, 20, 20} << -1 << 0;
    }
    void findsTheLongestDischarge() {
        QFETCH(std::vector<float>, amps);
        QFETCH(int, first);
        QFETCH(int, last);
        const std::optional<LineRange> run = FindDischarge(LogOf(amps, {2000}), 2, 5 * 60000);
        QCOMPARE(run.has_value(), first >= 0);
        if (run) {
            QCOMPARE(run->first, first);
            QCOMPARE(run->last, last);
        }
    }

    // A clock set back in the middle of the discharge (the autumn clock change): the hour it
    // went back is a gap, and neither the duration nor the charge goes negative.
    void clockSetBack() {
        DischargeLog log = LogOf(std::vector<float>(8, -20), {2000, 2000});
        for (std::size_t i = 4; i < log.stamps.size(); ++i)
            log.stamps[i] -= 3600000;
        const DischargeReport r = AnalyseDischarge(log, DischargeSettings());
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.firstLine, 0);
        QCOMPARE(r.lastLine, 7);
        QCOMPARE(r.seconds, 6 * 60.0);
        QCOMPARE(qsizetype(r.gaps.size()), 1);
        QVERIFY(std::abs(r.ampereHours - 20.0 * 6 / 60) < 1e-6);
    }

    // A cell is weak by its voltage when it lies more than three scaled deviations below the
    // median at the end point, and at least 20 mV below it.
    void weakByVoltage_data() {
        QTest::addColumn<std::vector<quint16>>("millivolts");
        QTest::addColumn<QList<int>>("weak");
        using V = std::vector<quint16>;
        QTest::newRow("15 mV below equal cells") << V{2000, 2000, 1985, 2000, 2000} << QList<int>{};
        QTest::newRow("25 mV below equal cells")
            << V{2000, 2000, 1975, 2000, 2000} << QList<int>{3};
        QTest::newRow("within a wide spread")
            << V{2000, 2030, 1970, 2040, 1960, 1940, 2010} << QList<int>{};
        QTest::newRow("far out of a wide spread")
            << V{2000, 2030, 1970, 2040, 1800, 1960, 2010} << QList<int>{5};
        QTest::newRow("the weakest first")
            << V{1900, 2000, 1700, 2000, 2000, 2000} << QList<int>{3, 1};
    }
    void weakByVoltage() {
        QFETCH(std::vector<quint16>, millivolts);
        QFETCH(QList<int>, weak);
        DischargeSettings settings;
        settings.from = 0;
        const DischargeReport r =
            AnalyseDischarge(LogOf(std::vector<float>(8, -20), millivolts), settings);
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(QList<int>(r.weakCells.begin(), r.weakCells.end()), weak);
    }

    void refusals_data() {
        QTest::addColumn<DischargeModel>("model");
        QTest::addColumn<qint64>("fromMinute"); // -1: found in the log
        QTest::addColumn<qint64>("toMinute");
        QTest::addColumn<QString>("error");
        DischargeModel idle;
        idle.amps = 1.5; // below 2 % of 100 A*h per hour
        QTest::newRow("no discharge") << idle << qint64(-1) << qint64(-1)
                                      << QStringLiteral("В логе нет участка разряда: ток разряда "
                                                        "больше 2 А (2 % емкости АБ в час) нигде "
                                                        "не держался 5 мин");
        QTest::newRow("a range of one line")
            << DischargeModel() << qint64(20) << qint64(20)
            << QStringLiteral("В заданном промежутке меньше двух строк лога");
        QTest::newRow("a range after the log")
            << DischargeModel() << qint64(100000) << qint64(-1)
            << QStringLiteral("В заданном промежутке меньше двух строк лога");
    }
    void refusals() {
        QFETCH(DischargeModel, model);
        QFETCH(qint64, fromMinute);
        QFETCH(qint64, toMinute);
        QFETCH(QString, error);
        DischargeSettings settings;
        const qint64 origin = TrendStamp(model.start);
        if (fromMinute >= 0)
            settings.from = origin + fromMinute * 60000;
        if (toMinute >= 0)
            settings.to = origin + toMinute * 60000;
        const DischargeReport r = AnalyseDischarge(Read(model.Log()).log, settings);
        QCOMPARE(r.error, error);
        QVERIFY(r.cellFigures.empty());
    }
};

QTEST_APPLESS_MAIN(TestDischargeReport)
#include "test_discharge_report.moc"
