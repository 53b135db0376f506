#include "file_names.h"
#include "file_size_limit.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// The bytes of the program's text files, and the rules for where and how they are written.
class TestTextFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encodeLines() {
        // Code page 1251, CR LF after every line, the last too, no byte-order mark.
        QCOMPARE(EncodeLines({QStringLiteral("№,Ед.изм."), QString(), QStringLiteral("a")}),
                 QByteArray("\xb9,\xc5\xe4.\xe8\xe7\xec.\r\n\r\na\r\n"));
        QCOMPARE(EncodeLines({}), QByteArray());
    }

    // A character the code page lacks is one '?' (a pair of surrogates too), never a control
    // byte that would split a cell on reading back.
    void charactersOutsideTheCodePage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        QTest::newRow("arrow") << QStringLiteral("5→6") << "5?6";
        QTest::newRow("typographic minus") << QStringLiteral("−3650") << "?3650";
        QTest::newRow("beyond 16 bits") << QStringLiteral("a😀b") << "a?b";
        QTest::newRow("Cyrillic and the undefined 0x98 kept")
            << QStringLiteral("Ж№\u0098") << QStringLiteral("Ж№\u0098");
    }
    void charactersOutsideTheCodePage() {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QCOMPARE(TextAsWritten(text), written);
        QCOMPARE(DecodeLines(EncodeLines({text})), QStringList{written});
    }

    void decodeLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("CR only") << QByteArray("a\rb") << QStringList{"a", "b"};
        QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines kept")
            << QByteArray("a\n\n\r\nb\n") << QStringList{"a", "", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("code page 1251") << QByteArray("\xb9\r\n") << QStringList{"№"};
    }
    void decodeLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(DecodeLines(bytes), lines);
        QCOMPARE(CountLines(bytes), lines.size());
    }

    // A save writes regular files only: a link's target (the link stays), never in place of a
    // folder, a device or a FIFO, which a read refuses too (opening a FIFO would wait).
    void notRegularFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason"); // empty: written through
        QTest::newRow("folder") << "folder"
                                << "это папка";
        QTest::newRow("FIFO") << "fifo"
                              << "это не обычный файл";
        QTest::newRow("device") << "device"
                                << "это не обычный файл";
        QTest::newRow("link to a file") << "link" << QString();
        QTest::newRow("link to a FIFO") << "link to fifo"
                                        << "это не обычный файл";
    }
    void notRegularFiles() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("target"));
        QString path = target;
        // A node of the null device of its own: a failure here must not replace the system's.
        if (kind == QLatin1String("device") &&
            mknod(qPrintable(target), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("making a device node needs the right to");
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(target));
        if (kind.contains(QLatin1String("fifo")))
            QCOMPARE(mkfifo(qPrintable(target), 0600), 0);
        if (kind == QLatin1String("link"))
            QVERIFY(SaveWholeFile(target, "old\r\n").isEmpty());
        if (kind.startsWith(QLatin1String("link"))) {
            path = dir.filePath(QStringLiteral("link"));
            QVERIFY(QFile::link(target, path));
        }
        struct stat before {};
        QCOMPARE(stat(qPrintable(path), &before), 0);
        const FileError saved = SaveWholeFile(path, "new\r\n");
        const TextFileRead read = ReadTextFile(path);
        struct stat after {};
        QCOMPARE(stat(qPrintable(path), &after), 0);
        QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
        if (reason.isEmpty()) {
            QVERIFY2(saved.isEmpty(), qPrintable(saved));
            QVERIFY(QFileInfo(path).isSymLink());
            QCOMPARE(read.lines, QStringList{"new"});
            return;
        }
        QVERIFY2(saved.contains(reason), qPrintable(saved));
        QVERIFY2(read.error.contains(reason), qPrintable(read.error));
        QCOMPARE(after.st_ino, before.st_ino);
    }

    // A file of more lines than asked for is refused before any line is made.
    void lineLimit() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.csv"));
        QVERIFY(SaveWholeFile(path, "a\r\n\r\nb").isEmpty());
        QCOMPARE(ReadTextFile(path, MaxTextFileBytes, 3).lines, (QStringList{"a", "", "b"}));
        const TextFileRead refused = ReadTextFile(path, MaxTextFileBytes, 2);
        QVERIFY(refused.lines.isEmpty());
        QVERIFY2(refused.error.contains(QStringLiteral("больше 2 строк")),
                 qPrintable(refused.error));
    }

    // A failed save leaves the file as it was; a read refuses what is not a table's text.
    void saveAndRead() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.csv"));
        QVERIFY(SaveWholeFile(path, "old\r\n").isEmpty());
        QVERIFY(SaveWholeFile(path, "new\r\n").isEmpty());
        QCOMPARE(ReadTextFile(path).lines, QStringList{"new"});
        const QString missing = dir.filePath(QStringLiteral("no/such/folder/t.csv"));
        const FileError error = SaveWholeFile(missing, "x");
        QVERIFY(error.contains(QDir::toNativeSeparators(missing)));
        QVERIFY(!QFile::exists(missing));

        QVERIFY(AppendToFile(path, "more\r\n").isEmpty());
        QCOMPARE(ReadTextFile(path).lines, (QStringList{"new", "more"}));
        QVERIFY(!AppendToFile(missing, "x").isEmpty());
        QVERIFY(!AppendToFile(QString(), "x").isEmpty());

        QVERIFY(SaveWholeFile(path, QByteArray("a\0b", 3)).isEmpty());
        QVERIFY(ReadTextFile(path).error.contains(QStringLiteral("не текстовый")));
        QVERIFY(SaveWholeFile(path, QByteArray(101, 'x')).isEmpty());
        const TextFileRead large = ReadTextFile(path, 100);
        QVERIFY(large.lines.isEmpty());
        QVERIFY(!large.error.isEmpty());
        QVERIFY(!ReadTextFile(missing).error.isEmpty());
    }

    // A disk that fills while the file is written (a file-size limit makes the writes fail):
    // the old file stays whole, no temporary file is left, and the append says so too.
    void fullDisk() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.csv"));
        QVERIFY(SaveWholeFile(path, "old\r\n").isEmpty());
        FileSizeLimit full(64);
        QVERIFY(full.IsSet());
        const FileError saveError = SaveWholeFile(path, QByteArray(1000, 'x'));
        const FileError appendError = AppendToFile(path, QByteArray(1000, 'y'));
        QVERIFY(full.Lift());
        QVERIFY2(saveError.contains(QDir::toNativeSeparators(path)), qPrintable(saveError));
        QVERIFY(!appendError.isEmpty());
        QCOMPARE(ReadTextFile(path).lines, QStringList{"old"});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"t.csv"});
    }

    void names() {
        QCOMPARE(FileNameStamp(QDateTime(QDate(2015, 12, 4), QTime(16, 41, 0))),
                 QStringLiteral("151204_16-41-00"));
        QTemporaryDir dir;
        QCOMPARE(StartFolder(dir.path(), QStringLiteral("/nonexistent")), dir.path());
        // A program folder that cannot take files (here: none at all) gives the documents.
        const QString documents = dir.filePath(QStringLiteral("Documents"));
        QCOMPARE(StartFolder(dir.filePath(QStringLiteral("gone")), documents), documents);
        QVERIFY(QFileInfo(documents).isDir());
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_text_file.moc"
