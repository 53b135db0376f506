#include "date_time_text.h"

#include "monitor_log.h"

DateTimeTextParser::DateTimeTextParser(const QLocale& locale)
    : locale_(locale), dateFormat_(locale.dateFormat(QLocale::ShortFormat)),
      timeFormat_(TimeFormatWithoutZone(locale)) {
    numeric_ = Tokenise(dateFormat_, dateTokens_) && Tokenise(timeFormat_, timeTokens_);
}

bool DateTimeTextParser::Tokenise(const QString& format, Tokens& tokens) {
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        Token t;
        t.letters = int(run);
        switch (c.unicode()) {
        case 'd':
            t.field = Field::Day;
            break;
        case 'M':
            t.field = Field::Month;
            break;
        case 'y':
            t.field = Field::Year;
            break;
        case 'h':
            t.field = Field::Hour12;
            break;
        case 'H':
            t.field = Field::Hour24;
            break;
        case 'm':
            t.field = Field::Minute;
            break;
        case 's':
            t.field = Field::Second;
            break;
        case 'A':
        case 'a':
            // "AP" and "ap" are one field, as are "A" and "a".
            run = i + 1 < format.size() && format[i + 1].toLower() == QLatin1Char('p') ? 2 : 1;
            t.field = Field::AmPm;
            break;
        default:
            // Quoted text and other letters (names of days and months, zones) need the locale.
            if (c.isLetter() || c == QLatin1Char('\''))
                return false;
            for (qsizetype k = 0; k < run; ++k)
                tokens.push_back({Field::Literal, 1, c});
            i += run;
            continue;
        }
        const bool numericWidth = t.field == Field::Year ? (run == 2 || run == 4) : run <= 2;
        if (t.field == Field::AmPm ? run > 2 : !numericWidth)
            return false;
        tokens.push_back(t);
        i += run;
    }
    return true;
}

bool DateTimeTextParser::Read(QStringView text, qsizetype& pos, const Tokens& tokens,
                              Values& v) const {
    for (const Token& t : tokens) {
        if (t.field == Field::Literal) {
            if (pos >= text.size() || text[pos] != t.literal)
                return false;
            ++pos;
            continue;
        }
        if (t.field == Field::AmPm) {
            for (int pm = 0; pm < 2; ++pm) {
                const QString word = pm ? locale_.pmText() : locale_.amText();
                if (text.mid(pos).startsWith(word, Qt::CaseInsensitive)) {
                    v.pm = pm;
                    pos += word.size();
                    break;
                }
            }
            if (v.pm < 0)
                return false;
            continue;
        }
        // One letter takes one or two digits, more letters exactly as many.
        const int most = t.letters == 1 ? 2 : t.letters;
        const int least = t.letters == 1 ? 1 : t.letters;
        int value = 0, digits = 0;
        while (digits < most && pos < text.size() && text[pos] >= QLatin1Char('0') &&
               text[pos] <= QLatin1Char('9')) {
            value = value * 10 + (text[pos].unicode() - '0');
            ++pos;
            ++digits;
        }
        if (digits < least)
            return false;
        switch (t.field) {
        case Field::Day:
            v.day = value;
            break;
        case Field::Month:
            v.month = value;
            break;
        case Field::Year:
            v.year = t.letters == 2 ? 2000 + value : value;
            break;
        case Field::Hour12:
        case Field::Hour24:
            v.hour = value;
            break;
        case Field::Minute:
            v.minute = value;
            break;
        case Field::Second:
            v.second = value;
            break;
        case Field::Literal:
        case Field::AmPm:
            break;
        }
    }
    return true;
}

std::optional<QDateTime> DateTimeTextParser::Parse(QStringView text) const {
    if (!numeric_)
        return ParseWithLocale(text);
    Values v;
    qsizetype pos = 0;
    if (!Read(text, pos, dateTokens_, v))
        return std::nullopt;
    const QDate date(v.year, v.month, v.day);
    if (!date.isValid())
        return std::nullopt;
    if (pos == text.size())
        return QDateTime(date, QTime(0, 0), Qt::UTC);
    if (text[pos] != QLatin1Char(' '))
        return std::nullopt;
    ++pos;
    if (!Read(text, pos, timeTokens_, v) || pos != text.size())
        return std::nullopt;
    if (v.pm >= 0) {
        if (v.hour < 1 || v.hour > 12)
            return std::nullopt;
        v.hour = v.hour % 12 + 12 * v.pm;
    }
    const QTime time(v.hour, v.minute, v.second);
    if (!time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

std::optional<QDateTime> DateTimeTextParser::ParseWithLocale(QStringView text) const {
    const QString whole = text.toString();
    const QDate date = locale_.toDate(whole, dateFormat_);
    if (date.isValid())
        return QDateTime(date, QTime(0, 0), Qt::UTC);
    const QDateTime both = locale_.toDateTime(whole, dateFormat_ + QLatin1Char(' ') + timeFormat_);
    if (!both.isValid())
        return std::nullopt;
    return QDateTime(both.date(), both.time(), Qt::UTC);
}
