#pragma once
// The mouse lighting preview: one frame of the stored mode at a time on the 20 zones of the mouse
// picture. It never talks to the mouse; the mouse runs its own effect from the record.

#include <cstdint>

#include "lighting/effects/FlashState.h"
#include "lighting/effects/LightingBlock.h"
#include "lighting/effects/PreviewFrame.h"
#include "lighting/effects/RunningLight.h"
#include "lighting/effects/SharedHue.h"

namespace quillon::lighting {

inline constexpr int kMouseModeCount = 7;

// Zones of group g (0..6) of the mouse picture, as zone numbers.
const std::array<std::uint8_t, 3>& mouseZoneGroup(int group);

// Wait before a pass of the mouse preview (mode 5 waits 50 ms more).
int mousePassDelay(const LightingBlock& block);

class MousePreview {
  public:
    // Mode selection and direction change: position, ring, levels and hues back to 0.
    void reset();
    // The running light's marker: slot 7 going left (direction 1), slot 0 going right.
    void placeMarker(std::uint8_t direction);

    // Whether a mode answers the mouse's event flag (modes 2 and 6); only those consume it.
    static bool usesTrigger(std::uint8_t mode) { return mode == 2 || mode == 6; }

    // Draws one frame of `block` into picture(). False for a mode without a frame (above 6).
    bool frame(const LightingBlock& block, std::int64_t now, bool triggered, SharedHue& hue);

    const MouseFrame& picture() const { return picture_; }
    // The colour set of the three-set breathing, 0..2; moves on after each full breath.
    std::uint8_t colourGroup() const { return group_; }
    std::uint8_t position() const { return position_; }

  private:
    void colourCycle(const LightingBlock& b);
    void breathe(const LightingBlock& b, bool threeSets);
    void flash(const LightingBlock& b, std::int64_t now, bool triggered);
    void runningLight(const LightingBlock& b, SharedHue& hue);
    void setAll(ZoneLight light);
    void setGroup(int group, ZoneLight light);

    MouseFrame picture_{};
    std::uint8_t position_ = 0;
    std::uint8_t group_ = 0;
    FlashState flash_;
    RunningLight<23, 14> running_;
};

}  // namespace quillon::lighting
