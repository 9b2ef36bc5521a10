#pragma once
// The parameters the function editor's number edits and combos give a function, and back.

#include <cstdint>
#include <string>
#include <string_view>

#include "keys/KeyFunction.h"

namespace quillon::keys {

// A swing: nibbles A and B (0..15), amount 0..127 and the direction (false: left or up, true:
// right or down). Encoding works in 8 bits, as the device reads the bytes.
struct Swing {
    int a = 0;
    int b = 0;
    int amount = 0;
    bool second = false;
    friend bool operator==(const Swing&, const Swing&) = default;
};
KeyFunction encodeSwing(std::uint8_t type, const Swing& swing);
Swing decodeSwing(KeyFunction f);

// The macro category: modes 0..3 play the macro (0x70) and mode 4 repeats it `repeat` times.
inline constexpr int kRepeatModeItem = 4;
KeyFunction encodeMacro(int macro, int modeItem, int repeat);

// The number in an edit's text, read as a decimal integer the way the device's tool always has:
// leading blanks and a sign are allowed, reading stops at the first non-digit, text without a
// number is 0. Values beyond the int range saturate.
long long readNumber(std::string_view text);

// A number edit's limits. A value above `max` is corrected to `max`; a value below `min` (a
// negative number, or 0 for the mouse's repeat count) to `min`.
struct EditLimit {
    int min = 0;
    int max = 255;
};
// The value the edit's text stands for within its limits; `corrected` tells whether the text
// must be rewritten to show it.
struct Clamped {
    int value = 0;
    bool corrected = false;
};
Clamped clampNumber(std::string_view text, EditLimit limit);

}  // namespace quillon::keys
