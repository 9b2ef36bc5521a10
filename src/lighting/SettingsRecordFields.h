#pragma once
// Byte offsets that the three 64-byte settings records (mouse, keyboard, mousepad) share: the
// profile index, the lighting block and the preview's colour-group counter.

#include <cstddef>

namespace quillon::record_field {

inline constexpr std::size_t kProfileIndex = 0;
inline constexpr std::size_t kLightingMode = 1;
inline constexpr std::size_t kBrightness = 2;
inline constexpr std::size_t kSpeed = 3;
inline constexpr std::size_t kDirection = 4;  // 1 left, 0 right
inline constexpr std::size_t kSevenColour = 5;
inline constexpr std::size_t kRed = 6;
inline constexpr std::size_t kGreen = 7;
inline constexpr std::size_t kBlue = 8;
inline constexpr std::size_t kPreviewGroup = 9;

}  // namespace quillon::record_field
