#include "platform/sim_support.h"

#include <algorithm>

namespace quillon::simtest {

SimFrame request(std::uint8_t command, std::uint8_t length, std::uint16_t address,
                 std::span<const std::uint8_t> payload) {
    SimFrame frame{};
    frame[0] = 4;
    frame[3] = command;
    frame[4] = length;
    frame[5] = static_cast<std::uint8_t>(address & 0xFF);
    frame[6] = static_cast<std::uint8_t>(address >> 8);
    std::copy_n(payload.begin(), std::min<std::size_t>(payload.size(), 56), frame.begin() + 8);
    unsigned sum = 0;
    for (std::size_t i = 3; i < 64; ++i) {
        sum += frame[i];
    }
    frame[1] = static_cast<std::uint8_t>(sum);
    frame[2] = static_cast<std::uint8_t>(sum >> 8);
    return frame;
}

std::vector<std::uint8_t> payload(const SimFrame& answer, std::size_t count) {
    return {answer.begin() + 8, answer.begin() + 8 + static_cast<std::ptrdiff_t>(count)};
}

namespace {

std::uint32_t itemValue(const std::vector<std::uint8_t>& d, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        value |= static_cast<std::uint32_t>(d[at + i]) << (8 * i);
    }
    return value;
}

}  // namespace

DescriptorSummary summarize(const std::vector<std::uint8_t>& d) {
    DescriptorSummary s;
    std::uint32_t page = 0, size = 0, count = 0, usage = 0;
    int depth = 0;
    std::size_t at = 0;
    while (at < d.size()) {
        const std::uint8_t prefix = d[at];
        const std::size_t dataSize = (prefix & 0x03) == 3 ? 4 : (prefix & 0x03);
        if (at + 1 + dataSize > d.size()) {
            return s;  // a truncated item
        }
        const std::uint32_t value = itemValue(d, at + 1, dataSize);
        switch (prefix & 0xFC) {
            case 0x04:
                page = value;
                break;  // Usage Page
            case 0x08:
                usage = value;
                break;  // Usage
            case 0x28:
                s.usageMaximum = value;
                break;  // Usage Maximum
            case 0x74:
                size = value;
                break;  // Report Size
            case 0x94:
                count = value;
                break;  // Report Count
            case 0x84:
                s.reportId = value;
                break;  // Report ID
            case 0x80:
                s.inputBits += size * count;
                s.inputIsArray = (value & 0x02) == 0;
                break;
            case 0x90:
                s.outputBits += size * count;
                break;  // Output
            case 0xA0:  // Collection
                if (depth++ == 0) {
                    s.usagePage = page;
                    s.usage = usage;
                }
                break;
            case 0xC0:
                --depth;
                break;  // End Collection
            default:
                break;
        }
        at += 1 + dataSize;
    }
    s.wellFormed = depth == 0;
    return s;
}

}  // namespace quillon::simtest
