#include "password.h"

#include <QCoreApplication>
#include <QList>
#include <QStringEncoder>

PasswordPacking PackPassword(const QString& password) {
    // Characters, not UTF-16 units, are counted: a character outside the basic plane is one.
    if (password.toUcs4().size() != 4)
        return {std::nullopt, PasswordLengthMessage()};
    QStringEncoder encoder("windows-1251");
    const QByteArray bytes = encoder.encode(password);
    if (encoder.hasError() || bytes.size() != 4)
        return {std::nullopt, PasswordCodePageMessage()};
    quint32 parameter = 0;
    for (int i = 0; i < 4; ++i)
        parameter |= quint32(quint8(bytes[i])) << (8 * i);
    return {parameter, {}};
}

QString PasswordLengthMessage() {
    return QCoreApplication::translate("Password", "Пароль должен быть четыре символа!");
}

QString PasswordCodePageMessage() {
    return QCoreApplication::translate(
        "Password", "Пароль должен состоять из символов кодировки Windows-1251!");
}
