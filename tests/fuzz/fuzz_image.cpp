// The image CRC-32 and the packet plan for any image: the packets lie inside the image, one after
// the other, and cover it whole; each packet's request carries its bytes.
#include "boot_frames.h"
#include "fuzz_input.h"
#include "image_crc.h"
#include "modbus_frames.h"
#include "packet_plan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const QByteArrayView image = in.Rest();
    (void)ImageCrc32(image);
    const quint32 packets = FullPackets(image.size());
    qsizetype covered = 0;
    for (quint32 n = 0; n <= packets; ++n) {
        const BootPacket packet = PacketAt(image.size(), n);
        FUZZ_CHECK(packet.offset == covered && packet.length >= 0 &&
                   packet.offset + packet.length <= image.size());
        covered += packet.length;
        const QByteArray request =
            BootWriteRequest(238, packet.flashAddress, image.sliced(packet.offset, packet.length));
        FUZZ_CHECK(request.size() == packet.length + 9 && HasValidCrc(request) &&
                   request.sliced(7, packet.length) == image.sliced(packet.offset, packet.length));
        (void)ProgressPercent(n, packets);
    }
    FUZZ_CHECK(covered == image.size());
    return 0;
}
