#include "register_space.h"

#include "register_map.h"

#include <algorithm>

RegisterSpace::RegisterSpace() {
    for (const SimMap::BlockSpan& span : SimMap::Blocks)
        blocks_.push_back({span.start, std::vector<quint16>(size_t(span.size), 0)});
}

const RegisterSpace::Block* RegisterSpace::blockOf(quint16 first, int count) const {
    for (const Block& block : blocks_) {
        const int offset = int(first) - int(block.start);
        if (offset >= 0 && count >= 0 && offset + count <= int(block.words.size()))
            return &block;
    }
    return nullptr;
}

RegisterSpace::Block* RegisterSpace::blockOf(quint16 first, int count) {
    return const_cast<Block*>(std::as_const(*this).blockOf(first, count));
}

bool RegisterSpace::contains(quint16 first, int count) const {
    return blockOf(first, count) != nullptr;
}

quint16 RegisterSpace::word(quint16 address) const {
    const Block* block = blockOf(address, 1);
    return block ? block->words[address - block->start] : 0;
}

bool RegisterSpace::setWord(quint16 address, quint16 value) {
    Block* block = blockOf(address, 1);
    if (block)
        block->words[address - block->start] = value;
    return block != nullptr;
}

quint32 RegisterSpace::dword(quint16 address) const {
    return quint32(word(address)) | quint32(word(quint16(address + 1))) << 16;
}

void RegisterSpace::setDword(quint16 address, quint32 value) {
    setWord(address, quint16(value & 0xFFFF));
    setWord(quint16(address + 1), quint16(value >> 16));
}

QList<quint16> RegisterSpace::read(quint16 first, int count) const {
    const Block* block = blockOf(first, count);
    if (!block)
        return {};
    const auto begin = block->words.begin() + (first - block->start);
    return QList<quint16>(begin, begin + count);
}

bool RegisterSpace::write(quint16 first, std::span<const quint16> values) {
    Block* block = blockOf(first, int(values.size()));
    if (block)
        std::copy(values.begin(), values.end(), block->words.begin() + (first - block->start));
    return block != nullptr;
}
