#include "boot_frames.h"
#include "boot_registers.h"
#include "bootloader_model.h"
#include "image_crc.h"
#include "modbus_frames.h"
#include "packet_plan.h"
#include "scripted_prompts.h"
#include "update_procedures.h"

#include <QTest>

// The bootloader's pure parts: frames and their judging, the image checksum, the packet plan,
// the register block texts and the register read fields.
class TestBootLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requests();
    void judging_data();
    void judging();
    void packetReplies_data();
    void packetReplies();
    void frameTexts();
    void checksum_data();
    void checksum();
    void checksumTailRule();
    void checksumAgreesWithTheController();
    void packets_data();
    void packets();
    void progressText_data();
    void progressText();
    void registerBlock();
    void shortRegisterReply();
    void programData();
    void registerFields_data();
    void registerFields();
};

static QByteArray Hex(const char* text) {
    return QByteArray::fromHex(text);
}

// The bytes followed by their CRC.
static QByteArray Sealed(const char* hex) {
    QByteArray frame = Hex(hex);
    AppendCrc(frame);
    return frame;
}

void TestBootLogic::requests() {
    QCOMPARE(BootInitRequest(238), Hex("EE3001C435"));
    QCOMPARE(BootEraseRequest(238, 0), Hex("EE20000835"));
    QCOMPARE(BootFinishRequest(238), Hex("EE3101C5A5"));
    QCOMPARE(BootReadRequest(238, 4248, 18), BootReadRequest(238, 0x1098, 0x12));
    QCOMPARE(BootWriteRequest(238, 0x08002000, Hex("AA55")), Hex("EE210800200002AA555BD8"));
    // A full packet is 249 bytes; an empty one 9.
    QCOMPARE(BootWriteRequest(1, 0x080021E0, QByteArray(240, 'x')).size(), 249);
    QCOMPARE(BootWriteRequest(1, 0x080021E0, {}).first(7), Hex("0121080021E000"));
}

void TestBootLogic::judging_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<int>("code");
    const int expected = int(BootVerdict::Expected);
    QTest::newRow("nothing") << QByteArray() << 0x30 << int(BootVerdict::NoAnswer) << 0;
    QTest::newRow("init accepted") << Hex("EE3001C435") << 0x30 << expected << 0;
    QTest::newRow("init echo 30 00")
        << Hex("EE300005F5") << 0x30 << int(BootVerdict::Unexpected) << 0;
    QTest::newRow("init, CRC flipped")
        << Hex("EE3001C436") << 0x30 << int(BootVerdict::CrcError) << 0;
    QTest::newRow("one byte") << Hex("EE") << 0x31 << int(BootVerdict::CrcError) << 0;
    QTest::newRow("erase status") << Hex("EE200001F506") << 0x20 << expected << 0;
    QTest::newRow("finish answered as erase")
        << Hex("EE200001F506") << 0x31 << int(BootVerdict::Unexpected) << 0;
    QTest::newRow("finish status") << Hex("EE310101A493") << 0x31 << expected << 0;
    QTest::newRow("packet accepted") << Hex("EE21F009E1") << 0x21 << expected << 0;
    // The packet's CRC is read at bytes 3 and 4 whatever follows.
    QTest::newRow("packet, bytes after the reply")
        << Hex("EE21F009E1FFFF") << 0x21 << expected << 0;
    QTest::newRow("packet, short") << Hex("EE21F0") << 0x21 << int(BootVerdict::CrcError) << 0;
    QByteArray exception = Hex("EEB103");
    AppendCrc(exception);
    QTest::newRow("exception 3") << exception << 0x31 << int(BootVerdict::Exception) << 3;
}

void TestBootLogic::judging() {
    QFETCH(QByteArray, reply);
    QFETCH(int, command);
    QFETCH(int, verdict);
    QFETCH(int, code);
    const BootReply judged = JudgeBootReply(reply, quint8(command));
    QCOMPARE(int(judged.verdict), verdict);
    QCOMPARE(int(judged.exceptionCode), code);
}

// A packet's reply names its packet by the address and the data length it echoes.
void TestBootLogic::packetReplies_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("verdict");
    QTest::newRow("its length") << Sealed("EE2114") << int(BootVerdict::Expected);
    QTest::newRow("another packet's length") << Sealed("EE21F0") << int(BootVerdict::Stray);
    QTest::newRow("another address") << Sealed("0121F0") << int(BootVerdict::Stray);
    QTest::newRow("exception") << Sealed("EEA104") << int(BootVerdict::Exception);
    QTest::newRow("exception from another address") << Sealed("01A104") << int(BootVerdict::Stray);
    QTest::newRow("bad CRC") << Hex("EE21140000") << int(BootVerdict::CrcError);
    QTest::newRow("nothing") << QByteArray() << int(BootVerdict::NoAnswer);
    QTest::newRow("another command") << Sealed("EE3001") << int(BootVerdict::Unexpected);
}

void TestBootLogic::packetReplies() {
    QFETCH(QByteArray, reply);
    QFETCH(int, verdict);
    const QByteArray packet = BootWriteRequest(238, 0x080021E0, QByteArray(20, 'x'));
    QCOMPARE(int(JudgeBootReplyTo(packet, reply).verdict), verdict);
    // The other commands' replies are judged without their address, as before.
    QCOMPARE(JudgeBootReplyTo(BootInitRequest(238), Sealed("013001")).verdict,
             BootVerdict::Expected);
}

void TestBootLogic::frameTexts() {
    QCOMPARE(FrameHexText(Hex("EE3001C435")), QStringLiteral("EE 30 01 C4 35 "));
    QCOMPARE(FrameDollarText(Hex("EE3001C435")), QStringLiteral(" $EE $30 $01 $C4 $35"));
    QCOMPARE(ReceiveBufferText(Hex("EE2000")), QStringLiteral("$EE$20$00$00$00$00$00$00$00"));
    QCOMPARE(ReceiveBufferText(Hex("0102030405060708090A")),
             QStringLiteral("$01$02$03$04$05$06$07$08$09"));
    QCOMPARE(FrameHexText({}), QString());
}

void TestBootLogic::checksum_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<quint32>("crc");
    QTest::newRow("abcd") << QByteArray("abcd") << 0xA62F1C36u;
    QTest::newRow("abcd and its checksum") << QByteArray("abcd") + Hex("361C2FA6") << 0u;
    QTest::newRow("empty") << QByteArray() << 0xFFFFFFFFu;
    QTest::newRow("one zero word") << QByteArray(4, '\0') << Stm32CrcStep(0xFFFFFFFF, 0);
}

void TestBootLogic::checksum() {
    QFETCH(QByteArray, image);
    QFETCH(quint32, crc);
    QCOMPARE(ImageCrc32(image), crc);
}

void TestBootLogic::checksumTailRule() {
    // In the first block the missing bytes of the last word are zeros.
    QCOMPARE(ImageCrc32("abcde"), ImageCrc32(QByteArray("abcde") + QByteArray(3, '\0')));
    // Later they are the bytes 512 before, left in the read buffer by the previous block.
    QByteArray image;
    for (int i = 0; i < 514; ++i)
        image.append(char(i * 13 + 1));
    QCOMPARE(ImageCrc32(image), ImageCrc32(image + image.mid(2, 2)));
    QVERIFY(ImageCrc32(image) != ImageCrc32(image + QByteArray(2, '\0')));
}

// The controller's own check (a byte-wise CRC-32/MPEG-2) and the image checksum agree.
void TestBootLogic::checksumAgreesWithTheController() {
    for (int bytes : {4, 8, 512, 516, 131072})
        QCOMPARE(ImageCrc32(DemoImage(bytes)), 0u);
    const QByteArray content = DemoImage(1000).left(996);
    QCOMPARE(ImageCrc32(content), FlashCrc32(content));
}

void TestBootLogic::packets_data() {
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<QList<BootPacket>>("packets");
    QTest::addColumn<QList<int>>("progress");
    QTest::newRow("480: two full and an empty packet")
        << qsizetype(480)
        << QList<BootPacket>{{0x08002000, 0, 240}, {0x080020F0, 240, 240}, {0x080021E0, 480, 0}}
        << QList<int>{0, 50, 100};
    QTest::newRow("500: 240, 240 and 20")
        << qsizetype(500)
        << QList<BootPacket>{{0x08002000, 0, 240}, {0x080020F0, 240, 240}, {0x080021E0, 480, 20}}
        << QList<int>{0, 50, 100};
    QTest::newRow("shorter than a packet")
        << qsizetype(100) << QList<BootPacket>{{0x08002000, 0, 100}} << QList<int>{100};
    QTest::newRow("empty") << qsizetype(0) << QList<BootPacket>{{0x08002000, 0, 0}}
                           << QList<int>{100};
}

void TestBootLogic::packets() {
    QFETCH(qsizetype, size);
    QFETCH(QList<BootPacket>, packets);
    QFETCH(QList<int>, progress);
    const quint32 full = FullPackets(size);
    QCOMPARE(qsizetype(full) + 1, packets.size());
    for (quint32 n = 0; n <= full; ++n) {
        QCOMPARE(PacketAt(size, n), packets[n]);
        QCOMPARE(ProgressPercent(n, full), progress[n]);
    }
}

void TestBootLogic::progressText_data() {
    QTest::addColumn<quint32>("number");
    QTest::addColumn<quint32>("full");
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<QString>("text");
    QTest::newRow("first of 547") << 0u << 546u << qint64(50)
                                  << "Передано пакетов: 1 из 547 (принят №0), осталось 0:28";
    QTest::newRow("half way") << 272u << 546u << qint64(65000)
                              << "Передано пакетов: 273 из 547 (принят №272), осталось 1:06";
    QTest::newRow("last") << 546u << 546u << qint64(30000)
                          << "Передано пакетов: 547 из 547 (принят №546), осталось 0:00";
}

void TestBootLogic::progressText() {
    QFETCH(quint32, number);
    QFETCH(quint32, full);
    QFETCH(qint64, elapsedMs);
    QFETCH(QString, text);
    QCOMPARE(ProgressText(ProgressAfter(number, full, elapsedMs)), text);
    QCOMPARE(ProgressText({}), QString());
}

// A read reply of 11 registers: 0x0102, 0x0304, then pairs that make 32-bit values.
static QByteArray RegisterReply() {
    QByteArray reply = Hex("EE0316");
    reply += Hex("01020304"
                 "51183438"
                 "36502037"
                 "10010413"
                 "010000F8"
                 "0001");
    AppendCrc(reply);
    return reply;
}

void TestBootLogic::registerBlock() {
    const BootRegisterBlock block = DecodeBootRegisters(RegisterReply());
    QCOMPARE(block, (BootRegisterBlock{0x0102, 0x0304, 0x34385118, 0x20373650, 0x1001, 0x0413,
                                       0x0100, 0xF8, 1}));
    QCOMPARE(BootRegisterLines(block),
             (QStringList{"Регистры загрузчика:", "IDREG0 = 0x0102", "IDREG1 = 0x0304",
                          "IDREG2 = 0x34385118", "IDREG3 = 0x20373650", "REVISION    = 0x1001",
                          "DEVICE_ID   = 0x0413", "FLASH_SIZE  = 0x0100", "FLASH_FREE = 0x00F8",
                          "AppIntegrityFalse = 0x0001"}));
}

// Two registers asked for: the fields past them read the reply's CRC, then zeros.
void TestBootLogic::shortRegisterReply() {
    QByteArray reply = Hex("EE0304"
                           "01020304");
    const quint16 crc = ModbusCrc16(reply);
    reply.append(char(crc >> 8)).append(char(crc));
    const BootRegisterBlock block = DecodeBootRegisters(reply);
    QCOMPARE(block.IDREG1, 0x0304u);
    QCOMPARE(block.IDREG2, quint32(crc));
    QCOMPARE(block.IDREG3, 0u);
    QCOMPARE(block.AppIntegrityFalse, 0u);
}

void TestBootLogic::programData() {
    // Size 0, version -5, status with bit 31, compiler 6020000, "Jun 03 2024" NUL "14:27:35".
    QByteArray data = Hex("00000000"
                          "FFFBFFFF"
                          "00018000"
                          "DBA0005B");
    const QByteArray text("Jun 03 2024\0"
                          "14:27:35",
                          20);
    for (int i = 0; i < text.size(); i += 2)
        data.append(text[i + 1]).append(text[i]);
    QByteArray reply = Hex("EE0324") + data;
    AppendCrc(reply);
    QCOMPARE(
        ProgramDataLines(reply),
        (QStringList{"Данные основной программы:", "Размер программы = 304кБ",
                     "Версия программы = -5", "Регистр статуса программы = 0x80000001",
                     "Версия компилятора = 6020000", "Дата компиляции = Jun 03 2024 14:27:3"}));
}

void TestBootLogic::registerFields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // -1: refused
    QTest::addColumn<QString>("message");
    const QString number = QStringLiteral("Введите адрес десятичным числом от 0 до 65\u00A0534!");
    const QString range = QStringLiteral("Адрес должен быть в диапазоне от 0 до 65\u00A0534!");
    QTest::newRow("0") << "0" << 0 << QString();
    QTest::newRow("65534") << "65534" << 65534 << QString();
    QTest::newRow("blanks around") << " 4248 " << 4248 << QString();
    QTest::newRow("65535") << "65535" << -1 << range;
    QTest::newRow("-1") << "-1" << -1 << range;
    QTest::newRow("empty") << "" << -1 << number;
    QTest::newRow("hexadecimal") << "0x10" << -1 << number;
    QTest::newRow("fraction") << "1,5" << -1 << number;
}

void TestBootLogic::registerFields() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(QString, message);
    ScriptedPrompts prompts;
    const std::optional<quint16> got = RegisterFieldValue(text);
    QCOMPARE(got ? int(*got) : -1, value);
    QCOMPARE(prompts.messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(prompts.shown[0].caption, QStringLiteral("Ошибка!"));
        QCOMPARE(prompts.shown[0].icon, Prompts::Icon::Error);
    }
}

QTEST_GUILESS_MAIN(TestBootLogic)
#include "test_boot_logic.moc"
