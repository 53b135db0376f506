#include "file_names.h"
#include "main_window.h"
#include "scripted_prompts.h"
#include "string_grid.h"
#include "table_state.h"

#include <QAbstractButton>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The save and load buttons of the six tables in the real window, with real files.
namespace {

struct Table {
    const char* grid;
    const char* save;
    const char* load;
    const char* suffix;
    const char* filterName;
};

const Table Tables[] = {
    {"StringGrid_LOG_", "BitBtn_SAVELOG_", "BitBtn_LOADLOG_", "_alarm_data.csv", "Журнал аварий"},
    {"StringGrid_INFOBASE_", "BitBtn_SAVEINFOBASE_", "BitBtn_LOADINFOBASE_", "_info_data.csv",
     "Таблица состояния АБ"},
    {"StringGrid_INFOCELL_", "BitBtn_SAVEINFOCELL_", "BitBtn_LOADINFOCELL_", "_info_cell.csv",
     "Таблица состояния элементов АБ"},
    {"StringGrid_SETRS_", "BitBtn_SAVESETRS_", "BitBtn_LOADSETRS_", "_connection_set.csv",
     "Таблица настроек соединения"},
    {"StringGrid_SETALARM_", "BitBtn_SAVESETALARM_", "BitBtn_LOADSETALARM_", "_alarm_set.csv",
     "Таблица настроек аварий"},
    {"StringGrid_SETCHARGE_", "BitBtn_SAVESETCHARGE_", "BitBtn_LOADSETCHARGE_", "_charge_set.csv",
     "Таблица настроек заряда"},
};

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTableFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        QCoreApplication::setApplicationName(QStringLiteral("Velmora"));
        QVERIFY(dir.isValid());
    }
    void init() {
        UseRussianNames = true;
        UseScaledUnits = true;
        prompts = std::make_unique<ScriptedPrompts>();
        form = std::make_unique<TForm1>();
    }
    void cleanup() {
        form.reset();
        prompts.reset();
    }

    // The status table under Russian names, byte for byte: code page 1251, quoted names, the
    // "№" header, CR LF after every line.
    void statusTableBytes() {
        StoreField(form->Image().StatusBlock, StatusByMnemonic(u"Design_Capacity").field, 100000);
        form->FillStateTables();
        const QString path = dir.filePath(QStringLiteral("status.csv"));
        prompts->files = {path};
        Click("BitBtn_SAVEINFOBASE_");
        const ScriptedPrompts::Shown& asked = prompts->shown.at(0);
        QCOMPARE(asked.kind, QStringLiteral("save"));
        QCOMPARE(asked.text, QStringLiteral("Comma-Separated Values files (*.csv)|*.csv"));
        QCOMPARE(asked.caption, StartFolder());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d{6}_\\d\\d-\\d\\d-\\d\\d_info_data\\.csv$"))
                    .match(asked.extra)
                    .hasMatch());
        const QByteArray bytes = FileBytes(path);
        // №,Регистр,Значение,Ед.изм. then 1,"Емкость АБ",100,А*ч
        QVERIFY(
            bytes.startsWith("\xb9,\xd0\xe5\xe3\xe8\xf1\xf2\xf0,\xc7\xed\xe0\xf7\xe5\xed\xe8\xe5,"
                             "\xc5\xe4.\xe8\xe7\xec.\r\n"
                             "1,\"\xc5\xec\xea\xee\xf1\xf2\xfc \xc0\xc1\",100,\xc0*\xf7\r\n"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 36);
        QVERIFY(!bytes.contains("\xef\xbb\xbf"));
    }

    // Every table gives back its cells, every empty one as one blank; the load asks with the
    // table's own filter first and proposes no name.
    void roundTrip_data() {
        QTest::addColumn<int>("table");
        for (int i = 0; i < int(std::size(Tables)); ++i)
            QTest::newRow(Tables[i].grid) << i;
    }
    void roundTrip() {
        QFETCH(int, table);
        const Table& t = Tables[table];
        auto* grid = form->findChild<QTableWidget*>(QLatin1String(t.grid));
        SetGridRowCount(grid, 4);
        SetGridCell(grid, 1, 0, QStringLiteral("x y"));
        SetGridCell(grid, 1, 1, QStringLiteral(" \"a\",b "));
        SetGridCell(grid, 2, 0, QString());
        SetGridCell(grid, 3, 1, QStringLiteral("Ж"));
        QList<QStringList> expected = GridTexts(grid);
        for (QStringList& row : expected)
            for (QString& cell : row)
                if (cell.isEmpty())
                    cell = QStringLiteral(" ");
        const QString path = dir.filePath(QString::fromLatin1(t.grid) + QStringLiteral(".csv"));
        prompts->files = {path};
        Click(t.save);
        QVERIFY(prompts->shown.last().extra.endsWith(QString::fromUtf8(t.suffix)));
        SetGridRowCount(grid, 9);
        SetGridCell(grid, 5, 1, QStringLiteral("junk"));
        prompts->files = {path};
        Click(t.load);
        const ScriptedPrompts::Shown& asked = prompts->shown.last();
        QCOMPARE(asked.kind, QStringLiteral("open"));
        QCOMPARE(asked.text, QString::fromUtf8(t.filterName) + QStringLiteral("|*") +
                                 QString::fromUtf8(t.suffix) +
                                 QStringLiteral("|Comma-Separated Values files (*.csv)|*.csv|"
                                                "Все файлы|*.*"));
        QCOMPARE(asked.extra, QString());
        QCOMPARE(GridTexts(grid), expected);
        QCOMPARE(prompts->messageTexts(), QStringList());
    }

    // A file from another program: LF line ends, more fields than columns, a short line.
    void foreignFileLoads() {
        const QString path = dir.filePath(QStringLiteral("foreign.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("A,B,C,D,E,F\na,,b\n\"q\"\"q\"\n");
        file.close();
        auto* grid = form->findChild<QTableWidget*>(QStringLiteral("StringGrid_SETRS_"));
        prompts->files = {path};
        Click("BitBtn_LOADSETRS_");
        QCOMPARE(
            GridTexts(grid),
            (QList<QStringList>{{"A", "B", "C", "D"}, {"a", " ", "b", ""}, {"q\"q", "", "", ""}}));
    }

    // Faults end in a message naming the file, with the table and any old file unchanged.
    void faults_data() {
        QTest::addColumn<QByteArray>("content"); // of the file loaded; empty name: a failed save
        QTest::addColumn<QString>("reason");
        QTest::newRow("save into a missing folder") << QByteArray() << "нет такой папки";
        QTest::newRow("empty file") << QByteArray("") << "пуст";
        QTest::newRow("binary file") << QByteArray("a\0b", 3) << "не текстовый";
        QTest::newRow("no such file") << QByteArray("-") << "нет такого файла";
        QTest::newRow("more lines than the table holds")
            << QByteArray(1000000, '\n') << "столько таблица не вмещает";
    }
    void faults() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        auto* grid = form->findChild<QTableWidget*>(QStringLiteral("StringGrid_SETALARM_"));
        const QList<QStringList> before = GridTexts(grid);
        QString path = dir.filePath(QStringLiteral("fault.csv"));
        QFile::remove(path);
        if (content.isNull()) {
            path = dir.filePath(QStringLiteral("missing/fault.csv"));
            prompts->files = {path};
            Click("BitBtn_SAVESETALARM_");
        } else {
            if (content != "-") {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(content);
            }
            prompts->files = {path};
            Click("BitBtn_LOADSETALARM_");
        }
        const QStringList messages = prompts->messageTexts();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(QDir::toNativeSeparators(path)), qPrintable(messages[0]));
        QVERIFY2(messages[0].contains(reason), qPrintable(messages[0]));
        QCOMPARE(prompts->shown.last().caption, QStringLiteral("Velmora"));
        QCOMPARE(GridTexts(grid), before);
    }

private:
    void Click(const char* name) {
        auto* button = form->findChild<QAbstractButton*>(QLatin1String(name));
        QVERIFY2(button, name);
        button->click();
    }

    QTemporaryDir dir;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TForm1> form;
};

QTEST_MAIN(TestTableFiles)
#include "test_table_files.moc"
