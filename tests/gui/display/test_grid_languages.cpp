// The window's tables with English installed: every cell shows English, and a saved table holds
// the bytes the same table holds when saved with Russian installed, filled or loaded from a file.

#include "display_fixture.h"
#include "language.h"
#include "table_file.h"
#include "table_languages.h"
#include "text_file.h"
#include "view_options.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

void FillTables(DisplayWindow& w) {
    w.image = FilledImage();
    FillInfoBase(w.image, &w.window);
    FillCellTable(w.image, w.cellPage);
    FillCommSettings(w.image, &w.window);
    FillAlarmSettings(w.image, &w.window);
    FillChargeSettings(w.image, &w.window);
    FillJournal(w.image, &w.window);
}

// The first shown cell that holds a Russian letter; empty when none does.
QString RussianCell(const QTableWidget* table) {
    for (int r = 0; r < GridRowCount(table); ++r)
        for (int c = 0; c < table->columnCount(); ++c)
            if (HasCyrillic(GridCell(table, r, c)))
                return GridCell(table, r, c);
    return {};
}

// The table as the load button fills it from a file.
void LoadTable(QTableWidget* table, const QString& path) {
    const QList<QStringList> rows = TableFromLines(ReadTextFile(path).lines, table->columnCount());
    SetGridRowCount(table, int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            SetGridCell(table, r, c, rows[r][c]);
}

QByteArray SavedBytes(const QTableWidget* table) {
    return TableFileBytes(GridTexts(table));
}

} // namespace

class TestGridLanguages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() {
        UseRussianNames = UseScaledUnits = true;
        QVERIFY(InstallLanguage(Language::Russian));
    }

    void savedAlike_data() {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<bool>("russianNames");
        QTest::addColumn<bool>("scaledUnits");
        for (const char* grid :
             {"StringGrid_INFOBASE_", "StringGrid_INFOCELL_", "StringGrid_SETRS_",
              "StringGrid_SETALARM_", "StringGrid_SETCHARGE_", "StringGrid_LOG_"})
            QTest::newRow(grid) << QString::fromLatin1(grid) << true << true;
        QTest::newRow("status, mnemonics")
            << QStringLiteral("StringGrid_INFOBASE_") << false << true;
        QTest::newRow("status, raw") << QStringLiteral("StringGrid_INFOBASE_") << true << false;
    }
    void savedAlike() {
        QFETCH(QString, grid);
        QFETCH(bool, russianNames);
        QFETCH(bool, scaledUnits);
        UseRussianNames = russianNames;
        UseScaledUnits = scaledUnits;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString russianFile = dir.filePath(QStringLiteral("ru.csv"));
        QList<QByteArray> filled, loaded;
        for (const Language language : {Language::Russian, Language::English}) {
            QVERIFY(InstallLanguage(language));
            DisplayWindow w;
            FillTables(w);
            QTableWidget* table = w.Table(grid);
            QVERIFY(table != nullptr);
            filled.append(SavedBytes(table));
            if (language == Language::Russian)
                QCOMPARE(SaveWholeFile(russianFile, filled.last()), FileError());
            else
                QCOMPARE(RussianCell(table), QString());
            LoadTable(table, russianFile);
            loaded.append(SavedBytes(table));
            if (language == Language::English)
                QCOMPARE(RussianCell(table), QString());
        }
        QCOMPARE(filled[1], filled[0]);
        QCOMPARE(loaded[1], loaded[0]);
    }

    // A value typed over a filled one is saved as typed; the row's other cells as the file's.
    void typedValueSaved() {
        QVERIFY(InstallLanguage(Language::English));
        DisplayWindow w;
        FillTables(w);
        QTableWidget* table = w.Table(QStringLiteral("StringGrid_SETCHARGE_"));
        table->item(0, 2)->setText(QStringLiteral("4,35"));
        QCOMPARE(GridCell(table, 1, 3), QStringLiteral("V"));
        const QStringList row = GridTexts(table)[1];
        QCOMPARE(row, QStringList({QStringLiteral("1"), QStringLiteral("CF_Voltage"),
                                   QStringLiteral("4,35"), QStringLiteral("В")}));
    }
};

QTEST_MAIN(TestGridLanguages)
#include "test_grid_languages.moc"
