#include "table_file.h"
#include "text_file.h"

#include <QTest>

// Writing a table row and splitting a line back into cells.
class TestTableFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void quoting_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "Ед.изм."
                               << "Ед.изм.";
        QTest::newRow("blank") << "Емкость АБ"
                               << "\"Емкость АБ\"";
        QTest::newRow("comma") << "1,5"
                               << "\"1,5\"";
        QTest::newRow("quote doubled") << "a\"b"
                                       << "\"a\"\"b\"";
        QTest::newRow("tab") << "a\tb"
                             << "\"a\tb\"";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("one blank") << " "
                                   << "\" \"";
        // Decided on the text as the file holds it: the arrow is written as '?'.
        QTest::newRow("outside the code page") << QStringLiteral("5→6") << "5?6";
        QTest::newRow("outside the code page, quoted")
            << QStringLiteral("5 → 6") << "\"5 ? 6\"";
    }
    void quoting() {
        QFETCH(QString, cell);
        QTEST(QuoteCell(cell), "written");
        QCOMPARE(JoinCells({cell, cell}), QuoteCell(cell) + QLatin1Char(',') + QuoteCell(cell));
    }

    void split_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("cells"); // four columns
        QTest::newRow("a,,b") << "a,,b" << QStringList{"a", " ", "b", ""};
        QTest::newRow("20 fields keep 4") << "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20"
                                          << QStringList{"1", "2", "3", "4"};
        QTest::newRow("doubled quote")
            << "\"say \"\"hi\"\"\",x" << QStringList{"say \"hi\"", "x", "", ""};
        QTest::newRow("unquoted blank ends a field") << "x y,z" << QStringList{"x", "y", "z", ""};
        QTest::newRow("quoted blank kept") << "\"x y\",z" << QStringList{"x y", "z", "", ""};
        QTest::newRow("leading blanks skipped") << "   a,  b" << QStringList{"a", "b", "", ""};
        QTest::newRow("trailing comma") << "a," << QStringList{"a", " ", "", ""};
        QTest::newRow("leading comma") << ",a" << QStringList{" ", "a", "", ""};
        QTest::newRow("empty quoted") << "\"\",a" << QStringList{" ", "a", "", ""};
        QTest::newRow("empty line") << "" << QStringList{"", "", "", ""};
        QTest::newRow("unterminated quote") << "\"a,b" << QStringList{"a,b", "", "", ""};
        QTest::newRow("zero character")
            << QString("a") + QChar(0) + "b" << QStringList{"a", "b", "", ""};
        QTest::newRow("status row")
            << "1,\"Емкость АБ\",100,А*ч" << QStringList{"1", "Емкость АБ", "100", "А*ч"};
    }
    void split() {
        QFETCH(QString, line);
        QTEST(SplitLine(line, 4), "cells");
    }

    // What the writer writes splits back into the cells, an empty cell as one blank.
    void roundTrip() {
        const QStringList cells = {"", " x ", "a\"b,c", "", "\t", "Ж", ""};
        QStringList expected = cells;
        for (QString& cell : expected)
            if (cell.isEmpty())
                cell = QStringLiteral(" ");
        QCOMPARE(SplitLine(JoinCells(cells), int(cells.size())), expected);
    }

    // Through the file's bytes a cell keeps its place and its sign shows it was changed: "−3650"
    // (a typographic minus) comes back as "?3650", which no value cell takes.
    void bytesRoundTrip() {
        const QStringList cells = {QStringLiteral("5→6"), QStringLiteral("−3650"), "x"};
        const QStringList lines = DecodeLines(TableFileBytes({cells}));
        QCOMPARE(lines.size(), 1);
        QCOMPARE(SplitLine(lines[0], 3), (QStringList{"5?6", "?3650", "x"}));
    }
};

QTEST_APPLESS_MAIN(TestTableFile)
#include "test_table_file.moc"
