#include "monitor_log.h"
#include "register_image.h"
#include "table_state.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

// The monitoring log's lines, field by field, and how they reach the file.
namespace {

std::array<quint16, StatusBlockWords>
Block(std::initializer_list<std::pair<const char16_t*, qint64>> values) {
    std::array<quint16, StatusBlockWords> words{};
    for (const auto& [mnemonic, value] : values)
        StoreField(words, StatusByMnemonic(mnemonic).field, quint32(value));
    return words;
}

QStringList Fields(const QString& line) {
    QStringList fields = line.split(QLatin1Char(';'));
    // Every field is followed by ";", so the last piece is empty.
    if (fields.last().isEmpty())
        fields.removeLast();
    return fields;
}

int Index(const char16_t* mnemonic) {
    return StatusByMnemonic(mnemonic).row; // field 0 is the date and time
}

const QDateTime When(QDate(2024, 1, 31), QTime(14, 5, 9));

} // namespace

class TestMonitorLog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void header() {
        auto block = Block({{u"Design_Cell_Number", 4}});
        const QString line = LogHeaderLine(block);
        QVERIFY(line.endsWith(QLatin1Char(';')));
        const QStringList fields = Fields(line);
        QCOMPARE(fields.size(), 48);
        QCOMPARE(fields[0], QStringLiteral("Дата-Время"));
        QCOMPARE(fields[1], QStringLiteral("Design_Capacity"));
        QCOMPARE(fields[35], QStringLiteral("RTC_Time_Value"));
        QCOMPARE(fields.mid(36),
                 (QStringList{"Uэл.№1", "Uэл.№2", "Uэл.№3", "Uэл.№4", "Tэл.№1", "Tэл.№2", "Tэл.№3",
                              "Tэл.№4", "Статус№1", "Статус№2", "Статус№3", "Статус№4"}));
        QCOMPARE(fields[36][0], QLatin1Char('U')); // the Latin letter
        // A controller reporting more cells than the arrays hold is read no further than 200.
        block = Block({{u"Design_Cell_Number", 65535}});
        QCOMPARE(Fields(LogHeaderLine(block)).size(), 1 + 35 + 3 * 200);
        QCOMPARE(Fields(LogRowLine(block, When)).size(), 1 + 35 + 3 * 200);
    }

    void rowValues_data() {
        QTest::addColumn<QString>("mnemonic");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("scaled");
        QTest::addColumn<QString>("raw");
        QTest::newRow("pack voltage") << "Pack_Voltage_Sum" << qint64(52100) << "52,1"
                                      << "52100";
        QTest::newRow("pack current") << "Pack_Current" << qint64(-1500) << "-1,5"
                                      << "-1500";
        QTest::newRow("leakage not scaled") << "Pack_Current_Leakage" << qint64(-20) << "-20"
                                            << "-20";
        QTest::newRow("no ambient sensor") << "Temperature_Ambient" << qint64(-1000) << "-100"
                                           << "-1000";
        QTest::newRow("90 minutes") << "Run_Time_to_Empty" << qint64(90) << "1,5"
                                    << "90";
        QTest::newRow("capacity G4") << "Design_Capacity" << qint64(123456) << "123,5"
                                     << "123456";
        QTest::newRow("unsigned 32 bits, signed raw")
            << "Full_Charge_Capacity" << qint64(0x80000000) << "2,147e+06"
            << "-2147483648";
        QTest::newRow("firmware raw") << "Firmware_Version" << qint64(1234) << "1234"
                                      << "1234";
        QTest::newRow("charging current raw") << "Charging_Current" << qint64(150) << "150"
                                              << "150";
        QTest::newRow("clock raw") << "RTC_Time_Value" << qint64(31415926) << "31415926"
                                   << "31415926";
    }
    void rowValues() {
        QFETCH(QString, mnemonic);
        QFETCH(qint64, value);
        QFETCH(QString, scaled);
        QFETCH(QString, raw);
        const std::u16string name = mnemonic.toStdU16String();
        const auto block = Block({{name.c_str(), value}});
        const int field = Index(name.c_str());
        QCOMPARE(Fields(LogRowLine(block, When, true)).at(field), scaled);
        QCOMPARE(Fields(LogRowLine(block, When, false)).at(field), raw);
    }

    void rowCells() {
        auto block = Block({{u"Design_Cell_Number", 2}});
        SetWord16(block, CellVoltageOffset, 3312);
        SetWord16(block, CellVoltageOffset + 1, 3300);
        SetWord16(block, CellTemperatureOffset, quint16(-5));
        SetWord16(block, CellStatusOffset + 1, 0x1401);
        const QStringList scaled = Fields(LogRowLine(block, When, true));
        QCOMPARE(scaled.size(), 42);
        QCOMPARE(scaled[0], QStringLiteral("31.01.2024 14:05:09"));
        QCOMPARE(scaled.mid(36), (QStringList{"3,312", "3,3", "-5", "0", "0", "5121"}));
        QCOMPARE(Fields(LogRowLine(block, When, false)).mid(36, 2), (QStringList{"3312", "3300"}));
    }

    void dateTimeText() {
        const QDate date(2024, 1, 31);
        // Midnight shows the date alone; any other time follows it without a time zone.
        QCOMPARE(StandardDateTimeText(QDateTime(date, QTime(0, 0))), QStringLiteral("31.01.2024"));
        QCOMPARE(LinkErrorLogLine(QDateTime(date, QTime(0, 0, 1)), QStringLiteral(" Нет ответа")),
                 QStringLiteral("31.01.2024 00:00:01 Нет ответа"));
    }

    // Lines reach the file in code page 1251, each ending in CR LF; a write that fails is told
    // once, and once more when writing works again.
    void appendAndNotice() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("log.csv"));
        QVERIFY(LogFileEmpty(path));
        QVERIFY(AppendLogLine(path, QStringLiteral("a Нет ответа")).isEmpty());
        QVERIFY(!LogFileEmpty(path));
        QVERIFY(AppendLogLine(path, QStringLiteral("b;")).isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("a \xcd\xe5\xf2 \xee\xf2\xe2\xe5\xf2\xe0\r\nb;\r\n"));

        LogWriteNotice notice;
        QCOMPARE(notice.Update({}), std::nullopt);
        const FileError error = AppendLogLine(dir.filePath(QStringLiteral("missing/log.csv")), "x");
        QVERIFY(!error.isEmpty());
        QVERIFY(notice.Update(error).value_or(QString()).contains(error));
        QCOMPARE(notice.Update(error), std::nullopt);
        QCOMPARE(notice.Update({}), std::optional<QString>(QString()));
        QCOMPARE(notice.Update({}), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestMonitorLog)
#include "test_monitor_log.moc"
