#include "image_crc.h"

namespace {

constexpr quint32 Polynomial = 0x04C11DB7;
constexpr qsizetype BlockBytes = 512;

// Byte i of the read buffer after the block holding the end of the image was read into it.
quint8 BufferByte(QByteArrayView image, qsizetype i) {
    if (i >= image.size())
        i -= BlockBytes;
    return i >= 0 ? quint8(image[i]) : 0;
}

} // namespace

quint32 Stm32CrcStep(quint32 crc, quint32 word) {
    crc ^= word;
    for (int bit = 0; bit < 32; ++bit)
        crc = (crc & 0x80000000u) ? (crc << 1) ^ Polynomial : crc << 1;
    return crc;
}

quint32 ImageCrc32(QByteArrayView image) {
    quint32 crc = 0xFFFFFFFF;
    for (qsizetype at = 0; at < image.size(); at += 4) {
        quint32 word = 0;
        for (int k = 3; k >= 0; --k)
            word = word << 8 | BufferByte(image, at + k);
        crc = Stm32CrcStep(crc, word);
    }
    return crc;
}
