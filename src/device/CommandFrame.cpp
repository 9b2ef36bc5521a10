#include "device/CommandFrame.h"

#include <algorithm>

namespace quillon {

std::uint16_t frameChecksum(std::span<const std::uint8_t, kFrameSize> bytes) {
    unsigned sum = 0;
    for (std::size_t i = 3; i < kFrameSize; ++i) {
        sum += bytes[i];
    }
    return static_cast<std::uint16_t>(sum);
}

CommandFrame CommandFrame::request(CommandCode code, std::uint8_t length, std::uint16_t address,
                                   std::span<const std::uint8_t> payload) {
    CommandFrame frame;
    frame.bytes[0] = kCommandReportId;
    frame.bytes[3] = static_cast<std::uint8_t>(code);
    frame.bytes[4] = length;
    frame.bytes[5] = static_cast<std::uint8_t>(address & 0xFF);
    frame.bytes[6] = static_cast<std::uint8_t>(address >> 8);
    const std::size_t n = std::min(payload.size(), kFramePayloadSize);
    std::copy_n(payload.begin(), n, frame.bytes.begin() + kFramePayloadOffset);
    frame.seal();
    return frame;
}

CommandFrame CommandFrame::bare(CommandCode code) {
    CommandFrame frame;
    frame.bytes[0] = kCommandReportId;
    frame.bytes[3] = static_cast<std::uint8_t>(code);
    return frame;
}

void CommandFrame::seal() {
    const std::uint16_t sum = frameChecksum(bytes);
    bytes[1] = static_cast<std::uint8_t>(sum & 0xFF);
    bytes[2] = static_cast<std::uint8_t>(sum >> 8);
}

}  // namespace quillon
