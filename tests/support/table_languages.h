#pragma once

#include "register_image.h"

#include <QRegularExpression>
#include <QString>

// Whether a text holds a Russian letter: no text shown with English installed does.
inline bool HasCyrillic(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

// A register image whose every table has something to show: a value in each status row, three
// cells with every flag set, every settings word, and a journal holding each code from 0 to 33
// once before an empty slot.
inline RegisterImage FilledImage() {
    RegisterImage image;
    for (int i = 0; i < StatusValueCount; ++i)
        image.StatusBlock[i] = quint16(1000 + i);
    image.StatusBlock[2] = 3; // Design_Cell_Number
    for (int cell = 1; cell <= 3; ++cell) {
        SetWord16(image.StatusBlock, CellVoltageOffset + cell - 1, quint16(3200 + cell));
        SetWord16(image.StatusBlock, CellStatusOffset + cell - 1, 0x3FFF);
    }
    image.CommSettingsBlock = {1, 4, 2, 0, 7, 0};
    image.ChargeSettingsBlock.fill(1234);
    image.AlarmSettingsBlock.fill(321);
    image.JournalBlock.fill(0xFFFF);
    for (int k = 0; k < 34; ++k) {
        SetWord32(image.JournalBlock, 4 * k, quint32(3600 * k));
        SetWord16(image.JournalBlock, 4 * k + 2, quint16(k));
        SetWord16(image.JournalBlock, 4 * k + 3, quint16(k % 5));
    }
    return image;
}
