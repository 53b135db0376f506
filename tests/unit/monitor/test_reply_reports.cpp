#include "reply_reporting.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(ReplyStatus)
Q_DECLARE_METATYPE(LinkCount)

class TestReplyReports : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void readReports_data() {
        QTest::addColumn<ReplyStatus>("status");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("statusText");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("log");
        QTest::addColumn<LinkCount>("count");
        QTest::addColumn<bool>("refresh");
        QTest::newRow("correct") << ReplyStatus::Correct << 0 << "Ответ принят корректно"
                                 << "Ответ получен по: 45"
                                 << "" << LinkCount::None << true;
        QTest::newRow("exception 2")
            << ReplyStatus::Exception << 2 << "Ответ с ошибкой: Недоступный адрес регистра"
            << "Недоступный адрес регистра (0x02)"
            << "" << LinkCount::None << false;
        QTest::newRow("exception without a name")
            << ReplyStatus::Exception << 0x2A << "Ответ с ошибкой: "
            << " (0x2A)"
            << "" << LinkCount::None << false;
        QTest::newRow("too long") << ReplyStatus::TooLong << 0 << ""
                                  << ""
                                  << "" << LinkCount::None << false;
        QTest::newRow("bad CRC") << ReplyStatus::CrcError << 0 << "Ошибка CRC ответа!"
                                 << "Ошибка CRC ответа: 45"
                                 << " Ошибка CRC ответа" << LinkCount::CrcError << true;
        // A read that got nothing leaves the status bar as it was.
        QTest::newRow("no answer") << ReplyStatus::NoAnswer << 0 << ""
                                   << "Нет ответа: 45"
                                   << " Нет ответа" << LinkCount::NoAnswer << true;
    }
    void readReports() {
        QFETCH(ReplyStatus, status);
        QFETCH(int, code);
        QFETCH(QString, statusText);
        QFETCH(QString, memo);
        QFETCH(QString, log);
        QFETCH(LinkCount, count);
        QFETCH(bool, refresh);
        const ReplyReport report = ReadReplyReport({status, quint8(code)}, 45);
        QCOMPARE(report.statusText, statusText);
        QCOMPARE(report.memoLine, memo);
        QCOMPARE(report.logEvent, log);
        QCOMPARE(report.count, count);
        QCOMPARE(report.refreshPercent, refresh);
        QVERIFY(report.messageText.isEmpty());
    }

    void writeReports_data() {
        QTest::addColumn<ReplyStatus>("status");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("log");
        QTest::addColumn<LinkCount>("count");
        QTest::addColumn<bool>("refresh");
        QTest::newRow("correct") << ReplyStatus::Correct << 0 << "Настройки изменены"
                                 << "Успешная запись"
                                 << ""
                                 << "" << LinkCount::None << true;
        QTest::newRow("exception 0x0B") << ReplyStatus::Exception << 0x0B << "  (0x0B)"
                                        << "Ответ с ошибкой"
                                        << "  (0x0B)"
                                        << "" << LinkCount::None << false;
        QTest::newRow("other function")
            << ReplyStatus::UnexpectedFunction << 0 << "Что-то пошло не так"
            << "Ошибка"
            << ""
            << "" << LinkCount::None << true;
        QTest::newRow("bad CRC") << ReplyStatus::CrcError << 0 << "Ошибка CRC ответа"
                                 << "Ошибка"
                                 << "Ошибка CRC ответа: 28672"
                                 << " Ошибка CRC ответа" << LinkCount::CrcError << true;
        QTest::newRow("no answer") << ReplyStatus::NoAnswer << 0 << "Нет ответа"
                                   << "Ошибка"
                                   << "Нет ответа: 28672"
                                   << " Нет ответа" << LinkCount::NoAnswer << true;
    }
    void writeReports() {
        QFETCH(ReplyStatus, status);
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QFETCH(QString, memo);
        QFETCH(QString, log);
        QFETCH(LinkCount, count);
        QFETCH(bool, refresh);
        const ReplyReport report = WriteReplyReport({status, quint8(code)}, 0x7000);
        QCOMPARE(report.messageText, text);
        QCOMPARE(report.messageCaption, caption);
        QCOMPARE(report.memoLine, memo);
        QCOMPARE(report.logEvent, log);
        QCOMPARE(report.count, count);
        QCOMPARE(report.refreshPercent, refresh);
        QVERIFY(report.statusText.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReplyReports)
#include "test_reply_reports.moc"
