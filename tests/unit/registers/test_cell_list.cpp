#include "cell_list.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<int>)

class TestCellList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Lists as a person types them; a refused one names the part that does not read.
    void parses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::vector<int>>("cells"); // empty with a non-empty bad: refused
        QTest::addColumn<QString>("bad");
        using C = std::vector<int>;
        QTest::newRow("ranges and numbers") << "1-4, 17" << C{1, 2, 3, 4, 17} << "";
        QTest::newRow("unordered with repeats") << "9 3;3,2-3" << C{2, 3, 9} << "";
        QTest::newRow("nothing") << "  " << C{} << "";
        QTest::newRow("the last cell") << "20" << C{20} << "";
        QTest::newRow("zero") << "0" << C{} << "0";
        QTest::newRow("past the battery") << "5, 21" << C{} << "21";
        QTest::newRow("a range backwards") << "1, 5-2" << C{} << "5-2";
        QTest::newRow("a range of three ends") << "1-2-3" << C{} << "1-2-3";
        QTest::newRow("an open range") << "4-" << C{} << "4-";
        QTest::newRow("no number") << "x1" << C{} << "x1";
        QTest::newRow("a negative number") << "-3" << C{} << "-3";
    }
    void parses() {
        QFETCH(QString, text);
        QFETCH(std::vector<int>, cells);
        QFETCH(QString, bad);
        QString error;
        const std::optional<std::vector<int>> list = ParseCellList(text, 20, &error);
        QCOMPARE(list.has_value(), bad.isEmpty());
        if (list)
            QCOMPARE(*list, cells);
        else
            QCOMPARE(error, QStringLiteral("«%1» — не номер элемента и не промежуток номеров от 1 "
                                           "до 20")
                                .arg(bad));
    }

    // Runs of three or more written as ranges, and the text reads back as the list.
    void writesBack_data() {
        QTest::addColumn<std::vector<int>>("cells");
        QTest::addColumn<QString>("text");
        using C = std::vector<int>;
        QTest::newRow("none") << C{} << "";
        QTest::newRow("a pair stays two numbers") << C{4, 5} << "4, 5";
        QTest::newRow("a run and single cells") << C{1, 2, 3, 7, 9, 10, 11, 12} << "1-3, 7, 9-12";
    }
    void writesBack() {
        QFETCH(std::vector<int>, cells);
        QFETCH(QString, text);
        QCOMPARE(CellListText(cells), text);
        QString error;
        QCOMPARE(ParseCellList(text, 200, &error), std::optional(cells));
    }
};

QTEST_APPLESS_MAIN(TestCellList)
#include "test_cell_list.moc"
