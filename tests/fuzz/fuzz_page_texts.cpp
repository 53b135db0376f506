// Every text the pages and tables show, for any register image and any cell count, in both
// views: the main page, the status, cell, alarm and charge tables, the cell chart and its paging,
// the settings tables.
#include "cell_chart_window.h"
#include "fuzz_input.h"
#include "page_main.h"
#include "register_image.h"
#include "settings_map.h"
#include "status_map.h"
#include "table_cells.h"
#include "table_state.h"

#include <algorithm>

namespace {

template <std::size_t N>
void SettingsTexts(const std::array<SettingsRegister, N>& rows, std::span<const quint16> block,
                   bool scaled) {
    for (const SettingsRegister& row : rows) {
        const RowTexts texts = SettingsRowTexts(row, block, scaled);
        (void)SettingsCellToRegister(row, texts.value, scaled);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    static RegisterImage image;
    image = RegisterImage{};
    const bool scaled = in.Flag();
    const quint16 cells = in.Word(); // 0 to 65535: more than the arrays hold
    const QByteArrayView words = in.Rest();
    for (qsizetype i = 0; i + 1 < words.size(); i += 2) {
        const quint16 word = quint16(quint8(words[i]) << 8 | quint8(words[i + 1]));
        const qsizetype at = (i / 2) % (StatusBlockWords + 100);
        if (at < StatusBlockWords)
            image.StatusBlock[size_t(at)] = word;
        else
            image.AlarmSettingsBlock[size_t(at - StatusBlockWords) %
                                     image.AlarmSettingsBlock.size()] =
                image.ChargeSettingsBlock[size_t(at - StatusBlockWords) %
                                          image.ChargeSettingsBlock.size()] =
                    image.CommSettingsBlock[size_t(at - StatusBlockWords) %
                                            image.CommSettingsBlock.size()] = word;
    }
    SetWord16(image.StatusBlock, 2, cells);
    (void)ComputeMainPage(image.StatusBlock);
    for (const StatusRegister& row : StatusRegisters)
        for (const bool russian : {false, true})
            (void)StatusRowTexts(row, image.StatusBlock, russian, scaled);
    const int shown = ShownCellCount(image.StatusBlock);
    FUZZ_CHECK(shown <= MaxCells);
    for (int cell = 1; cell <= shown; ++cell)
        (void)CellTableRow(image.StatusBlock, cell, scaled);
    (void)CellChartValues(image.StatusBlock);
    (void)ComputeCellChartWindow(cells, image.StatusBlock[3], image.StatusBlock[4], 80);
    (void)AlarmTableRows(image.StatusBlock);
    (void)ChargeTableRows(image.StatusBlock);
    SettingsTexts(CommSettingsRegisters, image.CommSettingsBlock, scaled);
    SettingsTexts(AlarmSettingsRegisters, image.AlarmSettingsBlock, scaled);
    SettingsTexts(ChargeSettingsRegisters, image.ChargeSettingsBlock, scaled);
    return 0;
}
