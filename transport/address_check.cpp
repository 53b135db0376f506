#include "address_check.h"

#include "prompts.h"

#include <QCoreApplication>

namespace {

constexpr int HighestAddress = 255;

RangeMessages AddressMessages() {
    return {
        QCoreApplication::translate("AddressCheck", "Введите адрес десятичным числом от 0 до 255!"),
        QCoreApplication::translate("AddressCheck", "Адрес должен быть в диапазоне от 0 до 255!")};
}

} // namespace

AddressCheck CheckAddressText(const QString& text) {
    return CheckIntegerText(text, 0, HighestAddress);
}

QString AddressRefusal(const QString& text) {
    switch (CheckAddressText(text)) {
    case AddressCheck::Valid:
        break;
    case AddressCheck::NotNumber:
        return AddressMessages().notNumber;
    case AddressCheck::OutOfRange:
        return AddressMessages().outOfRange;
    }
    return {};
}

bool ConfirmAddressText(const QString& text) {
    return ConfirmIntegerText(text, 0, HighestAddress, AddressMessages());
}
