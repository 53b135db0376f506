#include "gzip_bytes.h"
#include "metrics_fleet.h"
#include "metrics_text.h"

#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

// The Prometheus text of a fleet: every series carries the register's value in base units, a
// controller whose figures are not current exports only its link and counters, and promtool
// takes the whole text.

namespace {

constexpr qint64 NowMs = 1'760'000'000'000;

// A controller of 20 cells with known status values; alarms COV and OVERTEMP, warning CC, state
// FULLY_CHARGED.
ControllerSnapshot KnownController(const QString& name = QStringLiteral("bank-1")) {
    ControllerSnapshot snapshot = AnsweredController(name, 20, NowMs - 1500);
    StatusBlockBuilder block;
    block.words = snapshot.image.StatusBlock;
    block.Set(u"Pack_Voltage_Sum", 52345)
        .Set(u"Pack_Current", -12500)
        .Set(u"Relative_State_of_Charge", 57)
        .Set(u"Cell_Temp_Min", -3)
        .Set(u"Temperature_Ambient", 235)
        .Set(u"Cycle_Count", 123)
        .Set(u"Safety_Status", 0x1)
        .Set(u"Battery_Status", (1 << 12) | (1 << 5))
        .Set(u"Charge_Alert", 0x1);
    snapshot.image.StatusBlock = block.words;
    return snapshot;
}

} // namespace

class TestMetricsText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seriesCarryTheRegisters_data() {
        QTest::addColumn<QByteArray>("series");
        QTest::addColumn<QByteArray>("value");
        const auto row = [](const char* series, const char* value) {
            QTest::newRow(series) << QByteArray(series) << QByteArray(value);
        };
        row("velmora_pack_voltage_volts{controller=\"bank-1\"}", "52.345");
        row("velmora_pack_current_amperes{controller=\"bank-1\"}", "-12.5");
        row("velmora_state_of_charge_ratio{controller=\"bank-1\"}", "0.57");
        row("velmora_temperature_celsius{controller=\"bank-1\",sensor=\"cell_min\"}", "-3");
        row("velmora_temperature_celsius{controller=\"bank-1\",sensor=\"ambient\"}", "23.5");
        row("velmora_battery_cycles{controller=\"bank-1\"}", "123");
        row("velmora_cells{controller=\"bank-1\"}", "20");
        row("velmora_cell_voltage_volts{controller=\"bank-1\",cell=\"17\"}", "3.017");
        row("velmora_cell_temperature_celsius{controller=\"bank-1\",cell=\"3\"}", "-7");
        // Status words 1..20: bit 0 (OV) in the ten odd ones, bit 4 (OT) in 16 to 20.
        row("velmora_cells_flagged{controller=\"bank-1\",flag=\"OV\"}", "10");
        row("velmora_cells_flagged{controller=\"bank-1\",flag=\"OT\"}", "5");
        row("velmora_alarm{controller=\"bank-1\",flag=\"COV\"}", "1");
        row("velmora_alarm{controller=\"bank-1\",flag=\"CUV\"}", "0");
        row("velmora_alarm{controller=\"bank-1\",flag=\"OVERTEMP\"}", "1");
        row("velmora_warning{controller=\"bank-1\",flag=\"CC\"}", "1");
        row("velmora_state{controller=\"bank-1\",flag=\"FULLY_CHARGED\"}", "1");
        row("velmora_link_up{controller=\"bank-1\",reason=\"up\"}", "1");
        row("velmora_last_good_cycle_age_seconds{controller=\"bank-1\"}", "1.5");
        row("velmora_poll_cycles_total{controller=\"bank-1\"}", "7");
        row("velmora_poll_crc_errors_total{controller=\"bank-1\"}", "2");
        row("velmora_poll_cycle_duration_seconds_bucket{controller=\"bank-1\",le=\"0.1\"}", "4");
        row("velmora_poll_cycle_duration_seconds_bucket{controller=\"bank-1\",le=\"30\"}", "6");
        row("velmora_poll_cycle_duration_seconds_bucket{controller=\"bank-1\",le=\"+Inf\"}", "7");
        row("velmora_poll_cycle_duration_seconds_count{controller=\"bank-1\"}", "7");
    }
    void seriesCarryTheRegisters() {
        QFETCH(QByteArray, series);
        QFETCH(QByteArray, value);
        const ParsedExposition parsed =
            ParseExposition(MetricsExposition({KnownController()}, NowMs));
        QVERIFY2(parsed.values.contains(series), series.constData());
        QCOMPARE(parsed.values.value(series), value);
    }

    // Past three periods the registers go (graphs show a gap); the link, age and counters stay.
    // A controller that never answered has no age either; an absent ambient sensor no series.
    void whatIsExportedOfEachController() {
        ControllerSnapshot stale = KnownController(QStringLiteral("stale"));
        stale.link = LinkState::Stale;
        stale.lastGoodCycleMs = NowMs - 3 * stale.spec.periodMs - 1;
        ControllerSnapshot never = AnsweredController(QStringLiteral("never"), 4, 0);
        never.link = LinkState::NeverAnswered;
        ControllerSnapshot noSensor = KnownController(QStringLiteral("nc"));
        StoreField(noSensor.image.StatusBlock, StatusByMnemonic(u"Temperature_Ambient").field,
                   quint16(AmbientSensorAbsent));
        const ParsedExposition parsed =
            ParseExposition(MetricsExposition({stale, never, noSensor}, NowMs));
        QVERIFY(parsed.duplicates.isEmpty());
        // Of the two, only polling families; the age only of the one that answered once.
        QSet<QByteArray> families;
        for (auto it = parsed.values.begin(); it != parsed.values.end(); ++it)
            if (!it.key().contains("controller=\"nc\""))
                families.insert(it.key().left(it.key().indexOf('{')) +
                                (it.key().contains("\"never\"") ? "/never" : ""));
        for (const QByteArray& family : families)
            QVERIFY2(family.startsWith("velmora_poll_") || family.startsWith("velmora_link_up") ||
                         family == "velmora_last_good_cycle_age_seconds",
                     family.constData());
        QVERIFY(families.contains("velmora_poll_cycle_duration_seconds_count/never"));
        QVERIFY(families.contains("velmora_last_good_cycle_age_seconds"));
        QVERIFY(!families.contains("velmora_last_good_cycle_age_seconds/never"));
        QCOMPARE(parsed.values.value("velmora_link_up{controller=\"stale\",reason=\"stale\"}"),
                 QByteArray("0"));
        QVERIFY(parsed.values.contains(
            "velmora_temperature_celsius{controller=\"nc\",sensor=\"cell_min\"}"));
        QVERIFY(!parsed.values.contains(
            "velmora_temperature_celsius{controller=\"nc\",sensor=\"ambient\"}"));
    }

    // A label value keeps backslashes, quotes and line feeds as the format escapes them.
    void controllerNamesAreEscaped() {
        const QByteArray text =
            MetricsExposition({AnsweredController(QStringLiteral("a\"b\\c\nd"), 1, NowMs)}, NowMs);
        QVERIFY(text.contains("velmora_cells{controller=\"a\\\"b\\\\c\\nd\"} 1\n"));
    }

    // promtool parses and lints the text of a mixed fleet: every family once with its HELP and
    // TYPE, names and units by the conventions.
    void promtoolAcceptsTheText() {
        const QString promtool = QStandardPaths::findExecutable(QStringLiteral("promtool"));
        if (promtool.isEmpty())
            QSKIP("promtool is not installed (Debian package prometheus)");
        ControllerSnapshot lost = AnsweredController(QStringLiteral("lost"), 200, NowMs - 60000);
        lost.link = LinkState::PortError;
        QProcess check;
        check.start(promtool, {QStringLiteral("check"), QStringLiteral("metrics")});
        QVERIFY(check.waitForStarted());
        check.write(MetricsExposition(
            {KnownController(), lost, AnsweredController(QStringLiteral("full"), 200, NowMs)},
            NowMs));
        check.closeWriteChannel();
        QVERIFY(check.waitForFinished(60000));
        const QByteArray said = check.readAllStandardOutput() + check.readAllStandardError();
        QVERIFY2(check.exitCode() == 0 && said.isEmpty(), said.constData());
    }

    void gzipIsAskedFor_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<bool>("gzip");
        QTest::newRow("none") << QByteArray() << false;
        QTest::newRow("as Prometheus asks") << QByteArray("gzip") << true;
        QTest::newRow("among others, any case") << QByteArray("deflate, GZip;q=0.8, br") << true;
        QTest::newRow("refused") << QByteArray("gzip;q=0, identity") << false;
        QTest::newRow("a longer name") << QByteArray("x-gzip2") << false;
    }
    void gzipIsAskedFor() {
        QFETCH(QByteArray, header);
        QFETCH(bool, gzip);
        QCOMPARE(AcceptsGzip(header), gzip);
    }

    // gzip itself unpacks the text of a full fleet to the same bytes.
    void gzipStreamUnpacks() {
        const QByteArray text = MetricsExposition(
            {KnownController(), AnsweredController(QStringLiteral("full"), 200, NowMs)}, NowMs);
        const QByteArray packed = GzipBytes(text);
        QVERIFY(!packed.isEmpty() && packed.size() < text.size() / 4);
        QProcess gunzip;
        gunzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc")});
        QVERIFY(gunzip.waitForStarted());
        gunzip.write(packed);
        gunzip.closeWriteChannel();
        QVERIFY(gunzip.waitForFinished(60000));
        QCOMPARE(gunzip.exitCode(), 0);
        QCOMPARE(gunzip.readAllStandardOutput(), text);
    }
};

QTEST_GUILESS_MAIN(TestMetricsText)
#include "test_metrics_text.moc"
