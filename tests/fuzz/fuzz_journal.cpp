// The journal decoder for any journal block: the ring's place, the rows and their texts.
#include "fuzz_input.h"
#include "journal_rows.h"
#include "register_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    static RegisterImage image;
    image.JournalBlock.fill(0xFFFF);
    // Sparse: a position and a word at a time, so short inputs reach every slot.
    while (!in.Empty()) {
        const quint16 at = in.Word();
        image.JournalBlock[at % image.JournalBlock.size()] = in.Word();
    }
    if (const auto rows = JournalRows(image.JournalBlock))
        FUZZ_CHECK(rows->size() <= 768);
    return 0;
}
