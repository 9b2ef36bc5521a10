#pragma once
// Tables the three lighting previews share: brightness to alpha, the 192-step colour wheel, the
// breathing curve, the colour sets of the mouse's three-set breathing, the two curves of the
// keyboard's waves and pulses, and stepping of a position within a range.

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillon::lighting {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr int kWheelSize = 192;
inline constexpr int kBreathSize = 128;
inline constexpr int kCurve96Size = 96;
inline constexpr int kPulseSize = 192;
inline constexpr int kZoneGroupCount = 7;

// Alpha of a brightness value 0..15; anything above 15 is treated as 15 (dark).
std::uint8_t brightnessAlpha(std::uint8_t brightness);
// Wheel entry i; an index of 192 or more wraps.
Rgb wheel(int index);
// The 128-step breathing curve (rise then fall); indexes wrap.
std::uint8_t breath(int index);
// The keyboard wave's 96-step curve and the 192-step pulse curve; indexes wrap.
std::uint8_t curve96(int index);
std::uint8_t pulseCurve(int index);
// Colour of zone group g (0..6) in colour set `set` (0..2) of the three-set breathing.
Rgb breathingSetColour(int set, int group);

// Moves `position` one step within 0..count-1: up when direction is 1, down otherwise, wrapping
// at both ends. A position outside the range (left by another mode) re-enters it at the end the
// step heads for. Returns true when the position became 0 by this step without wrapping
// downwards (the moment a breathing cycle ends).
bool stepWithin(std::uint8_t& position, int count, std::uint8_t direction);

// alpha × level / 256, as the previews scale brightness.
inline std::uint8_t scaled(std::uint8_t alpha, int level) {
    return static_cast<std::uint8_t>(alpha * level / 256);
}

}  // namespace quillon::lighting
