#include "address_check.h"

#include "prompts.h"

AddressCheck CheckAddressText(const QString& text) {
    bool ok = false;
    const int address = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return AddressCheck::NotNumber;
    return address < 0 || address > 255 ? AddressCheck::OutOfRange : AddressCheck::Valid;
}

QString AddressRefusal(const QString& text) {
    switch (CheckAddressText(text)) {
    case AddressCheck::Valid:
        break;
    case AddressCheck::NotNumber:
        return QStringLiteral("Введите адрес десятичным числом от 0 до 255!");
    case AddressCheck::OutOfRange:
        return QStringLiteral("Адрес должен быть в диапазоне от 0 до 255!");
    }
    return {};
}

bool ConfirmAddressText(const QString& text) {
    const QString refusal = AddressRefusal(text);
    if (refusal.isEmpty())
        return true;
    CurrentPrompts().Message(refusal, QStringLiteral("Ошибка!"), Prompts::Buttons::Ok,
                             Prompts::Icon::Error);
    return false;
}
