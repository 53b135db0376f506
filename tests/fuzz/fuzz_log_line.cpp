// The monitoring log's header and data lines for any status block, in both views: every line has
// one field for the date and time, 35 status fields and three per cell, each ended by ";".
#include "fuzz_input.h"
#include "monitor_log.h"
#include "register_image.h"
#include "table_cells.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    static RegisterImage image;
    image = RegisterImage{};
    const bool scaled = in.Flag();
    for (size_t i = 0; i < image.StatusBlock.size() && !in.Empty(); ++i)
        image.StatusBlock[i] = in.Word();
    const qsizetype fields = 1 + 35 + 3 * ShownCellCount(image.StatusBlock);
    const QDateTime when(QDate(2024, 1, 31), QTime(14, 5, 9));
    if (LogHeaderLine(image.StatusBlock).count(QLatin1Char(';')) != fields ||
        LogRowLine(image.StatusBlock, when, scaled).count(QLatin1Char(';')) != fields)
        __builtin_trap();
    return 0;
}
