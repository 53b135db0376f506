#include "mnemonics.h"

#include <QTest>

class TestMnemonics : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void assign_data() {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<QStringList>("marked");
        QTest::newRow("first letters") << QStringList{"Сохранить в файл", "Загрузить из файла"} << ""
                                       << QStringList{"&Сохранить в файл", "&Загрузить из файла"};
        // Same captions on one page: the next word start, then any letter.
        QTest::newRow("repeated captions")
            << QStringList{"Установить", "Установить", "Сохранить в файл"} << ""
            << QStringList{"&Установить", "У&становить", "Сохранить &в файл"};
        QTest::newRow("letters taken elsewhere, without case")
            << QStringList{"Файл"} << "фа" << QStringList{"Фа&йл"};
        QTest::newRow("a given mnemonic is kept and reserved")
            << QStringList{"Очистить", "&Отмена"} << "" << QStringList{"О&чистить", "&Отмена"};
        QTest::newRow("digits count") << QStringList{"3D"} << "" << QStringList{"&3D"};
        QTest::newRow("nothing free") << QStringList{"OK"} << "ok" << QStringList{"OK"};
        QTest::newRow("a literal ampersand is left alone")
            << QStringList{"A && B"} << "" << QStringList{"A && B"};
    }
    void assign() {
        QFETCH(QStringList, captions);
        QFETCH(QString, taken);
        QSet<QChar> letters;
        for (QChar c : taken)
            letters.insert(c);
        QTEST(AssignMnemonics(captions, letters), "marked");
    }

    void letterAndKeep_data() {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("kept");
        QTest::newRow("login to logout") << "&Войти" << "Выйти" << "&Выйти";
        QTest::newRow("letter further on") << "В&ойти" << "Выйти" << "Выйти";
        QTest::newRow("no mnemonic before") << "Войти" << "Выйти" << "Выйти";
    }
    void letterAndKeep() {
        QFETCH(QString, old);
        QFETCH(QString, caption);
        QTEST(KeepMnemonic(old, caption), "kept");
        QCOMPARE(MnemonicLetter(u"Со&хранить"), QChar(u'х'));
        QCOMPARE(MnemonicLetter(u"A && B"), QChar());
    }
};

QTEST_APPLESS_MAIN(TestMnemonics)
#include "test_mnemonics.moc"
