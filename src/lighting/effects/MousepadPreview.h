#pragma once
// The mousepad lighting preview: one frame of the stored mode at a time on the 15 zones of the
// mousepad picture. It never talks to the mousepad.

#include <cstdint>

#include "lighting/effects/FlashState.h"
#include "lighting/effects/LightingBlock.h"
#include "lighting/effects/PreviewFrame.h"
#include "lighting/effects/RunningLight.h"
#include "lighting/effects/SharedHue.h"

namespace quillon::lighting {

inline constexpr int kMousepadModeCount = 10;
inline constexpr int kMousepadColumnCount = 7;

// Wait before a pass of the mousepad preview, the mode's own pause included.
int mousepadPassDelay(const LightingBlock& block);

struct PadFrameResult {
    bool drawn = false;  // picture() changed
    int pauseAfter = 0;  // ms the worker waits after this pass (the fill's turn)
};

class MousepadPreview {
  public:
    MousepadPreview() { reset(); }
    // Mode selection: position, bar, fill, ring, levels and hues back to their start.
    void reset();
    // The running light's marker into ring slot 0.
    void placeMarker() { running_.placeMarker(0); }

    static bool usesTrigger(std::uint8_t mode) { return mode == 8; }

    PadFrameResult frame(const LightingBlock& block, std::int64_t now, bool triggered,
                         SharedHue& hue);

    const MousepadFrame& picture() const { return picture_; }
    std::uint8_t colourGroup() const { return group_; }

  private:
    void wave(const LightingBlock& b);
    void breathe(const LightingBlock& b);
    void bar(const LightingBlock& b);
    void runningLight(const LightingBlock& b, SharedHue& hue);
    void columns(const LightingBlock& b);
    PadFrameResult fillAndDrain(const LightingBlock& b);
    void lightColumns(const LightingBlock& b, int firstBit);
    void setColumn(int column, ZoneLight light);

    MousepadFrame picture_{};
    std::uint8_t position_ = 0;
    std::uint8_t group_ = 0;
    int bar_ = -1;
    bool barRising_ = true;
    std::uint16_t fill_ = 0x3F00;
    bool filling_ = true;
    int fillCount_ = 0;
    FlashState flash_;
    RunningLight<15, 15> running_;
};

}  // namespace quillon::lighting
