#pragma once
// The running light of the mouse and mousepad previews: a ring of marker slots rotates one slot a
// pass; the zone under a marker lights at full level and fades behind it.

#include <array>
#include <cstddef>
#include <cstdint>

#include "lighting/effects/SharedHue.h"

namespace quillon::lighting {

template <std::size_t Slots, std::size_t Lit>
struct RunningLight {
    std::array<std::uint8_t, Slots> ring{};
    std::array<std::uint8_t, Lit> level{};
    std::array<std::uint8_t, Lit> hue{};

    void clear() {
        ring.fill(0);
        level.fill(0);
        hue.fill(0);
    }
    void placeMarker(std::size_t slot) { ring[slot % Slots] = 1; }

    // Slots under a marker light fully (taking a new colour from the counter when colours change),
    // then the ring turns: direction 0 moves markers to higher slots, 1 to lower ones.
    void pass(std::uint8_t direction, bool changingColours, SharedHue& sharedHue) {
        for (std::size_t k = 0; k < Lit; ++k) {
            if (ring[k] != 0) {
                level[k] = 255;
                if (changingColours) {
                    hue[k] = advanceHue(sharedHue, 11);
                }
            }
        }
        if (direction == 0) {
            const std::uint8_t last = ring[Slots - 1];
            for (std::size_t k = Slots - 1; k > 0; --k) {
                ring[k] = ring[k - 1];
            }
            ring[0] = last;
        } else {
            const std::uint8_t first = ring[0];
            for (std::size_t k = 0; k + 1 < Slots; ++k) {
                ring[k] = ring[k + 1];
            }
            ring[Slots - 1] = first;
        }
    }
};

// A hue of 192 or more stands for hue − 192 on the wheel.
inline int wheelHue(std::uint8_t hue) {
    return hue >= 192 ? hue - 192 : hue;
}

}  // namespace quillon::lighting
