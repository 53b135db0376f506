#include "address_check.h"

#include "prompts.h"

AddressCheck CheckAddressText(const QString& text) {
    bool ok = false;
    const int address = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return AddressCheck::NotNumber;
    return address < 0 || address > 255 ? AddressCheck::OutOfRange : AddressCheck::Valid;
}

bool ConfirmAddressText(const QString& text) {
    QString refusal;
    switch (CheckAddressText(text)) {
    case AddressCheck::Valid:
        return true;
    case AddressCheck::NotNumber:
        refusal = QStringLiteral("Введите адрес десятичным числом от 0 до 255!");
        break;
    case AddressCheck::OutOfRange:
        refusal = QStringLiteral("Адрес должен быть в диапазоне от 0 до 255!");
        break;
    }
    CurrentPrompts().Message(refusal, QStringLiteral("Ошибка!"), Prompts::Buttons::Ok,
                             Prompts::Icon::Error);
    return false;
}
