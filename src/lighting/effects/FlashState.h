#pragma once
// The flash that answers a mouse event (mouse modes 2 and 6, mousepad mode 8): a trigger starts
// it and moves its wheel colour 14 steps on; it stays lit until the first frame that starts
// 100 ms or more after it began, and that frame is still lit.

#include <cstdint>

namespace quillon::lighting {

struct FlashState {
    bool on = false;
    std::int64_t start = 0;
    std::uint8_t wheelIndex = 0;

    // Returns whether this frame is lit.
    bool frame(bool triggered, std::int64_t now) {
        if (triggered) {
            on = true;
            start = now;
            wheelIndex = static_cast<std::uint8_t>(wheelIndex + 14 >= 192 ? 0 : wheelIndex + 14);
        }
        if (!on) {
            return false;
        }
        if (now - start >= 100) {
            on = false;
        }
        return true;
    }
};

}  // namespace quillon::lighting
