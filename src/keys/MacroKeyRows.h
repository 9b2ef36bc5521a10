#pragma once
// The keyboard keys a macro can hold: the 104 keyboard rows of the key code table (modifiers,
// letters, digits, editing and navigation keys, function keys, keypad), seen as macro actions:
// each with its Windows virtual-key code, its HID modifier bit or Keyboard/Keypad usage and its
// text id. The macro recorder, the macro editor's key combo and the labels of actions read back
// from the mouse use them in this order.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "keys/KeyCatalogs.h"

namespace quillon::keys {

inline constexpr int kMacroKeyRowCount = 104;

struct MacroKeyRow {
    std::uint16_t vk;
    std::uint8_t modifier;  // HID modifier bit, 0 for an ordinary key
    std::uint8_t usage;     // HID Keyboard/Keypad usage, 0 for a modifier
    std::string_view textId;
};

std::span<const MacroKeyRow> macroKeyRows();

// The first row with this virtual-key code, modifier bit or usage.
std::optional<int> macroKeyRowForVk(std::uint16_t vk);
std::optional<int> macroKeyRowForModifier(std::uint8_t bit);
std::optional<int> macroKeyRowForUsage(std::uint8_t usage);

// The mouse buttons in the order of the button catalog (left, middle, right, forward, back):
// their button bits and labels.
struct MacroButton {
    std::uint8_t bit;
    const char* label;
};
std::span<const MacroButton> macroButtons();
const char* buttonLabel(std::uint8_t bit);  // nullptr for an unknown bit

}  // namespace quillon::keys
