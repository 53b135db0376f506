#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// A controller password is four characters of code page 1251, packed into the 32-bit command
// parameter with the first character in bits 0 to 7 and the fourth in bits 24 to 31.

struct PasswordPacking {
    std::optional<quint32> parameter;
    QString error; // the text to show when the password cannot be sent
};

PasswordPacking PackPassword(const QString& password);

QString PasswordLengthMessage();
QString PasswordCodePageMessage();
