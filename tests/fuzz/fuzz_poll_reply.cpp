// The polling reply parser against any request, and the storing of what it accepts.
#include "fuzz_input.h"
#include "poll_sequencer.h"
#include "register_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    PollBlock block;
    block.request = {in.Word(), in.Word()};
    block.area = PollArea(in.Byte() % 5);
    block.index = int(in.Word()) - 32768;
    const ParsedPollReply parsed = ParsePollReply(in.Rest(), block.request, QDateTime());
    // Only a reply of exactly the registers asked for is stored.
    if (!parsed.words.isEmpty() && parsed.words.size() != block.request.count)
        __builtin_trap();
    static RegisterImage image;
    StorePolledBlocks({{block.area, block.index, parsed.words}}, image);
    return 0;
}
