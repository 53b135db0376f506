#include "metrics_fleet.h"
#include "metrics_text.h"

#include <QProcess>
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
        .Set(u"Absolute_State_of_Charge", 49)
        .Set(u"Cell_Temp_Average", 21)
        .Set(u"Cell_Temp_Min", -3)
        .Set(u"Temperature_Ambient", 235)
        .Set(u"Charging_Voltage", 5640)
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
        row("velmora_absolute_state_of_charge_ratio{controller=\"bank-1\"}", "0.49");
        row("velmora_temperature_celsius{controller=\"bank-1\",sensor=\"cell_average\"}", "21");
        row("velmora_temperature_celsius{controller=\"bank-1\",sensor=\"cell_min\"}", "-3");
        row("velmora_temperature_celsius{controller=\"bank-1\",sensor=\"ambient\"}", "23.5");
        row("velmora_charging_voltage_volts{controller=\"bank-1\"}", "56.4");
        row("velmora_battery_cycles{controller=\"bank-1\"}", "123");
        row("velmora_cells{controller=\"bank-1\"}", "20");
        row("velmora_cell_voltage_volts{controller=\"bank-1\",cell=\"1\"}", "3.001");
        row("velmora_cell_voltage_volts{controller=\"bank-1\",cell=\"17\"}", "3.017");
        row("velmora_cell_temperature_celsius{controller=\"bank-1\",cell=\"3\"}", "-7");
        row("velmora_cell_temperature_celsius{controller=\"bank-1\",cell=\"20\"}", "10");
        // Status words 1..20: bit 0 (OV) in the ten odd ones, bit 4 (OT) in 16 to 20.
        row("velmora_cells_flagged{controller=\"bank-1\",flag=\"OV\"}", "10");
        row("velmora_cells_flagged{controller=\"bank-1\",flag=\"OT\"}", "5");
        row("velmora_alarm{controller=\"bank-1\",flag=\"COV\"}", "1");
        row("velmora_alarm{controller=\"bank-1\",flag=\"CUV\"}", "0");
        row("velmora_alarm{controller=\"bank-1\",flag=\"OVERTEMP\"}", "1");
        row("velmora_warning{controller=\"bank-1\",flag=\"COV\"}", "0");
        row("velmora_warning{controller=\"bank-1\",flag=\"CC\"}", "1");
        row("velmora_state{controller=\"bank-1\",flag=\"CC\"}", "0");
        row("velmora_state{controller=\"bank-1\",flag=\"FULLY_CHARGED\"}", "1");
        row("velmora_link_up{controller=\"bank-1\",reason=\"up\"}", "1");
        row("velmora_last_good_cycle_age_seconds{controller=\"bank-1\"}", "1.5");
        row("velmora_poll_cycles_total{controller=\"bank-1\"}", "7");
        row("velmora_poll_timeouts_total{controller=\"bank-1\"}", "3");
        row("velmora_poll_crc_errors_total{controller=\"bank-1\"}", "2");
        row("velmora_poll_exceptions_total{controller=\"bank-1\"}", "1");
        row("velmora_poll_cycle_duration_seconds_bucket{controller=\"bank-1\",le=\"0.05\"}", "0");
        row("velmora_poll_cycle_duration_seconds_bucket{controller=\"bank-1\",le=\"0.1\"}", "4");
        row("velmora_poll_cycle_duration_seconds_bucket{controller=\"bank-1\",le=\"30\"}", "6");
        row("velmora_poll_cycle_duration_seconds_bucket{controller=\"bank-1\",le=\"+Inf\"}", "7");
        row("velmora_poll_cycle_duration_seconds_sum{controller=\"bank-1\"}", "41.5");
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
        const auto series = [&](const char* controller) {
            QList<QByteArray> names;
            const QByteArray label = QByteArray("controller=\"") + controller + '"';
            for (auto it = parsed.values.begin(); it != parsed.values.end(); ++it)
                if (it.key().contains(label))
                    names.append(it.key().left(it.key().indexOf('{')));
            std::sort(names.begin(), names.end());
            names.erase(std::unique(names.begin(), names.end()), names.end());
            return names;
        };
        const QList<QByteArray> polling = {"velmora_last_good_cycle_age_seconds",
                                           "velmora_link_up",
                                           "velmora_poll_answered_cycles_total",
                                           "velmora_poll_bad_replies_total",
                                           "velmora_poll_crc_errors_total",
                                           "velmora_poll_cycle_duration_seconds_bucket",
                                           "velmora_poll_cycle_duration_seconds_count",
                                           "velmora_poll_cycle_duration_seconds_sum",
                                           "velmora_poll_cycles_total",
                                           "velmora_poll_exceptions_total",
                                           "velmora_poll_timeouts_total"};
        QCOMPARE(series("stale"), polling);
        QCOMPARE(series("never"), QList<QByteArray>(polling.begin() + 1, polling.end()));
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
};

QTEST_GUILESS_MAIN(TestMetricsText)
#include "test_metrics_text.moc"
