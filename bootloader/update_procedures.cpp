#include "update_procedures.h"

#include "boot_registers.h"
#include "image_crc.h"
#include "prompts.h"
#include "recent_files.h"
#include "status_map.h"

#include <QDir>
#include <QFile>

namespace {

constexpr int InitAttempts = 20;
constexpr int RegisterReadAttempts = 2;
constexpr int HighestRegisterField = 65534;

const QString Blank = QStringLiteral(" ");

// Runs the command up to `attempts` times, until it succeeds.
bool Attempt(int attempts, const std::function<bool()>& command) {
    for (int i = 0; i < attempts; ++i)
        if (command())
            return true;
    return false;
}

// The steps from the bootloader's start to the finish; false when one of them ended the update
// with its line.
bool ProgramController(Bootloader& boot, QByteArrayView image, UpdateStart start) {
    if (start == UpdateStart::FromApplication &&
        !Attempt(InitAttempts, [&] { return boot.BootInit(); })) {
        boot.Log(QStringLiteral("Ошибка инициализации бутлоадера, попытки исчерпаны."));
        return false;
    }
    boot.Log(Blank);
    boot.Log(QStringLiteral("Чтение регистров бутлоадера."));
    if (!Attempt(RegisterReadAttempts,
                 [&] { return boot.BootReadRegisters(BootRegistersStart, BootRegistersCount); })) {
        boot.Log(QStringLiteral("Ошибка чтения регистров бутлоадера, попытки исчерпаны."));
        return false;
    }
    const quint32 freeKb = BootloaderRegisters.FLASH_FREE;
    if (boot.Diagnostic() || start == UpdateStart::FromBootloader)
        boot.Log(QStringLiteral("Свободно: ") + QString::number(freeKb) +
                 QStringLiteral(" кбайт."));
    if (quint64(freeKb) * 1024 < quint64(image.size())) {
        boot.Log(QStringLiteral("Недостаточно свободной памяти микроконтроллера!"));
        return false;
    }
    boot.Log(Blank);
    if (!boot.BootErase(EraseProgramArea)) {
        boot.Log(QStringLiteral("Ошибка стирания флэш, попытки исчерпаны."));
        return false;
    }
    if (!boot.BootWriteImage(image)) {
        boot.Log(QStringLiteral("Ошибка пересылки пакета, попытки исчерпаны."));
        return false;
    }
    return true;
}

} // namespace

std::optional<QByteArray> OpenImage(BootView& view) {
    const QString path = AskOpenFile(FileKind::Firmware, QStringLiteral("image"),
                                     QStringLiteral("Binary files (*.bin)|*.bin"));
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CurrentPrompts().Message(
            QStringLiteral("Не удалось открыть файл ") + QDir::toNativeSeparators(path),
            QStringLiteral("Ошибка!"), Prompts::Buttons::Ok, Prompts::Icon::Error);
        return std::nullopt;
    }
    const QByteArray image = file.readAll();
    view.AddLine(Blank);
    view.AddLine(QStringLiteral("Размер файла: ") + QString::number(image.size()) +
                 QStringLiteral(" байт."));
    return image;
}

bool ImageConsistent(Bootloader& boot, QByteArrayView image) {
    const quint32 crc = ImageCrc32(image);
    if (crc == 0)
        return true;
    boot.Log(QStringLiteral("Контрольная сумма файла не верна!"));
    boot.Log(QStringLiteral("STM32 CRC32: ") + HexText(crc, 8));
    return false;
}

UpdateOutcome AutomaticUpdate(Bootloader& boot, QByteArrayView image, UpdateStart start,
                              const ApplicationWait& wait) {
    // A damaged image never reaches the erase.
    if (!ImageConsistent(boot, image))
        return UpdateOutcome::BadImage;
    boot.Log(Blank);
    boot.Log(QStringLiteral("---Старт обновления ПО.---"));
    boot.View().ShowProgress({});
    if (!ProgramController(boot, image, start))
        return UpdateOutcome::Failed;
    // The finish tells its outcome in its own lines; the update ends either way.
    const bool finished = boot.BootFinish();
    boot.Log(QStringLiteral("---Обновление ПО завершено!---"));
    if (!finished)
        return UpdateOutcome::Failed;
    const std::optional<quint32> version = boot.ReadApplicationVersion(wait.waitMs, wait.pauseMs);
    boot.Log(version ? QStringLiteral("Версия ПО контроллера после перезапуска: ") +
                           FirmwareVersionText(*version)
                     : QStringLiteral("Контроллер не ответил после перезапуска."));
    return UpdateOutcome::Done;
}

void ProgramImage(Bootloader& boot, QByteArrayView image) {
    if (!ImageConsistent(boot, image))
        return;
    boot.Log(boot.BootWriteImage(image) ? QStringLiteral("---Завершено!---")
                                        : QStringLiteral("Ошибки связи, попытки исчерпаны."));
}

std::optional<quint16> RegisterFieldValue(const QString& text) {
    if (!ConfirmIntegerText(text, 0, HighestRegisterField,
                            {QStringLiteral("Введите адрес десятичным числом от 0 до 65\u00A0534!"),
                             QStringLiteral("Адрес должен быть в диапазоне от 0 до 65\u00A0534!")}))
        return std::nullopt;
    return quint16(text.trimmed().toInt());
}

RegisterReadPreset ProgramDataPreset() {
    return {QString::number(ProgramDataStart), QString::number(ProgramDataCount)};
}

RegisterReadPreset BootRegistersPreset() {
    return {QString::number(BootRegistersStart), QString::number(BootRegistersCount)};
}
