#include "mnemonics.h"

namespace {

constexpr QChar Marker = u'&';

bool Eligible(QChar c) {
    return c.isLetterOrNumber();
}

bool StartsWord(QStringView text, qsizetype i) {
    return i == 0 || !text[i - 1].isLetterOrNumber();
}

// The caption with the marker before position i.
QString Marked(const QString& caption, qsizetype i) {
    QString marked = caption;
    marked.insert(i, Marker);
    return marked;
}

} // namespace

QChar MnemonicLetter(QStringView caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != Marker)
            continue;
        if (caption[i + 1] != Marker)
            return caption[i + 1].toLower();
        ++i; // a literal ampersand
    }
    return {};
}

QStringList AssignMnemonics(const QStringList& captions, QSet<QChar>& taken) {
    for (const QString& caption : captions)
        if (const QChar given = MnemonicLetter(caption); !given.isNull())
            taken.insert(given);
    QStringList result;
    for (const QString& caption : captions) {
        qsizetype chosen = -1;
        if (MnemonicLetter(caption).isNull() && !caption.contains(Marker)) {
            // Word starts first, then every other letter or digit.
            for (const bool wordStart : {true, false}) {
                for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i)
                    if (Eligible(caption[i]) && StartsWord(caption, i) == wordStart &&
                        !taken.contains(caption[i].toLower()))
                        chosen = i;
            }
        }
        if (chosen < 0) {
            result.append(caption);
            continue;
        }
        taken.insert(caption[chosen].toLower());
        result.append(Marked(caption, chosen));
    }
    return result;
}

QString KeepMnemonic(QStringView oldCaption, const QString& newCaption) {
    const QChar letter = MnemonicLetter(oldCaption);
    if (letter.isNull() || newCaption.contains(Marker))
        return newCaption;
    for (qsizetype i = 0; i < newCaption.size(); ++i)
        if (newCaption[i].toLower() == letter)
            return Marked(newCaption, i);
    return newCaption;
}
