#pragma once
// The keyboard as the configuration page draws it: six rows of 21 positions, each with the factory
// function of the key that sits there. The simulated keyboard derives its own factory key table
// from it, so the page's position-to-key mapping meets the same keys a real keyboard reports.

#include <array>
#include <cstdint>

namespace quillon {

// One key function as the device stores it: type, first and second parameter.
struct SimKeyFunction {
    std::uint8_t type = 0;
    std::uint8_t param1 = 0;
    std::uint8_t param2 = 0;
    bool operator==(const SimKeyFunction&) const = default;
};

inline constexpr int kSimLayoutRows = 6;
inline constexpr int kSimLayoutColumns = 21;
inline constexpr int kSimLayoutPositions = kSimLayoutRows * kSimLayoutColumns;

// Position u = 21 x row + column.
const std::array<SimKeyFunction, kSimLayoutPositions>& simKeyboardLayout();

// A position where no key sits holds the plain keyboard function with no modifier and no usage.
bool isEmptyLayoutPosition(const SimKeyFunction& function);

}  // namespace quillon
