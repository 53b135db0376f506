#include "date_time_text.h"

#include "text_file.h"

#include <algorithm>
#include <utility>

namespace {

// One piece of a Qt date or time format, as QLocale::toString reads the format: a field, the
// time zone, or literal text (quoted or not).
struct Piece {
    enum class Kind { Literal, Zone, Day, Month, Year, Hour, Minute, Second, AmPm };
    Kind kind = Kind::Literal;
    int letters = 0;
    QString literal;
    qsizetype begin = 0, end = 0; // where it lies in the format
};

std::vector<Piece> Pieces(const QString& format) {
    std::vector<Piece> pieces;
    for (qsizetype i = 0; i < format.size();) {
        Piece p;
        p.begin = i;
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if (c == QLatin1Char('\'')) {
            // '' is a quote; otherwise the text up to the closing quote, '' inside it a quote.
            if (run >= 2) {
                p.literal = QStringLiteral("'");
                i += 2;
            } else {
                for (++i; i < format.size(); ++i) {
                    if (format[i] != QLatin1Char('\'')) {
                        p.literal += format[i];
                    } else if (i + 1 < format.size() && format[i + 1] == QLatin1Char('\'')) {
                        p.literal += QLatin1Char('\'');
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                }
            }
            p.end = i;
            pieces.push_back(p);
            continue;
        }
        using K = Piece::Kind;
        switch (c.unicode()) {
        case 'd':
        case 'M':
            p.kind = c == QLatin1Char('d') ? K::Day : K::Month;
            p.letters = int(std::min<qsizetype>(run, 4));
            break;
        case 'y':
            p.kind = run >= 2 ? K::Year : K::Literal;
            p.letters = run >= 4 ? 4 : (run >= 2 ? 2 : 1);
            break;
        case 'h':
        case 'H':
        case 'm':
        case 's':
            p.kind = c == QLatin1Char('m') ? K::Minute
                                           : (c == QLatin1Char('s') ? K::Second : K::Hour);
            p.letters = int(std::min<qsizetype>(run, 2));
            p.literal = c; // 'h' or 'H' tells the hour's kind
            break;
        case 'a':
        case 'A': {
            // "ap" and "AP" are one field, as are "a" and "A".
            const QChar p2 = c == QLatin1Char('a') ? QLatin1Char('p') : QLatin1Char('P');
            p.kind = K::AmPm;
            p.letters = i + 1 < format.size() && format[i + 1] == p2 ? 2 : 1;
            break;
        }
        case 't':
            p.kind = K::Zone;
            p.letters = int(run);
            break;
        default:
            p.letters = 1;
            break;
        }
        if (p.kind == K::Literal)
            p.literal = format.mid(i, p.letters);
        i += p.letters;
        p.end = i;
        pieces.push_back(p);
    }
    return pieces;
}

bool IsLiteral(const Piece& p, QStringView texts) {
    return p.kind == Piece::Kind::Literal && p.literal.size() == 1 && texts.contains(p.literal[0]);
}

// The pieces without the time zone: with the brackets around it, and with the blanks and commas
// that joined it to the rest (before it at the end of the format, after it elsewhere).
std::vector<Piece> WithoutZone(std::vector<Piece> pieces) {
    for (;;) {
        const auto zone = std::find_if(pieces.begin(), pieces.end(),
                                       [](const Piece& p) { return p.kind == Piece::Kind::Zone; });
        if (zone == pieces.end())
            return pieces;
        auto lo = zone, hi = zone + 1;
        if (lo != pieces.begin() && hi != pieces.end() &&
            ((IsLiteral(*(lo - 1), u"(") && IsLiteral(*hi, u")")) ||
             (IsLiteral(*(lo - 1), u"[") && IsLiteral(*hi, u"]")))) {
            --lo;
            ++hi;
        }
        const bool last = std::none_of(hi, pieces.end(), [](const Piece& p) {
            return p.kind != Piece::Kind::Literal;
        });
        const QStringView joiners = u" ,\u00a0";
        if (last)
            while (lo != pieces.begin() && IsLiteral(*(lo - 1), joiners))
                --lo;
        else
            while (hi != pieces.end() && IsLiteral(*hi, joiners))
                ++hi;
        pieces.erase(lo, hi);
    }
}

// The format that holds only the pieces given of it.
QString FormatText(const QString& format, const std::vector<Piece>& pieces) {
    QString text;
    for (const Piece& p : pieces)
        text += QStringView(format).mid(p.begin, p.end - p.begin);
    return text;
}

QString ShortDateFormat(const QLocale& locale) {
    return locale.dateFormat(QLocale::ShortFormat);
}

const QString IsoFormat = QStringLiteral("yyyy-MM-dd'T'HH:mm:ss");

} // namespace

// How a format's text is read: its fields and literal texts in order, each with the texts it may
// read as and the value each stands for.
struct DateTimeTextParser::Format {
    struct Token {
        Piece::Kind kind = Piece::Kind::Literal;
        int letters = 0;
        std::vector<std::pair<QString, int>> texts; // longest first
    };
    std::vector<Token> date;
    std::vector<Token> time;
    QString between; // the characters that may join the date and the time
    bool twelveHour = false;
};

namespace {

using Format = DateTimeTextParser::Format;
using Token = Format::Token;

struct Values {
    int day = 1, month = 1, year = 2000, hour = 0, minute = 0, second = 0;
    int pm = -1; // -1 none, 0 am, 1 pm
};

// A text and its form in a file, each standing for value.
void AddText(Token& t, const QString& text, int value) {
    for (const QString& form : {text, TextAsWritten(text)})
        if (!form.isEmpty() &&
            std::find(t.texts.begin(), t.texts.end(), std::pair{form, value}) == t.texts.end())
            t.texts.emplace_back(form, value);
}

std::vector<Token> Tokens(const std::vector<Piece>& pieces, const QLocale& locale,
                          bool& twelveHour) {
    using K = Piece::Kind;
    std::vector<Token> tokens;
    for (const Piece& p : pieces) {
        if (p.kind == K::Zone)
            continue;
        if (p.kind == K::Hour && p.literal == QLatin1String("h"))
            twelveHour = true;
        // Neighbouring literal pieces are read as one text.
        if (p.kind == K::Literal && !tokens.empty() && tokens.back().kind == K::Literal) {
            tokens.back().texts.front().first += p.literal;
            continue;
        }
        Token t{p.kind, p.letters, {}};
        const QLocale::FormatType form = p.letters == 3 ? QLocale::ShortFormat : QLocale::LongFormat;
        if (p.kind == K::Literal) {
            t.texts.emplace_back(p.literal, 0);
        } else if (p.kind == K::Day && p.letters >= 3) {
            for (int d = 1; d <= 7; ++d) {
                AddText(t, locale.dayName(d, form), d);
                AddText(t, locale.standaloneDayName(d, form), d);
            }
        } else if (p.kind == K::Month && p.letters >= 3) {
            for (int m = 1; m <= 12; ++m) {
                AddText(t, locale.monthName(m, form), m);
                AddText(t, locale.standaloneMonthName(m, form), m);
            }
        } else if (p.kind == K::AmPm) {
            AddText(t, locale.amText(), 0);
            AddText(t, locale.pmText(), 1);
        }
        tokens.push_back(std::move(t));
    }
    // A literal also as a file holds it; every text longest first, so that no name is taken
    // for a shorter one it begins with.
    for (Token& t : tokens) {
        if (t.kind == K::Literal)
            AddText(t, t.texts.front().first, 0);
        std::stable_sort(t.texts.begin(), t.texts.end(),
                         [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    }
    return tokens;
}

Format FormatOf(const QLocale& locale, const QString& dateFormat, const QString& timeFormat,
                const QString& between) {
    Format f;
    f.date = Tokens(Pieces(dateFormat), locale, f.twelveHour);
    f.time = Tokens(Pieces(timeFormat), locale, f.twelveHour);
    f.between = between;
    return f;
}

// Reads text from pos by the tokens; false at the first mismatch.
bool Read(QStringView text, qsizetype& pos, const std::vector<Token>& tokens, Values& v) {
    using K = Piece::Kind;
    for (const Token& t : tokens) {
        if (!t.texts.empty()) {
            const auto match = std::find_if(t.texts.begin(), t.texts.end(), [&](const auto& e) {
                return text.mid(pos).startsWith(e.first, t.kind == K::Literal
                                                             ? Qt::CaseSensitive
                                                             : Qt::CaseInsensitive);
            });
            if (match == t.texts.end())
                return false;
            pos += match->first.size();
            if (t.kind == K::Month)
                v.month = match->second;
            else if (t.kind == K::AmPm)
                v.pm = match->second;
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
        switch (t.kind) {
        case K::Day:
            v.day = value;
            break;
        case K::Month:
            v.month = value;
            break;
        case K::Year:
            v.year = t.letters == 2 ? 2000 + value : value;
            break;
        case K::Hour:
            v.hour = value;
            break;
        case K::Minute:
            v.minute = value;
            break;
        case K::Second:
            v.second = value;
            break;
        default:
            break;
        }
    }
    return true;
}

std::optional<QDateTime> ReadFormat(const Format& f, QStringView text) {
    Values v;
    qsizetype pos = 0;
    if (!Read(text, pos, f.date, v))
        return std::nullopt;
    const QDate date(v.year, v.month, v.day);
    if (!date.isValid())
        return std::nullopt;
    if (pos == text.size())
        return QDateTime(date, QTime(0, 0), Qt::UTC);
    if (!f.between.contains(text[pos]))
        return std::nullopt;
    ++pos;
    if (!Read(text, pos, f.time, v) || pos != text.size())
        return std::nullopt;
    if (f.twelveHour && v.pm >= 0) {
        if (v.hour < 1 || v.hour > 12)
            return std::nullopt;
        v.hour = v.hour % 12 + 12 * v.pm;
    }
    const QTime time(v.hour, v.minute, v.second);
    if (!time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

// The formats of a locale's standard text, and whether they are written.
struct WrittenFormats {
    explicit WrittenFormats(const QLocale& l)
        : locale(l), date(ShortDateFormat(l)), time(TimeFormatWithoutZone(l)) {}

    QLocale locale;
    QString date;
    QString time;
    bool readsBack = false;
    // The texts last made: a log or an export writes many lines of one day and of one second.
    QDate lastDate;
    QString dateText;
    QTime lastSecond;
    QString timeText;
};

QString LocaleText(WrittenFormats& f, const QDateTime& when) {
    if (when.date() != f.lastDate) {
        f.lastDate = when.date();
        f.dateText = f.locale.toString(f.lastDate, f.date);
    }
    const QTime time = when.time();
    if (time == QTime(0, 0))
        return f.dateText;
    if (const QTime second(time.hour(), time.minute(), time.second()); second != f.lastSecond) {
        f.lastSecond = second;
        f.timeText = f.locale.toString(second, f.time);
    }
    return f.dateText + QLatin1Char(' ') + f.timeText;
}

// Dates and times that try every month and day-half, single and double digits, noon and midnight.
std::vector<QDateTime> Probes() {
    std::vector<QDateTime> probes;
    for (int k = 0; k < 24; ++k)
        probes.emplace_back(QDate(2000 + (k * 37) % 100, k % 12 + 1, 1 + (k * 11) % 28),
                            QTime(k, (k * 7) % 60, (k * 13) % 60));
    probes.emplace_back(QDate(2024, 2, 29), QTime(12, 0));
    return probes;
}

bool ReadsBack(WrittenFormats f) {
    const DateTimeTextParser parser(f.locale);
    static const std::vector<QDateTime> probes = Probes();
    for (const QDateTime& when : probes) {
        const QString text = LocaleText(f, when);
        for (const QString& form : {text, TextAsWritten(text)}) {
            const std::optional<QDateTime> back = parser.Parse(form);
            if (!back || back->date() != when.date() || back->time() != when.time())
                return false;
        }
    }
    return true;
}

// The formats of the default locale, made once for each locale a thread writes in.
WrittenFormats& CurrentFormats() {
    thread_local WrittenFormats formats(QLocale::c());
    thread_local bool made = false;
    const QLocale locale;
    if (!made || formats.locale != locale) {
        formats = WrittenFormats(locale);
        formats.readsBack = ReadsBack(formats);
        made = true;
    }
    return formats;
}

} // namespace

QString FormatWithoutZone(const QString& format) {
    return FormatText(format, WithoutZone(Pieces(format)));
}

QString TimeFormatWithoutZone(const QLocale& locale) {
    return FormatWithoutZone(locale.timeFormat(QLocale::LongFormat));
}

bool DateTimeTextReadsBack(const QLocale& locale) {
    return ReadsBack(WrittenFormats(locale));
}

QString StandardDateTimeText(const QDateTime& when) {
    WrittenFormats& formats = CurrentFormats();
    if (!formats.readsBack)
        return QLocale::c().toString(when, IsoFormat);
    return LocaleText(formats, when);
}

DateTimeTextParser::DateTimeTextParser(const QLocale& locale) {
    auto formats = std::make_shared<std::vector<Format>>();
    const QString blank = QStringLiteral(" ");
    formats->push_back(
        FormatOf(locale, ShortDateFormat(locale), TimeFormatWithoutZone(locale), blank));
    for (const QLocale& other : {QLocale::c(), QLocale(QLocale::Russian, QLocale::Russia)})
        formats->push_back(
            FormatOf(other, ShortDateFormat(other), TimeFormatWithoutZone(other), blank));
    const QLocale c = QLocale::c();
    formats->push_back(FormatOf(c, QStringLiteral("yyyy-MM-dd"), QStringLiteral("HH:mm:ss"),
                                QStringLiteral("T ")));
    formats_ = std::move(formats);
}

std::optional<QDateTime> DateTimeTextParser::Parse(QStringView text) const {
    for (const Format& f : *formats_)
        if (const std::optional<QDateTime> when = ReadFormat(f, text))
            return when;
    return std::nullopt;
}
