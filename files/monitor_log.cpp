#include "monitor_log.h"

#include "number_format.h"
#include "register_image.h"
#include "status_map.h"
#include "table_cells.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

QString MonitorLogPath;

namespace {

constexpr int LastScaledEntry = 22;
constexpr std::u16string_view UnscaledLeakage = u"Pack_Current_Leakage";

QString LogValue(const StatusRegister& row, std::span<const quint16> block, bool scaledUnits) {
    if (scaledUnits && LogScalesEntry(row))
        return FormatG4(FieldValue(block, row.field), ScalingDenominator(row.scaling));
    return RawText(block, row.field);
}

QString Fields(const QStringList& fields) {
    QString line;
    for (const QString& field : fields)
        line += field + QLatin1Char(';');
    return line;
}

} // namespace

bool LogScalesEntry(const StatusRegister& row) {
    return row.row <= LastScaledEntry && row.scaling != Scaling::None &&
           row.mnemonic != UnscaledLeakage;
}

QString LogHeaderLine(std::span<const quint16> statusBlock) {
    QStringList fields{QStringLiteral("Дата-Время")};
    for (const StatusRegister& row : StatusRegisters)
        fields.append(row.mnemonic.toString());
    const int cells = ShownCellCount(statusBlock);
    for (const QString& prefix :
         {QStringLiteral("Uэл.№"), QStringLiteral("Tэл.№"), QStringLiteral("Статус№")})
        for (int i = 1; i <= cells; ++i)
            fields.append(prefix + QString::number(i));
    return Fields(fields);
}

QString LogRowLine(std::span<const quint16> statusBlock, const QDateTime& when, bool scaledUnits) {
    QStringList fields{StandardDateTimeText(when)};
    for (const StatusRegister& row : StatusRegisters)
        fields.append(LogValue(row, statusBlock, scaledUnits));
    const int cells = ShownCellCount(statusBlock);
    for (int i = 1; i <= cells; ++i) {
        const quint16 millivolts = CellVoltage(statusBlock, i);
        fields.append(scaledUnits ? FormatG4(millivolts, 1000) : QString::number(millivolts));
    }
    for (int i = 1; i <= cells; ++i)
        fields.append(QString::number(CellTemperature(statusBlock, i)));
    for (int i = 1; i <= cells; ++i)
        fields.append(QString::number(CellStatus(statusBlock, i)));
    return Fields(fields);
}

QString LinkErrorLogLine(const QDateTime& when, const QString& event) {
    return StandardDateTimeText(when) + event;
}

FileError AppendLogLine(const QString& path, const QString& line) {
    return AppendToFile(path, EncodeLines({line}));
}

bool LogFileEmpty(const QString& path) {
    QFile file(path);
    return !file.open(QIODevice::ReadOnly) || file.size() == 0;
}

std::optional<QString> LogWriteNotice::Update(const FileError& error) {
    const bool failing = !error.isEmpty();
    if (failing == failing_)
        return std::nullopt;
    failing_ = failing;
    if (!failing)
        return QString();
    return QCoreApplication::translate("MonitorLog", "Лог не записывается, строки пропускаются. %1")
        .arg(error);
}

std::optional<QString> MonitorLogFile::AppendCycle(std::span<const quint16> statusBlock,
                                                   const QDateTime& when) {
    if (LogFileEmpty(path_))
        if (std::optional<QString> notice = Append(LogHeaderLine(statusBlock)))
            return notice;
    return Append(LogRowLine(statusBlock, when));
}

std::optional<QString> MonitorLogFile::AppendLinkEvent(const QDateTime& when,
                                                       const QString& event) {
    if (!LogLinkErrors)
        return std::nullopt;
    return Append(LinkErrorLogLine(when, event));
}

std::optional<QString> MonitorLogFile::Append(const QString& line) {
    const FileError error = AppendLogLine(path_, line);
    linesLost_ = linesLost_ || !error.isEmpty();
    const std::optional<QString> notice = notice_.Update(error);
    if (notice && notice->isEmpty())
        return QCoreApplication::translate("MonitorLog", "Лог снова записывается");
    return notice;
}
