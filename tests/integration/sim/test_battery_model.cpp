#include "controller_model.h"
#include "journal_ring.h"
#include "register_map.h"

#include <QTest>

#include <vector>

using namespace SimMap;

namespace {

struct Snapshot {
    QList<quint16> status;
    quint16 word(quint16 offset) const { return status[offset]; }
    quint32 dword(quint16 offset) const {
        return status[offset] | quint32(status[offset + 1]) << 16;
    }
    qint32 current() const { return qint32(dword(Status::PackCurrent)); }
    quint16 cellVoltage(int i) const { return word(quint16(Status::CellVoltages + i)); }
    qint16 cellTemperature(int i) const {
        return qint16(word(quint16(Status::CellTemperatures + i)));
    }
    quint16 cellStatus(int i) const { return word(quint16(Status::CellStatuses + i)); }
};

Snapshot Take(ControllerModel& model) {
    return {model.registers(0, StatusBlock.size)};
}

void SetAlarm(ControllerModel& model, const Alarm::Protection& p, int threshold, int recovery) {
    const std::vector<quint16> levels{quint16(threshold), quint16(recovery), 0};
    QVERIFY(model.setRegisters(quint16(AlarmSettingsBlock.start + p.threshold), levels));
}

QList<JournalRing::Event> JournalEvents(ControllerModel& model) {
    QList<JournalRing::Event> events;
    const QList<quint16> words = model.registers(JournalBlock.start, JournalBlock.size);
    for (int slot = 0; slot < Journal::Records; ++slot) {
        const int w = slot * Journal::RecordWords;
        const quint32 time = words[w] | quint32(words[w + 1]) << 16;
        if (time != Journal::EmptyTime)
            events.append({time, words[w + 2], words[w + 3]});
    }
    return events;
}

} // namespace

// The battery behind the status registers, driven step by step without a line.
class TestBatteryModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellsAndTheirSums_data() {
        QTest::addColumn<int>("cells");
        QTest::newRow("one cell") << 1;
        QTest::newRow("16 cells") << 16;
        QTest::newRow("200 cells") << 200;
    }
    void cellsAndTheirSums() {
        QFETCH(int, cells);
        ControllerModel model(238, cells, false);
        for (int step = 0; step < 3; ++step) {
            const Snapshot s = Take(model);
            QCOMPARE(s.word(Status::DesignCellNumber), quint16(cells));
            quint32 sum = 0;
            int vMax = 0, vMin = 65535, tMax = -1000, tMin = 1000;
            for (int i = 0; i < MaxCells; ++i) {
                QCOMPARE(s.cellVoltage(i) > 0, i < cells);
                if (i >= cells) {
                    QCOMPARE(s.cellStatus(i), quint16(0));
                    continue;
                }
                sum += s.cellVoltage(i);
                vMax = qMax<int>(vMax, s.cellVoltage(i));
                vMin = qMin<int>(vMin, s.cellVoltage(i));
                tMax = qMax<int>(tMax, s.cellTemperature(i));
                tMin = qMin<int>(tMin, s.cellTemperature(i));
            }
            QCOMPARE(s.dword(Status::PackVoltageSum), sum);
            QCOMPARE(s.word(Status::CellVoltageAverage), quint16(sum / cells));
            QCOMPARE(s.word(Status::CellVoltageMax), quint16(vMax));
            QCOMPARE(s.word(Status::CellVoltageMin), quint16(vMin));
            QCOMPARE(qint16(s.word(Status::CellTempMax)), qint16(tMax));
            QCOMPARE(qint16(s.word(Status::CellTempMin)), qint16(tMin));
            // Every cell at an extreme carries its flag, and no other cell does.
            for (int i = 0; i < cells; ++i) {
                const quint16 flags = s.cellStatus(i);
                QCOMPARE(bool(flags & CellBit::Vmax), s.cellVoltage(i) == vMax);
                QCOMPARE(bool(flags & CellBit::Vmin), s.cellVoltage(i) == vMin);
                QCOMPARE(bool(flags & CellBit::Tmax), s.cellTemperature(i) == tMax);
                QCOMPARE(bool(flags & CellBit::Tmin), s.cellTemperature(i) == tMin);
            }
            model.step();
        }
    }

    // Long enough for a whole discharge, charge and float: the current changes sign, the state of
    // charge follows it, a cycle is counted and the weak cell is balanced while charging.
    void chargesAndDischargesInTurn() {
        ControllerModel model(238, 16, false);
        const Snapshot first = Take(model);
        int lowestSoc = 100, highestSoc = 0;
        bool charged = false, discharged = false, floated = false, balanced = false;
        Snapshot previous = first;
        bool changes = true;
        for (int step = 0; step < 700; ++step) {
            model.step();
            const Snapshot s = Take(model);
            changes = changes && s.status != previous.status;
            previous = s;
            const int soc = s.word(Status::RelativeStateOfCharge);
            QVERIFY(soc >= 0 && soc <= 100);
            lowestSoc = qMin(lowestSoc, soc);
            highestSoc = qMax(highestSoc, soc);
            const quint16 charge = s.word(Status::ChargeStatus);
            if (s.current() < 0) {
                discharged = true;
                QVERIFY(charge & ChargeBit::Discharging);
                QVERIFY(s.word(Status::BatteryStatus) & BatteryStatusBit::Discharging);
                QVERIFY(s.word(Status::RunTimeToEmpty) < 0xFFFF);
            } else {
                charged = charged || s.current() > 1000;
                QCOMPARE(s.word(Status::RunTimeToEmpty), quint16(0xFFFF));
            }
            floated = floated || (charge & ChargeBit::Float);
            balanced = balanced || (s.cellStatus(2) & CellBit::Balance);
        }
        QVERIFY(changes);
        QVERIFY(charged && discharged && floated && balanced);
        QVERIFY(lowestSoc <= 21);
        QCOMPARE(highestSoc, 100);
        QCOMPARE(previous.word(Status::CycleCount), quint16(first.word(Status::CycleCount) + 1));
    }

    // Thresholds written into the alarm block take effect at the next step; a tripped protection
    // writes one journal event naming its cell, and clears once the value is back past recovery.
    void protectionsFollowTheThresholds() {
        ControllerModel model(238, 16, false);
        SetAlarm(model, Alarm::Cov, 1000, 900);
        model.step();
        Snapshot s = Take(model);
        QCOMPARE(s.dword(Status::SafetyAlert) & 1u << Safety::Cov, 1u << Safety::Cov);
        QCOMPARE(s.dword(Status::SafetyStatus) & 1u << Safety::Cov, 1u << Safety::Cov);
        QVERIFY(s.word(Status::BatteryStatus) & BatteryStatusBit::Overcharged);
        QVERIFY(s.word(Status::BatteryStatus) & BatteryStatusBit::TerminateCharge);
        for (int i = 0; i < 16; ++i)
            QVERIFY(s.cellStatus(i) & CellBit::Ov);
        QList<JournalRing::Event> events = JournalEvents(model);
        QCOMPARE(events.size(), 1);
        QCOMPARE(events[0].code, quint16(Safety::Cov));
        QVERIFY(s.cellStatus(events[0].cell - 1) & CellBit::Vmax);

        model.step(); // still tripped: no second event
        QCOMPARE(JournalEvents(model).size(), 1);

        SetAlarm(model, Alarm::Cov, 5000, 4900);
        model.step();
        s = Take(model);
        QCOMPARE(s.dword(Status::SafetyStatus) & 1u << Safety::Cov, 0u);
        QCOMPARE(s.cellStatus(0) & CellBit::Ov, 0);
    }

    // Animated, the battery moves on at each read from register 0, the start of a polling cycle.
    void animatedStepsOncePerCycle() {
        ControllerModel model(238, 16, true);
        QList<quint16> first, again, cells, cellsAgain;
        QCOMPARE(model.readRegisters(0, 50, &first), quint8(0));
        QCOMPARE(model.readRegisters(50, 125, &cells), quint8(0));
        QCOMPARE(model.readRegisters(50, 125, &cellsAgain), quint8(0));
        QCOMPARE(cellsAgain, cells);
        QCOMPARE(model.readRegisters(0, 50, &again), quint8(0));
        QVERIFY(again != first);
        model.setAnimated(false);
        QCOMPARE(model.readRegisters(0, 50, &first), quint8(0));
        QCOMPARE(model.readRegisters(0, 50, &again), quint8(0));
        QCOMPARE(again.mid(0, 48), first.mid(0, 48));
    }

    void clockAdvancesFromWhatWasSet() {
        ControllerModel model(238, 16, false);
        const std::vector<quint16> time{0x5678, 0x0123};
        QVERIFY(model.setRegisters(Status::RtcTimeValue, time));
        QCOMPARE(model.registers(Status::RtcTimeValue, 2),
                 QList<quint16>(time.begin(), time.end()));
        QTest::qWait(1100);
        const QList<quint16> later = model.registers(Status::RtcTimeValue, 2);
        QVERIFY(later[0] > 0x5678 && later[1] == 0x0123);
    }

    // A discharge test moves on by its clock's time, ten times faster here: the current of its
    // plan, the other one after each step time; the cell of more resistance sags more under
    // load, the weak cell falls behind, and the load goes off when the first cell is empty.
    void dischargeTestFollowsItsPlan() {
        qint64 ms = 5000;
        const ModelClock clock{[] { return quint32(1000); }, [&ms] { return ms; }};
        BatteryTest test;
        test.dischargeAmps = 50;
        test.stepAmps = 100;
        test.stepSeconds = 600;
        test.weakCells = {2};
        test.milliohm = {{5, 4.0}};
        test.speed = 10;
        ControllerModel model(238, 6, false, {}, clock, test);
        const auto after = [&](int batterySeconds) {
            ms += batterySeconds * 1000 / 10;
            model.step();
            return Take(model);
        };
        // Cells 1 and 5 differ by 1 mV of offset, 2 mV of noise and their resistance.
        const auto sag = [](const Snapshot& s) { return s.cellVoltage(0) - s.cellVoltage(4); };
        Snapshot s = after(60);
        QCOMPARE(s.current(), -50000);
        QCOMPARE(s.dword(Status::RtcTimeValue), 1060u);
        QVERIFY2(std::abs(sag(s) - 150) <= 5, qPrintable(QString::number(sag(s))));
        s = after(540);
        QCOMPARE(s.current(), -50000);
        s = after(60);
        QCOMPARE(s.current(), -100000);
        QVERIFY2(std::abs(sag(s) - 300) <= 5, qPrintable(QString::number(sag(s))));
        QCOMPARE(after(540).current(), -100000);
        QCOMPARE(after(60).current(), -50000);

        int widest = 0;
        int steps = 0;
        while (s.current() != 0 && steps++ < 200) {
            s = after(60);
            widest = std::max(widest, int(s.cellVoltage(0)) - int(s.cellVoltage(1)));
        }
        QVERIFY(widest > 200);
        // The weak cell holds 80 % of 98 A*h; a step of 60 s at 100 A is 1,7 A*h.
        const qint32 delivered = 98000 - qint32(s.dword(Status::RemainingPackCapacity));
        QVERIFY2(std::abs(delivered - 78400) <= 1700, qPrintable(QString::number(delivered)));
        QCOMPARE(after(600).current(), 0);
    }

    void lowSideProtectionTripsBelowItsThreshold() {
        ControllerModel model(238, 4, false);
        SetAlarm(model, Alarm::Cut, 60, 65); // every cell is colder than 60 degC
        model.step();
        const Snapshot s = Take(model);
        QVERIFY(s.dword(Status::SafetyStatus) & 1u << Safety::Cut);
        QVERIFY(s.cellStatus(0) & CellBit::Ut);
        QCOMPARE(JournalEvents(model).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestBatteryModel)
#include "test_battery_model.moc"
