#include "journal_rows.h"

#include "device_time.h"
#include "register_image.h"

#include <array>

namespace {

// Codes 0 to 19 are the safety events of the same bit numbers; 20 to 31 are reserved.
const std::array<const char*, 20> kEventTexts = {
    QT_TRANSLATE_NOOP("TableTexts", "Высокое напряжение элемента."),
    QT_TRANSLATE_NOOP("TableTexts", "Низкое напряжение элемента."),
    QT_TRANSLATE_NOOP("TableTexts", "Напряжение элемента выше среднего."),
    QT_TRANSLATE_NOOP("TableTexts", "Напряжение элемента ниже среднего."),
    QT_TRANSLATE_NOOP("TableTexts", "Высокая температура элемента."),
    QT_TRANSLATE_NOOP("TableTexts", "Низкая температура элемента."),
    QT_TRANSLATE_NOOP("TableTexts", "Температура элемента выше средней"),
    QT_TRANSLATE_NOOP("TableTexts", "Ошибка схемы балансировки."),
    QT_TRANSLATE_NOOP("TableTexts", "Средняя температура АБ выше окружающей."),
    QT_TRANSLATE_NOOP("TableTexts", "Высокая средняя температура АБ."),
    QT_TRANSLATE_NOOP("TableTexts", "Высокая температура помещения."),
    QT_TRANSLATE_NOOP("TableTexts", "Превышено время разряженного состояния."),
    QT_TRANSLATE_NOOP("TableTexts", "Превышен максимальный ток заряда."),
    QT_TRANSLATE_NOOP("TableTexts", "Превышен максимальный ток разряда."),
    QT_TRANSLATE_NOOP("TableTexts", "Заряд при температуре ниже допустимой."),
    QT_TRANSLATE_NOOP("TableTexts", "Разряд при температуре ниже допустимой."),
    QT_TRANSLATE_NOOP("TableTexts", "Высокое напряжение буферного режима."),
    QT_TRANSLATE_NOOP("TableTexts", "Высокий ток буферного режима."),
    QT_TRANSLATE_NOOP("TableTexts", "Потеря связи с датчиками."),
    QT_TRANSLATE_NOOP("TableTexts", "Кол-во датчиков не соответствует."),
};
constexpr quint16 kTextedCodes = 32;

} // namespace

std::optional<QList<int>> JournalSlotsNewestFirst(std::span<const quint16> journalBlock) {
    int firstEmpty = -1;
    for (int k = 0; k < JournalRecordCount && firstEmpty < 0; ++k)
        if (ReadJournalRecord(journalBlock, k).isEmpty())
            firstEmpty = k;
    if (firstEmpty < 0)
        return std::nullopt;
    const bool wrapped = !ReadJournalRecord(journalBlock, JournalRecordCount - 1).isEmpty();
    // Once wrapped, the rest of the write page counts as erased; older records start on the next.
    const int olderStart = (firstEmpty / JournalPageSlots + 1) * JournalPageSlots;
    QList<int> slots;
    slots.reserve(JournalRecordCount);
    for (int k = firstEmpty - 1; k >= 0; --k)
        slots.append(k);
    if (wrapped)
        for (int k = JournalRecordCount - 1; k >= olderStart; --k)
            slots.append(k);
    return slots;
}

std::optional<QList<JournalRow>> JournalRows(std::span<const quint16> journalBlock) {
    const std::optional<QList<int>> slots = JournalSlotsNewestFirst(journalBlock);
    if (!slots)
        return std::nullopt;
    QList<JournalRow> rows;
    rows.reserve(slots->size());
    int number = int(slots->size());
    for (int k : *slots) {
        const JournalRecord record = ReadJournalRecord(journalBlock, k);
        rows.append({number--, JournalDateTimeText(record.time), JournalEventText(record.eventCode),
                     record.cell != 0 ? QString::number(record.cell) : QString()});
    }
    return rows;
}

QString JournalEventText(quint16 code) {
    if (code >= kTextedCodes)
        return {};
    const QString text = code < kEventTexts.size()
                             ? QString::fromUtf8(kEventTexts[code])
                             : QString(JournalEventTextWidth, QLatin1Char('-'));
    return text.leftJustified(JournalEventTextWidth, QLatin1Char(' '));
}

QString JournalDateTimeText(quint32 seconds) {
    const DeviceDateTime t = SecondsToDateTime(seconds);
    return QStringLiteral("%1.%2.%3 - %4:%5:%6")
        .arg(t.year)
        .arg(t.month)
        .arg(t.day)
        .arg(t.hour)
        .arg(t.minute)
        .arg(t.second);
}
