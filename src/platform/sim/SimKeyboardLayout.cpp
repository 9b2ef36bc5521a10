#include "platform/sim/SimKeyboardLayout.h"

namespace quillon {
namespace {

constexpr std::uint8_t kKeyType = 0x20;

constexpr SimKeyFunction key(std::uint8_t usage) {
    return {kKeyType, 0x00, usage};
}
constexpr SimKeyFunction modifier(std::uint8_t bit) {
    return {kKeyType, bit, 0x00};
}
constexpr SimKeyFunction none() {
    return {kKeyType, 0x00, 0x00};
}

// Modifier bits of the keyboard function.
constexpr std::uint8_t kLeftCtrl = 0x01, kLeftShift = 0x02, kLeftAlt = 0x04, kLeftGui = 0x08;
constexpr std::uint8_t kRightCtrl = 0x10, kRightShift = 0x20, kRightAlt = 0x40, kRightGui = 0x80;

// The key between right Alt and the application key carries a device function of its own.
constexpr SimKeyFunction kFnKey = {0xA0, 0x02, 0x02};

// clang-format off
constexpr std::array<SimKeyFunction, kSimLayoutPositions> kLayout = {{
    // Row 0: Esc, F1..F12, Print Screen, Scroll Lock, Pause, then nothing.
    key(0x29), key(0x3A), key(0x3B), key(0x3C), key(0x3D), key(0x3E), key(0x3F), key(0x40),
    key(0x41), key(0x42), key(0x43), key(0x44), key(0x45), key(0x46), key(0x47), key(0x48),
    none(), none(), none(), none(), none(),
    // Row 1: grave, 1..9, 0, minus, equals, Backspace, Insert, Home, Page Up, Num Lock,
    // keypad / * -.
    key(0x35), key(0x1E), key(0x1F), key(0x20), key(0x21), key(0x22), key(0x23), key(0x24),
    key(0x25), key(0x26), key(0x27), key(0x2D), key(0x2E), key(0x2A), key(0x49), key(0x4A),
    key(0x4B), key(0x53), key(0x54), key(0x55), key(0x56),
    // Row 2: Tab, Q..P, [ ] backslash, Delete, End, Page Down, keypad 7 8 9, nothing.
    key(0x2B), key(0x14), key(0x1A), key(0x08), key(0x15), key(0x17), key(0x1C), key(0x18),
    key(0x0C), key(0x12), key(0x13), key(0x2F), key(0x30), key(0x31), key(0x4C), key(0x4D),
    key(0x4E), key(0x5F), key(0x60), key(0x61), none(),
    // Row 3: Caps Lock, A..L, semicolon, quote, Enter, keypad 4 5 6, then nothing.
    key(0x39), key(0x04), key(0x16), key(0x07), key(0x09), key(0x0A), key(0x0B), key(0x0D),
    key(0x0E), key(0x0F), key(0x33), key(0x34), key(0x28), key(0x5C), key(0x5D), key(0x5E),
    none(), none(), none(), none(), none(),
    // Row 4: left Shift, Z..M, comma, period, slash, right Shift, Up, keypad 1 2 3, nothing,
    // nothing, the non-US backslash, nothing, nothing.
    modifier(kLeftShift), key(0x1D), key(0x1B), key(0x06), key(0x19), key(0x05), key(0x11),
    key(0x10), key(0x36), key(0x37), key(0x38), modifier(kRightShift), key(0x52), key(0x59),
    key(0x5A), key(0x5B), none(), none(), key(0x64), none(), none(),
    // Row 5: left Ctrl, left GUI, left Alt, Space, right Alt, Fn, Application, right Ctrl, Left,
    // Down, Right, keypad 0 . Enter +, nothing x5, right GUI.
    modifier(kLeftCtrl), modifier(kLeftGui), modifier(kLeftAlt), key(0x2C), modifier(kRightAlt),
    kFnKey, key(0x65), modifier(kRightCtrl), key(0x50), key(0x51), key(0x4F), key(0x62),
    key(0x63), key(0x58), key(0x57), none(), none(), none(), none(), none(),
    modifier(kRightGui),
}};
// clang-format on

// A short list would leave the last positions zero without a word from the compiler.
static_assert(kLayout[kSimLayoutPositions - 1] == modifier(kRightGui));
static_assert(kLayout[110] == kFnKey);

}  // namespace

const std::array<SimKeyFunction, kSimLayoutPositions>& simKeyboardLayout() {
    return kLayout;
}

bool isEmptyLayoutPosition(const SimKeyFunction& function) {
    return function == none();
}

}  // namespace quillon
