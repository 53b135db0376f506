#include "boot_frames.h"
#include "bootloader_handlers.h"
#include "bootloader_model.h"
#include "command_handlers.h"
#include "connection_dialog.h"
#include "main_window.h"
#include "modbus_frames.h"
#include "scripted_prompts.h"
#include "sim_link.h"
#include "simulated_controller.h"
#include "window_on_sim.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// Firmware updates run from the real main window over a pseudo-terminal against the simulated
// controller at 115200 baud: the frames that reach it, the log, and what the window lets the
// operator do meanwhile.

namespace {

constexpr quint8 Address = 238;

} // namespace

class TestUpdateInWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void automaticUpdateFromStartToRestart();
    void packetUnansweredTwiceOnTheLine();
    void slowFlashWriteNeedsNoResend_data();
    void slowFlashWriteNeedsNoResend();
    void cancelledDialogSendsNothing();
    void newUpdateClearsTheLog();
    void addressThatIsNoNumberEndsTheCommand();
    void windowLiveWhilePacketsGo();
    void stopEndsAtTheNextStep_data();
    void stopEndsAtTheNextStep();

private:
    template <class W> W* Find(const char* name) const {
        return form->findChild<W*>(QLatin1String(name));
    }
    QStringList MemoLines() const {
        return Find<QPlainTextEdit>("Memo2")->toPlainText().split(QLatin1Char('\n'));
    }
    // The image written as a file the open dialog will choose.
    QString ImageFile(const QByteArray& image);
    // Clicks the button and, when that started a command, waits for its end: it runs off the
    // window thread.
    void ClickToEnd(const char* name);
    // The demo controller with slow packet writes, already in its bootloader.
    void SlowPacketsInBootloader();

    QTemporaryDir dir;
    std::unique_ptr<SimulatedController> sim;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TForm1> form;
};

void TestUpdateInWindow::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QVERIFY(dir.isValid());
}

void TestUpdateInWindow::init() {
    // The demo's controller, with the erase longer than a normal wait and a quick restart.
    SimulatedControllerOptions options = DemoControllerOptions();
    options.bootTiming = {1500, 300};
    sim = std::make_unique<SimulatedController>(OverTestLink(options));
    QString error;
    QVERIFY2(sim->start(&error), qPrintable(error));
    prompts = std::make_unique<ScriptedPrompts>();
    form = std::make_unique<TForm1>();
    ConnectDialogTo(*form, sim->masterPortName());
}

void TestUpdateInWindow::cleanup() {
    form.reset();
    prompts.reset();
    sim.reset();
    QVERIFY(!QApplication::overrideCursor());
}

QString TestUpdateInWindow::ImageFile(const QByteArray& image) {
    const QString path = dir.filePath(QStringLiteral("firmware.bin"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        return {};
    return path;
}

void TestUpdateInWindow::ClickToEnd(const char* name) {
    Find<QPushButton>(name)->click();
    auto* handlers = form->findChild<BootloaderHandlers*>();
    if (!handlers->Running())
        return;
    QSignalSpy ended(handlers, &BootloaderHandlers::Ended);
    QVERIFY(ended.wait(120000));
}

void TestUpdateInWindow::SlowPacketsInBootloader() {
    SimulatedControllerOptions options = DemoControllerOptions();
    options.bootTiming = {300, 300, 100};
    sim = std::make_unique<SimulatedController>(options);
    QVERIFY(sim->start());
    ConnectDialogTo(*form, sim->portPath());
    sim->enterBootloader();
}

void TestUpdateInWindow::automaticUpdateFromStartToRestart() {
    const QByteArray image = DemoImage(1000);
    prompts->files = {ImageFile(image)};
    sim->clearReceivedFrames();

    // Half way through the erase's long wait the window is alive but locked.
    struct DuringErase {
        bool checked = false;
        QStringList enabled;
        bool busyCursor = false;
        qsizetype framesBefore = 0;
        qsizetype framesAfter = 0;
        QStringList refusals;
        bool stillShown = false;
    } seen;
    QTimer::singleShot(1000, form.get(), [&] {
        seen.checked = true;
        for (const char* name :
             {"SpeedButton_CONNECT_", "CheckBox_LOGEN_", "ComboBox_PORT_", "Edit_ADDRESS_",
              "BitBtn_WRITESETRS_", "BitBtn_BOOTLOADERAUTO_", "BitBtn_BOOTLOADER30_",
              "Edit_READREGADDRESS_", "BitBtn_SETSOC_", "BitBtn_TIMEREAD_", "SpeedButton_PASSWORD_",
              "BitBtn_PASSWORDNEW_", "BitBtn_CLEARLOG_"})
            if (Find<QWidget>(name)->isEnabled())
                seen.enabled << name;
        seen.busyCursor = QApplication::overrideCursor() &&
                          QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        // A command that got through anyway is refused by the exchange itself.
        seen.framesBefore = sim->receivedFrames().size();
        form->findChild<CommandHandlers*>()->BitBtn_TIMEREAD_Click();
        seen.framesAfter = sim->receivedFrames().size();
        seen.refusals = prompts->messageTexts();
        // Nor does the window close under the update.
        form->close();
        seen.stillShown = form->isVisible();
    });
    form->show();
    QElapsedTimer clock;
    clock.start();
    ClickToEnd("BitBtn_BOOTLOADERAUTO_");
    const qint64 elapsed = clock.elapsed();

    QList<QByteArray> expected = {BootInitRequest(Address), BootReadRequest(Address, 0, 11),
                                  BootEraseRequest(Address, 0)};
    for (int n = 0; n <= 4; ++n)
        expected.append(BootWriteRequest(Address, 0x08002000 + 240 * n, image.mid(240 * n, 240)));
    expected << BootFinishRequest(Address);
    const QList<QByteArray> frames = sim->receivedFrames();
    QCOMPARE(frames.mid(0, expected.size()), expected);
    // Then reads of the first cell's voltage, which only the application answers, until it
    // does, and of its version.
    QVERIFY(frames.size() > expected.size() + 1);
    for (const QByteArray& frame : frames.mid(expected.size(), frames.size() - expected.size() - 1))
        QCOMPARE(frame, BuildReadRequest(Address, 50, 1));
    QCOMPARE(frames.last(), BuildReadRequest(Address, 0, 50));
    QCOMPARE(sim->programmedImage(), image);
    QVERIFY(!sim->inBootloader());

    const QStringList lines = MemoLines();
    QCOMPARE(lines.mid(0, 4),
             (QStringList{" ", "Размер файла: 1000 байт.", " ", "---Старт обновления ПО.---"}));
    QCOMPARE(lines.mid(lines.size() - 3),
             (QStringList{"Программа успешно записана!", "---Обновление ПО завершено!---",
                          "Версия ПО контроллера после перезапуска: 1.206"}));
    QCOMPARE(Find<QProgressBar>("ProgressBar_BOOTLOADER_")->value(), 100);
    QCOMPARE(Find<QLabel>("Label_BOOTLOADERPROGRESS_")->text(),
             QStringLiteral("Передано пакетов: 5 из 5 (принят №4), осталось 0:00"));
    QCOMPARE(lines.filter(QStringLiteral("Принят пакет №")).last(),
             QStringLiteral("Принят пакет №4"));
    QCOMPARE(prompts->shown.first().kind, QStringLiteral("open"));
    QCOMPARE(prompts->shown.first().text, QStringLiteral("Binary files (*.bin)|*.bin"));

    // The erase reply came after the normal wait would have given up.
    QVERIFY2(elapsed >= 1500, qPrintable(QString::number(elapsed)));
    QVERIFY(seen.checked);
    QCOMPARE(seen.enabled, QStringList());
    QVERIFY(seen.busyCursor);
    QCOMPARE(seen.framesAfter, seen.framesBefore);
    QCOMPARE(seen.refusals.size(), 1);
    QVERIFY(seen.stillShown);
    QVERIFY(lines.contains(
        QStringLiteral("Идёт обновление ПО: закройте программу после его окончания.")));
    // Everything is usable again.
    for (const char* name :
         {"SpeedButton_CONNECT_", "BitBtn_BOOTLOADERAUTO_", "BitBtn_SETSOC_", LinkControlName()})
        QVERIFY2(Find<QWidget>(name)->isEnabled(), name);
}

// The controller misses packet 1 twice: the same frame goes out three times on the line.
void TestUpdateInWindow::packetUnansweredTwiceOnTheLine() {
    sim->enterBootloader();
    const QByteArray image = DemoImage(500);
    prompts->files = {ImageFile(image)};
    sim->injectFault({.kind = FaultKind::NoReply, .function = 0x21, .after = 1}, 2);
    sim->clearReceivedFrames();
    ClickToEnd("BitBtn_BOOTLOADERAUTOBOOT_");
    const QByteArray packet1 = BootWriteRequest(Address, 0x080020F0, image.mid(240, 240));
    const QList<QByteArray> frames = sim->receivedFrames();
    QCOMPARE(frames.count(packet1), 3);
    QCOMPARE(frames.count(BootInitRequest(Address)), 0);
    const QStringList lines = MemoLines();
    QCOMPARE(lines.count(QStringLiteral("Нет ответа на пакет №1")), 2);
    QVERIFY(lines.contains(QStringLiteral("Принят пакет №2")));
    QCOMPARE(sim->programmedImage(), image);
}

// A bootloader that takes 300 ms to write each packet, longer than the fast exchange gives a
// reply on the line: every packet still goes out once.
void TestUpdateInWindow::slowFlashWriteNeedsNoResend_data() {
    QTest::addColumn<bool>("fast");
    QTest::newRow("fixed waits") << false;
    QTest::newRow("fast exchange") << true;
}

void TestUpdateInWindow::slowFlashWriteNeedsNoResend() {
    QFETCH(bool, fast);
    SimulatedControllerOptions options;
    options.bootTiming = {100, 100, 300};
    sim = std::make_unique<SimulatedController>(options);
    QVERIFY(sim->start());
    ConnectDialogTo(*form, sim->portPath());
    form->findChild<QCheckBox*>(QStringLiteral("CheckBox_FASTEXCHANGE_"))->setChecked(fast);
    sim->enterBootloader();
    const QByteArray image = DemoImage(1000);
    prompts->files = {ImageFile(image)};
    ClickToEnd("BitBtn_BOOTLOADERAUTOBOOT_");
    QList<QByteArray> packets;
    for (const QByteArray& frame : sim->receivedFrames())
        if (quint8(frame[1]) == BootWriteCode)
            packets.append(frame);
    QCOMPARE(packets.size(), 5);
    QVERIFY(MemoLines().filter(QStringLiteral("на пакет №")).isEmpty());
    QCOMPARE(sim->programmedImage(), image);
}

void TestUpdateInWindow::cancelledDialogSendsNothing() {
    for (const char* button :
         {"BitBtn_BOOTLOADERAUTO_", "BitBtn_BOOTLOADERAUTOBOOT_", "BitBtn_BOOTLOADER21_"})
        Find<QPushButton>(button)->click();
    QCOMPARE(prompts->shown.size(), 3);
    QCOMPARE(Find<QPlainTextEdit>("Memo2")->toPlainText(), QString());
    QVERIFY(sim->receivedFrames().isEmpty());
}

// The log of an update tells that update only; a cancelled dialog leaves the last one's.
void TestUpdateInWindow::newUpdateClearsTheLog() {
    auto* memo = Find<QPlainTextEdit>("Memo2");
    memo->setPlainText(QStringLiteral("Принят пакет №4"));
    Find<QPushButton>("BitBtn_BOOTLOADERAUTO_")->click();
    QCOMPARE(memo->toPlainText(), QStringLiteral("Принят пакет №4"));
    prompts->files = {ImageFile(QByteArray(100, 'x'))};
    ClickToEnd("BitBtn_BOOTLOADERAUTO_");
    QCOMPARE(MemoLines().mid(0, 3),
             (QStringList{" ", "Размер файла: 100 байт.", "Контрольная сумма файла не верна!"}));
    QVERIFY(sim->receivedFrames().isEmpty());
}

void TestUpdateInWindow::addressThatIsNoNumberEndsTheCommand() {
    Find<QLineEdit>("Edit_ADDRESS_")->setText(QStringLiteral("12a"));
    prompts->files = {ImageFile(DemoImage(100))};
    for (const char* button : {"BitBtn_BOOTLOADERAUTO_", "BitBtn_BOOTLOADER30_"})
        Find<QPushButton>(button)->click();
    QCOMPARE(prompts->messageTexts(),
             QStringList(2, QStringLiteral("'12a' is not a valid integer value")));
    QCOMPARE(Find<QPlainTextEdit>("Memo2")->toPlainText(), QString());
    QVERIFY(sim->receivedFrames().isEmpty());
    QVERIFY(Find<QPushButton>("BitBtn_BOOTLOADERAUTO_")->isEnabled());
}

// While the packets go out the window thread keeps running its timers, and each tick finds the
// packet counter further on.
void TestUpdateInWindow::windowLiveWhilePacketsGo() {
    SlowPacketsInBootloader();
    prompts->files = {ImageFile(DemoImage(2400))};
    auto* counter = Find<QLabel>("Label_BOOTLOADERPROGRESS_");
    int ticks = 0;
    QStringList counts;
    QTimer probe;
    connect(&probe, &QTimer::timeout, this, [&] {
        ++ticks;
        if (!counter->text().isEmpty() && !counts.contains(counter->text()))
            counts << counter->text();
    });
    probe.start(20);
    form->show();
    ClickToEnd("BitBtn_BOOTLOADERAUTOBOOT_");
    probe.stop();
    // 11 packets of at least 100 ms each: the probe ran all along and saw most counts.
    QVERIFY2(ticks >= 20, qPrintable(QString::number(ticks)));
    QVERIFY2(counts.size() >= 5, qPrintable(counts.join(QLatin1Char('|'))));
    QCOMPARE(counts.last(),
             QStringLiteral("Передано пакетов: 11 из 11 (принят №10), осталось 0:00"));
    QCOMPARE(Find<QProgressBar>("ProgressBar_BOOTLOADER_")->value(), 100);
    QCOMPARE(MemoLines().last(), QStringLiteral("Версия ПО контроллера после перезапуска: 1.206"));
}

// "Стоп" pressed once the log shows a line: before the erase (during the register read) the update
// ends with the program untouched; after it the operator is asked first and, on Yes, told that the
// controller holds no valid program; on No the update goes on. Packets that are never answered end
// the update with the same state and no word of success.
void TestUpdateInWindow::stopEndsAtTheNextStep_data() {
    QTest::addColumn<QString>("pressAt");
    QTest::addColumn<int>("unansweredPackets");
    QTest::addColumn<QList<Prompts::Answer>>("answers");
    QTest::addColumn<QStringList>("lastLines");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("erased");
    QTest::addColumn<bool>("programmed");
    const QString noProgram = QStringLiteral("В контроллере нет действующей программы: управление "
                                             "остаётся у загрузчика, запустите обновление снова.");
    const QString question =
        QStringLiteral("Флэш-память контроллера уже стирается или записывается. Если остановить "
                       "обновление сейчас, в контроллере не будет действующей программы, и "
                       "обновление придётся запустить снова.\nОстановить обновление?");
    QTest::newRow("before the erase")
        << QStringLiteral("Чтение регистров бутлоадера.") << 0 << QList<Prompts::Answer>{}
        << QStringList{"Обновление прервано оператором.", "Программа контроллера не изменена."}
        << QStringList{} << false << false;
    QTest::newRow("after the erase, yes")
        << QStringLiteral("Принят пакет №1") << 0 << QList<Prompts::Answer>{Prompts::Answer::Yes}
        << QStringList{"Обновление прервано оператором.", noProgram}
        << QStringList{question, noProgram} << true << false;
    QTest::newRow("after the erase, no")
        << QStringLiteral("Принят пакет №1") << 0 << QList<Prompts::Answer>{Prompts::Answer::No}
        << QStringList{"---Обновление ПО завершено!---",
                       "Версия ПО контроллера после перезапуска: 1.206"}
        << QStringList{question} << true << true;
    QTest::newRow("packets unanswered")
        << QString() << PersistentFault << QList<Prompts::Answer>{}
        << QStringList{"Ошибка пересылки пакета, попытки исчерпаны.", noProgram} << QStringList{}
        << true << false;
}

void TestUpdateInWindow::stopEndsAtTheNextStep() {
    QFETCH(QString, pressAt);
    QFETCH(int, unansweredPackets);
    QFETCH(QList<Prompts::Answer>, answers);
    QFETCH(QStringList, lastLines);
    QFETCH(QStringList, boxes);
    QFETCH(bool, erased);
    QFETCH(bool, programmed);
    SlowPacketsInBootloader();
    const QByteArray image = DemoImage(2400);
    prompts->files = {ImageFile(image)};
    prompts->answers = answers;
    // The first register read goes unanswered: "Стоп" meets it a second before the erase.
    sim->injectFault({.kind = FaultKind::NoReply, .function = BootReadCode});
    if (unansweredPackets != 0)
        sim->injectFault({.kind = FaultKind::NoReply, .function = BootWriteCode},
                         unansweredPackets);
    sim->clearReceivedFrames();
    auto* stop = Find<QPushButton>("BitBtn_STOPUPDATE_");
    QVERIFY(!stop->isEnabled());
    bool pressed = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        if (!pressed && !pressAt.isEmpty() && MemoLines().contains(pressAt)) {
            pressed = true;
            QVERIFY(stop->isEnabled());
            stop->click();
        }
    });
    watch.start(5);
    ClickToEnd("BitBtn_BOOTLOADERAUTOBOOT_");
    QCOMPARE(pressed, !pressAt.isEmpty());
    const QStringList lines = MemoLines();
    QCOMPARE(lines.mid(lines.size() - 2), lastLines);
    QStringList shown = prompts->messageTexts();
    QCOMPARE(shown, boxes);
    const QList<QByteArray> frames = sim->receivedFrames();
    QCOMPARE(frames.contains(BootEraseRequest(Address, 0)), erased);
    QCOMPARE(frames.contains(BootFinishRequest(Address)), programmed);
    QCOMPARE(sim->programmedImage() == image, programmed);
    QCOMPARE(sim->inBootloader(), !programmed);
    QVERIFY(!stop->isEnabled());
    QVERIFY(Find<QPushButton>("BitBtn_BOOTLOADERAUTO_")->isEnabled());
}

QTEST_MAIN(TestUpdateInWindow)
#include "test_update_in_window.moc"
