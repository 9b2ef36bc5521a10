#include "lighting/effects/LightingBlock.h"

#include <array>

namespace quillon::lighting {

LightingBlock LightingBlock::fromRecord(std::span<const std::uint8_t> record) {
    std::array<std::uint8_t, kLightingBlockSize> b{};
    for (std::size_t i = 0; i < b.size() && kLightingBlockOffset + i < record.size(); ++i) {
        b[i] = record[kLightingBlockOffset + i];
    }
    return {b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]};
}

void LightingBlock::toRecord(std::span<std::uint8_t> record) const {
    const std::array<std::uint8_t, kLightingBlockSize> b = {
        mode, brightness, speed, direction, sevenColour, red, green, blue};
    for (std::size_t i = 0; i < b.size() && kLightingBlockOffset + i < record.size(); ++i) {
        record[kLightingBlockOffset + i] = b[i];
    }
}

}  // namespace quillon::lighting
