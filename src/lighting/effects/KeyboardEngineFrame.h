#pragma once
// The inputs of one keyboard engine frame, shared by the engine's source files.

#include <span>

#include "lighting/effects/KeyboardEngine.h"

namespace quillon::lighting {

struct KeyboardEngine::Frame {
    const LightingBlock& block;
    std::span<const std::uint8_t> customSet;
    SharedHue& hue;
    bool single;
    std::uint8_t alpha;

    bool sevenColour() const { return !single && block.changingColours(); }
    // The chosen colour; the single-colour keyboard's light is fixed.
    Rgb chosen() const { return single ? kSingleColourLight : block.colour(); }
};

}  // namespace quillon::lighting
