#include "file_names.h"
#include "file_size_limit.h"
#include "recent_files.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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
        QTEST(DecodeLines(bytes), "lines");
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

    // An installed program (under a bin folder, writable or not) starts in the documents on
    // Linux; on Windows its own folder serves while it can be written to.
    void startFolder_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("documentsForBin");
        QTest::addColumn<bool>("documents");
        QTest::newRow("a build folder") << "build/monitor" << true << false;
        QTest::newRow("user bin") << "bin" << true << true;
        QTest::newRow("user .local/bin") << ".local/bin" << true << true;
        QTest::newRow("bin of a prefix") << "opt/velmora/bin" << true << true;
        QTest::newRow("a name only starting with bin") << "binaries" << true << false;
        QTest::newRow("bin on Windows") << "bin" << false << false;
    }
    void startFolder() {
        QFETCH(QString, program);
        QFETCH(bool, documentsForBin);
        QFETCH(bool, documents);
        QTemporaryDir dir;
        const QString programFolder = dir.filePath(program);
        QVERIFY(QDir().mkpath(programFolder));
        const QString documentsFolder = dir.filePath(QStringLiteral("Documents"));
        QCOMPARE(StartFolder(programFolder, documentsFolder, documentsForBin),
                 documents ? documentsFolder : programFolder);
    }

    // Each kind starts where its last file was chosen, each use proposes only its own last name,
    // and both survive a restart through the settings file.
    void recentFiles() {
        QTemporaryDir dir;
        const QString tables = dir.filePath(QStringLiteral("tables"));
        const QString images = dir.filePath(QStringLiteral("images"));
        QVERIFY(QDir().mkpath(tables) && QDir().mkpath(images));
        QSettings settings(dir.filePath(QStringLiteral("velmora.ini")), QSettings::IniFormat);
        LoadRecentFiles(settings);
        QCOMPARE(FileFolder(FileKind::Tables), StartFolder());
        RememberFile(FileKind::Tables, QStringLiteral("_charge_set.csv"),
                     tables + QStringLiteral("/a_charge_set.csv"));
        RememberFile(FileKind::Firmware, QStringLiteral("image"), images + QStringLiteral("/v2.bin"));
        RememberFile(FileKind::Firmware, QStringLiteral("image"), QString()); // cancelled
        SaveRecentFiles(settings);
        RememberFile(FileKind::Log, QStringLiteral("monitor"), tables + QStringLiteral("/x_log.csv"));
        settings.sync();

        QSettings restarted(settings.fileName(), QSettings::IniFormat);
        LoadRecentFiles(restarted);
        QCOMPARE(FileFolder(FileKind::Tables), tables);
        QCOMPARE(FileFolder(FileKind::Firmware), images);
        QCOMPARE(FileFolder(FileKind::Log), StartFolder());
        QCOMPARE(LastFileName(FileKind::Tables, QStringLiteral("_charge_set.csv")),
                 QStringLiteral("a_charge_set.csv"));
        QCOMPARE(LastFileName(FileKind::Tables, QStringLiteral("_alarm_set.csv")), QString());
        QCOMPARE(LastFileName(FileKind::Firmware, QStringLiteral("image")),
                 QStringLiteral("v2.bin"));
        // A folder removed since starts the kind at the start folder again.
        QVERIFY(QDir(images).removeRecursively());
        QCOMPARE(FileFolder(FileKind::Firmware), StartFolder());
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_text_file.moc"
