#pragma once

#include "bootloader.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The firmware update as the operator runs it: choosing the image, the two automatic procedures
// and the manual programming, built from the bootloader's commands. Message boxes and the file
// dialog go through CurrentPrompts().

// The largest image: the largest free flash the bootloader can report (FLASH_FREE, 65535 KiB).
inline constexpr qint64 LargestImageBytes = qint64(0xFFFF) * 1024;

// Asks for the image file (filter "Binary files (*.bin)", the program's start folder); empty when
// the dialog was cancelled.
QString ChooseImage();
// Reads the image whole: the checksum and every packet come from this one copy. Anything but a
// regular file of at most LargestImageBytes is refused before it is read. Nothing when the file
// cannot be taken (which is shown); otherwise logs its size.
std::optional<QByteArray> LoadImage(BootView& view, const QString& path);

// The image's checksum is 0; otherwise logs "Контрольная сумма файла не верна!" and the
// checksum.
bool ImageConsistent(Bootloader& boot, QByteArrayView image);

// The checks before the first frame: more than the checksum word, the checksum, and a length
// that is a multiple of 4, or else the operator's Yes to the question (CurrentPrompts): the last
// word of such an image is completed by the checksum rule, so an image cut short passes the
// checksum once in 256 cases. A refusal is logged.
bool ImageAcceptable(Bootloader& boot, QByteArrayView image);

enum class UpdateStart {
    FromApplication, // the controller runs its application: the bootloader is started first
    FromBootloader,  // the controller already runs its bootloader
};

// How long the restarted application is given to answer after an accepted finish.
struct ApplicationWait {
    int waitMs = 10000;
    int pauseMs = 250;
};

enum class UpdateOutcome {
    BadImage, // refused before any frame
    Refused,  // the controller refused the step that ended the update, or has too little flash
    Failed,   // a step got no reply it could take, the operator stopped the update, or the
              // restarted application did not answer
    Done,     // the finish was accepted and the restarted application told its version
};

// Checks the image, (starts the bootloader,) reads its registers, checks the free flash, erases
// the program area, programs, finishes, and after an accepted finish reads the new firmware
// version from the restarted application. Every step has its fixed attempts; the first step that
// fails ends the update with its line, followed, once the erase was sent, by what the controller
// holds now. The view's StopRequested stops the update before its next exchange.
UpdateOutcome AutomaticUpdate(Bootloader& boot, QByteArrayView image, UpdateStart start,
                              const ApplicationWait& wait = {});

// Programs an acceptable image, without starting, erasing or finishing.
void ProgramImage(Bootloader& boot, QByteArrayView image);

// The register read fields: a decimal integer from 0 to 65534, or nothing after the refusal was
// shown (the count is refused in the address's words too).
std::optional<quint16> RegisterFieldValue(const QString& text);

// The presets of the two radio buttons: the program data block and the bootloader's registers.
struct RegisterReadPreset {
    QString start;
    QString count;
};
RegisterReadPreset ProgramDataPreset();
RegisterReadPreset BootRegistersPreset();
