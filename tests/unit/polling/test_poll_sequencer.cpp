#include "poll_sequencer.h"
#include "register_image.h"

#include <QTest>

#include <map>

Q_DECLARE_METATYPE(PollVerdict)
Q_DECLARE_METATYPE(PollCounter)

namespace {

using Requests = QList<PollRequest>;

Requests StatusRequests() {
    return {{0, 50}, {50, 125}, {175, 125}, {300, 125}, {425, 125}, {550, 100}};
}
Requests SettingsRequests() {
    return {{0x6800, 6}, {0x6C00, 47}, {0x7000, 49}};
}
Requests JournalRequests() {
    Requests requests;
    for (int k = 0; k < 24; ++k)
        requests.append({quint16(0x7400 + 125 * k), 125});
    requests.append({0x7FB8, 72});
    return requests;
}

// Runs one whole cycle, answering every block, and gives the requests and blocks in order.
QList<PollBlock> RunCycle(PollSequencer& sequencer, bool readSettings, bool readJournal) {
    QList<PollBlock> blocks;
    std::optional<PollRequest> next = sequencer.StartCycle();
    while (next) {
        const PollBlock& current = sequencer.Current();
        if (current.request != *next)
            return {}; // the sequencer must describe the request it just gave
        blocks.append(current);
        next = sequencer.ReplyJudged(readSettings, readJournal);
    }
    return blocks;
}

QByteArray Frame(const char* hex, bool withCrc = true) {
    QByteArray frame = QByteArray::fromHex(hex);
    if (withCrc)
        AppendCrc(frame);
    return frame;
}

// A function-3 reply carrying `words` registers with the values 1, 2, 3, ...
QByteArray CountingReply(int words) {
    QByteArray frame = QByteArray::fromHex("EE03");
    frame.append(char(2 * words));
    for (int k = 1; k <= words; ++k)
        frame.append(char(0)).append(char(k));
    AppendCrc(frame);
    return frame;
}

} // namespace

class TestPollSequencer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cycleFollowsCheckBoxes_data() {
        QTest::addColumn<bool>("readSettings");
        QTest::addColumn<bool>("readJournal");
        QTest::addColumn<Requests>("requests");
        QTest::addColumn<int>("lastState");
        QTest::newRow("status only") << false << false << StatusRequests() << 6;
        QTest::newRow("settings") << true << false << StatusRequests() + SettingsRequests() << 9;
        QTest::newRow("journal") << false << true << StatusRequests() + JournalRequests() << 11;
        QTest::newRow("all 34 blocks")
            << true << true << StatusRequests() + SettingsRequests() + JournalRequests() << 11;
    }
    void cycleFollowsCheckBoxes() {
        QFETCH(bool, readSettings);
        QFETCH(bool, readJournal);
        QFETCH(Requests, requests);
        QFETCH(int, lastState);
        PollSequencer sequencer;
        for (int cycle = 0; cycle < 2; ++cycle) { // the second cycle starts over at block 1
            std::optional<PollRequest> next = sequencer.StartCycle();
            Requests asked;
            int state = 0;
            while (next) {
                asked.append(*next);
                state = sequencer.PollState();
                next = sequencer.ReplyJudged(readSettings, readJournal);
            }
            QCOMPARE(asked, requests);
            QCOMPARE(state, lastState);
            QVERIFY(sequencer.PollIdle());
            QCOMPARE(sequencer.PollState(), 1);
        }
    }

    // Every word of every area is asked for exactly once, at its own place.
    void blocksCoverEachAreaOnce() {
        PollSequencer sequencer;
        const QList<PollBlock> blocks = RunCycle(sequencer, true, true);
        QCOMPARE(blocks.size(), 34);
        std::map<PollArea, QList<int>> hits;
        for (const PollBlock& block : blocks) {
            const PollAreaLayout layout = PollAreaLayouts[int(block.area)];
            QCOMPARE(block.request.firstRegister, layout.firstRegister + block.index);
            QList<int>& areaHits = hits[block.area];
            areaHits.resize(layout.words);
            for (int k = 0; k < block.request.count; ++k)
                ++areaHits[block.index + k];
        }
        // The whole status area (cell 200's status in register 649 too); the last alarm
        // setting is not polled.
        const std::map<PollArea, int> polledWords = {{PollArea::Status, 650},
                                                     {PollArea::CommSettings, 6},
                                                     {PollArea::ChargeSettings, 47},
                                                     {PollArea::AlarmSettings, 49},
                                                     {PollArea::Journal, 3072}};
        for (const auto& [area, words] : polledWords) {
            const QList<int>& areaHits = hits[area];
            for (int k = 0; k < areaHits.size(); ++k)
                QCOMPARE(areaHits[k], k < words ? 1 : 0);
        }
    }

    // The check boxes are read when each decision is taken, not when the cycle starts.
    void checkBoxesReadAtEachDecision() {
        PollSequencer sequencer;
        sequencer.StartCycle();
        for (int k = 0; k < 5; ++k)
            sequencer.ReplyJudged(false, false);
        QCOMPARE(sequencer.ReplyJudged(false, true), std::optional<PollRequest>({0x7400, 125}));
        // Switching the journal off in state 10 does not cut the journal short.
        QCOMPARE(sequencer.ReplyJudged(false, false), std::optional<PollRequest>({0x747D, 125}));

        PollSequencer withSettings;
        withSettings.StartCycle();
        for (int k = 0; k < 5; ++k)
            withSettings.ReplyJudged(false, false);
        withSettings.ReplyJudged(true, false);
        withSettings.ReplyJudged(false, false);
        withSettings.ReplyJudged(false, false);
        QCOMPARE(withSettings.PollState(), 9);
        QCOMPARE(withSettings.ReplyJudged(false, true), std::optional<PollRequest>({0x7400, 125}));
    }

    // A tick inside a running cycle starts nothing; a reply outside a cycle asks for nothing.
    void startWhileRunningDoesNothing() {
        PollSequencer sequencer;
        QVERIFY(sequencer.PollIdle());
        QCOMPARE(sequencer.ReplyJudged(true, true), std::nullopt);
        QCOMPARE(sequencer.StartCycle(), std::optional<PollRequest>({0, 50}));
        QVERIFY(!sequencer.PollIdle());
        sequencer.ReplyJudged(false, false);
        QCOMPARE(sequencer.StartCycle(), std::nullopt);
        QCOMPARE(sequencer.Current().request, PollRequest({50, 125}));
    }

    void timeOutEndsTheCycle_data() {
        QTest::addColumn<int>("answered");
        QTest::newRow("first block") << 0;
        QTest::newRow("status block 3") << 2;
        QTest::newRow("comm settings") << 6;
        QTest::newRow("journal run") << 15;
        QTest::newRow("last journal block") << 33;
    }
    void timeOutEndsTheCycle() {
        QFETCH(int, answered);
        PollSequencer sequencer;
        const Requests all = StatusRequests() + SettingsRequests() + JournalRequests();
        sequencer.StartCycle();
        for (int k = 0; k < answered; ++k)
            sequencer.ReplyJudged(true, true);
        // The no-answer report names the block that went unanswered.
        QCOMPARE(sequencer.Current().request, all[answered]);
        sequencer.TimedOut();
        QVERIFY(sequencer.PollIdle());
        QCOMPARE(sequencer.PollState(), 1);
        QCOMPARE(sequencer.StartCycle(), std::optional<PollRequest>({0, 50}));
    }

    void parseReply_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("count");
        QTest::addColumn<PollVerdict>("verdict");
        QTest::addColumn<QStringList>("memo");
        QTest::addColumn<QString>("replyText");
        QTest::addColumn<PollCounter>("counter");
        QTest::addColumn<bool>("refresh");
        QTest::addColumn<QString>("logText");
        QTest::addColumn<int>("storedWords");

        const QString accepted = QStringLiteral("Ответ принят корректно");
        const QString crcText = QStringLiteral("Ошибка CRC ответа!");
        const QString crcLog = QStringLiteral(" Ошибка CRC ответа");
        QTest::newRow("correct 50") << CountingReply(50) << 50 << PollVerdict::Stored
                                    << QStringList{" ", "Ответ получен. Адрес=0 Кол-во=50"}
                                    << accepted << PollCounter::Success << true << QString() << 50;
        QTest::newRow("correct 125 is 255 bytes")
            << CountingReply(125) << 125 << PollVerdict::Stored
            << QStringList{" ", "Ответ получен. Адрес=0 Кол-во=125"} << accepted
            << PollCounter::Success << true << QString() << 125;
        QTest::newRow("other address, trailing byte")
            << Frame("0103020007") + QByteArray(1, '\x55') << 1 << PollVerdict::Stored
            << QStringList{" ", "Ответ получен. Адрес=0 Кол-во=1"} << accepted
            << PollCounter::Success << true << QString() << 1;
        QTest::newRow("one byte too many")
            << Frame("EE0303000102") << 1 << PollVerdict::TooLong
            << QStringList{" ", "Данные полученные не влазят в массив. Адрес=0 Кол-во=1"}
            << QString() << PollCounter::None << false << QString() << 0;
        QTest::newRow("fewer registers than asked")
            << CountingReply(6) << 50 << PollVerdict::WrongLength
            << QStringList{" ", "Длина ответа не совпадает с запросом. Адрес=0 Кол-во=50"}
            << QString() << PollCounter::None << false << QString() << 0;
        QTest::newRow("exception 2")
            << Frame("EE8302") << 50 << PollVerdict::Exception
            << QStringList{" ", "Недоступный адрес регистра (0x02) Адрес=0 Кол-во=50"}
            << QStringLiteral("Ответ с ошибкой: Недоступный адрес регистра") << PollCounter::Success
            << false << QString() << 0;
        QTest::newRow("exception without a name")
            << Frame("EE830C") << 50 << PollVerdict::Exception
            << QStringList{" ", " (0x0C) Адрес=0 Кол-во=50"} << QStringLiteral("Ответ с ошибкой: ")
            << PollCounter::Success << false << QString() << 0;
        QTest::newRow("bad crc") << Frame("EE03021234ABCD", false) << 1 << PollVerdict::CrcError
                                 << QStringList{" ", "Ошибка CRC ответа! Адрес=0 Кол-во=1",
                                                "rxcnt=7 ByteRx=2 crc=24804 crcRx=43981"}
                                 << crcText << PollCounter::CrcError << true << crcLog << 0;
        QTest::newRow("exception with bad crc")
            << Frame("EE83020000", false) << 50 << PollVerdict::CrcError
            << QStringList{" ", "Ошибка CRC ответа! Адрес=0 Кол-во=50",
                           "rxcnt=5 ByteRx=0 crc=61700 crcRx=0"}
            << crcText << PollCounter::CrcError << true << crcLog << 0;
        QTest::newRow("shorter than announced")
            << Frame("EE03040000", false) << 2 << PollVerdict::CrcError
            << QStringList{" ", "Ошибка CRC ответа! Адрес=0 Кол-во=2",
                           "rxcnt=5 ByteRx=4 crc=58621 crcRx=0"}
            << crcText << PollCounter::CrcError << true << crcLog << 0;
        QTest::newRow("announces 255 data bytes")
            << Frame("EE03FF00000000000000000000", false) << 125 << PollVerdict::CrcError
            << QStringList{" ", "Ошибка CRC ответа! Адрес=0 Кол-во=125",
                           "rxcnt=13 ByteRx=255 crc=12804 crcRx=0"}
            << crcText << PollCounter::CrcError << true << crcLog << 0;
        // Only 255 bytes are judged, but the memo counts every byte that was waiting.
        const QByteArray overlong = QByteArray::fromHex("EE03FA") + QByteArray(297, '\0');
        QTest::newRow("300 bytes waiting")
            << overlong << 125 << PollVerdict::CrcError
            << QStringList{" ", "Ошибка CRC ответа! Адрес=0 Кол-во=125",
                           QStringLiteral("rxcnt=300 ByteRx=250 crc=%1 crcRx=0")
                               .arg(ModbusCrc16(QByteArrayView(overlong).first(253)))}
            << crcText << PollCounter::CrcError << true << crcLog << 0;
        QTest::newRow("two bytes") << Frame("EE03", false) << 50 << PollVerdict::CrcError
                                   << QStringList{" ", "Ошибка CRC ответа! Адрес=0 Кол-во=50",
                                                  "rxcnt=2 ByteRx=0 crc=4357 crcRx=0"}
                                   << crcText << PollCounter::CrcError << true << crcLog << 0;
    }
    void parseReply() {
        QFETCH(QByteArray, reply);
        QFETCH(int, count);
        QFETCH(PollVerdict, verdict);
        QFETCH(QStringList, memo);
        QFETCH(QString, replyText);
        QFETCH(PollCounter, counter);
        QFETCH(bool, refresh);
        QFETCH(QString, logText);
        QFETCH(int, storedWords);
        const QDateTime when(QDate(2026, 3, 15), QTime(9, 5));
        const ParsedPollReply parsed = ParsePollReply(reply, {0, quint16(count)}, when);
        QCOMPARE(parsed.report.verdict, verdict);
        QCOMPARE(parsed.report.memoLines, memo);
        QCOMPARE(parsed.report.replyText, replyText);
        QCOMPARE(parsed.report.counter, counter);
        QCOMPARE(parsed.report.refreshPercentage, refresh);
        QCOMPARE(parsed.report.logText, logText);
        QCOMPARE(parsed.report.when, when);
        QCOMPARE(parsed.words.size(), storedWords);
        for (int k = 0; k < storedWords; ++k)
            QCOMPARE(parsed.words[k], quint16(k == 0 && count == 1 ? 7 : k + 1));
    }

    // Each block lands in its own area at its index; a run that would not fit is dropped whole.
    void polledBlocksAreStoredInPlace() {
        RegisterImage image;
        const QList<PolledBlock> blocks = {
            {PollArea::Status, 640, {1, 2, 3}},     {PollArea::CommSettings, 5, {4}},
            {PollArea::ChargeSettings, 46, {5}},    {PollArea::AlarmSettings, 0, {6, 7}},
            {PollArea::Journal, 3071, {8}},         {PollArea::Status, 640, QList<quint16>(11, 9)},
            {PollArea::CommSettings, -1, {10, 10}},
        };
        StorePolledBlocks(blocks, image);
        QCOMPARE(image.StatusBlock[640], 1);
        QCOMPARE(image.StatusBlock[642], 3);
        QCOMPARE(image.StatusBlock[643], 0);
        QCOMPARE(image.CommSettingsBlock[0], 0);
        QCOMPARE(image.CommSettingsBlock[5], 4);
        QCOMPARE(image.ChargeSettingsBlock[46], 5);
        QCOMPARE(image.AlarmSettingsBlock[1], 7);
        QCOMPARE(image.JournalBlock[3071], 8);
    }

    void noAnswerAndTotalTexts() {
        const PollReport report = NoAnswerReport({0x6800, 6}, QDateTime());
        QCOMPARE(report.verdict, PollVerdict::NoAnswer);
        QCOMPARE(report.memoLines, QStringList{"Нет ответа! Адрес=26624 Кол-во=6"});
        QCOMPARE(report.replyText, QStringLiteral("Нет ответа!"));
        QCOMPARE(report.counter, PollCounter::NoAnswer);
        QVERIFY(!report.refreshPercentage);
        QCOMPARE(report.logText, QStringLiteral(" Нет ответа"));
        QCOMPARE(RxTotalText(0), QStringLiteral("Всего принято 0 байт"));
        QCOMPARE(RxTotalText(4294967295u), QStringLiteral("Всего принято 4294967295 байт"));
    }
};

QTEST_GUILESS_MAIN(TestPollSequencer)
#include "test_poll_sequencer.moc"
