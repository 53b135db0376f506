#include "line_settings.h"

namespace {

struct BaudRow {
    qint32 baudRate;
    float bitTimeMs;
    int settleDelayMs;
};

constexpr BaudRow BaudRows[] = {
    {9600, 0.1042f, 266},  {19200, 0.05208f, 133},  {38400, 0.0261f, 66},
    {57600, 0.01736f, 44}, {115200, 0.008681f, 22},
};

constexpr QSerialPort::Parity FormatParity[] = {QSerialPort::NoParity, QSerialPort::EvenParity,
                                                QSerialPort::OddParity};

} // namespace

const QStringList& BaudRateItems() {
    static const QStringList items = {QStringLiteral("9600"), QStringLiteral("19200"),
                                      QStringLiteral("38400"), QStringLiteral("57600"),
                                      QStringLiteral("115200")};
    return items;
}

const QStringList& FrameFormatItems() {
    static const QStringList items = {QStringLiteral("8N1"), QStringLiteral("8E1"),
                                      QStringLiteral("8O1")};
    return items;
}

LineSettings LineSettingsFor(int baudIndex, int formatIndex) {
    constexpr int baudRows = int(std::size(BaudRows));
    const BaudRow& row =
        BaudRows[baudIndex >= 0 && baudIndex < baudRows ? baudIndex : baudRows - 1];
    LineSettings settings;
    settings.baudRate = row.baudRate;
    settings.bitTimeMs = row.bitTimeMs;
    settings.settleDelayMs = row.settleDelayMs;
    if (formatIndex >= 0 && formatIndex < int(std::size(FormatParity)))
        settings.parity = FormatParity[formatIndex];
    return settings;
}

QString PortSystemName(const QString& portItem) {
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\.\\") + portItem;
#else
    return portItem.startsWith(QLatin1Char('/')) ? portItem : QStringLiteral("/dev/") + portItem;
#endif
}
