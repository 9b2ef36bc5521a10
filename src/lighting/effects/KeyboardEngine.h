#pragma once
// The keyboard preview's effect engine: one frame at a time of the stored mode into a table of
// colour and alpha per key button. The full-colour keyboard has 17 effects (modes 0..16), the
// single-colour keyboard 11 (modes 0..10), which change only the alpha of a fixed colour. The
// engine never talks to the keyboard.

#include <array>
#include <cstdint>
#include <span>

#include "lighting/effects/KeyboardTables.h"
#include "lighting/effects/LightingBlock.h"
#include "lighting/effects/PreviewFrame.h"
#include "lighting/effects/SharedHue.h"
#include "lighting/effects/TrackLayers.h"

namespace quillon::lighting {

inline constexpr int kFullColourModeCount = 17;
inline constexpr int kSingleColourModeCount = 11;
inline constexpr Rgb kSingleColourLight = {0, 246, 255};

class KeyboardEngine {
  public:
    // Mode selection: positions, show state, levels, hues and track layers back to 0.
    void reset();
    // The start state of a mode (per-key hues, a first ripple mark, phases).
    void start(bool singleColour, std::uint8_t mode);

    // One frame of `block` into picture(). `customSet` is the selected custom colour set (378
    // bytes; a shorter one reads as dark). False for a mode without an effect.
    bool frame(bool singleColour, const LightingBlock& block,
               std::span<const std::uint8_t> customSet, SharedHue& hue);

    const KeyFrame& picture() const { return picture_; }
    std::uint8_t colourGroup() const { return group_; }
    std::uint8_t position() const { return p1_; }
    std::uint8_t level(std::uint8_t key) const { return level_[key]; }
    std::uint8_t hue(std::uint8_t key) const { return hue_[key]; }
    std::uint8_t phase(std::uint8_t key) const { return phase_[key]; }
    std::uint8_t showState() const { return show_; }
    const TrackLayers& layers() const { return layers_; }

  private:
    struct Frame;  // the inputs of one frame
    bool fullColour(const Frame& f);
    bool singleColour(const Frame& f);

    // Full-colour effects.
    void wave(const Frame& f);
    void spectrum(const Frame& f);
    void breathing(const Frame& f);
    void rainbowKeys(const Frame& f);
    void centreRipple(const Frame& f);
    void show(const Frame& f);
    void stream(const Frame& f);
    void custom(const Frame& f);
    void sparkle(const Frame& f);
    void rows(const Frame& f);
    void pulseField(const Frame& f);
    void snake(const Frame& f);
    void rings(const Frame& f);
    void columns(const Frame& f);
    void edgeRipple(const Frame& f);
    void diagonalPulse(const Frame& f);

    // Single-colour effects.
    void singleWave(const Frame& f);
    void tracks(const Frame& f);
    void singleCustom(const Frame& f);
    void singleSparkle(const Frame& f);
    void singlePulse(const Frame& f);

    // Shared steps.
    void light(std::uint8_t key, const Frame& f, int hueStep);
    void markFromLayers(const Frame& f);
    void showStep(const Frame& f);
    void sparkleSteps(const Frame& f);
    bool snakeStep(const Frame& f);
    std::uint8_t decay(std::uint8_t v, std::uint8_t mode) const;
    void drawFromLevel(std::uint8_t key, const Frame& f);
    Rgb keyColour(std::uint8_t key, const Frame& f) const;
    void set(std::uint8_t key, Rgb colour, std::uint8_t alpha);
    void setAll(Rgb colour, std::uint8_t alpha);
    void phaseStart();
    void diagonalStart(bool withHues);
    void hueStart();

    KeyFrame picture_{};
    std::uint8_t p1_ = 0;
    std::uint8_t p2_ = 0;
    std::uint8_t show_ = 0;
    std::uint8_t group_ = 0;
    std::uint8_t sparkle_ = 0;
    std::array<std::uint8_t, kKeyCount> hue_{};
    std::array<std::uint8_t, kKeyCount> level_{};
    std::array<std::uint8_t, kKeyCount> phase_{};
    TrackLayers layers_;
};

}  // namespace quillon::lighting
