#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// The checksum of a firmware image as the controller's STM32 CRC unit computes it. An image is
// consistent when its checksum is 0: its last four bytes hold, low byte first, the checksum of
// everything before them.

// One 32-bit word through the CRC unit: polynomial 0x04C11DB7, most significant bit first, no
// reflection and no final inversion.
quint32 Stm32CrcStep(quint32 crc, quint32 word);

// The checksum of the whole image, from 0xFFFFFFFF, fed as little-endian words in 512-byte
// blocks. A last word that runs past the end is completed with what a 512-byte read buffer would
// still hold there: the bytes 512 before (the previous block), or zeros in the first block.
quint32 ImageCrc32(QByteArrayView image);
