#pragma once
// The previews of synchronised lighting: one effect drawn on all three devices in step, from the
// lighting block the same-mode copy filled. Column i of the wave goes to keyboard grid column i,
// mouse zone group i (i < 7) and mousepad zone i (i < 15). Modes above 3 draw nothing.

#include <cstdint>

#include "lighting/effects/LightingBlock.h"
#include "lighting/effects/PreviewFrame.h"

namespace quillon::lighting {

struct SyncTargets {
    bool keyboard = false;
    bool mouse = false;
    bool mousepad = false;
};

// Wait of one synchronised pass.
inline int syncPassDelay(const LightingBlock& block) {
    return 4 * block.speed;
}
// Wait after a frame for the devices that do not take part.
int syncIdleDelay(const LightingBlock& block, SyncTargets targets);

class SyncPreview {
  public:
    // One frame into the pictures of the targets; false for a mode without a frame.
    bool frame(const LightingBlock& block, SyncTargets targets);

    const KeyFrame& keyboard() const { return keyboard_; }
    const MouseFrame& mouse() const { return mouse_; }
    const MousepadFrame& mousepad() const { return mousepad_; }
    std::uint8_t position() const { return position_; }

  private:
    void column(int i, ZoneLight light, SyncTargets targets);
    void all(ZoneLight light, SyncTargets targets);

    KeyFrame keyboard_{};
    MouseFrame mouse_{};
    MousepadFrame mousepad_{};
    std::uint8_t position_ = 0;
};

}  // namespace quillon::lighting
