#include "register_image.h"

#include <algorithm>
#include <utility>

namespace {

bool Fits(std::size_t blockSize, int offset, int count) {
    return offset >= 0 && count >= 0 && std::size_t(offset) + std::size_t(count) <= blockSize;
}

int CellIndex(int firstOffset, int cell) {
    return cell >= 1 && cell <= MaxCells ? firstOffset + cell - 1 : -1;
}

} // namespace

quint16 Word16(std::span<const quint16> block, int offset) {
    return Fits(block.size(), offset, 1) ? block[offset] : 0;
}

qint16 SignedWord16(std::span<const quint16> block, int offset) {
    return qint16(Word16(block, offset));
}

quint32 Word32(std::span<const quint16> block, int offset) {
    if (!Fits(block.size(), offset, 2))
        return 0;
    return quint32(block[offset]) | (quint32(block[offset + 1]) << 16);
}

qint32 SignedWord32(std::span<const quint16> block, int offset) {
    return qint32(Word32(block, offset));
}

bool SetWord16(std::span<quint16> block, int offset, quint16 value) {
    if (!Fits(block.size(), offset, 1))
        return false;
    block[offset] = value;
    return true;
}

bool SetWord32(std::span<quint16> block, int offset, quint32 value) {
    if (!Fits(block.size(), offset, 2))
        return false;
    block[offset] = quint16(value & 0xFFFF);
    block[offset + 1] = quint16(value >> 16);
    return true;
}

bool StoreWords(std::span<quint16> block, int offset, std::span<const quint16> words) {
    if (!Fits(block.size(), offset, int(words.size())))
        return false;
    std::copy(words.begin(), words.end(), block.begin() + offset);
    return true;
}

bool StoreRegisters(RegisterImage& image, quint16 firstRegister, std::span<const quint16> words) {
    const std::array<std::pair<quint16, std::span<quint16>>, 5> blocks = {{
        {StatusBlockStart, image.StatusBlock},
        {CommSettingsBlockStart, image.CommSettingsBlock},
        {ChargeSettingsBlockStart, image.ChargeSettingsBlock},
        {AlarmSettingsBlockStart, image.AlarmSettingsBlock},
        {JournalBlockStart, image.JournalBlock},
    }};
    for (const auto& [start, block] : blocks) {
        const int offset = int(firstRegister) - int(start);
        if (offset >= 0 && offset < int(block.size()))
            return StoreWords(block, offset, words);
    }
    return false;
}

quint16 CellVoltage(std::span<const quint16> statusBlock, int cell) {
    return Word16(statusBlock, CellIndex(CellVoltageOffset, cell));
}

qint16 CellTemperature(std::span<const quint16> statusBlock, int cell) {
    return SignedWord16(statusBlock, CellIndex(CellTemperatureOffset, cell));
}

quint16 CellStatus(std::span<const quint16> statusBlock, int cell) {
    return Word16(statusBlock, CellIndex(CellStatusOffset, cell));
}

JournalRecord ReadJournalRecord(std::span<const quint16> journalBlock, int k) {
    if (k < 0 || k >= JournalRecordCount || !Fits(journalBlock.size(), 4 * k, 4))
        return {};
    const int base = 4 * k;
    return {Word32(journalBlock, base), Word16(journalBlock, base + 2),
            Word16(journalBlock, base + 3)};
}
