// Every value the operator types: settings cells of every row in both views, command fields,
// clock fields, addresses and passwords.
#include "address_check.h"
#include "command_parameters.h"
#include "fuzz_input.h"
#include "number_format.h"
#include "password.h"
#include "settings_map.h"
#include "status_map.h"

namespace {

template <std::size_t N>
void Cells(const std::array<SettingsRegister, N>& rows, const QString& text) {
    for (const SettingsRegister& row : rows)
        for (const bool scaled : {false, true})
            (void)SettingsCellToRegister(row, text, scaled);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const qint64 factor = 1 + in.Byte() % 1000;
    const QString text = in.Text();
    (void)ParseScaled(text, factor);
    (void)ParseInteger(text);
    Cells(CommSettingsRegisters, text);
    Cells(AlarmSettingsRegisters, text);
    Cells(ChargeSettingsRegisters, text);
    for (const StatusRegister& row : StatusRegisters)
        (void)CellTextToRegister(text, row.field, row.scaling, true);
    (void)ParameterFromText(text);
    (void)EntryParameter(text);
    (void)CalibrationParameter(text);
    const QStringList parts = text.split(QLatin1Char(' '));
    (void)ClockParameter({parts.value(0), parts.value(1), parts.value(2), parts.value(3),
                          parts.value(4), parts.value(5)});
    (void)CheckAddressText(text);
    (void)PackPassword(text);
    return 0;
}
