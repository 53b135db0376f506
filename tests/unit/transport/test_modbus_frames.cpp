#include "modbus_frames.h"

#include <QTest>

namespace {

QByteArray WithCrc(QByteArray frame) {
    AppendCrc(frame);
    return frame;
}

// A function-3 reply carrying byteCount bytes of data 0x00, 0x01, 0x02, ...
QByteArray ReadReplyFrame(int byteCount, int declared = -1) {
    QByteArray frame = QByteArray::fromHex("0103");
    frame.append(char(declared < 0 ? byteCount : declared));
    for (int i = 0; i < byteCount; ++i)
        frame.append(char(i));
    return WithCrc(frame);
}

} // namespace

class TestModbusFrames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void crcKnownAnswers_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<quint16>("crc");
        QTest::newRow("read one register") << QByteArray::fromHex("010300000001") << quint16(0x840A);
        QTest::newRow("empty") << QByteArray() << quint16(0xFFFF);
        // Standard check value of CRC-16/MODBUS is 0x4B37, sent low byte first.
        QTest::newRow("check string") << QByteArray("123456789") << quint16(0x374B);
        QTest::newRow("status block read at 238, bitwise reference")
            << QByteArray::fromHex("EE0300000032") << quint16(0xD280);
    }
    void crcKnownAnswers() {
        QFETCH(QByteArray, bytes);
        QFETCH(quint16, crc);
        QCOMPARE(ModbusCrc16(bytes), crc);
    }

    void readRequest() {
        QCOMPARE(BuildReadRequest(1, 0, 1), QByteArray::fromHex("010300000001840A"));
        const QByteArray frame = BuildReadRequest(238, 0x6C00, 47);
        QCOMPARE(frame.size(), 8);
        QCOMPARE(frame.left(6), QByteArray::fromHex("EE036C00002F"));
        QVERIFY(HasValidCrc(frame));
    }

    void writeRequest() {
        const std::array<quint16, 3> values = {0x000A, 0xFE0C, 0x1234};
        const QByteArray frame = BuildWriteRequest(238, 45, values);
        QCOMPARE(frame.size(), 9 + 2 * 3);
        QCOMPARE(frame.left(13), QByteArray::fromHex("EE10002D000306000AFE0C1234"));
        QVERIFY(HasValidCrc(frame));
    }

    void exceptionTexts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << QStringLiteral("  (0x00)");
        QTest::newRow("2") << 2 << QStringLiteral("Недоступный адрес регистра (0x02)");
        QTest::newRow("6") << 6 << QStringLiteral("Канал занят, повторите запрос позже (0x06)");
        QTest::newRow("11") << 11 << QStringLiteral("  (0x0B)");
        QTest::newRow("12 has no name") << 12 << QStringLiteral(" (0x0C)");
        QTest::newRow("255") << 255 << QStringLiteral(" (0xFF)");
    }
    void exceptionTexts() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(ExceptionText(code), text);
    }

    void judgeRead_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("words");
        using S = ReplyStatus;
        QTest::newRow("nothing") << QByteArray() << 1 << int(S::NoAnswer) << 0 << 0;
        QTest::newRow("one byte") << QByteArray("\x01", 1) << 1 << int(S::CrcError) << 0 << 0;
        QTest::newRow("exact count") << ReadReplyFrame(20) << 10 << int(S::Correct) << 0 << 10;
        QTest::newRow("one byte more") << ReadReplyFrame(21) << 10 << int(S::TooLong) << 0 << 0;
        QTest::newRow("short count stores what came") << ReadReplyFrame(4) << 10 << int(S::Correct) << 0 << 2;
        QTest::newRow("125 registers") << ReadReplyFrame(250) << 125 << int(S::Correct) << 0 << 125;
        QTest::newRow("exception 2") << WithCrc(QByteArray::fromHex("018302")) << 1 << int(S::Exception) << 2 << 0;
        QTest::newRow("other address accepted")
            << WithCrc(QByteArray::fromHex("0703020102")) << 1 << int(S::Correct) << 0 << 1;
        QTest::newRow("other function accepted")
            << WithCrc(QByteArray::fromHex("0104020102")) << 1 << int(S::Correct) << 0 << 1;
        QByteArray corrupt = ReadReplyFrame(4);
        corrupt[4] = char(corrupt[4] ^ 0x40);
        QTest::newRow("bad crc") << corrupt << 2 << int(S::CrcError) << 0 << 0;
        // Announces 200 bytes but only 4 arrived: the missing bytes must not be read.
        QTest::newRow("truncated") << ReadReplyFrame(4, 200) << 125 << int(S::CrcError) << 0 << 0;
        QTest::newRow("exception truncated") << QByteArray::fromHex("0183") << 1 << int(S::CrcError) << 0 << 0;
    }
    void judgeRead() {
        QFETCH(QByteArray, reply);
        QFETCH(int, requested);
        QFETCH(int, status);
        QFETCH(int, code);
        QFETCH(int, words);
        const ReadReply judged = JudgeReadReply(reply, requested);
        QCOMPARE(int(judged.verdict.status), status);
        QCOMPARE(int(judged.verdict.exceptionCode), code);
        QCOMPARE(judged.words.size(), words);
    }

    void judgeReadValues() {
        const ReadReply judged = JudgeReadReply(WithCrc(QByteArray::fromHex("EE030412348001")), 2);
        QCOMPARE(judged.words, (QList<quint16>{0x1234, 0x8001}));
    }

    void fullSizeReplyCrcCoversFirst253Bytes() {
        const QByteArray reply = ReadReplyFrame(250);
        QCOMPARE(reply.size(), MaxFrameBytes);
        const quint16 crc = ModbusCrc16(QByteArrayView(reply).first(253));
        QCOMPARE(quint8(reply[253]), quint8(crc >> 8));
        QCOMPARE(quint8(reply[254]), quint8(crc & 0xFF));
    }

    void judgeWrite_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("code");
        using S = ReplyStatus;
        QTest::newRow("nothing") << QByteArray() << int(S::NoAnswer) << 0;
        QTest::newRow("one byte") << QByteArray("\xEE", 1) << int(S::CrcError) << 0;
        QTest::newRow("echo") << WithCrc(QByteArray::fromHex("EE10002D0003")) << int(S::Correct) << 0;
        QTest::newRow("echo with wrong count still correct")
            << WithCrc(QByteArray::fromHex("EE10002D0007")) << int(S::Correct) << 0;
        QTest::newRow("exception") << WithCrc(QByteArray::fromHex("EE9002")) << int(S::Exception) << 2;
        QTest::newRow("other function")
            << WithCrc(QByteArray::fromHex("EE03002D0003")) << int(S::UnexpectedFunction) << 0;
        QTest::newRow("bad crc") << QByteArray::fromHex("EE10002D00030000") << int(S::CrcError) << 0;
    }
    void judgeWrite() {
        QFETCH(QByteArray, reply);
        QFETCH(int, status);
        QFETCH(int, code);
        const ReplyVerdict verdict = JudgeWriteReply(reply);
        QCOMPARE(int(verdict.status), status);
        QCOMPARE(int(verdict.exceptionCode), code);
    }
};

QTEST_APPLESS_MAIN(TestModbusFrames)
#include "test_modbus_frames.moc"
