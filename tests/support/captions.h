#pragma once

#include <QString>

// A caption as it reads on screen: without the marker of its mnemonic ("&Войти" reads "Войти").
inline QString Caption(const QString& text) {
    return QString(text).remove(QLatin1Char('&'));
}
