#pragma once
// Tables of the on-screen keyboard: the key grid (23 columns × 6 rows of button numbers), the
// order the flowing effects walk, the snake's path, the rings, the show's sweep, the per-cell phase
// table, the colour palette, the sparkle order, the frame delays and the two variants' maps from
// key button to custom colour entry. 126 stands for "no key" everywhere.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "lighting/effects/LightingTables.h"

namespace quillon::lighting {

inline constexpr std::uint8_t kNoKey = 126;
inline constexpr int kGridColumns = 23;
inline constexpr int kGridRows = 6;
inline constexpr std::size_t kKeyOrderSize = 104;
inline constexpr std::size_t kSnakeSize = 107;
inline constexpr int kRingCount = 12;
inline constexpr int kSweepSteps = 20;
inline constexpr int kShowPairs = 16;

// Button number at column c, row r, or kNoKey (also outside the grid).
std::uint8_t gridKey(int column, int row);
// The 104 keys in walking order.
const std::array<std::uint8_t, kKeyOrderSize>& keyOrder();
// Whether button k is one of the 104 keys of the walking order.
bool inKeyOrder(std::uint8_t key);
const std::array<std::uint8_t, kSnakeSize>& snakePath();
// Keys of ring g (0..11), empty cells left out.
std::span<const std::uint8_t> ring(int g);
// Keys of sweep step 0..19 of the show.
std::span<const std::uint8_t> sweepRow(int step);
// The two keys of show pair 0..15.
std::array<std::uint8_t, 2> showPair(int index);
// Phase of grid cell 6 × column + row, 0..192.
std::uint8_t phaseAt(int cell);
// Colour of the pulse field's palette.
Rgb paletteColour(std::uint8_t index);
// Index into keyOrder() of sparkle step s (0..103); a permutation of 0..103.
std::uint8_t sparkleAt(int s);

// Wait of one keyboard preview pass by mode (0..16) and speed (0..14); a speed above 14 waits as
// speed 14, a mode above 16 as mode 16.
int keyboardFrameDelay(int mode, int speed);
// The mode's own extra wait before its frame, by variant.
int keyboardExtraDelay(bool singleColour, int mode);

// Custom colour entry of key button n (0..125) for a variant; kNoKey when the key has no light.
std::uint8_t customEntry(bool singleColour, int button);

}  // namespace quillon::lighting
