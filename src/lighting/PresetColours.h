#pragma once
// The 30 preset colours the palette window and the lighting pages offer, chosen by the number at
// the end of a preset button's name.

#include <array>
#include <cstdint>
#include <optional>

namespace quillon::lighting {

inline constexpr int kPresetColourCount = 30;

// 0xAARRGGBB of preset n, or nothing for a number outside 0..29.
std::optional<std::uint32_t> presetColour(int n);

}  // namespace quillon::lighting
