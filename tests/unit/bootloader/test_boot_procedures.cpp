#include "boot_registers.h"
#include "bootloader.h"
#include "bootloader_model.h"
#include "controller_model.h"
#include "cut_image.h"
#include "fault_plan.h"
#include "image_crc.h"
#include "modbus_frames.h"
#include "modbus_slave.h"
#include "scripted_prompts.h"
#include "update_procedures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

// The bootloader's commands and the update procedures against the simulated controller's own
// model, answered in-process: every frame the controller is sent, every line the operator reads.

namespace {

constexpr quint8 Address = 238;

// The update's view as a list of what it was told.
class RecordingView final : public BootView {
public:
    void AddLine(const QString& line) override { lines.append(line); }
    void ShowFrameFields(const FrameFields& shown) override { fields = shown; }
    void ShowProgress(const PacketProgress& progress) override {
        percents.append(progress.percent);
        texts.append(ProgressText(progress));
    }
    // The operator stops the update once this line has been logged.
    bool StopRequested() override { return !stopAfter.isEmpty() && lines.contains(stopAfter); }
    void SetControlsEnabled(bool enabled) override {
        // Every lock is released before the next one is taken.
        QCOMPARE(enabled, locked);
        locked = !enabled;
        ++locks;
    }

    QStringList lines;
    QString stopAfter;
    FrameFields fields;
    QList<int> percents;
    QStringList texts;
    bool locked = false;
    int locks = 0;
};

QString Text(int code) {
    return ExceptionText(code);
}

// What an update that ended after the erase says last.
const QString NoProgram = QStringLiteral("В контроллере нет действующей программы: управление "
                                         "остаётся у загрузчика, запустите обновление снова.");
const QString MaybeErased = QStringLiteral("Программа контроллера могла быть стерта: управление "
                                           "остаётся у загрузчика, запустите обновление снова.");

} // namespace

class TestBootProcedures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void commandOutcomes_data();
    void commandOutcomes();
    void failedEraseAndFinishShowTheReceiveBuffer();
    void registerReads_data();
    void registerReads();
    void packetLoop_data();
    void packetLoop();
    void packetRetries_data();
    void packetRetries();
    void slowBootloaderRepliesArePairedWithTheirPackets();
    void packetDiagnosticLines();
    void automaticUpdate();
    void automaticUpdateFromTheBootloader();
    void initialisationAttempts_data();
    void initialisationAttempts();
    void freeMemory_data();
    void freeMemory();
    void damagedImagesAreRefused_data();
    void damagedImagesAreRefused();
    void unalignedImages_data();
    void unalignedImages();
    void imageFiles_data();
    void imageFiles();
    void finishUnanswered();
    void applicationSilentAfterRestart();
    void restartChecks_data();
    void restartChecks();
    void failedSteps_data();
    void failedSteps();
    void stopBeforeTheErase();
    void manualProgramming_data();
    void manualProgramming();

private:
    // The frames the controller was sent since the last look, then forgotten.
    QList<QByteArray> TakeFrames() { return std::exchange(frames, {}); }
    Bootloader Boot(bool diagnostic = false) {
        return Bootloader(
            [this](QByteArrayView request, BootWait wait) {
                if (wait != BootWait::Again) {
                    frames.append(request.toByteArray());
                    waits.append(wait);
                    const int function = quint8(request[1]);
                    FaultPlan& plan = planFor.contains(function) ? planFor[function] : faults;
                    const SimReply reply =
                        ModbusSlave::Respond(request, Address, *model, plan, now);
                    if (!reply.bytes.isEmpty())
                        onTheLine.append({now + reply.delayMs, reply.bytes});
                }
                // Every exchange takes a second of the controller's time: a restart comes due,
                // and a reply held back longer arrives in a later exchange, behind the earlier.
                now += 1000;
                QByteArray arrived;
                while (!onTheLine.isEmpty() && onTheLine.first().first < now)
                    arrived += onTheLine.takeFirst().second;
                return arrived;
            },
            view, Address, diagnostic);
    }
    void Fail(const Fault& fault, int requests = 1) { faults.set(fault, requests); }
    // The bootloader runs with its program area erased; what that took is forgotten.
    void EraseFlash() {
        model->bootloader().enter();
        QVERIFY(Boot().BootErase(EraseProgramArea));
        frames.clear();
        waits.clear();
        view = RecordingView();
    }

    std::unique_ptr<ControllerModel> model;
    FaultPlan faults;
    QHash<int, FaultPlan> planFor; // faults of one function beside those of `faults`
    qint64 now = 0;
    QList<std::pair<qint64, QByteArray>> onTheLine; // replies on their way, with their arrival
    QList<QByteArray> frames;
    QList<BootWait> waits;
    RecordingView view;
    std::unique_ptr<ScriptedPrompts> prompts;
};

void TestBootProcedures::init() {
    model = std::make_unique<ControllerModel>(Address, 4, false, BootloaderModel::Timing{0, 500});
    faults.clear();
    planFor.clear();
    onTheLine.clear();
    frames.clear();
    waits.clear();
    view = RecordingView();
    prompts = std::make_unique<ScriptedPrompts>();
    BootloaderRegisters = {};
}

void TestBootProcedures::cleanup() {
    QVERIFY(!view.locked);
    prompts.reset();
}

// Each command's outcomes: its lines, its boxes, its result.
void TestBootProcedures::commandOutcomes_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("boxes"); // text, caption
    const Fault none{.kind = FaultKind::Delay};
    const QStringList noBox;
    const QStringList unexpected = {"Неверный ответ", "Ошибка"};
    QTest::newRow("init") << 0x30 << none << true << QStringList{"Команда принята!"} << noBox;
    QTest::newRow("init, no reply")
        << 0x30 << Fault{} << false << QStringList{"Нет ответа"} << noBox;
    QTest::newRow("init, bad CRC") << 0x30 << Fault{.kind = FaultKind::BadCrc} << false
                                   << QStringList{"Ошибка CRC ответа"} << noBox;
    QTest::newRow("init, echo 30 00")
        << 0x30 << Fault{.kind = FaultKind::Garbage, .bytes = QByteArray::fromHex("EE300005F5")}
        << false << QStringList() << unexpected;
    QTest::newRow("init, exception 1")
        << 0x30 << Fault{.kind = FaultKind::Exception, .exceptionCode = 1} << false
        << QStringList{Text(1)} << QStringList{Text(1), "Ответ с ошибкой"};
    QTest::newRow("erase") << 0x20 << none << true
                           << QStringList{"Очистка флэш-памяти микроконтроллера...",
                                          "Флэш память стерта!"}
                           << noBox;
    QTest::newRow("erase, status 0")
        << 0x20 << Fault{.kind = FaultKind::StatusZero} << false
        << QStringList{"Очистка флэш-памяти микроконтроллера...", "Ошибка при стирании"} << noBox;
    QTest::newRow("erase, answered as finish")
        << 0x20 << Fault{.kind = FaultKind::Garbage, .bytes = QByteArray::fromHex("EE310101A493")}
        << false << QStringList{"Очистка флэш-памяти микроконтроллера..."} << unexpected;
    QTest::newRow("finish") << 0x31 << none << true << QStringList{"Программа успешно записана!"}
                            << noBox;
    QTest::newRow("finish, status 0") << 0x31 << Fault{.kind = FaultKind::StatusZero} << false
                                      << QStringList{"Ошибочный спецкод!"} << noBox;
    QTest::newRow("finish, exception 3")
        << 0x31 << Fault{.kind = FaultKind::Exception, .exceptionCode = 3} << false
        << QStringList{"Программа записана с ошибками!", Text(3)}
        << QStringList{Text(3), "Ответ с ошибкой"};
    QTest::newRow("finish, exception 2")
        << 0x31 << Fault{.kind = FaultKind::Exception, .exceptionCode = 2} << false
        << QStringList{"Недопустимый спецкод!", Text(2)} << QStringList{Text(2), "Ответ с ошибкой"};
    QTest::newRow("finish, exception 4")
        << 0x31 << Fault{.kind = FaultKind::Exception, .exceptionCode = 4} << false
        << QStringList{Text(4)} << QStringList{Text(4), "Ответ с ошибкой"};
}

void TestBootProcedures::commandOutcomes() {
    QFETCH(int, command);
    QFETCH(Fault, fault);
    QFETCH(bool, result);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, boxes);
    model->bootloader().enter();
    Fail(fault);
    Bootloader boot = Boot();
    const QMap<int, std::function<bool()>> commands = {
        {0x30, [&] { return boot.BootInit(); }},
        {0x20, [&] { return boot.BootErase(EraseProgramArea); }},
        {0x31, [&] { return boot.BootFinish(); }}};
    QCOMPARE(commands[command](), result);
    QCOMPARE(view.lines, lines);
    QStringList shown;
    for (const auto& box : prompts->shown)
        shown << box.text << box.caption;
    QCOMPARE(shown, boxes);
    const QMap<int, QByteArray> requests = {{0x30, BootInitRequest(Address)},
                                            {0x20, BootEraseRequest(Address, 0)},
                                            {0x31, BootFinishRequest(Address)}};
    QCOMPARE(TakeFrames(), QList<QByteArray>{requests[command]});
    QCOMPARE(waits, QList<BootWait>{command == 0x20 ? BootWait::Long : BootWait::Normal});
    QCOMPARE(view.fields.request, FrameHexText(requests[command]));
    QCOMPARE(view.fields.requestCode, FrameDollarText(requests[command]));
    QCOMPARE(view.locks, 2);
}

void TestBootProcedures::failedEraseAndFinishShowTheReceiveBuffer() {
    model->bootloader().enter();
    Bootloader boot = Boot();
    Fail({}, 2);
    QVERIFY(!boot.BootErase(EraseSettingsArea));
    QCOMPARE(view.fields.requestCode, QStringLiteral("$00$00$00$00$00$00$00$00$00"));
    QVERIFY(!boot.BootFinish());
    QCOMPARE(view.fields.requestCode, QStringLiteral("$00$00$00$00$00$00$00$00$00"));
    Fail({.kind = FaultKind::BadCrc});
    QVERIFY(!boot.BootInit());
    QCOMPARE(view.fields.requestCode, FrameDollarText(BootInitRequest(Address)));
    QCOMPARE(view.fields.reply, QStringLiteral("EE 30 01 C4 CA "));
}

void TestBootProcedures::registerReads_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("diagnostic");
    QTest::addColumn<int>("lines");
    QTest::addColumn<quint32>("flashFree");
    QTest::newRow("registers, diagnostic off") << 0 << 11 << false << 0 << 248u;
    QTest::newRow("registers, diagnostic on") << 0 << 11 << true << 10 << 248u;
    QTest::newRow("program data") << 4248 << 18 << false << 6 << 0u;
    QTest::newRow("another start") << 2 << 3 << true << 0 << 0u;
}

void TestBootProcedures::registerReads() {
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(bool, diagnostic);
    QFETCH(int, lines);
    QFETCH(quint32, flashFree);
    model->bootloader().enter();
    QVERIFY(Boot(diagnostic).BootReadRegisters(quint16(start), quint16(count)));
    QCOMPARE(view.lines.size(), lines);
    QCOMPARE(BootloaderRegisters.FLASH_FREE, flashFree);
    if (lines == 10)
        QCOMPARE(view.lines[8], QStringLiteral("FLASH_FREE = 0x00F8"));
    if (lines == 6)
        QCOMPARE(view.lines[2], QStringLiteral("Версия программы = 1205"));

    // A failed read keeps what the last good one stored.
    Fail({.kind = FaultKind::Exception, .exceptionCode = 2});
    QVERIFY(!Boot().BootReadRegisters(0, 11));
    QCOMPARE(BootloaderRegisters.FLASH_FREE, flashFree);
}

void TestBootProcedures::packetLoop_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<int>>("lengths");
    QTest::addColumn<QList<int>>("percents");
    QTest::newRow("480") << 480 << QList<int>{240, 240, 0} << QList<int>{0, 50, 100};
    QTest::newRow("500") << 500 << QList<int>{240, 240, 20} << QList<int>{0, 50, 100};
    QTest::newRow("100, shorter than a packet") << 100 << QList<int>{100} << QList<int>{100};
}

void TestBootProcedures::packetLoop() {
    QFETCH(int, size);
    QFETCH(QList<int>, lengths);
    QFETCH(QList<int>, percents);
    EraseFlash();
    const QByteArray image = DemoImage(size);
    QVERIFY(Boot().BootWriteImage(image));
    QList<QByteArray> expected;
    QStringList lines;
    for (int n = 0; n < lengths.size(); ++n) {
        expected.append(
            BootWriteRequest(Address, 0x08002000 + 240 * n, image.mid(240 * n, lengths[n])));
        lines << " " << QStringLiteral("Принят пакет №%1").arg(n);
    }
    QCOMPARE(TakeFrames(), expected);
    QCOMPARE(view.lines, lines);
    QCOMPARE(view.percents, percents);
    QCOMPARE(view.texts.last(),
             QStringLiteral("Передано пакетов: %1 из %1 (принят №%2), осталось 0:00")
                 .arg(lengths.size())
                 .arg(lengths.size() - 1));
    // The count and the log's last packet line name the same packet.
    QCOMPARE(view.lines.last(), QStringLiteral("Принят пакет №%1").arg(lengths.size() - 1));
    QCOMPARE(model->bootloader().programmed().left(size), image);
}

// Packet 1 of three goes unanswered: how often, and what follows.
void TestBootProcedures::packetRetries_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("failures");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("failureLine");
    const Fault silent{.function = 0x21, .after = 1};
    QTest::newRow("no reply twice") << silent << 2 << true << "Нет ответа на пакет №1";
    QTest::newRow("no reply three times") << silent << 3 << false << "Нет ответа на пакет №1";
    Fault crc = silent;
    crc.kind = FaultKind::BadCrc;
    QTest::newRow("bad CRC twice") << crc << 2 << true << "Ошибка CRC ответа на пакет №1";
    // A well-formed reply that echoes 16 bytes answers no packet of 240.
    QByteArray otherPacket = QByteArray::fromHex("EE2110");
    AppendCrc(otherPacket);
    QTest::newRow("reply naming another packet")
        << Fault{.kind = FaultKind::Garbage, .bytes = otherPacket, .function = 0x21, .after = 1}
        << 1 << true << "Ответ на другой запрос вместо пакета №1";
    Fault refused = silent;
    refused.kind = FaultKind::Exception;
    refused.exceptionCode = 4;
    QTest::newRow("exception") << refused << 1 << false << Text(4);
}

void TestBootProcedures::packetRetries() {
    QFETCH(Fault, fault);
    QFETCH(int, failures);
    QFETCH(bool, result);
    QFETCH(QString, failureLine);
    EraseFlash();
    Fail(fault, failures);
    const QByteArray image = DemoImage(500);
    QCOMPARE(Boot().BootWriteImage(image), result);
    const QByteArray packet1 = BootWriteRequest(Address, 0x080020F0, image.mid(240, 240));
    QList<QByteArray> expected = {BootWriteRequest(Address, 0x08002000, image.left(240))};
    QStringList lines = {" ", "Принят пакет №0"};
    for (int i = 0; i < failures; ++i) {
        expected.append(packet1); // tried again exactly as first sent
        lines << " " << failureLine;
    }
    if (fault.kind == FaultKind::Exception) {
        lines << "Ошибка принятия пакета №1";
        QCOMPARE(prompts->messageTexts(), QStringList{Text(4)});
    } else if (result) {
        expected << packet1 << BootWriteRequest(Address, 0x080021E0, image.mid(480));
        lines << " "
              << "Принят пакет №1"
              << " "
              << "Принят пакет №2";
    }
    QCOMPARE(TakeFrames(), expected);
    QCOMPARE(view.lines, lines);
}

// A bootloader slower than the wait: each reply comes while the loop waits once more, and is
// taken for its own packet; no packet goes out twice, so no reply is left to pair with the next.
void TestBootProcedures::slowBootloaderRepliesArePairedWithTheirPackets() {
    Fail({.kind = FaultKind::Delay, .delayMs = 1500, .function = 0x21}, PersistentFault);
    const QByteArray image = DemoImage(500);
    Bootloader boot = Boot();
    QCOMPARE(AutomaticUpdate(boot, image, UpdateStart::FromApplication, {0, 0}),
             UpdateOutcome::Done);
    QStringList packetLines;
    for (int n = 0; n <= 2; ++n)
        packetLines << " " << QStringLiteral("Ответ пришёл с опозданием на пакет №%1").arg(n)
                    << QStringLiteral("Принят пакет №%1").arg(n);
    QCOMPARE(view.lines.mid(8, 9), packetLines);
    QCOMPARE(view.lines.last(), QStringLiteral("Версия ПО контроллера после перезапуска: 1.206"));
    QList<QByteArray> packets;
    for (const QByteArray& frame : TakeFrames())
        if (quint8(frame[1]) == BootWriteCode)
            packets.append(frame);
    QCOMPARE(packets, (QList<QByteArray>{BootWriteRequest(Address, 0x08002000, image.left(240)),
                                         BootWriteRequest(Address, 0x080020F0, image.mid(240, 240)),
                                         BootWriteRequest(Address, 0x080021E0, image.mid(480))}));
}

void TestBootProcedures::packetDiagnosticLines() {
    EraseFlash();
    QVERIFY(Boot(true).BootWriteImage(DemoImage(248)));
    QCOMPARE(view.lines,
             (QStringList{" ", "Принят пакет №0", "Записано байт:240", "Адрес: 0x08002000", " ",
                          "Принят пакет №1", "Записано байт:8", "Адрес: 0x080020F0"}));
}

void TestBootProcedures::automaticUpdate() {
    const QByteArray image = DemoImage(1000);
    Bootloader boot = Boot();
    QCOMPARE(AutomaticUpdate(boot, image, UpdateStart::FromApplication, {0, 0}),
             UpdateOutcome::Done);
    QList<QByteArray> expected = {BootInitRequest(Address), BootReadRequest(Address, 0, 11),
                                  BootEraseRequest(Address, 0)};
    QStringList lines = {" ",
                         "---Старт обновления ПО.---",
                         "Команда принята!",
                         " ",
                         "Чтение регистров бутлоадера.",
                         " ",
                         "Очистка флэш-памяти микроконтроллера...",
                         "Флэш память стерта!"};
    for (int n = 0; n <= 4; ++n) {
        expected.append(BootWriteRequest(Address, 0x08002000 + 240 * n, image.mid(240 * n, 240)));
        lines << " " << QStringLiteral("Принят пакет №%1").arg(n);
    }
    // The first cell's voltage, which only the application answers, then its version.
    expected << BootFinishRequest(Address) << BuildReadRequest(Address, 50, 1)
             << BuildReadRequest(Address, 0, 50);
    lines << "Программа успешно записана!"
          << "---Обновление ПО завершено!---"
          << "Версия ПО контроллера после перезапуска: 1.206";
    QCOMPARE(TakeFrames(), expected);
    QCOMPARE(view.lines, lines);
    QCOMPARE(view.percents, (QList<int>{0, 0, 25, 50, 75, 100}));
    QVERIFY(!model->inBootloader(now));
}

void TestBootProcedures::automaticUpdateFromTheBootloader() {
    model->bootloader().enter();
    const QByteArray image = DemoImage(200);
    Bootloader boot = Boot();
    AutomaticUpdate(boot, image, UpdateStart::FromBootloader, {0, 0});
    const QList<QByteArray> sent = TakeFrames();
    QCOMPARE(sent.first(), BootReadRequest(Address, 0, 11));
    for (const QByteArray& frame : sent)
        QVERIFY(quint8(frame[1]) != 0x30);
    // "Свободно:" is logged whatever the diagnostic switch.
    QCOMPARE(view.lines.mid(2, 3),
             (QStringList{" ", "Чтение регистров бутлоадера.", "Свободно: 248 кбайт."}));
    QCOMPARE(view.lines.last(), QStringLiteral("Версия ПО контроллера после перезапуска: 1.206"));
}

void TestBootProcedures::initialisationAttempts_data() {
    QTest::addColumn<int>("failures");
    QTest::newRow("19 failures, the 20th succeeds") << 19;
    QTest::newRow("20 failures") << 20;
}

void TestBootProcedures::initialisationAttempts() {
    QFETCH(int, failures);
    Fail({.kind = FaultKind::BadCrc, .function = 0x30}, failures);
    Bootloader boot = Boot(true);
    AutomaticUpdate(boot, DemoImage(100), UpdateStart::FromApplication, {0, 0});
    const QList<QByteArray> sent = TakeFrames();
    QCOMPARE(sent.mid(0, 20), QList<QByteArray>(qMin(failures + 1, 20), BootInitRequest(Address)));
    QCOMPARE(view.lines.count(QStringLiteral("Ошибка CRC ответа")), failures);
    if (failures == 20) {
        QCOMPARE(sent.size(), 20);
        QCOMPARE(view.lines.last(),
                 QStringLiteral("Ошибка инициализации бутлоадера, попытки исчерпаны."));
    } else {
        QVERIFY(view.lines.contains(QStringLiteral("Свободно: 248 кбайт.")));
        QCOMPARE(view.lines.last(),
                 QStringLiteral("Версия ПО контроллера после перезапуска: 1.206"));
    }
}

void TestBootProcedures::freeMemory_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("fits");
    QTest::newRow("10240 bytes") << DemoImage(10240) << true;
    // 10241 bytes that check: a consistent 10240 whose bytes 9729 to 9731 are zero, and a zero.
    // The last word is that zero and the three bytes 512 before it, and the CRC after the first
    // 10240 bytes is 0, so the whole checks to 0 too.
    QByteArray content = DemoImage(10240).left(10236);
    content.replace(9729, 3, QByteArray(3, '\0'));
    QTest::newRow("10241 bytes") << SealedImage(content) + '\0' << false;
}

void TestBootProcedures::freeMemory() {
    QFETCH(QByteArray, image);
    QFETCH(bool, fits);
    Bootloader boot = Boot();
    QVERIFY(ImageConsistent(boot, image));
    model->bootloader().enter();
    model->bootloader().setFlashFree(10);
    // The erase is refused, so that the update ends right after it.
    Fail({.kind = FaultKind::StatusZero, .function = 0x20});
    AutomaticUpdate(boot, image, UpdateStart::FromBootloader, {0, 0});
    QCOMPARE(TakeFrames().last(),
             fits ? BootEraseRequest(Address, 0) : BootReadRequest(Address, 0, 11));
    // The erase's failure is followed by what the controller may hold now.
    QCOMPARE(view.lines.at(view.lines.size() - (fits ? 2 : 1)),
             fits ? QStringLiteral("Ошибка стирания флэш, попытки исчерпаны.")
                  : QStringLiteral("Недостаточно свободной памяти микроконтроллера!"));
    QVERIFY(view.lines.contains(QStringLiteral("Свободно: 10 кбайт.")));
}

void TestBootProcedures::damagedImagesAreRefused_data() {
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("lines");
    QByteArray damaged = DemoImage(1000);
    damaged[500] = char(damaged[500] ^ 1);
    QTest::newRow("one bit changed")
        << damaged
        << QStringList{"Контрольная сумма файла не верна!",
                       "STM32 CRC32: " + HexText(ImageCrc32(damaged), 8)};
    QTest::newRow("empty") << QByteArray()
                           << QStringList{"Файл слишком мал для образа прошивки: 0 байт."};
    // The checksum word alone: FFFFFFFF checks, and would have the program erased.
    QTest::newRow("four bytes that check")
        << QByteArray(4, char(0xFF))
        << QStringList{"Файл слишком мал для образа прошивки: 4 байт."};
}

void TestBootProcedures::damagedImagesAreRefused() {
    QFETCH(QByteArray, image);
    QFETCH(QStringList, lines);
    for (UpdateStart start : {UpdateStart::FromApplication, UpdateStart::FromBootloader}) {
        view.lines.clear();
        Bootloader boot = Boot();
        QCOMPARE(AutomaticUpdate(boot, image, start), UpdateOutcome::BadImage);
        QCOMPARE(view.lines, lines);
    }
    view.lines.clear();
    Bootloader boot = Boot();
    ProgramImage(boot, image);
    QCOMPARE(view.lines, lines);
    QVERIFY(frames.isEmpty());
}

// An image whose length is not a multiple of 4 goes out only when the operator allows it, and
// is asked about before the first frame.
void TestBootProcedures::unalignedImages_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(Prompts::Answer::Yes);
    QTest::newRow("no") << int(Prompts::Answer::No);
}

void TestBootProcedures::unalignedImages() {
    QFETCH(int, answer);
    const bool sent = answer == int(Prompts::Answer::Yes);
    const QByteArray image = CutImageThatChecks();
    prompts->answers = {Prompts::Answer(answer)};
    Bootloader boot = Boot();
    const UpdateOutcome outcome = AutomaticUpdate(boot, image, UpdateStart::FromApplication, {0, 0});
    const QString note =
        QStringLiteral("Необычная длина файла: 479 байт, не кратна 4 (так бывает у обрезанного "
                       "образа).");
    QCOMPARE(view.lines.first(), note);
    QCOMPARE(prompts->shown[0].text, note + "\nПродолжить обновление?");
    QCOMPARE(outcome == UpdateOutcome::BadImage, !sent);
    QCOMPARE(frames.isEmpty(), !sent);
    if (!sent)
        QCOMPARE(view.lines, (QStringList{note, "Обновление не начато."}));
}

// The file is refused before it is read when it is no regular file (a pipe would hang the read)
// or is larger than any flash (a device or such a file would be read without end).
void TestBootProcedures::imageFiles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    static QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.bin"));
    ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
    const QString large = dir.filePath(QStringLiteral("large.bin"));
    QFile file(large);
    if (file.open(QIODevice::WriteOnly))
        file.resize(LargestImageBytes + 1); // sparse: nothing is written
    QTest::newRow("pipe") << fifo << "это не обычный файл (устройство, канал или сокет)";
    QTest::newRow("larger than 65535 KiB")
        << large << "файл больше 65535 кбайт, столько флэш-памяти у загрузчика не бывает";
}

void TestBootProcedures::imageFiles() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    QVERIFY(!LoadImage(view, path));
    QVERIFY(view.lines.isEmpty());
    QCOMPARE(prompts->messageTexts(),
             QStringList{QStringLiteral("Не удалось прочитать файл %1: %2")
                             .arg(QDir::toNativeSeparators(path), reason)});
}

void TestBootProcedures::finishUnanswered() {
    Fail({.function = 0x31});
    Bootloader boot = Boot();
    AutomaticUpdate(boot, DemoImage(100), UpdateStart::FromApplication);
    QCOMPARE(view.lines.mid(view.lines.size() - 3),
             (QStringList{"Нет ответа", "---Обновление ПО завершено!---", NoProgram}));
    // No wait for an application that was never restarted.
    QCOMPARE(TakeFrames().last(), BootFinishRequest(Address));
}

void TestBootProcedures::applicationSilentAfterRestart() {
    Fail({.function = 0x03, .after = 1}, PersistentFault);
    Bootloader boot = Boot();
    QCOMPARE(AutomaticUpdate(boot, DemoImage(100), UpdateStart::FromApplication, {300, 100}),
             UpdateOutcome::Failed);
    QCOMPARE(view.lines.mid(view.lines.size() - 2),
             (QStringList{"---Обновление ПО завершено!---",
                          "Контроллер не ответил после перезапуска."}));
    const QList<QByteArray> sent = TakeFrames();
    QVERIFY(sent.count(BuildReadRequest(Address, 50, 1)) >= 2);
    QVERIFY(prompts->shown.isEmpty());
}

// After an accepted finish the version is told only once the application answers a read the
// bootloader cannot: a bootloader that answers the status read with its own registers (REVISION
// and DEVICE_ID where the version lies) is no application.
void TestBootProcedures::restartChecks_data() {
    QTest::addColumn<QByteArray>("statusReply"); // empty: the bootloader's own refusal
    QByteArray bootRegisters = QByteArray::fromHex("EE0364");
    bootRegisters += QByteArray::fromHex("3F21003251183438365020371001041300F800F80000");
    bootRegisters += QByteArray(100 - 22, '\0');
    AppendCrc(bootRegisters);
    QTest::newRow("a bootloader that refuses the read") << QByteArray();
    QTest::newRow("a bootloader that answers the status read") << bootRegisters;
}

void TestBootProcedures::restartChecks() {
    QFETCH(QByteArray, statusReply);
    // The bootloader never restarts into the application.
    model = std::make_unique<ControllerModel>(Address, 4, false, BootloaderModel::Timing{0, 1 << 30});
    if (!statusReply.isEmpty())
        Fail({.kind = FaultKind::Garbage, .bytes = statusReply, .function = 0x03, .after = 1},
             PersistentFault);
    Bootloader boot = Boot();
    QCOMPARE(AutomaticUpdate(boot, DemoImage(100), UpdateStart::FromApplication, {200, 10}),
             UpdateOutcome::Failed);
    QCOMPARE(view.lines.last(),
             QStringLiteral("Контроллер остался в загрузчике: основная программа не запустилась."));
}

// What an update that ends early says last, and what it tells the caller: a refusal only when
// the step that ended it was refused.
void TestBootProcedures::failedSteps_data() {
    QTest::addColumn<int>("function");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QStringList>("lastLines");
    QTest::addColumn<int>("outcome");
    const int failed = int(UpdateOutcome::Failed);
    const int refused = int(UpdateOutcome::Refused);
    const Fault silent{.kind = FaultKind::NoReply};
    const Fault exception{.kind = FaultKind::Exception};
    const QString eraseFailed = QStringLiteral("Ошибка стирания флэш, попытки исчерпаны.");
    const QString packetFailed = QStringLiteral("Ошибка пересылки пакета, попытки исчерпаны.");
    QTest::newRow("erase unanswered")
        << 0x20 << silent << QStringList{eraseFailed, MaybeErased} << failed;
    QTest::newRow("packet unanswered")
        << 0x21 << silent << QStringList{packetFailed, NoProgram} << failed;
    QTest::newRow("packet refused")
        << 0x21 << exception
        << QStringList{"Ошибка принятия пакета №0", packetFailed, NoProgram} << refused;
    QTest::newRow("finish refused")
        << 0x31 << Fault{.kind = FaultKind::Exception, .exceptionCode = 3}
        << QStringList{"---Обновление ПО завершено!---", NoProgram} << refused;
}

void TestBootProcedures::failedSteps() {
    QFETCH(int, function);
    QFETCH(Fault, fault);
    QFETCH(QStringList, lastLines);
    QFETCH(int, outcome);
    // An initialisation refused once does not make a later failure a refusal.
    planFor[0x30].set({.kind = FaultKind::Exception, .exceptionCode = 1}, 1);
    planFor[function].set(fault, PersistentFault);
    Bootloader boot = Boot();
    QCOMPARE(int(AutomaticUpdate(boot, DemoImage(100), UpdateStart::FromApplication, {0, 0})),
             outcome);
    QCOMPARE(view.lines.mid(view.lines.size() - lastLines.size()), lastLines);
}

// The operator's stop before the erase takes effect before the next exchange and says that the
// program is untouched (a stop in the transfer: the command-line tool's test).
void TestBootProcedures::stopBeforeTheErase() {
    view.stopAfter = QStringLiteral("Команда принята!");
    Bootloader boot = Boot();
    QCOMPARE(AutomaticUpdate(boot, DemoImage(1000), UpdateStart::FromApplication, {0, 0}),
             UpdateOutcome::Failed);
    QCOMPARE(view.lines.mid(view.lines.size() - 2),
             (QStringList{"Обновление прервано оператором.", "Программа контроллера не изменена."}));
    QCOMPARE(TakeFrames(), QList<QByteArray>{BootInitRequest(Address)});
}

void TestBootProcedures::manualProgramming_data() {
    QTest::addColumn<bool>("answered");
    QTest::newRow("accepted") << true;
    QTest::newRow("packet unanswered") << false;
}

void TestBootProcedures::manualProgramming() {
    QFETCH(bool, answered);
    EraseFlash();
    if (!answered)
        Fail({.function = 0x21}, 3);
    Bootloader boot = Boot();
    ProgramImage(boot, DemoImage(300));
    QCOMPARE(view.lines.last(), answered ? QStringLiteral("---Завершено!---")
                                         : QStringLiteral("Ошибки связи, попытки исчерпаны."));
    // Neither started, erased nor finished.
    for (const QByteArray& frame : TakeFrames())
        QCOMPARE(quint8(frame[1]), quint8(0x21));
}

QTEST_GUILESS_MAIN(TestBootProcedures)
#include "test_boot_procedures.moc"
