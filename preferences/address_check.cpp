#include "address_check.h"

#include "prompts.h"

namespace {

constexpr int HighestAddress = 255;

} // namespace

AddressCheck CheckAddressText(const QString& text) {
    return CheckIntegerText(text, 0, HighestAddress);
}

bool ConfirmAddressText(const QString& text) {
    return ConfirmIntegerText(text, 0, HighestAddress,
                              {QStringLiteral("Введите адрес десятичным числом от 0 до 255!"),
                               QStringLiteral("Адрес должен быть в диапазоне от 0 до 255!")});
}
