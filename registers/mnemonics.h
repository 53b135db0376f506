#pragma once

#include <QSet>
#include <QStringList>

// Mnemonics of captions: "&Сохранить" underlines its С and Alt+С presses the control; "&&" is a
// literal ampersand. Letters are compared without case.

// The letter a caption's mnemonic stands for, lower-cased; a null character when it has none.
QChar MnemonicLetter(QStringView caption);

// Gives each caption a mnemonic that no caption shown with it holds, and adds the letters to
// taken. A caption that has one keeps it; the others get the first free letter that starts a
// word, else any free letter or digit, else stay without.
QStringList AssignMnemonics(const QStringList& captions, QSet<QChar>& taken);

// newCaption with the mnemonic of oldCaption where it holds the same letter ("&Войти" gives
// "&Выйти"), else newCaption as it is.
QString KeepMnemonic(QStringView oldCaption, const QString& newCaption);
