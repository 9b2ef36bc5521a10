#pragma once
// The cursor-movement memory of the simulated mouse as it leaves the factory: an image of four
// sequences (16-byte header with 0x55AA and the total length, an offset table, then one block of
// timed actions per sequence), followed by unused zero bytes up to the memory's size.

#include <cstdint>
#include <vector>

namespace quillon {

inline constexpr std::uint16_t kSimImageMagic = 0x55AA;
inline constexpr std::size_t kSimImageHeaderSize = 16;
inline constexpr int kSimCursorSequences = 4;
inline constexpr int kSimCursorSteps = 30;
inline constexpr int kSimActionsPerStep = 6;

// kSimCursorSize bytes.
std::vector<std::uint8_t> simDefaultCursorImage();

}  // namespace quillon
