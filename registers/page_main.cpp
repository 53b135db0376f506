#include "page_main.h"

#include "bit_tables.h"
#include "number_format.h"
#include "register_image.h"
#include "status_map.h"
#include "table_cells.h"
#include "table_state.h"

#include <algorithm>

namespace {

class PageReader {
public:
    explicit PageReader(std::span<const quint16> block) : block_(block) {}
    qint64 Value(QStringView mnemonic) const {
        return FieldValue(block_, StatusByMnemonic(mnemonic).field);
    }

private:
    std::span<const quint16> block_;
};

} // namespace

CellScan ScanCells(std::span<const quint16> block) {
    constexpr int kTmax = 8, kTmin = 9, kVmax = 10, kVmin = 11, kBalance = 12;
    CellScan scan;
    const int n = ShownCellCount(block);
    for (int cell = 1; cell <= n; ++cell) {
        const quint16 s = CellStatus(block, cell);
        if (BitSet(s, kVmax))
            scan.vmax = cell;
        if (BitSet(s, kVmin))
            scan.vmin = cell;
        if (BitSet(s, kTmax))
            scan.tmax = cell;
        if (BitSet(s, kTmin))
            scan.tmin = cell;
        if (BitSet(s, kBalance))
            ++scan.balancing;
    }
    return scan;
}

MainPageView ComputeMainPage(std::span<const quint16> statusBlock) {
    const PageReader r(statusBlock);
    MainPageView view;
    auto field = [&view](const char* name, const QString& text) {
        view.fields.append({QString::fromLatin1(name), text});
    };
    const qint64 packVoltage = r.Value(u"Pack_Voltage_Sum");
    const qint64 averageCurrent = r.Value(u"Pack_Current_Average");
    field("LabeledEdit_VOLTDCU_", FormatG6(packVoltage, 1000));
    field("LabeledEdit_CURRDCI_", FormatG6(r.Value(u"Pack_Current_Leakage"), 1000));
    field("LabeledEdit_CURRAVG_", FormatG6(averageCurrent, 1000));
    // mA x mV fits 64 bits exactly (|I| <= 2^31, V < 2^32), so the power rounds on its true value.
    field("LabeledEdit_POWER_", FormatG6(r.Value(u"Pack_Current") * packVoltage, 1000000));
    field("LabeledEdit_POWERAVG_", FormatG6(averageCurrent * packVoltage, 1000000));
    field("LabeledEdit_VOLTCAVG_", FormatG15(r.Value(u"Cell_Voltage_Average"), 1000));
    field("LabeledEdit_VOLTCMAX_", FormatG15(r.Value(u"Cell_Voltage_Max"), 1000));
    field("LabeledEdit_VOLTCMIN_", FormatG15(r.Value(u"Cell_Voltage_Min"), 1000));
    field("LabeledEdit_TEMPAVG_", QString::number(r.Value(u"Cell_Temp_Average")));
    field("LabeledEdit_TEMPMAX_", QString::number(r.Value(u"Cell_Temp_Max")));
    field("LabeledEdit_TEMPMIN_", QString::number(r.Value(u"Cell_Temp_Min")));
    const qint64 ambient = r.Value(u"Temperature_Ambient");
    field("LabeledEdit_TEMPAMB_",
          ambient == AmbientSensorAbsent ? QStringLiteral("NC") : FormatG4(ambient, 10));

    const CellScan scan = ScanCells(statusBlock);
    const auto cellField = [&field](const char* name, int cell) {
        if (cell != 0)
            field(name, QString::number(cell));
    };
    cellField("LabeledEdit_VOLTCMAXCELL_", scan.vmax);
    cellField("LabeledEdit_VOLTCMINCELL_", scan.vmin);
    cellField("LabeledEdit_TEMPMAXCELL_", scan.tmax);
    cellField("LabeledEdit_TEMPMINCELL_", scan.tmin);
    field("LabeledEdit_BALANCECELLNMB_", QString::number(scan.balancing));
    field("LabeledEdit_CELLNUMBER_", QString::number(r.Value(u"Design_Cell_Number")));
    field("LabeledEdit_CAPACITY_", FormatG4(r.Value(u"Design_Capacity"), 1000));
    const qint64 charge = r.Value(u"Absolute_State_of_Charge");
    field("LabeledEdit_SOCPERCENT_", QString::number(charge));
    field("LabeledEdit_SOCAH_", FormatG4(r.Value(u"Remaining_Pack_Capacity"), 1000));
    field("LabeledEdit_TIMETOEMPTY_", FormatG4(r.Value(u"Run_Time_to_Empty"), 60));
    field("LabeledEdit_AVGTIMETOEMPTY_", FormatG4(r.Value(u"Average_Time_to_Empty"), 60));

    view.stateOfCharge = int(charge);
    view.chargeLow = charge <= LowChargePercent;

    const qint64 batteryStatus = r.Value(u"Battery_Status");
    for (int bit : BatteryLampOrder) {
        const auto* lamp = std::find_if(BatteryStatusBits.begin(), BatteryStatusBits.end(),
                                        [bit](const BatteryStatusBit& b) { return b.bit == bit; });
        view.lamps.append(
            {lamp->lamp.toString(), BitSet(quint32(batteryStatus), bit), lamp->alarm});
    }
    const qint64 safetyStatus = r.Value(u"Safety_Status");
    for (const SafetyBit& b : SafetyBits)
        view.lamps.append({b.lamp.toString(), BitSet(quint32(safetyStatus), b.bit)});
    view.loggedIn = BitSet(quint32(r.Value(u"Battery_Mode")), BatteryModePasswordBit);
    return view;
}

QString AlarmLampLabel(QStringView lamp) {
    // The label beside an alarm lamp is the lamp's role: "Shape_COV_" is labelled "COV".
    QStringView label = lamp;
    if (label.startsWith(u"Shape_"))
        label = label.mid(6);
    if (label.endsWith(u'_'))
        label.chop(1);
    return label.toString();
}
