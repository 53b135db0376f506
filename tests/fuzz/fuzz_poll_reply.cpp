// The polling reply parser against any request, for replies built from the input (most with a
// good CRC) in a buffer of exactly their size, and the storing of what it accepts at any place.
#include "fuzz_reply.h"
#include "poll_sequencer.h"
#include "register_image.h"
#include "traffic_frame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    PollBlock block;
    block.area = PollArea(in.Byte() % 5);
    block.index = int(in.Word()) - 32768;
    block.request.firstRegister = in.Word();
    block.request.count = in.Flag() ? 1 + in.Byte() % MaxReadRegisters : in.Word();
    const ExactBytes reply(ModbusReplyBytes(in, block.request.count));
    const ParsedPollReply parsed = ParsePollReply(reply.View(), block.request, QDateTime());
    // Only a reply of exactly the registers asked for is stored, and its words are the reply's.
    if (parsed.report.verdict == PollVerdict::Stored) {
        FUZZ_CHECK(parsed.words.size() == block.request.count);
        for (qsizetype i = 0; i < parsed.words.size(); ++i)
            FUZZ_CHECK(parsed.words[i] == FrameWord(reply.View(), 3 + 2 * i));
    } else {
        FUZZ_CHECK(parsed.words.isEmpty());
    }
    static RegisterImage image;
    StorePolledBlocks({{block.area, block.index, parsed.words}}, image);
    return 0;
}
