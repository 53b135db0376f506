#include "settings_write.h"

#include <QHash>
#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(WritableTable)

// Table cells back into the register image, in the Russian locale's notation.
class TestSettingsWrite : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void stores_data();
    void stores();
    void untouched_registers_go_out_as_last_read_data();
    void untouched_registers_go_out_as_last_read();
    void bad_cell_stops_after_the_rows_before_it();
    void coded_rows_get_remarks_and_are_still_stored();
    void edit_remarks_data();
    void edit_remarks();
};

// Every row reads "0" unless the test gives it a text.
static CellReader Cells(const QHash<int, QString>& texts) {
    return [texts](int row) { return texts.value(row, QStringLiteral("0")); };
}

// The block a table writes, bounds-checked.
static std::span<quint16> BlockOf(WritableTable table, RegisterImage& image) {
    switch (table) {
    case WritableTable::CommSettings:
        return image.CommSettingsBlock;
    case WritableTable::AlarmSettings:
        return image.AlarmSettingsBlock;
    case WritableTable::ChargeSettings:
        return image.ChargeSettingsBlock;
    case WritableTable::Status:
        break;
    }
    return image.StatusBlock;
}

static quint16 WordAt(WritableTable table, RegisterImage& image, int offset) {
    const std::span<quint16> block = BlockOf(table, image);
    return offset < int(block.size()) ? block[size_t(offset)] : quint16(0xDEAD);
}

void TestSettingsWrite::stores_data() {
    QTest::addColumn<WritableTable>("table");
    QTest::addColumn<bool>("scaled");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QList<quint16>>("words");
    const auto A = WritableTable::AlarmSettings;
    const auto C = WritableTable::ChargeSettings;
    const auto S = WritableTable::Status;
    const auto R = WritableTable::CommSettings;
    QTest::newRow("COV threshold 3,65 V") << A << true << 1 << "3,65" << 0 << QList<quint16>{3650};
    QTest::newRow("CUVA recovery 2,5 V") << A << true << 11 << "2,5" << 10 << QList<quint16>{2500};
    QTest::newRow("raw view COV 3650") << A << false << 1 << "3650" << 0 << QList<quint16>{3650};
    QTest::newRow("COT threshold -10 in both views")
        << A << true << 13 << "-10" << 12 << QList<quint16>{0xFFF6};
    QTest::newRow("OCC threshold 15 A, 32 bits")
        << A << true << 31 << "15" << 30 << QList<quint16>{15000, 0};
    QTest::newRow("OCD recovery -70 A")
        << A << true << 35 << "-70" << 38 << QList<quint16>{0xEE90, 0xFFFE};
    QTest::newRow("DIN_Time stored at offset 49")
        << A << true << 45 << "250" << 49 << QList<quint16>{250};
    QTest::newRow("idle current -0,5 A")
        << C << true << 23 << "-0,5" << 32 << QList<quint16>{0xFE0C};
    QTest::newRow("truncated, not rounded")
        << C << true << 1 << "1,2345" << 0 << QList<quint16>{1234};
    QTest::newRow("4,35 V is not 4349 mV")
        << C << true << 12 << "4,35" << 16 << QList<quint16>{4350};
    QTest::newRow("CF_Time 1,5 h") << C << true << 7 << "1,5" << 9 << QList<quint16>{90};
    QTest::newRow("CF_Time raw minutes") << C << false << 7 << "90" << 9 << QList<quint16>{90};
    QTest::newRow("G4 text of 123456 mA*h")
        << C << true << 27 << "123,5" << 36 << QList<quint16>{0xE26C, 0x0001};
    QTest::newRow("remaining capacity 123,5 A*h")
        << S << true << 18 << "123,5" << 26 << QList<quint16>{0xE26C, 0x0001};
    QTest::newRow("full charge capacity raw")
        << S << false << 19 << "70000" << 28 << QList<quint16>{4464, 1};
    QTest::newRow("battery mode integer in scaled view")
        << S << true << 23 << "32" << 33 << QList<quint16>{32};
    QTest::newRow("cycle count") << S << true << 25 << "12" << 35 << QList<quint16>{12};
    QTest::newRow("safety status save -1")
        << R << true << 5 << "-1" << 4 << QList<quint16>{0xFFFF, 0xFFFF};
}

void TestSettingsWrite::stores() {
    QFETCH(WritableTable, table);
    QFETCH(bool, scaled);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(QList<quint16>, words);
    RegisterImage image;
    const TableStore store = StoreTableCells(table, Cells({{row, text}}), image, scaled);
    QVERIFY2(store.complete, qPrintable(store.error));
    for (int i = 0; i < words.size(); ++i)
        QCOMPARE(WordAt(table, image, offset + i), words[i]);
}

void TestSettingsWrite::untouched_registers_go_out_as_last_read_data() {
    QTest::addColumn<WritableTable>("table");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("untouched");
    QTest::newRow("communication") << WritableTable::CommSettings << 0x6800 << 6 << QList<int>{};
    QTest::newRow("alarm pad 35") << WritableTable::AlarmSettings << 0x7000 << 49 << QList<int>{35};
    QTest::newRow("charge pads and tail")
        << WritableTable::ChargeSettings << 0x6C00 << 47 << QList<int>{3, 17, 27, 45, 46};
    QTest::newRow("status: all but the five rows")
        << WritableTable::Status << 0 << 50 << QList<int>{0, 9, 22, 25, 30, 45, 46, 47, 48, 49};
}

void TestSettingsWrite::untouched_registers_go_out_as_last_read() {
    QFETCH(WritableTable, table);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(QList<int>, untouched);
    RegisterImage image;
    // Each offset goes into the block of this table only: offsets 48 and 49 of the status block
    // lie beyond the end of the 47-word charge block.
    const std::span<quint16> block = BlockOf(table, image);
    for (int offset : untouched) {
        QVERIFY(offset < int(block.size()));
        block[size_t(offset)] = quint16(0xA500 + offset);
    }
    QVERIFY(StoreTableCells(table, Cells({}), image, true).complete);
    const TableTransfer transfer = TransferOf(table, image);
    QCOMPARE(int(transfer.start), start);
    QCOMPARE(int(transfer.words.size()), count);
    for (int offset : untouched)
        QCOMPARE(transfer.words[size_t(offset)], quint16(0xA500 + offset));
}

void TestSettingsWrite::bad_cell_stops_after_the_rows_before_it() {
    RegisterImage image;
    image.AlarmSettingsBlock[2] = 77;
    const TableStore store = StoreTableCells(WritableTable::AlarmSettings,
                                             Cells({{1, "3650"}, {2, "3,65"}}), image, false);
    QVERIFY(!store.complete);
    QCOMPARE(store.error, QStringLiteral("'3,65' is not a valid integer value"));
    QCOMPARE(image.AlarmSettingsBlock[0], quint16(3650));
    QCOMPARE(image.AlarmSettingsBlock[2], quint16(77));

    const TableStore point =
        StoreTableCells(WritableTable::ChargeSettings, Cells({{7, "1.5."}}), image, true);
    QCOMPARE(point.error, QStringLiteral("'1.5.' is not a valid floating point value"));
}

void TestSettingsWrite::coded_rows_get_remarks_and_are_still_stored() {
    RegisterImage image;
    const TableStore store = StoreTableCells(WritableTable::CommSettings,
                                             Cells({{1, "238"}, {2, "7"}, {3, "1"}}), image, true);
    QVERIFY(store.complete);
    QCOMPARE(image.CommSettingsBlock[0], quint16(238));
    QCOMPARE(image.CommSettingsBlock[1], quint16(7));
    const QList<Remark> expected = {{2, QStringLiteral("Значение должно быть от 0 до 4!")},
                                    {3, QStringLiteral("   8E1")}};
    QCOMPARE(store.remarks, expected);
}

void TestSettingsWrite::edit_remarks_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("remark");
    QTest::newRow("address 0") << 1 << "0"
                               << "Значение должно быть от 1 до 247!";
    QTest::newRow("address 247") << 1 << "247"
                                 << " ";
    QTest::newRow("baud 5") << 2 << "5"
                            << "Значение должно быть от 0 до 4!";
    QTest::newRow("baud -1") << 2 << "-1"
                             << "Значение должно быть от 0 до 4!";
    QTest::newRow("baud 2") << 2 << "2"
                            << " 38400";
    QTest::newRow("format 3") << 3 << "3"
                              << "Значение должно быть от 0 до 2!";
    QTest::newRow("format 2") << 3 << "2"
                              << "   8O1";
    QTest::newRow("mode 0 passes") << 4 << "0"
                                   << " ";
    QTest::newRow("mode 10001") << 4 << "10001"
                                << "Значение должно быть от 1 до 10000!";
}

void TestSettingsWrite::edit_remarks() {
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, remark);
    // The other rows hold texts that are not numbers and so keep their remarks.
    const QList<Remark> remarks =
        CommSettingsEditRemarks([&](int r) { return r == row ? text : QStringLiteral("x"); });
    const QList<Remark> expected = {{row, remark}};
    QCOMPARE(remarks, expected);
}

QTEST_APPLESS_MAIN(TestSettingsWrite)
#include "test_settings_write.moc"
