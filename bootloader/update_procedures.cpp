#include "update_procedures.h"

#include "boot_registers.h"
#include "image_crc.h"
#include "prompts.h"
#include "recent_files.h"
#include "status_map.h"
#include "text_file.h"

#include <QCoreApplication>

namespace {

constexpr int InitAttempts = 20;
constexpr int RegisterReadAttempts = 2;
constexpr int HighestRegisterField = 65534;

const QString Blank = QStringLiteral(" ");

// Runs the command up to `attempts` times, until it succeeds or the operator stops the update.
bool Attempt(Bootloader& boot, int attempts, const std::function<bool()>& command) {
    for (int i = 0; i < attempts && !boot.Stopping(); ++i)
        if (command())
            return true;
    return false;
}

UpdateOutcome FailureOf(const Bootloader& boot) {
    return boot.LastEnd() == CommandEnd::Refused ? UpdateOutcome::Refused : UpdateOutcome::Failed;
}

// How far an update that ends early got: what the controller holds then.
enum class Reached { BeforeErase, Erase, AfterErase };

// The line that tells the operator what the controller holds after an update that ended early.
QString StateLine(Reached reached, bool stopped) {
    switch (reached) {
    case Reached::BeforeErase:
        return stopped ? QCoreApplication::translate("UpdateProcedures",
                                                     "Программа контроллера не изменена.")
                       : QString();
    case Reached::Erase:
        return QCoreApplication::translate(
            "UpdateProcedures", "Программа контроллера могла быть стерта: управление остаётся у "
                                "загрузчика, запустите обновление снова.");
    case Reached::AfterErase:
        break;
    }
    return QCoreApplication::translate(
        "UpdateProcedures", "В контроллере нет действующей программы: управление остаётся у "
                            "загрузчика, запустите обновление снова.");
}

// The operator stopped the update: said so, then what the controller holds now; once the program
// area was touched that is said in a box as well, since the controller now waits in its
// bootloader for the next update.
void ReportStopped(Bootloader& boot, Reached reached) {
    boot.Log(QCoreApplication::translate("UpdateProcedures", "Обновление прервано оператором."));
    const QString state = StateLine(reached, true);
    boot.Log(state);
    if (reached != Reached::BeforeErase)
        CurrentPrompts().Message(
            state, QCoreApplication::translate("UpdateProcedures", "Обновление прервано"),
            Prompts::Buttons::Ok, Prompts::Icon::Warning);
}

// Ends the update at a step that failed: its line, then what the controller holds now; or that
// the operator stopped it. The outcome is a refusal when the step's last command was refused, or
// when `refused` (the controller has no room for the image).
UpdateOutcome EndEarly(Bootloader& boot, const QString& line, Reached reached,
                       bool refused = false) {
    if (boot.LastEnd() == CommandEnd::Stopped) {
        ReportStopped(boot, reached);
    } else {
        boot.Log(line);
        if (const QString state = StateLine(reached, false); !state.isEmpty())
            boot.Log(state);
    }
    return refused ? UpdateOutcome::Refused : FailureOf(boot);
}

// The steps from the bootloader's start to the last packet; the outcome when one of them ended
// the update, nothing when the image is in flash.
std::optional<UpdateOutcome> ProgramController(Bootloader& boot, QByteArrayView image,
                                               UpdateStart start) {
    if (start == UpdateStart::FromApplication &&
        !Attempt(boot, InitAttempts, [&] { return boot.BootInit(); }))
        return EndEarly(
            boot,
            QCoreApplication::translate("UpdateProcedures",
                                        "Ошибка инициализации бутлоадера, попытки исчерпаны."),
            Reached::BeforeErase);
    boot.Log(Blank);
    boot.Log(QCoreApplication::translate("UpdateProcedures", "Чтение регистров бутлоадера."));
    if (!Attempt(boot, RegisterReadAttempts,
                 [&] { return boot.BootReadRegisters(BootRegistersStart, BootRegistersCount); }))
        return EndEarly(
            boot,
            QCoreApplication::translate("UpdateProcedures",
                                        "Ошибка чтения регистров бутлоадера, попытки исчерпаны."),
            Reached::BeforeErase);
    const quint32 freeKb = BootloaderRegisters.FLASH_FREE;
    if (boot.Diagnostic() || start == UpdateStart::FromBootloader)
        boot.Log(QCoreApplication::translate("UpdateProcedures", "Свободно: ") +
                 QString::number(freeKb) +
                 QCoreApplication::translate("UpdateProcedures", " кбайт."));
    if (quint64(freeKb) * 1024 < quint64(image.size()))
        return EndEarly(boot,
                        QCoreApplication::translate(
                            "UpdateProcedures", "Недостаточно свободной памяти микроконтроллера!"),
                        Reached::BeforeErase, true);
    boot.Log(Blank);
    if (boot.Stopping() || !boot.BootErase(EraseProgramArea))
        return EndEarly(boot,
                        QCoreApplication::translate("UpdateProcedures",
                                                    "Ошибка стирания флэш, попытки исчерпаны."),
                        boot.LastEnd() == CommandEnd::Stopped ? Reached::BeforeErase
                                                              : Reached::Erase);
    if (!boot.BootWriteImage(image))
        return EndEarly(boot,
                        QCoreApplication::translate("UpdateProcedures",
                                                    "Ошибка пересылки пакета, попытки исчерпаны."),
                        Reached::AfterErase);
    return std::nullopt;
}

} // namespace

QString ChooseImage() {
    return AskOpenFile(FileKind::Firmware, QStringLiteral("image"),
                       QStringLiteral("Binary files (*.bin)|*.bin"));
}

std::optional<QByteArray> LoadImage(BootView& view, const QString& path) {
    const WholeFileRead read =
        ReadWholeFile(path, LargestImageBytes,
                      QCoreApplication::translate(
                          "UpdateProcedures",
                          "файл больше 65535 кбайт, столько флэш-памяти у загрузчика не бывает"));
    if (!read.error.isEmpty()) {
        CurrentPrompts().Message(read.error,
                                 QCoreApplication::translate("UpdateProcedures", "Ошибка!"),
                                 Prompts::Buttons::Ok, Prompts::Icon::Error);
        return std::nullopt;
    }
    view.AddLine(Blank);
    view.AddLine(QCoreApplication::translate("UpdateProcedures", "Размер файла: ") +
                 QString::number(read.bytes.size()) +
                 QCoreApplication::translate("UpdateProcedures", " байт."));
    return read.bytes;
}

bool ImageConsistent(Bootloader& boot, QByteArrayView image) {
    const quint32 crc = ImageCrc32(image);
    if (crc == 0)
        return true;
    boot.Log(QCoreApplication::translate("UpdateProcedures", "Контрольная сумма файла не верна!"));
    boot.Log(QStringLiteral("STM32 CRC32: ") + HexText(crc, 8));
    return false;
}

bool ImageAcceptable(Bootloader& boot, QByteArrayView image) {
    // Four bytes are the checksum word alone: 0xFFFFFFFF checks, and would erase the program.
    if (image.size() <= 4) {
        boot.Log(QCoreApplication::translate("UpdateProcedures",
                                             "Файл слишком мал для образа прошивки: %1 байт.")
                     .arg(image.size()));
        return false;
    }
    if (!ImageConsistent(boot, image))
        return false;
    if (image.size() % 4 == 0)
        return true;
    const QString note =
        QCoreApplication::translate(
            "UpdateProcedures",
            "Необычная длина файла: %1 байт, не кратна 4 (так бывает у обрезанного "
            "образа).")
            .arg(image.size());
    boot.Log(note);
    const bool go =
        CurrentPrompts().Message(
            note + QCoreApplication::translate("UpdateProcedures", "\nПродолжить обновление?"),
            QCoreApplication::translate("UpdateProcedures", "Подтверждение"),
            Prompts::Buttons::YesNo, Prompts::Icon::Question) == Prompts::Answer::Yes;
    if (!go)
        boot.Log(QCoreApplication::translate("UpdateProcedures", "Обновление не начато."));
    return go;
}

UpdateOutcome AutomaticUpdate(Bootloader& boot, QByteArrayView image, UpdateStart start,
                              const ApplicationWait& wait) {
    // A damaged image never reaches the erase.
    if (!ImageAcceptable(boot, image))
        return UpdateOutcome::BadImage;
    boot.Log(Blank);
    boot.Log(QCoreApplication::translate("UpdateProcedures", "---Старт обновления ПО.---"));
    boot.View().ShowProgress({});
    if (const std::optional<UpdateOutcome> ended = ProgramController(boot, image, start))
        return *ended;
    // The finish tells its outcome in its own lines; the update ends either way.
    const bool finished = boot.BootFinish();
    boot.Log(QCoreApplication::translate("UpdateProcedures", "---Обновление ПО завершено!---"));
    if (!finished) {
        boot.Log(StateLine(Reached::AfterErase, false));
        return FailureOf(boot);
    }
    const RestartCheck check = boot.CheckRestart(wait.waitMs, wait.pauseMs);
    if (check.answered != RestartCheck::Answered::Application &&
        boot.LastEnd() == CommandEnd::Stopped) {
        boot.Log(QCoreApplication::translate(
            "UpdateProcedures", "Ожидание перезапуска прервано оператором: программа записана, "
                                "её запуск не проверен."));
        return UpdateOutcome::Failed;
    }
    switch (check.answered) {
    case RestartCheck::Answered::Application:
        boot.Log(QCoreApplication::translate("UpdateProcedures",
                                             "Версия ПО контроллера после перезапуска: ") +
                 FirmwareVersionText(check.version));
        return UpdateOutcome::Done;
    case RestartCheck::Answered::Bootloader:
        boot.Log(QCoreApplication::translate(
            "UpdateProcedures", "Контроллер остался в загрузчике: основная программа не "
                                "запустилась."));
        break;
    case RestartCheck::Answered::Nobody:
        boot.Log(QCoreApplication::translate("UpdateProcedures",
                                             "Контроллер не ответил после перезапуска."));
        break;
    }
    return UpdateOutcome::Failed;
}

void ProgramImage(Bootloader& boot, QByteArrayView image) {
    if (!ImageAcceptable(boot, image))
        return;
    if (boot.BootWriteImage(image))
        boot.Log(QCoreApplication::translate("UpdateProcedures", "---Завершено!---"));
    else if (boot.LastEnd() == CommandEnd::Stopped)
        ReportStopped(boot, Reached::AfterErase);
    else
        boot.Log(
            QCoreApplication::translate("UpdateProcedures", "Ошибки связи, попытки исчерпаны."));
}

std::optional<quint16> RegisterFieldValue(const QString& text) {
    // The refusals write the highest value with a no-break space between its thousands.
    const QString highest = QStringLiteral("65\u00A0534");
    if (!ConfirmIntegerText(text, 0, HighestRegisterField,
                            {QCoreApplication::translate(
                                 "UpdateProcedures", "Введите адрес десятичным числом от 0 до %1!")
                                 .arg(highest),
                             QCoreApplication::translate(
                                 "UpdateProcedures", "Адрес должен быть в диапазоне от 0 до %1!")
                                 .arg(highest)}))
        return std::nullopt;
    return quint16(text.trimmed().toInt());
}

RegisterReadPreset ProgramDataPreset() {
    return {QString::number(ProgramDataStart), QString::number(ProgramDataCount)};
}

RegisterReadPreset BootRegistersPreset() {
    return {QString::number(BootRegistersStart), QString::number(BootRegistersCount)};
}
