#pragma once

#include "register_image.h"
#include "table_state.h"

// A status block filled by mnemonic, for the display tests.
struct StatusBlockBuilder {
    std::array<quint16, StatusBlockWords> words{};
    StatusBlockBuilder& Set(QStringView mnemonic, qint64 value) {
        StoreField(words, StatusByMnemonic(mnemonic).field, quint32(value));
        return *this;
    }
    StatusBlockBuilder& Cell(int n, quint16 millivolts, qint16 degrees, quint16 status) {
        SetWord16(words, CellVoltageOffset + n - 1, millivolts);
        SetWord16(words, CellTemperatureOffset + n - 1, quint16(degrees));
        SetWord16(words, CellStatusOffset + n - 1, status);
        return *this;
    }
};
