#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>

// Turning one typed or displayed value text back into register bits. Every conversion yields the
// 32-bit pattern to store; a 16-bit register keeps its low 16 bits.

// The outcome of one conversion: the bits, or the message naming the text that did not convert.
struct CellConversion {
    std::optional<quint32> bits;
    QString error;
};

// A signed 32-bit decimal integer (surrounding blanks allowed).
std::optional<qint32> IntegerFromText(const QString& text);

// A cell holding a signed 32-bit decimal integer.
CellConversion ConvertIntegerCell(const QString& text);

// A cell holding a number in the locale's notation, multiplied by factor and truncated toward
// zero. A product within a millionth of a unit of a whole number counts as that number, so a
// text such as 1,005 gives 1005 and not the 1004 its binary approximation would truncate to.
// Products outside the range of a 32-bit register (signed or unsigned reading) do not convert.
CellConversion ConvertScaledCell(const QString& text, int factor,
                                 const QLocale& locale = QLocale());

// factor 1 marks an integer cell; any other factor is applied only in the scaled view.
CellConversion ConvertCell(const QString& text, int factor, bool scaledView,
                           const QLocale& locale = QLocale());

QString NotValidIntegerMessage(const QString& text);
QString NotValidFloatMessage(const QString& text);

// Shows a conversion message as the program's general error report does: an error box with the
// application's name as caption.
void ReportConversionError(const QString& message);
