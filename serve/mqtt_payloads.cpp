#include "mqtt_payloads.h"

#include "bit_tables.h"
#include "page_main.h"
#include "register_field.h"
#include "status_map.h"
#include "table_cells.h"
#include "table_state.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A status register exported under its own key. A figure with a unit is also announced to Home
// Assistant as a sensor, in Home Assistant's unit and device class.
struct StateFigure {
    QStringView key;
    QStringView mnemonic;
    QStringView unit = {};
    QStringView deviceClass = {};
};

// clang-format off
constexpr StateFigure StateFigures[] = {
    {u"pack_voltage", u"Pack_Voltage_Sum", u"V", u"voltage"},
    {u"pack_current", u"Pack_Current", u"A", u"current"},
    {u"pack_current_average", u"Pack_Current_Average"},
    {u"soc", u"Absolute_State_of_Charge", u"%", u"battery"},
    {u"soc_relative", u"Relative_State_of_Charge"},
    {u"remaining_capacity", u"Remaining_Pack_Capacity"},
    {u"cell_voltage_average", u"Cell_Voltage_Average"},
    {u"cell_voltage_min", u"Cell_Voltage_Min", u"V", u"voltage"},
    {u"cell_voltage_max", u"Cell_Voltage_Max", u"V", u"voltage"},
    {u"temperature_average", u"Cell_Temp_Average", u"°C", u"temperature"},
    {u"temperature_min", u"Cell_Temp_Min"},
    {u"temperature_max", u"Cell_Temp_Max"},
    {u"temperature_ambient", u"Temperature_Ambient"},
    {u"cycle_count", u"Cycle_Count"},
    {u"cell_count", u"Design_Cell_Number"},
};
// clang-format on

qint64 Register(std::span<const quint16> block, QStringView mnemonic) {
    return FieldValue(block, StatusByMnemonic(mnemonic).field);
}

// The names of the set bits of a register, as the bit table names them.
template <class Bits, class Name> QJsonArray SetBitNames(const Bits& bits, qint64 word, Name name) {
    QJsonArray names;
    for (const auto& b : bits)
        if (BitSet(quint32(word), b.bit))
            names.append(name(b));
    return names;
}

// Safety and battery-status bits go by the labels beside their lamps ("COV").
QString LampLabel(const auto& b) {
    return AlarmLampLabel(b.lamp);
}

QString ChargeName(const ChargeBit& b) {
    return b.mnemonic.toString();
}

bool AnyAlarm(std::span<const quint16> block) {
    if (Register(block, u"Safety_Status") != 0)
        return true;
    const qint64 batteryStatus = Register(block, u"Battery_Status");
    for (const BatteryStatusBit& b : BatteryStatusBits)
        if (b.alarm && BitSet(quint32(batteryStatus), b.bit))
            return true;
    return false;
}

void AddFigures(QJsonObject& state, std::span<const quint16> block) {
    for (const StateFigure& figure : StateFigures) {
        const auto value = StatusRowNumber(StatusByMnemonic(figure.mnemonic), block, true);
        state.insert(figure.key.toString(),
                     value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null));
    }
    const int cells = ShownCellCount(block);
    QJsonArray volts, degrees;
    for (int cell = 1; cell <= cells; ++cell) {
        volts.append(ScaledValue(CellVoltage(block, cell), Scaling::Milli));
        degrees.append(CellTemperature(block, cell));
    }
    state.insert("cell_voltages", volts);
    state.insert("cell_temperatures", degrees);
    const CellScan scan = ScanCells(block);
    state.insert("cell_voltage_min_cell", scan.vmin);
    state.insert("cell_voltage_max_cell", scan.vmax);
    state.insert("temperature_min_cell", scan.tmin);
    state.insert("temperature_max_cell", scan.tmax);
    state.insert("balancing_cells", scan.balancing);

    state.insert("alarm", AnyAlarm(block));
    state.insert("alarms",
                 SetBitNames(SafetyBits, Register(block, u"Safety_Status"), LampLabel<SafetyBit>));
    state.insert("warnings",
                 SetBitNames(SafetyBits, Register(block, u"Safety_Alert"), LampLabel<SafetyBit>));
    state.insert("charge_status",
                 SetBitNames(ChargeBits, Register(block, u"Charge_Status"), ChargeName));
    state.insert("charge_warnings",
                 SetBitNames(ChargeBits, Register(block, u"Charge_Alert"), ChargeName));
    state.insert("battery_status",
                 SetBitNames(BatteryStatusBits, Register(block, u"Battery_Status"),
                             LampLabel<BatteryStatusBit>));
}

QJsonObject Counters(const ControllerSnapshot& s) {
    return {{"cycles", double(s.cycles)},         {"answered_cycles", double(s.answeredCycles)},
            {"timeouts", double(s.timeouts)},     {"crc_errors", double(s.crcErrors)},
            {"exceptions", double(s.exceptions)}, {"bad_replies", double(s.badReplies)}};
}

// Home Assistant's object ids allow letters, digits, '_' and '-'; the name already does.
QString ObjectId(const QString& topicPrefix, const QString& name, QStringView figure) {
    QString id = QStringLiteral("%1_%2_%3").arg(topicPrefix, name, figure);
    for (QChar& c : id)
        if (!c.isLetterOrNumber() && c != u'_' && c != u'-')
            c = u'_';
    return id;
}

// The sensor is unavailable while the exporter is gone or the controller is not answering.
QJsonObject DiscoveryBase(const ControllerSpec& spec, const QString& topicPrefix,
                          QStringView figure, const QString& title) {
    const auto availability = [](const QString& topic) {
        return QJsonObject{{"topic", topic},
                           {"payload_available", QStringLiteral("online")},
                           {"payload_not_available", QStringLiteral("offline")}};
    };
    const QJsonObject device{{"identifiers", QJsonArray{ObjectId(topicPrefix, spec.name, u"bms")}},
                             {"name", QStringLiteral("Velmora %1").arg(spec.name)},
                             {"manufacturer", QStringLiteral("Velmora")},
                             {"model", QStringLiteral("Контроллер АБ")}};
    const QString id = ObjectId(topicPrefix, spec.name, figure);
    return {{"name", title},
            {"unique_id", id},
            {"object_id", id},
            {"state_topic", StateTopic(topicPrefix, spec.name)},
            {"availability", QJsonArray{availability(ServeAvailabilityTopic(topicPrefix)),
                                        availability(AvailabilityTopic(topicPrefix, spec.name))}},
            {"availability_mode", QStringLiteral("all")},
            {"device", device}};
}

MqttMessage Config(QStringView component, const QJsonObject& config) {
    return {QStringLiteral("homeassistant/%1/%2/config")
                .arg(component, config.value(u"unique_id").toString()),
            QJsonDocument(config).toJson(QJsonDocument::Compact)};
}

} // namespace

QString StateTopic(const QString& topicPrefix, const QString& name) {
    return QStringLiteral("%1/%2/state").arg(topicPrefix, name);
}

QString AvailabilityTopic(const QString& topicPrefix, const QString& name) {
    return QStringLiteral("%1/%2/availability").arg(topicPrefix, name);
}

QString ServeAvailabilityTopic(const QString& topicPrefix) {
    return AvailabilityTopic(topicPrefix, QStringLiteral("serve"));
}

QByteArray MqttStateJson(const ControllerSnapshot& snapshot, qint64 nowMs) {
    QJsonObject state{
        {"time", QDateTime::fromMSecsSinceEpoch(nowMs, Qt::UTC).toString(Qt::ISODateWithMs)},
        {"link", LinkStateLabel(snapshot.link)},
        {"link_text", snapshot.linkText},
        {"last_good_cycle_age_s", snapshot.lastGoodCycleMs > 0
                                      ? QJsonValue((nowMs - snapshot.lastGoodCycleMs) / 1000.0)
                                      : QJsonValue(QJsonValue::Null)},
        {"counters", QJsonValue(Counters(snapshot))}};
    if (SnapshotCurrent(snapshot, nowMs))
        AddFigures(state, snapshot.image.StatusBlock);
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

QList<MqttMessage> DiscoveryMessages(const ControllerSpec& spec, const QString& topicPrefix) {
    QList<MqttMessage> messages;
    for (const StateFigure& figure : StateFigures) {
        if (figure.unit.isEmpty())
            continue;
        QJsonObject config =
            DiscoveryBase(spec, topicPrefix, figure.key,
                          StatusByMnemonic(figure.mnemonic).russianName.toString().simplified());
        config.insert("value_template", QStringLiteral("{{ value_json.%1 }}").arg(figure.key));
        config.insert("unit_of_measurement", figure.unit.toString());
        config.insert("device_class", figure.deviceClass.toString());
        config.insert("state_class", QStringLiteral("measurement"));
        messages.append(Config(u"sensor", config));
    }
    QJsonObject alarm = DiscoveryBase(spec, topicPrefix, u"alarm", QStringLiteral("Авария АБ"));
    alarm.insert("value_template", QStringLiteral("{{ 'ON' if value_json.alarm else 'OFF' }}"));
    alarm.insert("device_class", QStringLiteral("problem"));
    messages.append(Config(u"binary_sensor", alarm));
    return messages;
}
