#pragma once

#include <QList>
#include <QtGlobal>

#include <span>
#include <vector>

// The controller's holding registers: five separate blocks, nothing between them.
class RegisterSpace {
public:
    RegisterSpace();

    // True when every register of [first, first + count) lies inside one block.
    bool contains(quint16 first, int count) const;

    // Registers outside the blocks read as 0 and ignore writes (setters return false there).
    quint16 word(quint16 address) const;
    bool setWord(quint16 address, quint16 value);
    quint32 dword(quint16 address) const; // low word at address
    void setDword(quint16 address, quint32 value);

    QList<quint16> read(quint16 first, int count) const;
    bool write(quint16 first, std::span<const quint16> values);

private:
    struct Block {
        quint16 start;
        std::vector<quint16> words;
    };
    const Block* blockOf(quint16 first, int count) const;
    Block* blockOf(quint16 first, int count);

    std::vector<Block> blocks_;
};
