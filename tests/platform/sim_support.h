#pragma once
// Helpers for the simulated-device tests: request frames built the way a host builds them, and a
// small walker over HID report descriptors.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/sim/SimFirmware.h"

namespace quillon::simtest {

// A request as the host sends it: report id 4, command, length, address, payload, checksum of
// bytes 3..63 in bytes 1..2 (computed here independently of the firmware's own helper).
SimFrame request(std::uint8_t command, std::uint8_t length = 0, std::uint16_t address = 0,
                 std::span<const std::uint8_t> payload = {});

// The payload bytes [0, count) of an answer.
std::vector<std::uint8_t> payload(const SimFrame& answer, std::size_t count);

// What a descriptor declares, read item by item.
struct DescriptorSummary {
    bool wellFormed = false;      // every item complete, collections balanced
    std::uint32_t usagePage = 0;  // of the first application collection
    std::uint32_t usage = 0;
    std::uint32_t reportId = 0;   // the last one declared
    std::uint32_t inputBits = 0;  // size x count summed over the Input items
    std::uint32_t outputBits = 0;
    std::uint32_t usageMaximum = 0;
    bool inputIsArray = false;  // of the last Input item
};

DescriptorSummary summarize(const std::vector<std::uint8_t>& descriptor);

}  // namespace quillon::simtest
