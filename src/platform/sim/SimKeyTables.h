#pragma once
// The factory key tables of the simulated mouse and keyboard, and the profile pages that start as
// copies of them.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/sim/SimTypes.h"

namespace quillon {

// Filler of the unused entries of a factory table (a device function the host leaves alone).
inline constexpr std::uint8_t kSimKeyFiller = 0x05;

// 512 bytes: left, middle, right, forward, back, DPI cycle, then filler; the last two bytes 0.
std::vector<std::uint8_t> simMouseFactoryKeyTable();

// The layout positions in the keyboard's own key order: the key matrix is scanned column by
// column, top to bottom, and positions without a key are skipped. Entry d is the position of
// device key d.
const std::vector<int>& simKeyboardKeyOrder();
// The number of keys the layout holds, the keyboard's default key count.
int simKeyboardLayoutKeyCount();
// 3 x keyCount bytes: the layout's functions in the keyboard's key order; keys beyond the layout
// (a larger key count) get filler.
std::vector<std::uint8_t> simKeyboardFactoryKeyTable(int keyCount);

// The profile-block address space (pages 126 bytes apart) with every page a copy of the factory
// table, as far as the pages overlap allows: the mouse keeps the 42-key area at the start of each
// page intact, the keyboard (which uses page 0 alone) keeps the whole of page 0.
std::vector<std::uint8_t> simDefaultPages(SimKind kind, const std::vector<std::uint8_t>& factory);

}  // namespace quillon
