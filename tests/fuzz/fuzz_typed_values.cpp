// Every value the operator types: settings cells of every row in both views, command fields,
// clock fields, addresses and passwords. A number is either taken or refused with a message; a
// settings value taken is shown again as a text its cell takes, the same register in the raw view.
#include "address_check.h"
#include "command_parameters.h"
#include "fuzz_input.h"
#include "number_format.h"
#include "password.h"
#include "register_image.h"
#include "settings_map.h"
#include "status_map.h"

namespace {

template <std::size_t N>
void Cells(const std::array<SettingsRegister, N>& rows, std::span<quint16> block,
           const QString& text) {
    for (const SettingsRegister& row : rows)
        for (const bool scaled : {false, true}) {
            const RegisterConversion typed = SettingsCellToRegister(row, text, scaled);
            FUZZ_CHECK(typed.value.has_value() == typed.error.isEmpty());
            if (!typed.value)
                continue;
            FUZZ_CHECK(StoreField(block, row.field, *typed.value));
            const RegisterConversion shown =
                SettingsCellToRegister(row, SettingsRowTexts(row, block, scaled).value, scaled);
            FUZZ_CHECK(shown.value.has_value());
            FUZZ_CHECK(scaled || shown.value == typed.value);
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const qint64 factor = 1 + in.Byte() % 1000;
    const QString text = in.Text();
    (void)ParseScaled(text, factor);
    const ParsedNumber integer = ParseInteger(text);
    FUZZ_CHECK(integer.value.has_value() == integer.error.isEmpty());
    if (integer.value)
        FUZZ_CHECK(ParseInteger(QString::number(*integer.value)).value == integer.value);
    static RegisterImage image;
    Cells(CommSettingsRegisters, image.CommSettingsBlock, text);
    Cells(AlarmSettingsRegisters, image.AlarmSettingsBlock, text);
    Cells(ChargeSettingsRegisters, image.ChargeSettingsBlock, text);
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
