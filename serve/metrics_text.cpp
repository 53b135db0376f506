#include "metrics_text.h"

#include "bit_tables.h"
#include "status_map.h"
#include "table_cells.h"
#include "table_state.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace {

// The text is appended to one array sized up front; a scrape of 50 controllers of 200 cells
// builds its 20,000 lines without one allocation per line.
class Exposition {
public:
    explicit Exposition(qsizetype size) { text_.reserve(size); }

    // The family the next samples belong to. Its HELP and TYPE lines come with its first sample,
    // so a family without samples leaves no lines.
    void Family(std::string_view name, std::string_view type, std::string_view help) {
        family_ = name;
        type_ = type;
        help_ = help;
        headerDue_ = true;
    }

    // Opens a sample of the family (with a suffix: a histogram's _bucket, _sum and _count) up to
    // its controller label; Label adds the others, Value closes the line.
    Exposition& Sample(const QByteArray& controllerLabel, std::string_view suffix = {}) {
        if (headerDue_) {
            Append("# HELP ");
            Append(family_);
            text_.append(' ');
            Append(help_);
            Append("\n# TYPE ");
            Append(family_);
            text_.append(' ');
            Append(type_);
            text_.append('\n');
            headerDue_ = false;
        }
        Append(family_);
        Append(suffix);
        text_.append('{');
        text_.append(controllerLabel);
        return *this;
    }

    Exposition& Label(std::string_view key, std::string_view value) {
        text_.append(',');
        AppendLabel(text_, key, value);
        return *this;
    }
    Exposition& Label(std::string_view key, qint64 value) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        return Label(key, std::string_view(digits, std::size_t(end - digits)));
    }

    // The shortest text that reads back as the same double.
    void Value(double value) {
        char digits[32];
        CloseWith(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }
    void Value(quint64 value) {
        char digits[24];
        CloseWith(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }

    // key="value", the value escaped as the format wants: backslash, double quote, line feed.
    static void AppendLabel(QByteArray& out, std::string_view key, std::string_view value) {
        out.append(key.data(), qsizetype(key.size()));
        out.append("=\"", 2);
        for (const char c : value) {
            if (c == '\\' || c == '"')
                out.append('\\').append(c);
            else if (c == '\n')
                out.append("\\n", 2);
            else
                out.append(c);
        }
        out.append('"');
    }

    QByteArray Take() { return std::move(text_); }

private:
    void Append(std::string_view s) { text_.append(s.data(), qsizetype(s.size())); }
    void CloseWith(const char* digits, const char* end) {
        text_.append("} ", 2);
        text_.append(digits, qsizetype(end - digits));
        text_.append('\n');
    }

    QByteArray text_;
    std::string_view family_;
    std::string_view type_;
    std::string_view help_;
    bool headerDue_ = false;
};

// A controller as the families below read it.
struct Exported {
    const ControllerSnapshot* snapshot;
    QByteArray label; // controller="name"
    std::span<const quint16> status;
    bool current;
};

// A status register exported as a gauge in the units of its scaled view, divided by `divisor`;
// neighbouring entries of one name are one family, told apart by their sensor label.
struct StatusGauge {
    std::string_view name;
    std::string_view help;
    QStringView mnemonic;
    std::string_view sensor = {};
    double divisor = 1;
};

constexpr double PercentPerRatio = 100;
constexpr std::string_view TemperatureHelp =
    "Temperatures of the battery: its average, hottest and coldest cell, and the ambient sensor.";

constexpr StatusGauge StatusGauges[] = {
    {"velmora_pack_voltage_volts", "Voltage of the battery.", u"Pack_Voltage_Sum"},
    {"velmora_pack_current_amperes", "Current of the battery.", u"Pack_Current"},
    {"velmora_pack_current_average_amperes", "Current of the battery averaged over a minute.",
     u"Pack_Current_Average"},
    {"velmora_state_of_charge_ratio",
     "Charge of the battery against its full charge capacity.",
     u"Relative_State_of_Charge",
     {},
     PercentPerRatio},
    {"velmora_absolute_state_of_charge_ratio",
     "Charge of the battery against its design capacity.",
     u"Absolute_State_of_Charge",
     {},
     PercentPerRatio},
    {"velmora_temperature_celsius", TemperatureHelp, u"Cell_Temp_Average", "cell_average"},
    {"velmora_temperature_celsius", TemperatureHelp, u"Cell_Temp_Max", "cell_max"},
    {"velmora_temperature_celsius", TemperatureHelp, u"Cell_Temp_Min", "cell_min"},
    {"velmora_temperature_celsius", TemperatureHelp, u"Temperature_Ambient", "ambient"},
    {"velmora_charging_current_amperes", "Charging current the controller asks for.",
     u"Charging_Current"},
    {"velmora_charging_voltage_volts", "Charging voltage the controller asks for.",
     u"Charging_Voltage"},
    {"velmora_battery_cycles", "Charge and discharge cycles the battery has been through.",
     u"Cycle_Count"},
    {"velmora_cells", "Cells the controller reports.", u"Design_Cell_Number"},
};

// A per-cell array, in the unit of the status row of its average.
struct CellFamily {
    std::string_view name;
    std::string_view help;
    qint64 (*read)(std::span<const quint16> statusBlock, int cell);
    QStringView unitRow;
};

constexpr CellFamily CellFamilies[] = {
    {"velmora_cell_voltage_volts", "Voltage of each cell.",
     [](std::span<const quint16> block, int cell) { return qint64(CellVoltage(block, cell)); },
     u"Cell_Voltage_Average"},
    {"velmora_cell_temperature_celsius", "Temperature of each cell.",
     [](std::span<const quint16> block, int cell) { return qint64(CellTemperature(block, cell)); },
     u"Cell_Temp_Average"},
};

// One bit of a status bit field, named as its register map names it without the register's
// prefix: SAFETY_STATUS_COV is COV, the lamp Shape_FULLY_CHARGED_ is FULLY_CHARGED.
struct Flag {
    QByteArray name;
    const StatusRegister* word;
    int bit;
};

QByteArray FlagName(QStringView name) {
    for (const QStringView prefix : {u"SAFETY_STATUS_", u"CHARGE_STATUS_", u"Shape_"})
        if (name.startsWith(prefix))
            name = name.mid(prefix.size());
    if (name.endsWith(u'_'))
        name.chop(1);
    return name.toLatin1();
}

std::string_view View(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

struct FlagFamily {
    std::string_view name;
    std::string_view help;
    std::vector<Flag> flags;
};

// The bits of `bits` that `keep` takes, as bits of the status register `word`.
template <class Bits, class Name, class Keep>
void AddFlags(std::vector<Flag>& flags, const Bits& bits, QStringView word, Name name, Keep keep) {
    const StatusRegister* row = &StatusByMnemonic(word);
    for (const auto& b : bits)
        if (keep(b))
            flags.push_back({FlagName(name(b)), row, b.bit});
}

const std::vector<FlagFamily>& FlagFamilies() {
    static const std::vector<FlagFamily> families = [] {
        const auto safety = [](const SafetyBit& b) { return b.mnemonic; };
        const auto charge = [](const ChargeBit& b) { return b.mnemonic; };
        const auto battery = [](const BatteryStatusBit& b) { return b.lamp; };
        const auto every = [](const auto&) { return true; };
        const auto alarm = [](const BatteryStatusBit& b) { return b.alarm; };
        const auto state = [](const BatteryStatusBit& b) { return !b.alarm; };
        std::vector<FlagFamily> all = {
            {"velmora_alarm", "Alarm bits of Safety_Status and Battery_Status, 1 while set.", {}},
            {"velmora_warning", "Warning bits of Safety_Alert and Charge_Alert, 1 while set.", {}},
            {"velmora_state", "State bits of Charge_Status and Battery_Status, 1 while set.", {}}};
        AddFlags(all[0].flags, SafetyBits, u"Safety_Status", safety, every);
        AddFlags(all[0].flags, BatteryStatusBits, u"Battery_Status", battery, alarm);
        AddFlags(all[1].flags, SafetyBits, u"Safety_Alert", safety, every);
        AddFlags(all[1].flags, ChargeBits, u"Charge_Alert", charge, every);
        AddFlags(all[2].flags, ChargeBits, u"Charge_Status", charge, every);
        AddFlags(all[2].flags, BatteryStatusBits, u"Battery_Status", battery, state);
        return all;
    }();
    return families;
}

struct Counter {
    std::string_view name;
    std::string_view help;
    quint64 ControllerSnapshot::*count;
};

constexpr Counter Counters[] = {
    {"velmora_poll_cycles_total", "Polling cycles finished, answered or not.",
     &ControllerSnapshot::cycles},
    {"velmora_poll_answered_cycles_total", "Polling cycles that got all their replies.",
     &ControllerSnapshot::answeredCycles},
    {"velmora_poll_timeouts_total", "Requests whose reply did not come.",
     &ControllerSnapshot::timeouts},
    {"velmora_poll_crc_errors_total", "Replies with a bad checksum.",
     &ControllerSnapshot::crcErrors},
    {"velmora_poll_exceptions_total", "Replies carrying a Modbus exception.",
     &ControllerSnapshot::exceptions},
    {"velmora_poll_bad_replies_total", "Replies too long or of the wrong length.",
     &ControllerSnapshot::badReplies},
};

// The registers' families, for the controllers whose figures are current.
void ExportRegisters(Exposition& out, const std::vector<Exported>& fleet) {
    for (std::size_t i = 0; i < std::size(StatusGauges);) {
        std::size_t end = i + 1;
        while (end < std::size(StatusGauges) && StatusGauges[end].name == StatusGauges[i].name)
            ++end;
        out.Family(StatusGauges[i].name, "gauge", StatusGauges[i].help);
        for (const Exported& c : fleet)
            for (std::size_t g = i; g < end && c.current; ++g) {
                const StatusGauge& gauge = StatusGauges[g];
                const std::optional<double> value =
                    StatusRowNumber(StatusByMnemonic(gauge.mnemonic), c.status, true);
                if (!value)
                    continue;
                Exposition& sample = out.Sample(c.label);
                if (!gauge.sensor.empty())
                    sample.Label("sensor", gauge.sensor);
                sample.Value(*value / gauge.divisor);
            }
        i = end;
    }
    for (const CellFamily& family : CellFamilies) {
        const Scaling scaling = StatusByMnemonic(family.unitRow).scaling;
        out.Family(family.name, "gauge", family.help);
        for (const Exported& c : fleet)
            for (int cell = 1, n = c.current ? ShownCellCount(c.status) : 0; cell <= n; ++cell)
                out.Sample(c.label)
                    .Label("cell", cell)
                    .Value(ScaledValue(family.read(c.status, cell), scaling));
    }
    static const std::vector<QByteArray> cellFlags = [] {
        std::vector<QByteArray> names;
        for (const CellStatusBit& b : CellStatusBits)
            names.push_back(b.header.toLatin1());
        return names;
    }();
    out.Family("velmora_cells_flagged", "gauge",
               "Cells with each flag of the cell status word set.");
    for (const Exported& c : fleet) {
        if (!c.current)
            continue;
        std::array<quint64, CellStatusBits.size()> counts{};
        for (int cell = 1, n = ShownCellCount(c.status); cell <= n; ++cell)
            for (std::size_t b = 0; b < CellStatusBits.size(); ++b)
                counts[b] += BitSet(CellStatus(c.status, cell), CellStatusBits[b].bit);
        for (std::size_t b = 0; b < CellStatusBits.size(); ++b)
            out.Sample(c.label).Label("flag", View(cellFlags[b])).Value(counts[b]);
    }
    for (const FlagFamily& family : FlagFamilies()) {
        out.Family(family.name, "gauge", family.help);
        for (const Exported& c : fleet)
            for (std::size_t f = 0; f < family.flags.size() && c.current; ++f) {
                const Flag& flag = family.flags[f];
                const quint32 word = quint32(FieldValue(c.status, flag.word->field));
                out.Sample(c.label)
                    .Label("flag", View(flag.name))
                    .Value(quint64(BitSet(word, flag.bit)));
            }
    }
}

// The link and polling families, for every controller.
void ExportPolling(Exposition& out, const std::vector<Exported>& fleet, qint64 nowMs) {
    out.Family("velmora_link_up", "gauge",
               "1 while the controller answers its polling; reason tells the link's state.");
    for (const Exported& c : fleet)
        out.Sample(c.label)
            .Label("reason", View(LinkStateLabel(c.snapshot->link).toLatin1()))
            .Value(quint64(c.snapshot->link == LinkState::Up));
    out.Family("velmora_last_good_cycle_age_seconds", "gauge",
               "Time since the controller's last answered polling cycle.");
    for (const Exported& c : fleet)
        if (c.snapshot->lastGoodCycleMs > 0)
            out.Sample(c.label).Value(double(nowMs - c.snapshot->lastGoodCycleMs) / 1000);
    for (const Counter& counter : Counters) {
        out.Family(counter.name, "counter", counter.help);
        for (const Exported& c : fleet)
            out.Sample(c.label).Value(c.snapshot->*counter.count);
    }
    out.Family("velmora_poll_cycle_duration_seconds", "histogram",
               "Duration of the polling cycles.");
    for (const Exported& c : fleet) {
        const ControllerSnapshot& s = *c.snapshot;
        quint64 cumulative = 0;
        for (std::size_t b = 0; b < CycleDurationBounds.size(); ++b) {
            cumulative += s.durationBuckets[b];
            char bound[32];
            const auto end = std::to_chars(bound, bound + sizeof bound, CycleDurationBounds[b]).ptr;
            out.Sample(c.label, "_bucket")
                .Label("le", std::string_view(bound, std::size_t(end - bound)))
                .Value(cumulative);
        }
        cumulative += s.durationBuckets.back();
        out.Sample(c.label, "_bucket").Label("le", "+Inf").Value(cumulative);
        out.Sample(c.label, "_sum").Value(s.durationSumSeconds);
        out.Sample(c.label, "_count").Value(cumulative);
    }
}

} // namespace

QByteArray MetricsExposition(const QList<ControllerSnapshot>& fleet, qint64 nowMs) {
    // About 60 bytes a cell line, two lines a cell, and some 6 KB of the rest a controller.
    constexpr qsizetype CellLineBytes = 60;
    constexpr qsizetype ControllerBytes = 6000;
    std::vector<Exported> exported;
    exported.reserve(std::size_t(fleet.size()));
    qsizetype size = 0;
    for (const ControllerSnapshot& s : fleet) {
        QByteArray label;
        Exposition::AppendLabel(label, "controller", View(s.spec.name.toUtf8()));
        const std::span<const quint16> status(s.image.StatusBlock);
        const bool current = SnapshotCurrent(s, nowMs);
        exported.push_back({&s, label, status, current});
        size += ControllerBytes + (current ? 2 * CellLineBytes * ShownCellCount(status) : 0);
    }
    Exposition out(size);
    ExportRegisters(out, exported);
    ExportPolling(out, exported, nowMs);
    return out.Take();
}
