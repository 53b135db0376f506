#pragma once

#include "register_field.h"
#include "register_image.h"
#include "reply_reporting.h"
#include "status_map.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <span>

// Lines of a monitoring log as the log writer puts them, for the tests and benchmarks of the
// programs that read logs: every field followed by ";".

inline QString LogHeaderLine(int cells) {
    QStringList fields{QStringLiteral("Дата-Время")};
    for (const StatusRegister& row : StatusRegisters)
        fields.append(row.mnemonic.toString());
    for (const char* prefix : {"Uэл.№", "Tэл.№", "Статус№"})
        for (int i = 1; i <= cells; ++i)
            fields.append(QString::fromUtf8(prefix) + QString::number(i));
    return fields.join(QLatin1Char(';')) + QLatin1Char(';');
}

// The status values in the scaled view (four significant digits) or as raw integers.
inline QString LogDataLine(const QDateTime& when, std::span<const quint16> block, int cells,
                           bool scaled) {
    QString line = StandardDateTimeText(when) + QLatin1Char(';');
    for (const StatusRegister& row : StatusRegisters)
        line +=
            (scaled ? ScaledText(block, row.field, row.scaling, 4) : RawText(block, row.field)) +
            QLatin1Char(';');
    for (int i = 1; i <= cells; ++i)
        line += QString::number(CellVoltage(block, i)) + QLatin1Char(';');
    for (int i = 1; i <= cells; ++i)
        line += QString::number(CellTemperature(block, i)) + QLatin1Char(';');
    for (int i = 1; i <= cells; ++i)
        line += QString::number(CellStatus(block, i)) + QLatin1Char(';');
    return line;
}
