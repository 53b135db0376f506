#include "table_state.h"

#include "bit_tables.h"

#include <algorithm>

namespace {

template <class Bits>
QList<BitRowTexts> BitRows(std::span<const quint16> block, const Bits& bits, QStringView warning,
                           QStringView state) {
    const auto word = [block](QStringView mnemonic) {
        return quint32(FieldValue(block, StatusByMnemonic(mnemonic).field));
    };
    const quint32 warnings = word(warning);
    const quint32 states = word(state);
    const auto text = [](quint32 w, int bit) {
        return BitSet(w, bit) ? QStringLiteral("1") : QStringLiteral("0");
    };
    QList<BitRowTexts> rows;
    for (const auto& b : bits)
        rows.append({text(warnings, b.bit), text(states, b.bit)});
    return rows;
}

} // namespace

const StatusRegister& StatusByMnemonic(QStringView mnemonic) {
    const auto* row =
        std::find_if(StatusRegisters.begin(), StatusRegisters.end(),
                     [mnemonic](const StatusRegister& r) { return r.mnemonic == mnemonic; });
    Q_ASSERT(row != StatusRegisters.end());
    return *row;
}

QList<BitRowTexts> AlarmTableRows(std::span<const quint16> statusBlock) {
    return BitRows(statusBlock, SafetyBits, u"Safety_Alert", u"Safety_Status");
}

QList<BitRowTexts> ChargeTableRows(std::span<const quint16> statusBlock) {
    return BitRows(statusBlock, ChargeBits, u"Charge_Alert", u"Charge_Status");
}
