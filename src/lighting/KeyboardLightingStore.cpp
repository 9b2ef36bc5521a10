#include "lighting/KeyboardLightingStore.h"

#include <algorithm>
#include <vector>

namespace quillon {

int KeyboardLightingStore::selectedSet() const {
    return customSetIndex < static_cast<std::uint32_t>(kCustomSetCount)
               ? static_cast<int>(customSetIndex)
               : 0;
}

void KeyboardLightingStore::store(std::span<std::uint8_t> out) const {
    std::vector<std::uint8_t> bytes(kStoredSize);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(customSetIndex >> (8 * i));
    }
    for (std::size_t n = 0; n < sets.size(); ++n) {
        std::copy(sets[n].begin(), sets[n].end(), bytes.begin() + 4 + n * kCustomSetSize);
    }
    std::copy_n(bytes.begin(), std::min(out.size(), bytes.size()), out.begin());
}

void KeyboardLightingStore::restore(std::span<const std::uint8_t> in) {
    if (in.size() >= 4) {
        customSetIndex =
            static_cast<std::uint32_t>(in[0]) | (static_cast<std::uint32_t>(in[1]) << 8) |
            (static_cast<std::uint32_t>(in[2]) << 16) | (static_cast<std::uint32_t>(in[3]) << 24);
    }
    for (std::size_t n = 0; n < sets.size(); ++n) {
        const std::size_t from = 4 + n * kCustomSetSize;
        if (from >= in.size()) {
            break;
        }
        const std::size_t count = std::min(kCustomSetSize, in.size() - from);
        std::copy_n(in.begin() + static_cast<std::ptrdiff_t>(from), count, sets[n].begin());
    }
}

}  // namespace quillon
