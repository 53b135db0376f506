#pragma once

#include "monitor_log.h"
#include "scripted_prompts.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <iterator>

// Checks of the texts a part shows in English mode, and of the events it logs in every mode.

inline void VerifyEnglish(const QStringList& texts) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    for (const QString& text : texts)
        QVERIFY2(!text.contains(cyrillic), qPrintable(text));
}

// An event after the date and time of a monitoring log line: one of the Russian events its reader
// knows, or none.
inline void VerifyLogEvent(const QString& event) {
    QVERIFY2(event.isEmpty() || std::find(std::begin(LinkEvents), std::end(LinkEvents), event) !=
                                    std::end(LinkEvents),
             qPrintable(event));
}

// The texts and captions of every box and question shown, after the given texts.
inline QStringList WithPromptTexts(QStringList texts, const ScriptedPrompts& prompts) {
    for (const ScriptedPrompts::Shown& shown : prompts.shown)
        texts << shown.text << shown.caption;
    return texts;
}
