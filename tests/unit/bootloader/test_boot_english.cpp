#include "boot_registers.h"
#include "bootloader.h"
#include "bootloader_model.h"
#include "controller_model.h"
#include "cut_image.h"
#include "english_texts.h"
#include "fault_plan.h"
#include "language.h"
#include "modbus_slave.h"
#include "scripted_prompts.h"
#include "test_file.h"
#include "update_procedures.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(UpdateStart)
Q_DECLARE_METATYPE(UpdateOutcome)

// Scripted firmware updates in English mode: every log line, progress text and box the operator
// reads has no Cyrillic letter, whichever way the update ends.

namespace {

constexpr quint8 Address = 238;

// The update's view as the lines and progress texts it was given; the operator stops the update
// once it has logged stopAfter lines (never when 0).
class RecordingView final : public BootView {
public:
    void AddLine(const QString& line) override { texts.append(line); }
    void ShowProgress(const PacketProgress& progress) override {
        texts.append(ProgressText(progress));
    }
    bool StopRequested() override { return stopAfter > 0 && texts.size() >= stopAfter; }

    QStringList texts;
    qsizetype stopAfter = 0;
};

QByteArray Damaged(QByteArray image) {
    image[10] = char(image[10] ^ 0x01);
    return image;
}

} // namespace

class TestBootEnglish : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(InstallLanguage(Language::English)); }
    void cleanupTestCase() { InstallLanguage(Language::Russian); }

    void init() {
        model =
            std::make_unique<ControllerModel>(Address, 4, false, BootloaderModel::Timing{0, 500});
        faults.clear();
        now = 0;
        view = RecordingView();
        prompts = std::make_unique<ScriptedPrompts>();
        BootloaderRegisters = {};
    }
    void cleanup() { prompts.reset(); }

    void automaticUpdates_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<UpdateStart>("start");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("stopAfter");
        QTest::addColumn<UpdateOutcome>("outcome");
        const QByteArray image = DemoImage(500);
        const UpdateStart application = UpdateStart::FromApplication;
        const UpdateStart bootloader = UpdateStart::FromBootloader;
        const Fault none{.kind = FaultKind::Delay};
        QTest::newRow("done") << image << application << none << 0 << UpdateOutcome::Done;
        QTest::newRow("damaged image")
            << Damaged(image) << application << none << 0 << UpdateOutcome::BadImage;
        // The question about the unusual length is answered No.
        QTest::newRow("cut image declined")
            << CutImageThatChecks() << application << none << 0 << UpdateOutcome::BadImage;
        QTest::newRow("bootloader silent")
            << image << application << Fault{} << 0 << UpdateOutcome::Failed;
        QTest::newRow("erase refused")
            << image << bootloader << Fault{.kind = FaultKind::StatusZero, .function = 0x20} << 0
            << UpdateOutcome::Refused;
        QTest::newRow("packet refused")
            << image << bootloader << Fault{.kind = FaultKind::Exception, .function = 0x21} << 0
            << UpdateOutcome::Refused;
        QTest::newRow("packets unanswered")
            << image << bootloader << Fault{.function = 0x21} << 0 << UpdateOutcome::Failed;
        QTest::newRow("finish refused")
            << image << bootloader
            << Fault{.kind = FaultKind::Exception, .exceptionCode = 3, .function = 0x31} << 0
            << UpdateOutcome::Refused;
        // Only the bootloader's register read is answered; the restarted application is not.
        QTest::newRow("application silent")
            << image << bootloader << Fault{.function = 0x03, .after = 1} << 0
            << UpdateOutcome::Failed;
        QTest::newRow("stopped before the erase")
            << image << application << none << 3 << UpdateOutcome::Failed;
        QTest::newRow("stopped during the packets")
            << image << application << none << 25 << UpdateOutcome::Failed;
    }
    void automaticUpdates() {
        QFETCH(QByteArray, image);
        QFETCH(UpdateStart, start);
        QFETCH(Fault, fault);
        QFETCH(int, stopAfter);
        QFETCH(UpdateOutcome, outcome);
        if (start == UpdateStart::FromBootloader)
            model->bootloader().enter();
        faults.set(fault, PersistentFault);
        prompts->answers = {Prompts::Answer::No};
        view.stopAfter = stopAfter;
        Bootloader boot = Boot();
        QCOMPARE(AutomaticUpdate(boot, image, start, {0, 0}), outcome);
        VerifyShown();
    }

    // The commands of the page and the manual programming, each with its lines.
    void commands() {
        model->bootloader().enter();
        Bootloader boot = Boot();
        QVERIFY(boot.BootReadRegisters(ProgramDataStart, ProgramDataCount));
        QVERIFY(boot.BootReadRegisters(BootRegistersStart, BootRegistersCount));
        ProgramImage(boot, DemoImage(300));
        faults.set({.kind = FaultKind::Exception, .exceptionCode = 2}, 1);
        QVERIFY(!boot.BootFinish());
        faults.set({.kind = FaultKind::Garbage, .bytes = QByteArray::fromHex("EE310101A493")}, 1);
        QVERIFY(!boot.BootInit());
        faults.set({}, PersistentFault);
        ProgramImage(boot, DemoImage(300));
        QVERIFY(!RegisterFieldValue(QStringLiteral("x")));
        QTemporaryDir dir;
        QVERIFY(LoadImage(view, WriteTestFile(dir.filePath("image.bin"), DemoImage(300))));
        VerifyShown();
    }

private:
    // Answers every request from the controller's model, a second of its time each.
    Bootloader Boot() {
        return Bootloader(
            [this](QByteArrayView request, BootWait wait) {
                now += 1000;
                if (wait == BootWait::Again)
                    return QByteArray();
                return ModbusSlave::Respond(request, Address, *model, faults, now).bytes;
            },
            view, Address, true);
    }

    void VerifyShown() const {
        const QStringList texts = WithPromptTexts(view.texts, *prompts);
        QVERIFY(!texts.isEmpty());
        VerifyEnglish(texts);
    }

    std::unique_ptr<ControllerModel> model;
    FaultPlan faults;
    qint64 now = 0;
    RecordingView view;
    std::unique_ptr<ScriptedPrompts> prompts;
};

QTEST_GUILESS_MAIN(TestBootEnglish)
#include "test_boot_english.moc"
