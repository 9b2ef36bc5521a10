#pragma once
// The colour counter that the keyboard preview, the mouse's running light and the mousepad's
// running light all advance, so that their colours move on together. Several workers step it.

#include <atomic>
#include <cstdint>

namespace quillon::lighting {

using SharedHue = std::atomic<std::uint8_t>;

// Adds `step` (modulo 256) and returns the new value.
inline std::uint8_t advanceHue(SharedHue& hue, int step) {
    return static_cast<std::uint8_t>(hue.fetch_add(static_cast<std::uint8_t>(step)) + step);
}

}  // namespace quillon::lighting
