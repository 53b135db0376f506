#pragma once

#include "bootloader_model.h"
#include "image_crc.h"

#include <QByteArray>

// A 480-byte image cut to 479 bytes whose checksum still holds: the missing byte of its last
// word reads as zero, and the first byte is chosen so that the checksum's top byte is zero too.
inline QByteArray CutImageThatChecks() {
    for (int seed = 0;; ++seed) {
        QByteArray content = DemoImage(480).left(476);
        content[0] = char(seed);
        const quint32 crc = ImageCrc32(content);
        if (crc >> 24 == 0)
            return content + char(crc & 0xFF) + char(crc >> 8 & 0xFF) + char(crc >> 16 & 0xFF);
    }
}
