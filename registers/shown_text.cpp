#include "shown_text.h"

#include <QCoreApplication>

#include <algorithm>

QString ShownText(const QString& fileText) {
    qsizetype end = fileText.size();
    while (end > 0 && fileText[end - 1] == QLatin1Char(' '))
        --end;
    const QStringView text = QStringView(fileText).first(end);
    // Numbers, dates and times hold no letter and nothing beyond ASCII: no text of the tables.
    if (std::none_of(text.begin(), text.end(),
                     [](QChar c) { return c.isLetter() || c.unicode() > 0x7F; }))
        return fileText;
    const QByteArray source = text.toUtf8();
    return QCoreApplication::translate("TableTexts", source.constData())
        .leftJustified(fileText.size(), QLatin1Char(' '));
}
